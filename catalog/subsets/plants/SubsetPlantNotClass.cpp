// The plants named with a family word outside that family.
#include "catalog/subsets/plants/SubsetPlantNotClass.h"

#include "catalog/GroupBase.h"
#include "catalog/records/PlantItemRecord.h"
#include "catalog/records/RecordText.h"

namespace {

const QString kDisplayName = QStringLiteral("%1非%1");
constexpr char16_t kFamilySuffix = u'科';

} // namespace

CSubsetPlantNotClass::CSubsetPlantNotClass(const QString& word, CGroupBase* group)
    : CSubsetBase(kTypePlantNotClass, kFolderBasic, kDisplayName.arg(word),
                  group ? group->Key() : QString()),
      word(word), group(group)
{
}

bool CSubsetPlantNotClass::EndsWithWordOnly(const QString& text, const QString& word)
{
    if (word.isEmpty() || text.size() <= word.size())
        return false;
    return text.indexOf(word) == text.size() - word.size();
}

bool CSubsetPlantNotClass::Lists(const QString& word, const QString& name, const QString& name2,
                                 const QString& family)
{
    if (family == word + kFamilySuffix)
        return false;
    return EndsWithWordOnly(name, word) || (!name2.isEmpty() && EndsWithWordOnly(name2, word));
}

int CSubsetPlantNotClass::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    int rows = 0;
    for (int item = 0; item < group->ItemCount(); ++item) {
        const PlantItemRecord* r = group->ItemAs<PlantItemRecord>(item);
        if (r && Lists(word, FieldText(r->Name), FieldText(r->Name2), FieldText(r->Class))
            && group->InsertItemRow(list, rows, item))
            ++rows;
    }
    return rows;
}
