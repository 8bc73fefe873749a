#pragma once
// The items that hold each code of one code list (walk numbers or atlas codes), gathered in one
// pass over the peak group's records instead of one pass per code; other groups are asked per
// code through their look-ups.
#include <QHash>
#include <QList>
#include <QString>

class CGroupBase;
class CGroupTalvane;

class ItemCodeIndex {
public:
    enum class CodeList { Visits, AtlasRefs };

    ItemCodeIndex(CGroupBase& group, CodeList list);

    // The items whose list holds code, in item order, each once: what FindItemsVisitedOn or
    // FindItemsByAtlasRef gives.
    QList<int> ItemsWith(int code) const;
    // The names of those items as JoinNamesVisitedOn or JoinNamesByAtlasRef gives them.
    QString NamesWith(int code) const;

private:
    void Gather(const CGroupTalvane& peaks);

    CGroupBase& group;
    CodeList list;
    bool gathered = false;
    QHash<int, QList<int>> itemsByCode;
};
