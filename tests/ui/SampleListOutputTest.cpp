// 列表功能... on the bundled sample, through the main dialog's command dispatch: 輸出列表... writes
// the whole peak list from the group's current-list template, 輸出各種排序HTML... on 百岳 writes
// the list in three orders and, beside each, the visit page with each peak's walks (title and
// date from the walk index page, the report link, the GPS file's link: by the walk's number, or
// for walk 52 through its own page), and 輸出現狀HTML... the current list. The pages land in
// data/TableMT/ as UTF-8 and pass xmllint's HTML parser. Expected texts come from the sample's
// walk data (make_sample.py's WALKS and its GPS folder) and the templates' visit pattern.
#include "SampleDialogFixture.h"

#include <QDir>
#include <QStringDecoder>

using namespace sample_scenarios;

namespace {

struct SampleListOutputTest : SampleDialogFixture {
    QString TableFolder() const { return DataFile(QStringLiteral("TableMT")); }
    QString Page(const QString& name) const { return platform::JoinPath(TableFolder(), name); }
    QString PageText(const QString& name) const { return QString::fromUtf8(ReadBytes(Page(name))); }
    QStringList Pages() const { return QDir(TableFolder()).entryList(QDir::Files, QDir::Name); }

    // Every page written: UTF-8 without byte-order mark, every placeholder filled (the sample's
    // texts hold no "__"), and clean under xmllint's HTML parser.
    void ExpectSoundPages() const
    {
        for (const QString& name : Pages()) {
            SCOPED_TRACE(name.toStdString());
            const QByteArray bytes = ReadBytes(Page(name));
            EXPECT_FALSE(bytes.startsWith("\xef\xbb\xbf"));
            QStringDecoder utf8(QStringDecoder::Utf8);
            (void)QString(utf8.decode(bytes));
            EXPECT_FALSE(utf8.hasError());
            EXPECT_FALSE(bytes.contains("__")) << bytes.mid(bytes.indexOf("__") - 40, 80).toStdString();
            EXPECT_TRUE(bytes.contains("<meta charset=utf-8>"));
            QByteArray lint;
            EXPECT_TRUE(HtmlLintClean(Page(name), &lint)) << lint.toStdString();
        }
    }
};

} // namespace

TEST_F(SampleListOutputTest, TheWholeListFromTheGroupsCurrentListTemplate)
{
    if (!HaveXmlLint())
        GTEST_SKIP() << "xmllint is not installed";
    ASSERT_TRUE(peaks);
    ASSERT_EQ(dialog->CurrentSubset(), -1);
    Dispatch(CTalvaneDlg::kListCommands);
    ASSERT_FALSE(menu.LastEntries().isEmpty());
    EXPECT_EQ(menu.LastEntries().first(), U("1008 輸出列表..."));

    Dispatch(CTalvaneDlg::kOutputList);
    // Title 山, no template name of its own: [Template] TalvaneNoSort, page 山.htm, opened.
    EXPECT_EQ(Pages(), QStringList({U("山.htm")}));
    const QString page = PageText(U("山.htm"));
    EXPECT_TRUE(page.contains(U("<title>山</title>")));
    EXPECT_TRUE(page.contains(U("<h1>山 目前列表</h1>")));
    EXPECT_TRUE(page.contains(U("更新日期：2026/12/8 檔案：山.htm")));
    EXPECT_EQ(page.count(U("<tr title=")), 51);
    EXPECT_TRUE(page.contains(U("<td>51</td>")));
    EXPECT_EQ(shell.opened, QStringList({Page(U("山.htm"))}));
    EXPECT_TRUE(messages.shown.isEmpty());
    ExpectSoundPages();
    // The list commands stay as the dialog set them.
    EXPECT_FALSE(Enabled(CTalvaneDlg::kListCommands));
}

