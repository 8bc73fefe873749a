// The "walk4" pages: for each region of a city, each of its peaks once, with the newest walk
// that reached it, every older walk that did too and the BlueSky atlas pages that hold it.
#include "catalog/GroupBase.h"
#include "catalog/compare/ItemCodeIndex.h"
#include "catalog/compare/WalkReportIndex.h"
#include "catalog/compare/WalkReportPageSet.h"
#include "catalog/compare/WalkReportTemplate.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/HtmlListTemplate.h"
#include "platform/Paths.h"

#include <optional>

namespace {

constexpr QStringView kRowStart = u"<!__RowStart__>";
constexpr QStringView kRowEnd = u"<!__RowEnd__>";
constexpr QStringView kColStart = u"<!__ColStart__>";
constexpr QStringView kColEnd = u"<!__ColEnd__>";
const QString kTemplateName = QStringLiteral("Template/walk4_template.htm");
const QString kSetName = QStringLiteral("walk4");
// The BlueSky atlas is kind 0 of the atlas codes; its pages run 1 to 999 in volumes 1 to 30.
constexpr int kBlueSkyKind = 0;
constexpr int kFirstPage = 1;
constexpr int kLastPage = 999;
const QString kAtlasDate = QStringLiteral("藍天%1%2");
constexpr int kPageDigits = 3;

const QString kTalvaneKey = QStringLiteral("__Talvane__");
const QString kRefKey = QStringLiteral("__Ref__");
const QString kTitleKey = QStringLiteral("__Title__");
const QString kDateKey = QStringLiteral("__Date__");

struct Walk4Template {
    RegionTemplate page;
    QString bodyHead, rowHead, column, rowTail, bodyTail;
};

bool LoadTemplate(const WalkReportInput& in, Walk4Template* parts)
{
    QString row;
    return SplitRegionTemplate(platform::JoinPath(in.dataFolder, kTemplateName), in.cities, &parts->page)
           && SplitRowTemplate(parts->page.body, kRowStart, kRowEnd, &parts->bodyHead, &row,
                               &parts->bodyTail)
           && SplitRowTemplate(row, kColStart, kColEnd, &parts->rowHead, &parts->column,
                               &parts->rowTail);
}

// The code of an atlas entry; none for a volume or page outside the atlas, which would read
// as another page.
std::optional<int> BlueSkyCode(const GuideEntry& entry)
{
    if (entry.volume < 1 || entry.volume > kAtlasVolumeCount || entry.page < kFirstPage
        || entry.page > kLastPage)
        return std::nullopt;
    return AtlasRefCode(kBlueSkyKind, entry.volume, entry.page);
}

// The pages of one writing: each walk's and atlas page's column and each peak's summary are
// made once and reused in every region that shows them.
class Walk4Writer {
public:
    Walk4Writer(const WalkReportInput& input, const Walk4Template& parts)
        : in(input), t(parts), pages(input, kSetName, input.walk4CopyPattern),
          indexHolder(WalkReportIndex::Of(input)), index(*indexHolder), walkColumns(input.visits->size()),
          atlasOfItem(std::size_t(std::max(input.group->ItemCount(), 0)))
    {
        ReadAtlas();
    }

    bool WriteAll()
    {
        return pages.WriteAll([this](const QString& city) { return CityPage(city); });
    }

private:
    void ReadAtlas()
    {
        ReadHtmlTableCells(in.atlasFile, &atlas);
        atlasColumns.resize(std::size_t(atlas.size()));
        const ItemCodeIndex holders(*in.group, ItemCodeIndex::CodeList::AtlasRefs);
        for (qsizetype e = 0; e < atlas.size(); ++e) {
            const std::optional<int> code = BlueSkyCode(atlas[e]);
            if (atlas[e].link.isEmpty() || !code)
                continue;
            for (int item : holders.ItemsWith(*code))
                if (item >= 0 && std::size_t(item) < atlasOfItem.size())
                    atlasOfItem[std::size_t(item)].push_back(int(e));
        }
    }

    QString CityPage(const QString& city)
    {
        QString page;
        page.reserve(lastPageSize);  // pages of one set are of like size: spare the regrowth
        page += t.page.PageHead(city);
        QStringList members;
        ReadRegionMembers(city, &members);
        // Each region shows its peaks afresh: a peak of two regions has its whole row in both.
        for (int m = 0; m < members.size(); ++m) {
            page += FillPlaceholders(t.bodyHead, WalkReportPageSet::RegionValues(members[m], m + 1));
            for (int peak : index.ByFirstVisit(index.ItemsOf(members[m])))
                AppendPeakRow(peak, &page);
            page += t.bodyTail;
        }
        page += t.page.tail;
        lastPageSize = page.size();
        return page;
    }

    void AppendPeakRow(int peak, QString* page)
    {
        const std::vector<int>& runs = index.RunsOf(peak);
        Placeholders values = WalkValues(runs.front());
        values.emplace_back(kTalvaneKey, Summary(peak));
        *page += FillPlaceholders(t.rowHead, values);
        for (std::size_t r = 1; r < runs.size(); ++r)
            *page += WalkColumn(runs[r]);
        for (int entry : atlasOfItem[std::size_t(peak)])
            *page += AtlasColumn(entry);
        *page += FillPlaceholders(t.rowTail, values);
    }

    Placeholders WalkValues(int run) const
    {
        const int walk = (*in.visits)[std::size_t(run)].walk;
        const bool held = in.walks->Holds(walk);
        const std::size_t w = std::size_t(walk);
        return {{kRefKey, pages.WalkLink(walk)},
                {kTitleKey, held ? in.walks->titles[w] : QString()},
                {kDateKey, held ? in.walks->dates[w] : QString()}};
    }

    const QString& WalkColumn(int run)
    {
        std::optional<QString>& column = walkColumns[std::size_t(run)];
        if (!column)
            column = FillPlaceholders(t.column, WalkValues(run));
        return *column;
    }

    const QString& AtlasColumn(int entry)
    {
        std::optional<QString>& column = atlasColumns[std::size_t(entry)];
        if (!column) {
            const GuideEntry& e = atlas[entry];
            const QString page = QStringLiteral("%1").arg(e.page, kPageDigits, 10, QLatin1Char('0'));
            column = FillPlaceholders(t.column, {{kRefKey, e.link},
                                                 {kTitleKey, e.title},
                                                 {kDateKey, kAtlasDate.arg(e.volumeText, page)}});
        }
        return *column;
    }

    const QString& Summary(int peak)
    {
        auto it = summaries.constFind(peak);
        if (it == summaries.constEnd()) {
            QString text;
            in.group->AppendItemSummary(peak, &text);
            it = summaries.insert(peak, HtmlEscape(text));
        }
        return it.value();
    }

    const WalkReportInput& in;
    const Walk4Template& t;
    WalkReportPageSet pages;
    std::shared_ptr<const WalkReportIndex> indexHolder;
    const WalkReportIndex& index;
    qsizetype lastPageSize = 0;
    std::vector<std::optional<QString>> walkColumns;
    QList<GuideEntry> atlas;
    std::vector<std::optional<QString>> atlasColumns;
    std::vector<std::vector<int>> atlasOfItem;
    QHash<int, QString> summaries;
};

} // namespace

bool WriteWalk4Pages(const WalkReportInput& input)
{
    Walk4Template parts;
    if (!input.group || !input.walks || !input.visits || !LoadTemplate(input, &parts))
        return false;
    return Walk4Writer(input, parts).WriteAll();
}
