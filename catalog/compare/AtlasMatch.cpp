#include "catalog/compare/AtlasMatch.h"

#include <QHash>

namespace {

constexpr int kFullScore = 100;

// The atlas entries of each volume, in atlas order.
QHash<int, QList<int>> PagesByVolume(const QList<GuideEntry>& atlas)
{
    QHash<int, QList<int>> pages;
    for (int i = 0; i < atlas.size(); ++i)
        pages[atlas[i].volume].append(i);
    return pages;
}

// The page of pages whose title scores highest against reference; -1 when pages is empty.
int BestPage(const QList<GuideEntry>& atlas, const QList<int>& pages, QStringView reference)
{
    int best = -1;
    int bestScore = -1;
    for (const int i : pages) {
        const int score = AtlasMatchScore(reference, atlas[i].title);
        if (score > bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

} // namespace

int AtlasMatchScore(QStringView reference, QStringView title)
{
    if (reference.isEmpty())
        return 0;
    qsizetype found = 0;
    for (const QChar c : reference)
        found += title.contains(c) ? 1 : 0;
    return int(found * kFullScore / reference.size());
}

int MatchAtlasEntries(const QList<GuideEntry>& atlas, const QList<GuideEntry>& references,
                      QList<int>* match)
{
    match->fill(0, atlas.size());
    const QHash<int, QList<int>> pages = PagesByVolume(atlas);
    int matched = 0;
    for (int r = 0; r < references.size(); ++r) {
        const int volume = references[r].volume;
        if (volume <= 0)
            break;
        const int page = BestPage(atlas, pages.value(volume), references[r].title);
        if (page < 0 || (*match)[page] != 0)
            continue;
        (*match)[page] = r + 1;
        ++matched;
    }
    return matched;
}
