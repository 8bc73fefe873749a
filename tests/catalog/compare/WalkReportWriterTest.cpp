// The walk3 and walk4 pages of the fixture's two counties, compared whole with pages worked out
// by hand; the settings the reports read; the published copies; the first page opened.
#include "WalkReportFixture.h"

#include "platform/FileTime.h"

#include <QDateTime>
#include <QFile>

namespace walk_reports_test {
namespace {

const QString kHtmlHead = QStringLiteral(
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
    "<title>%1</title></head>\r\n<body>\r\n");

// walk3: the navigation (the same on both pages), the region heads and the walk rows.
const QString kWalk3Nav = QStringLiteral(
    "<p><a href=\"walk3a.htm\">南投縣</a> 100% 與 100% a</p><ul>\r\n"
    "<li><a href=\"walk3a.htm#r1\">仁愛&lt;霧社&gt;</a> (a)</li>\r\n"
    "<li><a href=\"walk3a.htm#r2\">信義鄉</a> (a)</li>\r\n"
    "<li><a href=\"walk3a.htm#r3\">埔里</a> (a)</li>\r\n"
    "</ul>\r\n"
    "<p><a href=\"walk3b.htm\">花蓮縣</a> 100% 與 100% b</p><ul>\r\n"
    "<li><a href=\"walk3b.htm#r1\">秀林鄉</a> (b)</li>\r\n"
    "<li><a href=\"walk3b.htm#r2\">A&amp;B</a> (b)</li>\r\n"
    "</ul>\r\n");
const QString kRegionHead = QStringLiteral("<h2><a name=\"r%1\">%2</a></h2>\r\n<table>\r\n");
const QString kRegionTail = QStringLiteral("</table>\r\n");
const QString kRow12 = QStringLiteral(
    "<tr><td>12</td><td><a href=\"r12.htm\">十二號</a></td><td>1993/12/12</td><td>南投</td></tr>\r\n");
const QString kRow5 = QStringLiteral(
    "<tr><td>5</td><td><a href=\"http://other.example.org/r5.htm\">五號&amp;<b>行程</b></a></td>"
    "<td>1991/5/5</td><td>花蓮</td></tr>\r\n");
const QString kRow3 = QStringLiteral(
    "<tr><td>3</td><td><a href=\"r3.htm\">三號行程</a></td><td>1990/3/3</td><td>南投</td></tr>\r\n");

QString Walk3Page(const QString& city, const QString& body)
{
    return kHtmlHead.arg(city + u"的行程"_qs) + u"<p>完成 100% "_qs + city + u"</p>\r\n"_qs + kWalk3Nav
           + u"<h1>"_qs + city + u"</h1>\r\n"_qs + body + u"<p>完 100%</p>\r\n</body></html>\r\n"_qs;
}

QString Region(int jump, const QString& name, const QString& rows)
{
    return kRegionHead.arg(jump).arg(name) + rows + kRegionTail;
}

const QString kWalk3a = Walk3Page(u"南投縣"_qs, Region(1, u"仁愛&lt;霧社&gt;"_qs, kRow12 + kRow5 + kRow3)
                                                   + Region(2, u"信義鄉"_qs, kRow5)
                                                   + Region(3, u"埔里"_qs, kRow3));
const QString kWalk3b = Walk3Page(u"花蓮縣"_qs, Region(1, u"秀林鄉"_qs, kRow12 + kRow5 + kRow3)
                                                   + Region(2, u"A&amp;B"_qs, kRow12));

// walk4: a peak's row is its summary, its newest walk, a column per older walk and per atlas
// page, and the newest walk's date again.
const QString kWalk4Nav = QStringLiteral(
    "<p><a href=\"walk4a.htm\">南投縣</a></p><ul>\r\n"
    "<li><a href=\"walk4a.htm#r1\">仁愛&lt;霧社&gt;</a></li>\r\n"
    "<li><a href=\"walk4a.htm#r2\">信義鄉</a></li>\r\n"
    "<li><a href=\"walk4a.htm#r3\">埔里</a></li>\r\n"
    "</ul>\r\n"
    "<p><a href=\"walk4b.htm\">花蓮縣</a></p><ul>\r\n"
    "<li><a href=\"walk4b.htm#r1\">秀林鄉</a></li>\r\n"
    "<li><a href=\"walk4b.htm#r2\">A&amp;B</a></li>\r\n"
    "</ul>\r\n");
const QString kCol12 = QStringLiteral("<td><a href=\"r12.htm\">十二號</a> 1993/12/12</td>");
const QString kCol5 = QStringLiteral(
    "<td><a href=\"http://other.example.org/r5.htm\">五號&amp;<b>行程</b></a> 1991/5/5</td>");
const QString kCol3 = QStringLiteral("<td><a href=\"r3.htm\">三號行程</a> 1990/3/3</td>");
const QString kColSky12 = QStringLiteral(
    "<td><a href=\"http://sky.example.org/12-100.htm?a=1&amp;b=2\">清水&amp;合歡</a> 藍天十二100</td>");
const QString kColSky8 = QStringLiteral("<td><a href=\"http://sky.example.org/8-12.htm\">合歡山</a> 藍天八012</td>");

QString PeakRow(const QString& summary, const QString& columns, const QString& date)
{
    return u"<tr><td>"_qs + summary + u"</td>"_qs + columns + u"<td>"_qs + date + u"</td></tr>\r\n"_qs;
}

const QString kHehuan = PeakRow(u"合歡山(主峰)，3417m，"_qs, kCol12 + kCol5 + kCol3 + kColSky12 + kColSky8,
                                u"1993/12/12"_qs);
const QString kJie = PeakRow(u"界山，2000m，"_qs, kCol5, u"1991/5/5"_qs);
const QString kPuli = PeakRow(u"埔里山，1000m，"_qs, kCol3, u"1990/3/3"_qs);
const QString kQing = PeakRow(u"清水&amp;山，2408m，"_qs, kCol12 + kColSky12, u"1993/12/12"_qs);

QString Walk4Page(const QString& city, const QString& body)
{
    return kHtmlHead.arg(city + u"的山"_qs) + kWalk4Nav + u"<h1>"_qs + city + u"</h1>\r\n"_qs + body
           + u"</body></html>\r\n"_qs;
}

const QString kWalk4a = Walk4Page(u"南投縣"_qs, Region(1, u"仁愛&lt;霧社&gt;"_qs, kHehuan + kJie)
                                                  + Region(2, u"信義鄉"_qs, kJie)
                                                  + Region(3, u"埔里"_qs, kPuli));
const QString kWalk4b = Walk4Page(u"花蓮縣"_qs, Region(1, u"秀林鄉"_qs, kHehuan) + Region(2, u"A&amp;B"_qs, kQing));

class WalkReportWriterTest : public WalkReportFixture {};

TEST_F(WalkReportWriterTest, VisitTableHasOneRunPerLinkedWalkNewestFirst)
{
    // Walk 7 has no link; items are in file-name order p1 … p5.
    ASSERT_EQ(visits.size(), 3u);
    EXPECT_EQ(visits[0].walk, 12);
    EXPECT_EQ(visits[0].items, (QList<int>{0, 3, 4}));
    EXPECT_EQ(visits[1].walk, 5);
    EXPECT_EQ(visits[1].items, (QList<int>{0, 1}));
    EXPECT_EQ(visits[2].walk, 3);
    EXPECT_EQ(visits[2].items, (QList<int>{0, 2}));
}

TEST_F(WalkReportWriterTest, InputTakesTheSettingsOfBothFiles)
{
    const WalkReportInput input = Input();
    EXPECT_EQ(input.cities, (QStringList{u"南投縣"_qs, u"花蓮縣"_qs}));
    EXPECT_EQ(input.dataFolder, In(u"data"_qs));
    EXPECT_EQ(input.onlineDir, kOnlineDir);
    EXPECT_EQ(input.walk3CopyPattern, In(u"copies/walk3%c.htm"_qs));
    EXPECT_EQ(input.walk4CopyPattern, In(u"copies/w4_%c.htm"_qs));
    EXPECT_EQ(input.atlasFile, In(u"data/guide2.htm"_qs));  // BlueSkyFile is empty
    EXPECT_EQ(input.shell, &shell);
}

// The same pages whichever encoding the owner's settings file was saved in.
TEST_F(WalkReportWriterTest, PagesOfTwoCountiesInBothSettingsEncodings)
{
    for (const char* settings : {"峰嵐錄.txt", "峰嵐錄_cp950.txt"}) {
        SCOPED_TRACE(settings);
        QFile::remove(In(u"峰嵐錄.txt"_qs));
        QFile::copy(QStringLiteral(TALVANE_TEST_DATA "/walkreports/program/") + QString::fromUtf8(settings),
                    In(u"峰嵐錄.txt"_qs));
        Load();
        shell.opened.clear();
        const WalkReportInput input = Input();
        ASSERT_TRUE(WriteWalk3Pages(input));
        ASSERT_TRUE(WriteWalk4Pages(input));
        EXPECT_EQ(Checked(Page(u"walk3a.htm"_qs)), kWalk3a);
        EXPECT_EQ(Checked(Page(u"walk3b.htm"_qs)), kWalk3b);
        EXPECT_EQ(Checked(Page(u"walk4a.htm"_qs)), kWalk4a);
        EXPECT_EQ(Checked(Page(u"walk4b.htm"_qs)), kWalk4b);
        EXPECT_FALSE(QFileInfo::exists(Page(u"walk3c.htm"_qs)));
        EXPECT_EQ(shell.opened, (QStringList{Page(u"walk3a.htm"_qs), Page(u"walk4a.htm"_qs)}));
    }
}

TEST_F(WalkReportWriterTest, CopiesOnlyWhereTheyExistHoldTextAndDiffer)
{
    // walk3a: unchanged; walk3b: an old page; w4_a: missing; w4_b: empty.
    WriteUtf8(u"copies/walk3a.htm"_qs, kWalk3a);
    const QString same = In(u"copies/walk3a.htm"_qs);
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    {
        QFile f(same);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const QByteArray sameBytes = ReadBytes(same);
    const WalkReportInput input = Input();
    ASSERT_TRUE(WriteWalk3Pages(input));
    ASSERT_TRUE(WriteWalk4Pages(input));
    EXPECT_EQ(ReadBytes(same), sameBytes);
    EXPECT_EQ(QFileInfo(same).lastModified(), old);
    EXPECT_EQ(ReadUtf8(In(u"copies/walk3b.htm"_qs)), kWalk3b);
    EXPECT_FALSE(QFileInfo::exists(In(u"copies/w4_a.htm"_qs)));
    EXPECT_EQ(QFileInfo(In(u"copies/w4_b.htm"_qs)).size(), 0);
}

TEST_F(WalkReportWriterTest, CopyPatternsWithoutALetterGiveNoCopies)
{
    const QByteArray old = ReadBytes(In(u"copies/walk3b.htm"_qs));
    struct Case {
        QString pattern;
        const char* why;
    };
    const std::vector<Case> cases{
        {QString(), "empty setting"},
        {In(u"copies/walk3b.htm"_qs), "no %c: one file for every page"},
        {In(u"copies/walk3b%%c.htm"_qs), "%%c is a percent sign and a c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        WalkReportInput input = Input();
        input.walk3CopyPattern = c.pattern;
        ASSERT_TRUE(WriteWalk3Pages(input));
        EXPECT_EQ(ReadBytes(In(u"copies/walk3b.htm"_qs)), old);
        EXPECT_FALSE(QFileInfo::exists(In(u"copies/walk3b%c.htm"_qs)));
    }
}

TEST_F(WalkReportWriterTest, NoCitiesWriteNothingAndOpenNothing)
{
    WalkReportInput input = Input();
    input.cities.clear();
    EXPECT_TRUE(WriteWalk3Pages(input));
    EXPECT_TRUE(WriteWalk4Pages(input));
    EXPECT_FALSE(QFileInfo::exists(In(u"data/walk3"_qs)));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(WalkReportWriterTest, AFailedWriteEndsTheSet)
{
    // A file where the walk3 folder should be: no page can be written.
    WriteUtf8(u"data/walk3"_qs, u"x"_qs);
    EXPECT_FALSE(WriteWalk3Pages(Input()));
    EXPECT_TRUE(shell.opened.isEmpty());
}

} // namespace
} // namespace walk_reports_test
