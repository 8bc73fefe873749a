// The visit page: each peak row with its walks from the walk index page, report links with the
// prefix, GPS links found by walk number or through the walk's own page, the once-per-run
// message; broken templates and walk pages. Every page written passes xmllint.
#include "ListPagesFixture.h"
#include "catalog/text/WalkListHtmlWriter.h"

namespace list_pages_test {
namespace {

const QString kHead = QStringLiteral(
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
    "<title>百岳</title></head>\r\n<body>\r\n<h1>百岳</h1>\r\n<table>\r\n");
const QString kTail = QStringLiteral("</table>\r\n</body></html>\r\n");
// "__File__" is not filled on the visit page.
const QString kRowStart = QStringLiteral("<tr><td>%1 %2 __File__</td><td><ul>");
const QString kRowEnd = QStringLiteral("</ul></td></tr>\r\n");
const QString kReports = QStringLiteral("http://walks.example.org/");

// The visits of the fixture's walks, with the row's name as "__Col1__" fills it.
QString Visit(int walk, const QString& name)
{
    const QString gps = QStringLiteral("[<a href=\"http://gps.example.org/a&amp;b/w%1\">%2</a>]");
    const QString unfilled = QStringLiteral("__RefStart__|__VisitWalk__|__RefEnd__|__VisitDate__|__MPS__");
    QString middle;
    switch (walk) {
    case 7: middle = u"|加里山||1992/9/9|"_qs; break;
    case 12: middle = u"<a href=\"http://walks.example.org/r12.htm\">|玉山&amp;<b>群峰</b>|</a>|1993/1/2|"_qs
                      + gps.arg(u"12.gdb"_qs, u"gdb"_qs); break;
    case 13: middle = u"<a href=\"http://other.example.org/r13.htm\">|雪山主東|</a>|1993/2/3|"_qs
                      + gps.arg(u"13.mps"_qs, u"mps"_qs); break;
    case 30: middle = u"||||"_qs; break;
    case 40: middle = u"<a href=\"http://walks.example.org/r40.htm\">|合歡山|</a>|1995/4/5|"_qs; break;
    case 51: middle = u"<a href=\"http://walks.example.org/r51.htm\">|南湖大山|</a>|1996/5/6|"_qs
                      + gps.arg(u"1051.gdb"_qs, u"gdb"_qs); break;
    case 60: middle = u"<a href=\"http://walks.example.org/r60.htm\">|六十石山|</a>|1997/6/7|"_qs; break;
    case 1999: middle = u"<a href=\"http://walks.example.org/r1999.htm\">|終點山|</a>|2020/12/31|"_qs; break;
    default: middle = unfilled;
    }
    return QStringLiteral("<li>%1|%2|%3</li>").arg(QString::number(walk), middle, name);
}

QString PeakRow(int no, const QString& name, const std::vector<int>& walks)
{
    QString row = kRowStart.arg(no).arg(name);
    for (int walk : walks)
        row += Visit(walk, name);
    return row + kRowEnd;
}

class WalkListHtmlTest : public ListPagesFixture {
protected:
    WalkListHtmlInput Input(const char* templateName = "visit_big5.htm",
                            const char* walkPage = "walk2.htm")
    {
        WalkListHtmlInput input;
        input.templatePath = In(u"data/Template/"_qs + QString::fromUtf8(templateName));
        input.list = &list;
        input.outPath = In(u"data/TableMT/百岳表v.htm"_qs);
        input.texts = {u"百岳"_qs, u"百岳表v.htm"_qs, u"百岳表"_qs, u"htm"_qs, QString(), clock.now.date()};
        input.peaks = peaks;
        input.walkIndexPath = In(u"data/"_qs + QString::fromUtf8(walkPage));
        input.reportPrefix = kReports;
        input.gpsFolder = In(u"gps"_qs) + u'/';
        input.onlineGpsFolder = u"http://gps.example.org/a&b/"_qs;
        input.messageBox = &box;
        return input;
    }
    // Writes the page; its text, checked by xmllint.
    QString Written(const WalkListHtmlInput& input)
    {
        EXPECT_TRUE(WriteWalkListHtml(input));
        EXPECT_EQ(XmllintComplaints(input.outPath), QString());
        return ReadUtf8(input.outPath);
    }
};

TEST_F(WalkListHtmlTest, RowsMapToPeaksBelowTheStoneGroupRowsAndTheItemCount)
{
    struct Case {
        quint32 value;
        QString name;
        std::vector<int> walks;
    };
    const std::vector<Case> cases{
        {kYu, u"玉山"_qs, {51, 13, 12}},
        {20000 + kXue, u"雪山二"_qs, {40, 7}},       // second stone row: the peak's visits
        {40000 + kYu, u"玉山三"_qs, {51, 13, 12}},   // third stone row
        {60000 + kYu, u"石"_qs, {}},                 // a survey stone: no visits
        {20000 + kPeakCount, u"無"_qs, {}},          // beyond the peaks
        {kPeakCount, u"無二"_qs, {}},
        {IItemList::kNoItemRow, u"----"_qs, {}},     // a separator
        {kNone, u"無訪峰"_qs, {}},
    };
    QString expected = kHead;
    for (const Case& c : cases) {
        AddRow(c.name, u"1"_qs, c.value);
        expected += PeakRow(list.RowCount(), c.name, c.walks);
    }
    EXPECT_EQ(Written(Input()), expected + kTail);
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(WalkListHtmlTest, WalksOutsideTheIndexFillOnlyTheirNumber)
{
    AddRow(u"遠峰"_qs, u"1"_qs, kFar);
    // 2000, 1999 and -3 in the file: held in descending order.
    EXPECT_EQ(Written(Input()), kHead + PeakRow(1, u"遠峰"_qs, {2000, 1999, -3}) + kTail);
    EXPECT_EQ(box.ExclamationTexts(), QStringList{u"[終點山]GPS檔案找不到(1999)！"_qs});
}

TEST_F(WalkListHtmlTest, OneMessagePerRun)
{
    struct Case {
        std::vector<quint32> rows;
        QString message;
    };
    const QString walkPage = In(u"data/walk2.htm"_qs);
    const std::vector<Case> cases{
        // 30 is not on the index page yet; 60's GPS file is missing: only the first is told.
        {{kNew, kMark}, u"["_qs + walkPage + u"]檔案不夠新(30)！"_qs},
        {{kMark, kNew}, u"[六十石山]GPS檔案找不到(60)！"_qs},
    };
    for (const Case& c : cases) {
        list.DeleteAllRows();
        box.shown.clear();
        WalkGpsNotice::Reset();
        for (quint32 value : c.rows)
            AddRow(u"峰"_qs, u"1"_qs, value);
        const QString page = Written(Input());
        EXPECT_EQ(box.ExclamationTexts(), QStringList{c.message});
        EXPECT_TRUE(page.contains(Visit(30, u"峰"_qs)));
        EXPECT_TRUE(page.contains(Visit(60, u"峰"_qs)));
        // The next page of the same run tells nothing.
        box.shown.clear();
        Written(Input());
        EXPECT_TRUE(box.shown.isEmpty());
    }
}

TEST_F(WalkListHtmlTest, CellsWithMarkupGoInEscapedAndAreNotFilledAgain)
{
    AddRow(u"A&B<峰>\"__Col2__\""_qs, u"1"_qs, kMark);
    const QString name = u"A&amp;B&lt;峰&gt;&quot;__Col2__&quot;"_qs;
    EXPECT_EQ(Written(Input()), kHead + PeakRow(1, name, {60}) + kTail);
}

TEST_F(WalkListHtmlTest, TemplatesWithoutVisitMarkersOrRowMarkersWriteNothing)
{
    AddRow(u"玉山"_qs, u"1"_qs, kYu);
    for (const char* file : {"visit_no_markers.htm", "list_big5.htm", "visit_truncated.htm",
                             "missing.htm", "no_markers.htm", "reversed.htm", "truncated.htm",
                             "empty.htm", "binary.htm"}) {
        SCOPED_TRACE(file);
        const WalkListHtmlInput input = Input(file);
        EXPECT_FALSE(WriteWalkListHtml(input));
        EXPECT_FALSE(QFile::exists(input.outPath));
    }
    // Without rows too.
    list.DeleteAllRows();
    EXPECT_FALSE(WriteWalkListHtml(Input("visit_no_markers.htm")));
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(WalkListHtmlTest, BrokenWalkPagesLeaveWalksWithoutTitles)
{
    AddRow(u"玉山"_qs, u"1"_qs, kYu);
    struct Case {
        const char* page;
        QString visits;  // the row's visits as written
    };
    const QString blank12 = u"<li>12||||||玉山</li>"_qs;
    const std::vector<Case> cases{
        // Cut inside walk 13's row: walk 12 is still read.
        {"walk_truncated.htm", u"<li>51||||||玉山</li><li>13||||||玉山</li>"_qs + Visit(12, u"玉山"_qs)},
        {"walk_binary.htm", u"<li>51||||||玉山</li><li>13||||||玉山</li>"_qs + blank12},
        {"walk_empty.htm", u"<li>51||||||玉山</li><li>13||||||玉山</li>"_qs + blank12},
        {"missing.htm", u"<li>51||||||玉山</li><li>13||||||玉山</li>"_qs + blank12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        box.shown.clear();
        WalkGpsNotice::Reset();
        const WalkListHtmlInput input = Input("visit_big5.htm", c.page);
        EXPECT_EQ(Written(input), kHead + kRowStart.arg(1).arg(u"玉山"_qs) + c.visits + kRowEnd + kTail);
        EXPECT_EQ(box.ExclamationTexts(),
                  QStringList{u"["_qs + input.walkIndexPath + u"]檔案不夠新(51)！"_qs});
    }
}

TEST_F(WalkListHtmlTest, BinaryTemplateWithVisitMarkersDoesNoHarm)
{
    AddRow(u"玉山"_qs, u"1"_qs, kYu);
    const WalkListHtmlInput input = Input("binary_markers.htm");
    EXPECT_TRUE(WriteWalkListHtml(input));
    EXPECT_TRUE(QFile::exists(input.outPath));
}

} // namespace
} // namespace list_pages_test
