// The plant group: identity, records, features, and the subsets of Init.
#include "catalog/plant/GroupPlant.h"

#include "catalog/subsets/plants/PlantClassList.h"
#include "catalog/subsets/plants/SubsetPlantClass.h"
#include "catalog/subsets/plants/SubsetPlantNotClass.h"
#include "platform/Profile.h"

namespace {

const QString kKey = QStringLiteral("Plant");
const QString kDisplayName = QStringLiteral("植物");
const QString kRecordMenuCaption = QStringLiteral("植物網頁...");
const QString kNotClassSection = QStringLiteral("Plant");
const QString kNotClassKey = QStringLiteral("NotClass");

} // namespace

CGroupPlant::CGroupPlant()
{
    key = kKey;
    displayName = kDisplayName;
    recordMenuCaption = kRecordMenuCaption;
}

CGroupPlant::~CGroupPlant() = default;

const PlantItemRecord* CGroupPlant::Record(int item) const
{
    return ItemAs<PlantItemRecord>(item);
}

const std::byte* CGroupPlant::GetItemRecord(int item) const
{
    return reinterpret_cast<const std::byte*>(Record(item));
}

// The families in stroke order, then the subsets of names that borrow a family word.
bool CGroupPlant::Init(const QString& settings, CGroupTable* owner, const QString& itemFolder)
{
    CGroupBase::Init(settings, owner, itemFolder);
    AddFamilies();
    AddNotFamilies();
    return true;
}

void CGroupPlant::AddFamilies()
{
    QStringList families;
    ReadPlantClassList(&families);
    for (const QString& family : families)
        if (SubsetCount() < kMaxSubsets)
            AddSubset(new CSubsetPlantClass(family, this));
}

// [Plant] NotClass1, NotClass2, ... of the main settings file, up to the first empty value.
void CGroupPlant::AddNotFamilies()
{
    for (int n = 1; n <= kMaxNotClassKeys && SubsetCount() < kMaxSubsets; ++n) {
        const QString word = platform::GetProfileString(settingsFile, kNotClassSection,
                                                        kNotClassKey + QString::number(n));
        if (word.isEmpty())
            return;
        AddSubset(new CSubsetPlantNotClass(word, this));
    }
}

// The search button, the add-plant command and the photo view.
bool CGroupPlant::HasFeature(int feature)
{
    return feature == kFeatureSearch || feature == kFeatureAddPlant
           || feature == kFeatureImageView;
}

int CGroupPlant::FillItemList(IItemList* list, int)
{
    return FillAllItems(list);
}
