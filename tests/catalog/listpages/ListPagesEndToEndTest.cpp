// The group's HTML table output on the fixture: [Template] keys of the main settings file
// (UTF-16LE) and of Local.txt (CP950) lead to both pages under TableMT/, which does not exist
// beforehand; the list page is opened afterwards.
#include "ListPagesFixture.h"
#include "catalog/text/ListPageWriter.h"

namespace list_pages_test {
namespace {

using ListPagesEndToEndTest = ListPagesFixture;

TEST_F(ListPagesEndToEndTest, WritesListAndVisitPagesAndOpensTheListPage)
{
    SetListPageWriterForTests({});
    AddRow(u"玉山"_qs, u"3952"_qs, kYu);
    AddRow(u"雪山"_qs, u"3886"_qs, kXue);
    const QString listPage = In(u"data/TableMT/百岳表.htm"_qs);
    const QString visitPage = In(u"data/TableMT/百岳表v.htm"_qs);
    ASSERT_FALSE(QFile::exists(In(u"data/TableMT"_qs)));

    ASSERT_TRUE(peaks->WriteHtmlTable(&list, u"百岳"_qs, QString(), 0, QString(), false));

    EXPECT_EQ(ReadUtf8(listPage),
              u"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
              "<title>百岳</title></head>\r\n<body>\r\n<p>2026/12/8 百岳表.htm </p>\r\n<table>\r\n"
              "<tr><td>1</td><td>玉山</td><td>3952</td><td><a href=\"百岳表v.htm\">造訪</a></td></tr>\r\n"
              "<tr><td>2</td><td>雪山</td><td>3886</td><td><a href=\"百岳表v.htm\">造訪</a></td></tr>\r\n"
              "</table>\r\n<p>__Title__ 完</p>\r\n</body></html>\r\n"_qs);
    // The walk index page and the GPS folder from Local.txt, under the program folder; the
    // report prefix and the online GPS folder from the main settings file.
    EXPECT_TRUE(ReadUtf8(visitPage).contains(
        u"<tr><td>1 玉山 __File__</td><td><ul>"
        "<li>51|<a href=\"http://walks.example.org/r51.htm\">|南湖大山|</a>|1996/5/6|"
        "[<a href=\"http://gps.example.org/a&amp;b/w1051.gdb\">gdb</a>]|玉山</li>"
        "<li>13|<a href=\"http://other.example.org/r13.htm\">|雪山主東|</a>|1993/2/3|"
        "[<a href=\"http://gps.example.org/a&amp;b/w13.mps\">mps</a>]|玉山</li>"
        "<li>12|<a href=\"http://walks.example.org/r12.htm\">|玉山&amp;<b>群峰</b>|</a>|1993/1/2|"
        "[<a href=\"http://gps.example.org/a&amp;b/w12.gdb\">gdb</a>]|玉山</li></ul></td></tr>\r\n"
        "<tr><td>2 雪山 __File__</td><td><ul>"
        "<li>40|<a href=\"http://walks.example.org/r40.htm\">|合歡山|</a>|1995/4/5||雪山</li>"
        "<li>7||加里山||1992/9/9||雪山</li></ul></td></tr>\r\n"_qs));
    EXPECT_EQ(XmllintComplaints(listPage), QString());
    EXPECT_EQ(XmllintComplaints(visitPage), QString());
    EXPECT_EQ(shell.opened, QStringList{listPage});
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(ListPagesEndToEndTest, NumberedPageNamesItsSubRegionAndIsNotOpened)
{
    SetListPageWriterForTests({});
    AddRow(u"玉山"_qs, u"3952"_qs, kYu);
    // A number takes the template name from the template key, which is also the sub-region.
    ASSERT_TRUE(peaks->WriteHtmlTable(&list, u"南投"_qs, u"_s"_qs, 2, u"百岳"_qs, false));
    const QString page = ReadUtf8(In(u"data/TableMT/百岳表r2_s.htm"_qs));
    EXPECT_TRUE(page.contains(u"<title>南投</title>"_qs)) << page.toStdString();
    EXPECT_TRUE(page.contains(u"<p>2026/12/8 百岳表r2_s.htm 百岳</p>"_qs));
    EXPECT_TRUE(page.contains(u"<a href=\"百岳表r2_sv.htm\">"_qs));
    EXPECT_TRUE(QFile::exists(In(u"data/TableMT/百岳表r2_sv.htm"_qs)));
    EXPECT_TRUE(shell.opened.isEmpty());
}

} // namespace
} // namespace list_pages_test
