// The "walk3" pages: for each region of a city, the walks (newest first) that reached one of
// its items.
#include "catalog/compare/WalkReportIndex.h"
#include "catalog/compare/WalkReportPageSet.h"
#include "catalog/compare/WalkReportTemplate.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/text/HtmlListTemplate.h"
#include "platform/Paths.h"

namespace {

constexpr QStringView kRowStart = u"<!__RowStart__>";
constexpr QStringView kRowEnd = u"<!__RowEnd__>";
const QString kTemplateName = QStringLiteral("Template/walk3_template.htm");
const QString kSetName = QStringLiteral("walk3");

const QString kNoKey = QStringLiteral("__No__");
const QString kRefKey = QStringLiteral("__Ref__");
const QString kTitleKey = QStringLiteral("__Title__");
const QString kDateKey = QStringLiteral("__Date__");
const QString kPlaceKey = QStringLiteral("__Place__");

struct Walk3Template {
    RegionTemplate page;
    QString bodyHead, row, bodyTail;
};

bool LoadTemplate(const WalkReportInput& in, Walk3Template* parts)
{
    return SplitRegionTemplate(platform::JoinPath(in.dataFolder, kTemplateName), in.cities, &parts->page)
           && SplitRowTemplate(parts->page.body, kRowStart, kRowEnd, &parts->bodyHead, &parts->row,
                               &parts->bodyTail);
}

// The pages of one writing; each walk's row is filled once and reused in every region.
class Walk3Writer {
public:
    Walk3Writer(const WalkReportInput& input, const Walk3Template& parts)
        : in(input), t(parts), pages(input, kSetName, input.walk3CopyPattern),
          indexHolder(WalkReportIndex::Of(input)), index(*indexHolder), rows(input.visits->size()), filled(input.visits->size(), false)
    {
    }

    bool WriteAll()
    {
        return pages.WriteAll([this](const QString& city) { return CityPage(city); });
    }

private:
    QString CityPage(const QString& city)
    {
        QString page;
        page.reserve(lastPageSize);  // pages of one set are of like size: spare the regrowth
        page += t.page.PageHead(city);
        QStringList members;
        ReadRegionMembers(city, &members);
        for (int m = 0; m < members.size(); ++m) {
            page += FillPlaceholders(t.bodyHead, WalkReportPageSet::RegionValues(members[m], m + 1));
            for (int run : index.RunsHolding(index.ItemsOf(members[m])))
                page += Row(run);
            page += t.bodyTail;
        }
        page += t.page.tail;
        lastPageSize = page.size();
        return page;
    }

    const QString& Row(int run)
    {
        if (!filled[std::size_t(run)]) {
            rows[std::size_t(run)] = FillRow((*in.visits)[std::size_t(run)].walk);
            filled[std::size_t(run)] = true;
        }
        return rows[std::size_t(run)];
    }

    // The walk's row; none for a walk the index does not hold.
    QString FillRow(int walk) const
    {
        if (!in.walks->Holds(walk))
            return QString();
        const std::size_t w = std::size_t(walk);
        return FillPlaceholders(t.row, {{kNoKey, QString::number(walk)},
                                        {kRefKey, pages.WalkLink(walk)},
                                        {kTitleKey, in.walks->titles[w]},
                                        {kDateKey, in.walks->dates[w]},
                                        {kPlaceKey, in.walks->centred[w]}});
    }

    const WalkReportInput& in;
    const Walk3Template& t;
    WalkReportPageSet pages;
    std::shared_ptr<const WalkReportIndex> indexHolder;
    const WalkReportIndex& index;
    qsizetype lastPageSize = 0;
    std::vector<QString> rows;
    std::vector<bool> filled;
};

} // namespace

bool WriteWalk3Pages(const WalkReportInput& input)
{
    Walk3Template parts;
    if (!input.group || !input.walks || !input.visits || !LoadTemplate(input, &parts))
        return false;
    return Walk3Writer(input, parts).WriteAll();
}