TEST_F(SampleListOutputTest, SortedPagesOfATitleListWithTheirVisitPages)
{
    if (!HaveXmlLint())
        GTEST_SKIP() << "xmllint is not installed";
    ASSERT_TRUE(peaks);
    SelectNode(U("百岳 (33)"));
    ASSERT_GE(dialog->CurrentSubset(), 0);
    // The Visit keys of the 33 peaks' item files, 29 in all.
    const int visits = 29;
    Dispatch(CTalvaneDlg::kListCommands);
    ASSERT_GE(menu.LastEntries().size(), 2);
    EXPECT_EQ(menu.LastEntries().mid(0, 2), QStringList({U("1019 輸出各種排序HTML..."), U("1020 輸出現狀HTML...")}));

    Dispatch(CTalvaneDlg::kOutputSortedHtml);
    // The tree's "百岳 (33)" names the template name 百岳: its list template and visit template.
    EXPECT_EQ(Pages(), QStringList({U("百岳.htm"), U("百岳_h.htm"), U("百岳_hv.htm"), U("百岳_s.htm"),
                                    U("百岳_sv.htm"), U("百岳v.htm")}));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).text.toStdString();
    for (const char* name : {"百岳.htm", "百岳_h.htm", "百岳_s.htm"}) {
        const QString page = PageText(U(name));
        EXPECT_TRUE(page.contains(U("<title>百岳 (33)</title>"))) << name;
        EXPECT_TRUE(page.contains(U("百岳級山岳"))) << name;
        EXPECT_TRUE(page.contains(U("更新日期：2026/12/8"))) << name;
        EXPECT_EQ(page.count(U("<tr title=")), 33) << name;
    }
    const QString visitPage = PageText(U("百岳v.htm"));
    EXPECT_TRUE(visitPage.contains(U("<h1>百岳 (33) 造訪紀錄</h1>")));
    EXPECT_EQ(visitPage.count(U("<tr><td>")), 33);
    EXPECT_EQ(visitPage.count(U("<li>")), visits);
    // Walk titles and dates from walk2.htm, report links after OnlineDir ("data\"), web links as
    // written; GPS links under OnlineGPSDir with the number the file was found under.
    const char* const expected[] = {
        // 品田山: walk 53 by its own file, walk 6 a web page without a GPS file.
        "<li><a href=\"data\\walks/w53.htm\">行旅客53：武陵二日：品田山（2025/10/5）</a> "
        "[<a href=\"../gps/w53.gdb\">gdb</a>]</li>"
        "<li><a href=\"https://blog.example.com/2017/07/wuling.html\">行旅客6：武陵四秀：品田山、池有山、桃山（2017/7/1）</a> </li>",
        // 桃山 and 池有山: walk 52's file found through data/w52/index.htm.
        "<li><a href=\"data\\walks/w52.htm\">行旅客52：武陵二日：桃山、池有山（2025/10/4）</a> "
        "[<a href=\"../gps/w53.gdb\">gdb</a>]</li>",
        // 合歡山北峰: walk 51's own file, walk 10 a report without one.
        "<li><a href=\"data\\walks/w51.htm\">行旅客51：合歡山北峰、西峰夏日（2025/8/16）</a> "
        "[<a href=\"../gps/w51.gdb\">gdb</a>]</li>"
        "<li><a href=\"data\\walks/w10.htm\">行旅客10：合歡北峰、西峰雪季（2019/1/12）</a> </li>",
        // 玉山: walk 16 without a file (below 51: not looked up further), walk 4 with one.
        "<li><a href=\"data\\walks/w16.htm\">行旅客16：玉山主峰、北峰（2024/4/6）</a> </li>"
        "<li><a href=\"data\\walks/w4.htm\">行旅客4：玉山主峰、東峰單攻（2016/4/9）</a> "
        "[<a href=\"../gps/w4.gdb\">gdb</a>]</li>",
        // 雪山: walk 9's file.
        "<li><a href=\"data\\walks/w9.htm\">行旅客9：雪山主峰、北峰三日（2018/8/11）</a> "
        "[<a href=\"../gps/w9.gdb\">gdb</a>]</li>",
    };
    for (const char* text : expected)
        EXPECT_TRUE(visitPage.contains(U(text))) << text;
    EXPECT_EQ(visitPage.count(U("行旅客52：")), 2);  // 桃山 and 池有山
    for (const char* name : {"百岳_hv.htm", "百岳_sv.htm"})
        EXPECT_EQ(PageText(U(name)).count(U("<li>")), visits) << name;
    EXPECT_EQ(shell.opened, QStringList({Page(U("百岳.htm"))}));
    ExpectSoundPages();

    // 輸出現狀HTML...: the current-list template of the same name, into the same page.
    Dispatch(CTalvaneDlg::kOutputCurrentHtml);
    EXPECT_TRUE(PageText(U("百岳.htm")).contains(U("<h1>百岳 (33) 百岳級山岳目前列表</h1>")));
    EXPECT_EQ(shell.opened.size(), 2);
    ExpectSoundPages();
    EXPECT_FALSE(Enabled(CTalvaneDlg::kListCommands));
}

// A region of the tree: its own three pages, then those of its townships under the region's
// name with "r" and their number; all from the group's template, none with a visit page.
TEST_F(SampleListOutputTest, SortedPagesOfARegionAndItsTownships)
{
    if (!HaveXmlLint())
        GTEST_SKIP() << "xmllint is not installed";
    ASSERT_TRUE(peaks);
    // The first region of the list, after the sample's four titles, three lists, three heights,
    // one stone class, the double stones, two series and four region sets.
    dialog->SelectSubsetByName(U("台北市"));
    ASSERT_EQ(dialog->CurrentSubset(), 18);
    Dispatch(CTalvaneDlg::kOutputSortedHtml);
    const QStringList pages = Pages();
    EXPECT_GE(pages.size(), 3);
    for (const QString& name : pages)
        EXPECT_FALSE(name.endsWith(U("v.htm"))) << name.toStdString();
    EXPECT_TRUE(messages.shown.isEmpty());
    ExpectSoundPages();
}
