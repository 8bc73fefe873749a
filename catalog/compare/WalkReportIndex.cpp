#include "catalog/compare/WalkReportIndex.h"

#include "catalog/GroupBase.h"

#include <algorithm>
#include <limits>

namespace {

// The two characters at c of text as one key.
quint32 Pair(const QString& text, qsizetype c)
{
    return quint32(text[c].unicode()) << 16 | text[c + 1].unicode();
}

// Adds text number id to the list of every character pair it holds (once per pair).
void IndexPairs(const QString& text, int id, QHash<quint32, std::vector<int>>* textsOfPair)
{
    for (qsizetype c = 0; c + 1 < text.size(); ++c) {
        std::vector<int>& texts = (*textsOfPair)[Pair(text, c)];
        if (texts.empty() || texts.back() != id)
            texts.push_back(id);
    }
}

constexpr std::pair<int, int> kNotVisited{std::numeric_limits<int>::max(), 0};

} // namespace

WalkReportIndex::WalkReportIndex(CGroupBase& group, const WalkVisitTable& visits)
{
    const int count = std::max(group.ItemCount(), 0);
    runsOfItem.resize(std::size_t(count));
    firstVisit.assign(std::size_t(count), kNotVisited);
    QHash<QString, int> regionIds;
    for (int i = 0; i < count; ++i) {
        QString region;
        group.GetItemRegion(i, &region);
        auto it = regionIds.constFind(region);
        if (it == regionIds.constEnd()) {
            it = regionIds.insert(region, int(regionTexts.size()));
            IndexPairs(region, int(regionTexts.size()), &textsOfPair);
            regionTexts.append(region);
            itemsOfRegion.emplace_back();
        }
        itemsOfRegion[std::size_t(it.value())].push_back(i);
    }
    for (std::size_t r = 0; r < visits.size(); ++r) {
        const QList<int>& items = visits[r].items;
        for (qsizetype place = 0; place < items.size(); ++place) {
            const int item = items[place];
            if (item < 0 || item >= count)
                continue;
            std::vector<int>& runs = runsOfItem[std::size_t(item)];
            if (runs.empty())
                firstVisit[std::size_t(item)] = {int(r), int(place)};
            if (runs.empty() || runs.back() != int(r))
                runs.push_back(int(r));
        }
    }
}

std::vector<int> WalkReportIndex::TextsHolding(const QString& member) const
{
    std::vector<int> texts;
    const std::vector<int>* candidates = nullptr;
    for (qsizetype c = 0; c + 1 < member.size(); ++c) {
        const auto it = textsOfPair.constFind(Pair(member, c));
        if (it == textsOfPair.constEnd())
            return texts;
        if (!candidates || it->size() < candidates->size())
            candidates = &it.value();
    }
    if (!candidates) {  // a one-character word: every text is a candidate
        for (qsizetype t = 0; t < regionTexts.size(); ++t)
            if (regionTexts[t].contains(member))
                texts.push_back(int(t));
        return texts;
    }
    for (int t : *candidates)
        if (regionTexts[t].contains(member))
            texts.push_back(t);
    return texts;
}

std::vector<int> WalkReportIndex::ItemsOf(const QString& member) const
{
    std::vector<int> items;
    if (member.isEmpty())
        return items;
    for (int t : TextsHolding(member))
        items.insert(items.end(), itemsOfRegion[std::size_t(t)].begin(), itemsOfRegion[std::size_t(t)].end());
    std::sort(items.begin(), items.end());
    return items;
}

std::vector<int> WalkReportIndex::RunsHolding(const std::vector<int>& items) const
{
    std::vector<int> runs;
    for (int item : items)
        runs.insert(runs.end(), RunsOf(item).begin(), RunsOf(item).end());
    std::sort(runs.begin(), runs.end());
    runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
    return runs;
}

std::vector<int> WalkReportIndex::ByFirstVisit(const std::vector<int>& items) const
{
    std::vector<int> visited;
    for (int item : items)
        if (!RunsOf(item).empty())
            visited.push_back(item);
    std::stable_sort(visited.begin(), visited.end(), [this](int a, int b) {
        return firstVisit[std::size_t(a)] < firstVisit[std::size_t(b)];
    });
    return visited;
}

std::shared_ptr<const WalkReportIndex> WalkReportIndex::Of(const WalkReportInput& input)
{
    if (input.regionIndex)
        return input.regionIndex;
    return std::make_shared<const WalkReportIndex>(*input.group, *input.visits);
}
