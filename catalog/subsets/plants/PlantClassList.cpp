// The family list of the plant group, in Taiwanese stroke order.
#include "catalog/subsets/plants/PlantClassList.h"

#include "catalog/GroupTable.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "platform/Profile.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace {

// The collation is named explicitly: the process locale must not change the order.
const QCollator& StrokeOrder()
{
    static const QCollator collator(QLocale(QLocale::Chinese, QLocale::Taiwan));
    return collator;
}

} // namespace

int ComparePlantClass(const QString& a, const QString& b)
{
    const int order = StrokeOrder().compare(a, b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int ReadPlantClassList(QStringList* families)
{
    if (!families)
        return 0;
    const QString value = platform::GetProfileString(MainSettingsPath(), QStringLiteral("PlantClass"),
                                                     QStringLiteral("ClassList"));
    SplitList(value, families, kMaxPlantClasses);
    std::stable_sort(families->begin(), families->end(), [](const QString& a, const QString& b) {
        return ComparePlantClass(a, b) < 0;
    });
    return int(families->size());
}
