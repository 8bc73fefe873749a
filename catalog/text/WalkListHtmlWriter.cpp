#include "catalog/text/WalkListHtmlWriter.h"

#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/HtmlTableReader.h"
#include "catalog/text/WalkGpsNotice.h"
#include "catalog/window/IItemList.h"

#include <optional>
#include <vector>

namespace {

constexpr QStringView kVisitStart = u"<!__VisitStart__>";
constexpr QStringView kVisitEnd = u"<!__VisitEnd__>";
constexpr int kLastIndexedWalk = WalkIndex::kMaxWalks - 1;
// The last three characters of a GPS file's path are its extension.
constexpr qsizetype kExtensionLength = 3;

const QString kVisitNoKey = QStringLiteral("__VisitNo__");
const QString kVisitWalkKey = QStringLiteral("__VisitWalk__");
const QString kVisitDateKey = QStringLiteral("__VisitDate__");
const QString kRefStartKey = QStringLiteral("__RefStart__");
const QString kRefEndKey = QStringLiteral("__RefEnd__");
const QString kMpsKey = QStringLiteral("__MPS__");
const QString kRefStart = QStringLiteral("<a href=\"%1\">");
const QString kRefEnd = QStringLiteral("</a>");
const QString kGpsLink = QStringLiteral("[<a href=\"%1w%2.%3\">%3</a>]");
const QString kIndexTooOld = QStringLiteral("[%1]檔案不夠新(%2)！");
const QString kNoGpsFile = QStringLiteral("[%1]GPS檔案找不到(%2)！");

// The row pattern cut at the visit markers.
struct RowParts {
    QString before, visit, after;
};

bool SplitRow(QStringView row, RowParts* parts)
{
    const qsizetype start = row.indexOf(kVisitStart);
    if (start < 0)
        return false;
    const qsizetype visitBegin = start + kVisitStart.size();
    const qsizetype end = row.indexOf(kVisitEnd, visitBegin);
    if (end < 0)
        return false;
    parts->before = row.first(start).toString();
    parts->visit = row.sliced(visitBegin, end - visitBegin).toString();
    parts->after = row.sliced(end + kVisitEnd.size()).toString();
    return true;
}

// One page's writing: the walk index read once, each walk's GPS link looked up once.
class VisitPage {
public:
    explicit VisitPage(const WalkListHtmlInput& input) : in(input), gpsLinks(WalkIndex::kMaxWalks)
    {
        ReadHtmlTableRows(in.walkIndexPath, &index, in.reportPrefix);
        onlineFolder = HtmlEscape(in.onlineGpsFolder);
    }

    // The visit pattern filled for every visit of the row's peak; the row's own placeholders
    // are filled in it too, in the same pass.
    QString Visits(quint32 rowValue, const QString& pattern, const Placeholders& rowValues)
    {
        QString text;
        const TalvaneItemRecord* peak =
            in.peaks ? in.peaks->Record(CGroupTalvane::PeakOfRowValue(rowValue)) : nullptr;
        if (!peak)
            return text;
        for (int v = 0; v < TalvaneItemRecord::kMaxCodes && peak->Visits[v] != 0; ++v)
            text += FillVisit(pattern, peak->Visits[v], rowValues);
        return text;
    }

private:
    QString FillVisit(const QString& pattern, int walk, Placeholders values)
    {
        const QString number = QString::number(walk);
        values.emplace_back(kVisitNoKey, number);
        if (walk < 1 || walk > kLastIndexedWalk)
            return FillPlaceholders(pattern, values);
        const std::size_t w = std::size_t(walk);
        if (index.titles[w].isEmpty())
            WalkGpsNotice::Show(in.messageBox, kIndexTooOld.arg(in.walkIndexPath, number));
        const QString& link = index.links[w];
        const bool linked = !link.isEmpty();
        values.emplace_back(kVisitWalkKey, index.titles[w]);
        values.emplace_back(kVisitDateKey, index.dates[w]);
        values.emplace_back(kRefStartKey, linked ? kRefStart.arg(link) : QString());
        values.emplace_back(kRefEndKey, linked ? kRefEnd : QString());
        values.emplace_back(kMpsKey, linked ? GpsLink(walk) : QString());
        return FillPlaceholders(pattern, values);
    }

    const QString& GpsLink(int walk)
    {
        std::optional<QString>& cached = gpsLinks[std::size_t(walk)];
        if (!cached)
            cached = FindGpsLink(walk);
        return *cached;
    }

    // The link to the walk's GPS file: by its own number, else, from walk 51 on, by the number
    // its folder's index page links to. Empty when no file is found.
    QString FindGpsLink(int walk)
    {
        QString path;
        int found = walk;
        if (!FindWalkGpsFile(in.gpsFolder, &path, walk)) {
            found = walk >= CGroupTalvane::kFirstLinkedGpsWalk ? GetWalkGpsNumber(in.gpsFolder, walk) : 0;
            if (found <= 0 || !FindWalkGpsFile(in.gpsFolder, &path, found)) {
                if (walk >= CGroupTalvane::kFirstLinkedGpsWalk)
                    WalkGpsNotice::Show(in.messageBox,
                                        kNoGpsFile.arg(index.titles[std::size_t(walk)], QString::number(walk)));
                return QString();
            }
        }
        const QString extension = HtmlEscape(path.right(kExtensionLength));
        return kGpsLink.arg(onlineFolder, QString::number(found), extension);
    }

    const WalkListHtmlInput& in;
    WalkIndex index;
    QString onlineFolder;
    std::vector<std::optional<QString>> gpsLinks;
};

} // namespace

bool WriteWalkListHtml(const WalkListHtmlInput& input)
{
    QString head, row, tail;
    RowParts parts;
    if (!input.list || !LoadHtmlTemplate(input.templatePath, &head, &row, &tail)
        || !SplitRow(row, &parts))
        return false;
    VisitPage visits(input);
    QString page = FillHead(head, input.texts);
    for (int r = 0; r < input.list->RowCount(); ++r) {
        const Placeholders values = RowPlaceholders(*input.list, r);
        page += FillPlaceholders(parts.before, values);
        page += visits.Visits(input.list->RowData(r), parts.visit, values);
        page += FillPlaceholders(parts.after, values);
    }
    page += tail;
    return WriteHtmlPage(input.outPath, page);
}
