// The two passes of the not-located subsets.
#include "catalog/subsets/attributes/NotLocatedItems.h"

#include <vector>

QList<int> NotLocatedItems(int itemCount, const NotLocatedLookups& lookups)
{
    QList<int> listed;
    std::vector<QString> names;
    names.reserve(std::size_t(qMax(itemCount, 0)));
    for (int item = 0; item < itemCount; ++item) {
        names.push_back(lookups.nameOf(item));
        if (names.back().isEmpty())
            listed << item;
    }
    lookups.refresh();
    for (int item = 0; item < itemCount; ++item) {
        const QString& name = names[std::size_t(item)];
        if (!name.isEmpty() && !lookups.found(name))
            listed << item;
    }
    return listed;
}
