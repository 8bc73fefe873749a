#include "WriterEntries.h"

#include "FixedItemList.h"
#include "FuzzScratch.h"
#include "ReportProgram.h"
#include "TemplateBytes.h"
#include "catalog/compare/WalkReportWriter.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/ListHtmlWriter.h"
#include "catalog/text/WalkListHtmlWriter.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace fuzz {

namespace {

// The walk report templates, walk3 before this byte and walk4 after it; without it the input
// is both.
constexpr std::uint8_t kTemplateSeparator = 0xFF;

const QByteArray kRowStart = QByteArrayLiteral("<!__RowStart__>");
const QByteArray kRowEnd = QByteArrayLiteral("<!__RowEnd__>");
const QByteArray kVisitStart = QByteArrayLiteral("<!__VisitStart__>");
const QByteArray kVisitEnd = QByteArrayLiteral("<!__VisitEnd__>");
const QByteArray kCityStart = QByteArrayLiteral("<!__CityStart__>");
const QByteArray kCityEnd = QByteArrayLiteral("<!__CityEnd__>");
const QByteArray kRegionStart = QByteArrayLiteral("<!__RegionStart__>");
const QByteArray kRegionEnd = QByteArrayLiteral("<!__RegionEnd__>");
const QByteArray kBodyStart = QByteArrayLiteral("<!__RegionStart2__>");
const QByteArray kBodyEnd = QByteArrayLiteral("<!__RegionEnd2__>");
const QByteArray kColStart = QByteArrayLiteral("<!__ColStart__>");
const QByteArray kColEnd = QByteArrayLiteral("<!__ColEnd__>");
const QByteArray kPlaceholderOpen = QByteArrayLiteral("__");
const QByteArray kCityKey = QByteArrayLiteral("__City__");

const FixedItemList& TheList()
{
    // Cells that look like placeholders and markup: they must go in escaped and never be
    // filled again.
    static const FixedItemList list({u"名稱"_qs, u"高度"_qs, u"備註"_qs},
                                    {{{u"高山"_qs, u"3000"_qs, u"__Col1__ & <b>"_qs}, 0},
                                     {{u"低&山"_qs, u"1000"_qs, u"__No__"_qs}, 1},
                                     {{u"中山"_qs, u"2000"_qs, QString()}, 2}});
    return list;
}

ListPageTexts TheTexts()
{
    return {u"百岳 & <清單>"_qs, u"山.txt"_qs, u"山"_qs, u"txt"_qs, u"甲縣"_qs, QDate(2020, 1, 2)};
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a writer given a template whose row cut is `cut` (none: markers missing) left at out.
// A refused template writes nothing; a page written starts with the head (when it holds no
// placeholder opener) and ends with the tail, byte for byte, when the template is clean UTF-8.
std::string CheckPage(const char* what, bool written, const QString& out,
                      const std::optional<ByteCut>& cut, bool cleanUtf8, QByteArrayView headKey)
{
    const bool exists = QFileInfo::exists(out);
    const QByteArray page = FileBytes(out);
    if (!cut && cleanUtf8 && written)
        return std::string(what) + ": written from a template without its markers";
    if (!written && !page.isEmpty())
        return std::string(what) + ": refused, yet a page was left";
    if (!written || !cut || !cleanUtf8)
        return written && !exists ? std::string(what) + ": written, yet no page" : std::string();
    if (!page.endsWith(cut->tail))
        return std::string(what) + ": the tail was not copied as it stands";
    if (!cut->head.contains(headKey) && !page.startsWith(cut->head))
        return std::string(what) + ": the head text changed";
    return {};
}

std::string WriteListPage(const QString& templatePath, const QByteArray& content)
{
    const QString out = ScratchDir() + QStringLiteral("/out/list.htm");
    const bool written = WriteListHtml({templatePath, &TheList(), out, TheTexts()});
    return CheckPage("list page", written, out, CutBytes(content, kRowStart, kRowEnd),
                     IsCleanUtf8(content), kPlaceholderOpen);
}

std::string WriteVisitPage(const QString& templatePath, const QByteArray& content)
{
    ReportProgram& program = ReportProgram::Get();
    WalkListHtmlInput input;
    input.templatePath = templatePath;
    input.list = &TheList();
    input.outPath = ScratchDir() + QStringLiteral("/out/visits.htm");
    input.texts = TheTexts();
    input.peaks = dynamic_cast<const CGroupTalvane*>(program.Peaks());
    input.walkIndexPath = program.In(u"data/walk2.htm"_qs);
    input.reportPrefix = u"http://walks.example.org/"_qs;
    input.gpsFolder = program.In(u"data/gps/"_qs);
    input.onlineGpsFolder = u"http://gps.example.org/"_qs;
    std::optional<ByteCut> cut = CutBytes(content, kRowStart, kRowEnd);
    if (cut && !CutBytes(cut->middle, kVisitStart, kVisitEnd))
        cut.reset();
    return CheckPage("visit page", WriteWalkListHtml(input), input.outPath, cut, IsCleanUtf8(content),
                     kPlaceholderOpen);
}

// The cut of a walk report template when every marker pair stands where the writers look for
// it: the city part, the body block after it, the rows in the body and, for walk4, the
// columns in the row. The result holds the head before the city part and the page tail.
std::optional<ByteCut> ReportCut(const QByteArray& content, bool columns)
{
    const std::optional<ByteCut> city = CutBytes(content, kCityStart, kCityEnd);
    if (!city || !CutBytes(city->middle, kRegionStart, kRegionEnd))
        return std::nullopt;
    const std::optional<ByteCut> body = CutBytes(city->tail, kBodyStart, kBodyEnd);
    if (!body)
        return std::nullopt;
    const std::optional<ByteCut> rows = CutBytes(body->middle, kRowStart, kRowEnd);
    if (!rows || (columns && !CutBytes(rows->middle, kColStart, kColEnd)))
        return std::nullopt;
    return ByteCut{city->head, {}, body->tail};
}

// Both city pages of one set; a set refused leaves no page and the published copies as they
// were, a set written updates the copy that held other text.
std::string CheckReports(const char* set, bool written, const QByteArray& content, bool columns,
                         const QString& copyB, const QByteArray& oldCopyB)
{
    ReportProgram& program = ReportProgram::Get();
    const QString name = QString::fromLatin1(set);
    const std::optional<ByteCut> cut = ReportCut(content, columns);
    const bool clean = IsCleanUtf8(content);
    for (const char* letter : {"a", "b"}) {
        const QString page = program.In(u"data/"_qs + name + u'/' + name + QString::fromLatin1(letter) + u".htm"_qs);
        const std::string broken = CheckPage(set, written, page, cut, clean, kCityKey);
        if (!broken.empty())
            return broken;
    }
    const QByteArray copy = FileBytes(copyB);
    const QByteArray pageB = FileBytes(program.In(u"data/"_qs + name + u'/' + name + u"b.htm"_qs));
    if (!written && copy != oldCopyB)
        return std::string(set) + ": refused, yet the published copy changed";
    if (written && !oldCopyB.isEmpty() && copy != pageB)
        return std::string(set) + ": the published copy was not brought up to date";
    if (written && oldCopyB.isEmpty() && !copy.isEmpty())
        return std::string(set) + ": an empty published copy was written";
    return {};
}

} // namespace

std::string ListTemplate(Bytes input)
{
    ClearScratch();
    ReportProgram::Get().Prepare();
    const QString path = ScratchFile(QStringLiteral("list_template.htm"), input);
    const QByteArray content = TemplateContent(input);
    std::string broken = WriteListPage(path, content);
    if (broken.empty())
        broken = WriteVisitPage(path, content);
    return broken;
}

std::string WalkReports(Bytes input)
{
    ReportProgram& program = ReportProgram::Get();
    program.Prepare();
    const auto separator = std::find(input.begin(), input.end(), kTemplateSeparator);
    const Bytes walk3 = input.first(std::size_t(separator - input.begin()));
    const Bytes walk4 = separator == input.end() ? input : input.subspan(walk3.size() + 1);
    auto view = [](Bytes b) { return QByteArrayView(reinterpret_cast<const char*>(b.data()), qsizetype(b.size())); };
    program.WriteFile(u"data/Template/walk3_template.htm"_qs, view(walk3));
    program.WriteFile(u"data/Template/walk4_template.htm"_qs, view(walk4));
    const WalkReportInput report = program.ReportInput();
    const QString copy3 = program.In(u"copies/walk3b.htm"_qs);
    const QString copy4 = program.In(u"copies/w4_b.htm"_qs);
    const QByteArray old3 = FileBytes(copy3), old4 = FileBytes(copy4);
    std::string broken = CheckReports("walk3", WriteWalk3Pages(report), TemplateContent(walk3), false, copy3, old3);
    if (broken.empty())
        broken = CheckReports("walk4", WriteWalk4Pages(report), TemplateContent(walk4), true, copy4, old4);
    return broken;
}

} // namespace fuzz
