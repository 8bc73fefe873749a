#pragma once
// A plant group for tests of the main dialog's add-plant command: the dialog test group reading
// [Plant] item files, with one subset per family, and the plant operations recorded. The family
// list, the aliases and the call log live in a book outside the group, so that a group built
// again after an update finds what an earlier one added; a new plant's item file is written
// into the group's folder, where the next load finds it.
#include "DialogTestGroups.h"
#include "catalog/PlantOperations.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QHash>
#include <QStringList>

struct PlantBook {
    QStringList families;             // the family list of the settings, in subset order
    QHash<QString, QString> aliases;  // a family's other name → the family
    QStringList calls;                // the plant operations, in call order
};

class PlantTestGroup : public DialogTestGroup, public IPlantOperations {
public:
    static constexpr char kKey[] = "Plant";

    explicit PlantTestGroup(PlantBook* book)
        : DialogTestGroup(QLatin1String(kKey), QStringLiteral("植物"), {kFeatureSearch, kFeatureAddPlant}, {}),
          book(book)
    {
    }

    bool Init(const QString& settings, CGroupTable* owner, const QString& itemFolder) override;

    QString Family(int item) const
    {
        return Record(item) ? platform::GetProfileString(FieldText(Record(item)->path), Key(), QStringLiteral("Class"))
                            : QString();
    }

    bool NormalizeClass(QString* family) override
    {
        book->calls << QStringLiteral("NormalizeClass ") + *family;
        if (book->families.contains(*family))
            return true;
        if (!book->aliases.contains(*family))
            return false;
        *family = book->aliases.value(*family);
        return true;
    }
    bool AddClass(const QString& family) override
    {
        book->calls << QStringLiteral("AddClass ") + family;
        book->families << family;
        return true;
    }
    bool HasItem(const QString& family, const QString& name) override
    {
        book->calls << QStringLiteral("HasItem %1 %2").arg(family, name);
        for (int item = 0; item < ItemCount(); ++item)
            if (Name(item) == name && Family(item) == family)
                return true;
        return false;
    }
    bool AddItem(const QString& family, const QString& name) override
    {
        book->calls << QStringLiteral("AddItem %1 %2").arg(family, name);
        const QString path = platform::JoinPath(Folder(), QStringLiteral("%1(%2).txt").arg(name, family));
        return platform::WriteProfileString(path, Key(), QStringLiteral("Name"), name)
               && platform::WriteProfileString(path, Key(), QStringLiteral("Class"), family);
    }
    bool AddBlogLink(const QString& family, const QString& name, const QString& title,
                     const QString& link) override
    {
        book->calls << QStringLiteral("AddBlogLink %1 %2 %3 %4").arg(family, name, title, link);
        return true;
    }

private:
    PlantBook* book;
};

// The plants of one family, shown in the tree by the family's name.
class PlantFamilySubset : public CSubsetBase {
public:
    PlantFamilySubset(PlantTestGroup* group, const QString& family)
        : CSubsetBase(kTypePlantClass, 0, family, group->Key()), group(group)
    {
    }

    int FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns) override
    {
        group->SetupItemColumns(list, columns);
        int rows = 0;
        for (int item = 0; item < group->ItemCount(); ++item)
            if (group->Family(item) == displayName && group->InsertItemRow(list, rows, item))
                ++rows;
        return rows;
    }

private:
    PlantTestGroup* group;
};

inline bool PlantTestGroup::Init(const QString& settings, CGroupTable* owner, const QString& itemFolder)
{
    DialogTestGroup::Init(settings, owner, itemFolder);
    for (const QString& family : book->families)
        AddSubset(new PlantFamilySubset(this, family));
    return true;
}

inline GroupClassEntry PlantTestClass(PlantBook* book)
{
    return GroupClassEntry{[book] { return std::make_unique<PlantTestGroup>(book); }};
}
