// The three searches of the peak search dialog: by name, by region and by survey-stone number.
#include "ui/dialogs/find/DlgFindTalvane.h"

#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/talvane/GroupTalvane.h"
#include "ui/dialogs/find/FuzzySearch.h"

#include <vector>

namespace {

// Terms that would list nearly every peak: the words for mountain and peak alone.
const QStringList kSkippedTerms = {QStringLiteral("山"), QStringLiteral("峰")};

QList<int> ItemsOf(const QList<fuzzy::Hit>& hits)
{
    QList<int> items;
    items.reserve(hits.size());
    for (const fuzzy::Hit& hit : hits)
        items.append(hit.item);
    return items;
}

} // namespace

void CDlgFindTalvane::OnSearchName()
{
    const QString text = ItemText(kNameEdit);
    if (!peaks_ || text.isEmpty())
        return;
    const fuzzy::Settings settings = fuzzy::ReadSettings(MainSettingsPath());
    QStringList terms = fuzzy::SplitTerms(text, settings.separators);
    terms.removeIf([](const QString& term) { return kSkippedTerms.contains(term); });
    StartSearch();
    std::vector<fuzzy::ItemNames> names(std::size_t(peaks_->ItemCount()));
    for (int i = 0; i < peaks_->ItemCount(); ++i)
        if (const TalvaneItemRecord* peak = Peak(i))
            names[std::size_t(i)] = {FieldText(peak->Name), FieldText(peak->Name2), QString()};
    ListPeaks(terms.isEmpty() ? QList<int>() : ItemsOf(fuzzy::FindByTerms(terms, settings.namePairs, names)));
    lastSearch_ = LastSearch::Name;
}

void CDlgFindTalvane::OnSearchRegion()
{
    const QString text = ItemText(kRegionEdit);
    if (!peaks_ || text.isEmpty())
        return;
    const QStringList terms = fuzzy::SplitTerms(text, fuzzy::ReadSettings(MainSettingsPath()).separators);
    StartSearch();
    // The region is searched as a name without alternatives, and without name pairs.
    std::vector<fuzzy::ItemNames> regions(std::size_t(peaks_->ItemCount()));
    for (int i = 0; i < peaks_->ItemCount(); ++i)
        if (const TalvaneItemRecord* peak = Peak(i))
            regions[std::size_t(i)].name = FieldText(peak->Region);
    ListPeaks(ItemsOf(fuzzy::FindByTerms(terms, QString(), regions)));
    lastSearch_ = LastSearch::Region;
}

void CDlgFindTalvane::OnSearchStone()
{
    const QString text = ItemText(kStoneEdit);
    if (!peaks_ || text.isEmpty())
        return;
    StartSearch();
    QList<int> items;
    for (int i = 0; i < peaks_->ItemCount(); ++i) {
        const TalvaneItemRecord* peak = Peak(i);
        if (!peak)
            continue;
        for (const auto* field : {peak->Stone, peak->Stone2, peak->Stone3, peak->StoneAlias,
                                  peak->StoneAlias2, peak->StoneAlias3})
            if (FieldText(field, TalvaneItemRecord::kStoneWidth).contains(text)) {
                items.append(i);
                break;
            }
    }
    ListPeaks(items);
    lastSearch_ = LastSearch::Stone;
}
