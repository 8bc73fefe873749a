#include "ui/dialogs/find/FuzzySearch.h"

#include "gps/GPSText.h"
#include "platform/Profile.h"

#include <algorithm>

namespace fuzzy {

namespace {

const QString kSection = QStringLiteral("Fuzzy");
const QString kSeparatorsKey = QStringLiteral("Seperators");
const QString kNamePairsKey = QStringLiteral("NamePairs");

// The code points of a text.
std::vector<char32_t> CodePoints(const QString& text)
{
    std::vector<char32_t> points;
    points.reserve(std::size_t(text.size()));
    for (const char32_t c : text.toUcs4())
        points.push_back(c);
    return points;
}

QString FromCodePoints(const std::vector<char32_t>& points, std::size_t from, std::size_t to)
{
    return QString::fromUcs4(points.data() + from, qsizetype(to - from));
}

bool Contains(const std::vector<char32_t>& set, char32_t c)
{
    return std::find(set.begin(), set.end(), c) != set.end();
}

// Whether one of the item's names holds the term; the name that held it in *via.
bool Matches(const ItemNames& names, const QString& term, int* via)
{
    if (names.name.contains(term)) {
        *via = 0;
        return true;
    }
    if (!names.alternative1.isEmpty() && names.alternative1.contains(term)) {
        *via = 1;
        return true;
    }
    if (!names.alternative2.isEmpty() && names.alternative2.contains(term)) {
        *via = 2;
        return true;
    }
    return false;
}

void SearchPass(const QString& term, const std::vector<ItemNames>& items, std::vector<bool>* found,
                QList<Hit>* hits)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        int via = 0;
        if ((*found)[i] || !Matches(items[i], term, &via))
            continue;
        (*found)[i] = true;
        hits->append({int(i), via});
    }
}

} // namespace

Settings ReadSettings(const QString& settingsFile)
{
    const auto read = [&](const QString& key, int width) {
        return gps::CutText(platform::GetProfileString(settingsFile, kSection, key), width - 1);
    };
    return {read(kSeparatorsKey, kSeparatorsWidth), read(kNamePairsKey, kNamePairsWidth)};
}

QStringList SplitTerms(const QString& text, const QString& separators)
{
    const std::vector<char32_t> points = CodePoints(text);
    const std::vector<char32_t> stops = CodePoints(separators);
    QStringList terms;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= points.size(); ++i) {
        if (i < points.size() && !Contains(stops, points[i]))
            continue;
        if (i > start && terms.size() < kMaxTerms)
            terms.append(FromCodePoints(points, start, i));
        start = i + 1;
    }
    return terms;
}

std::optional<QString> SwappedTerm(const QString& term, const QString& namePairs)
{
    const std::vector<char32_t> pairs = CodePoints(namePairs);
    std::vector<char32_t> points = CodePoints(term);
    for (char32_t& c : points) {
        const auto at = std::find(pairs.begin(), pairs.end(), c);
        if (at == pairs.end())
            continue;
        // The first occurrence decides; the odd last character of the pairs has no partner,
        // and then the term is searched once, as it stands.
        const std::size_t position = std::size_t(at - pairs.begin());
        const std::size_t partner = position % 2 == 0 ? position + 1 : position - 1;
        if (partner >= pairs.size())
            return std::nullopt;
        c = pairs[partner];
        return FromCodePoints(points, 0, points.size());
    }
    return std::nullopt;
}

QList<Hit> FindByTerms(const QStringList& terms, const QString& namePairs,
                       const std::vector<ItemNames>& items)
{
    std::vector<bool> found(items.size(), false);
    QList<Hit> hits;
    for (const QString& term : terms) {
        SearchPass(term, items, &found, &hits);
        if (const std::optional<QString> swapped = SwappedTerm(term, namePairs))
            SearchPass(*swapped, items, &found, &hits);
    }
    return hits;
}

} // namespace fuzzy
