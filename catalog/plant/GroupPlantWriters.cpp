// The plant group's add-plant operations: families of the settings' family list, new plant
// files and their web pages. Every text that goes into a file name or a key is checked before
// anything is written; a refused call writes nothing, and a record changes only after its file
// has been written.
#include "catalog/plant/GroupPlant.h"

#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/plants/PlantClassList.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/ProfileSnapshot.h"

#include <QFileInfo>

namespace {

const QString kClassSection = QStringLiteral("PlantClass");
const QString kClassListKey = QStringLiteral("ClassList");
const QString kNameKey = QStringLiteral("Name");
const QString kClassKey = QStringLiteral("Class");
const QString kBlogKey = QStringLiteral("Blog%1");
const QString kLinkKey = QStringLiteral("Link%1");
const QString kFileBaseName = QStringLiteral("%1(%2)");

bool HoldsControl(const QString& text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// A text that can be part of a file name: not empty, no folder separator, no control character.
bool FitsFileName(const QString& text)
{
    return !text.isEmpty() && !text.contains(u'/') && !text.contains(u'\\') && !HoldsControl(text);
}

// The extension of a file name with its dot; empty when it has none.
QString ExtensionOf(const QString& path)
{
    const QString name = platform::FileNameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.mid(dot) : QString();
}

} // namespace

// A listed family stays; an alias key [PlantClass] <family> gives the family it stands for.
bool CGroupPlant::NormalizeClass(QString* family)
{
    if (!family || family->isEmpty())
        return false;
    QStringList families;
    ReadPlantClassList(&families);
    if (families.contains(*family))
        return true;
    if (family->compare(kClassListKey, Qt::CaseInsensitive) == 0)
        return false;
    const QString target = platform::GetProfileString(MainSettingsPath(), kClassSection, *family);
    if (target.isEmpty())
        return false;
    *family = target;
    return true;
}

// The family goes at the end of ClassList; alone when the list is empty. A family holding a
// comma would split into two entries of the list, so it is refused.
bool CGroupPlant::AddClass(const QString& family)
{
    if (family.isEmpty() || family.contains(u',') || HoldsControl(family))
        return false;
    const QString& settings = MainSettingsPath();
    const QString list = platform::GetProfileString(settings, kClassSection, kClassListKey);
    const QString value = list.isEmpty() ? family : list + u',' + family;
    return platform::WriteProfileString(settings, kClassSection, kClassListKey, value);
}

int CGroupPlant::FindPlant(const QString& family, const QString& name) const
{
    for (int i = 0; i < ItemCount(); ++i) {
        const PlantItemRecord* r = Record(i);
        if (FieldText(r->Class) == family
            && (FieldText(r->Name) == name || FieldText(r->Name2) == name))
            return i;
    }
    return -1;
}

bool CGroupPlant::HasItem(const QString& family, const QString& name)
{
    return FindPlant(family, name) >= 0;
}

// The new file "name(family)" lies beside the first plant's file, with its extension.
bool CGroupPlant::AddItem(const QString& family, const QString& name)
{
    if (!FitsFileName(family) || !FitsFileName(name) || ItemCount() < 1
        || ItemCount() >= kMaxItems)
        return false;
    const QString first = ItemPath(0);
    const QString path = platform::JoinPath(platform::FolderOf(first),
                                            kFileBaseName.arg(name, family) + ExtensionOf(first));
    if (path.size() >= PlantItemRecord::kPathWidth || QFileInfo::exists(path))
        return false;
    if (!platform::WriteProfileString(path, key, kNameKey, name))
        return false;
    if (!platform::WriteProfileString(path, key, kClassKey, family)) {
        QFile::remove(path);
        return false;
    }
    PlantItemRecord* r = AppendItem<PlantItemRecord>();
    if (!r)
        return false;
    SetRecordPath(r->path, path);
    SetFieldText(r->Name, name);
    SetFieldText(r->Class, family);
    return true;
}

// The page goes under the first number whose title and address are both empty, so that an
// address kept without its title is never overwritten.
bool CGroupPlant::AddBlogLink(const QString& family, const QString& name, const QString& title,
                              const QString& link)
{
    if (name.isEmpty() || family.isEmpty() || title.isEmpty() || HoldsControl(title)
        || HoldsControl(link))
        return false;
    const QString path = ItemPath(FindPlant(family, name));
    if (path.isEmpty())
        return false;
    const int n = FreePageNumber(path);
    if (n < 1)
        return false;
    if (!platform::WriteProfileString(path, key, kBlogKey.arg(n), title))
        return false;
    if (link.isEmpty() || platform::WriteProfileString(path, key, kLinkKey.arg(n), link))
        return true;
    // A title without its address would be a dead menu entry: take it back.
    platform::WriteProfileString(path, key, kBlogKey.arg(n), QString());
    return false;
}

int CGroupPlant::FreePageNumber(const QString& path) const
{
    const platform::ProfileSnapshot snapshot(path);  // the scan reads one parse of the file
    for (int n = 1; n <= kMaxLinks; ++n)
        if (ReadItemText(path, kBlogKey.arg(n)).isEmpty()
            && ReadItemText(path, kLinkKey.arg(n)).isEmpty())
            return n;
    return -1;
}
