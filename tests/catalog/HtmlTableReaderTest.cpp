// The walk index and atlas page readers on pages as the owner's editor writes them, the note
// digits of old walk titles, the walk GPS-file look-up and the page paths of "Local.txt".
#include "catalog/text/HtmlTableReader.h"

#include "TempDir.h"
#include "TextPrinters.h"
#include "catalog/GroupTable.h"
#include "catalog/text/LocalPages.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

#include <random>

namespace {

QString HtmlFile(const char* name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/html/") + QString::fromUtf8(name);
}

const QString kPrefix = QStringLiteral("https://walks.example.tw/");

// A page holding rows, each written out in full.
QByteArray Page(const QStringList& rows)
{
    return (QStringLiteral("<html><body><table>\r\n") + rows.join(QStringLiteral("\r\n"))
            + QStringLiteral("\r\n</table></body></html>\r\n"))
        .toUtf8();
}

QString WalkRow(const QString& number, const QString& title, const QString& date = QStringLiteral("2020/1/1"))
{
    return QStringLiteral("<tr><td align=center>%1</td><td><a href=\"w%1.htm\">%2</a></td>"
                          "<td align=center>玉山</td><td>%3</td></tr>")
        .arg(number, title, date);
}

QString AtlasRow(int number, const QString& title, const QString& volume, int page)
{
    return QStringLiteral("<tr><td align=center>%1</td><td><a href=\"a/%1.htm\">%2</a></td>"
                          "<td align=center>%3</td><td align=center>%4</td></tr>")
        .arg(QString::number(number), title, volume, QString::number(page));
}

// The names of the atlas's thirty volumes.
QString VolumeName(int volume)
{
    static const QStringList names = QStringLiteral(
        "一 二 三 四 五 六 七 八 九 十 十一 十二 十三 十四 十五 十六 十七 十八 十九 二十 "
        "二十一 二十二 二十三 二十四 二十五 二十六 二十七 二十八 二十九 三十").split(u' ');
    return names[volume - 1];
}

} // namespace

// ---- walk index page ------------------------------------------------------------------------

TEST(ReadHtmlTableRows, ReadsTheWalkPageUpToTheFirstNumberOutOfRange)
{
    WalkIndex index;
    // 1, 3, 4, 12 twice, 519, 520, 1999; x2 is passed over; 2000 ends the reading before 21.
    EXPECT_EQ(ReadHtmlTableRows(HtmlFile("walk.htm"), &index), 8);
    EXPECT_EQ(index.highestWalk, 1999);

    for (int walk : {1, 3, 4, 12, 519, 520, 1999})
        EXPECT_TRUE(index.Holds(walk)) << walk;
    for (int walk : {0, 2, 5, 21, 1998, 2000, -1})
        EXPECT_FALSE(index.Holds(walk)) << walk;

    EXPECT_EQ(index.titles[1], "合歡北峰");
    EXPECT_EQ(index.links[1], "w1.htm");
    EXPECT_EQ(index.dates[1], "1991/5/1");
    EXPECT_EQ(index.titles[3], "大霸尖山");
    // The later row of a repeated number wins.
    EXPECT_EQ(index.titles[12], "玉山主峰");
    EXPECT_EQ(index.links[12], "w12b.htm");
    EXPECT_EQ(index.dates[12], "1993/1/3");
    // A date cell followed by a further cell.
    EXPECT_EQ(index.dates[520], "2010/3/5");
    EXPECT_EQ(index.titles[1999], "最後一篇");
    EXPECT_EQ(index.dates[1999], "2024/12/31");
    EXPECT_TRUE(index.titles[21].isEmpty());
    EXPECT_TRUE(index.centred[12].isEmpty()) << "the centred cell is kept only for the list";
}

TEST(ReadHtmlTableRows, RowWithoutLinkTakesTheTrimmedTextAfterTheFont)
{
    WalkIndex index;
    ASSERT_GT(ReadHtmlTableRows(HtmlFile("walk.htm"), &index, kPrefix), 0);
    EXPECT_EQ(index.titles[4], "颱風撤退");
    EXPECT_TRUE(index.links[4].isEmpty());
    EXPECT_EQ(index.dates[4], "1992/8/9");
}

TEST(ReadHtmlTableRows, RelativeLinksTakeThePrefixAndWebLinksDoNot)
{
    WalkIndex index;
    ASSERT_GT(ReadHtmlTableRows(HtmlFile("walk.htm"), &index, kPrefix), 0);
    EXPECT_EQ(index.links[1], kPrefix + "w1.htm");
    EXPECT_EQ(index.links[1999], kPrefix + "reports/w1999.htm");
    EXPECT_EQ(index.links[3], "http://blog.example.tw/w3.htm");
}

TEST(ReadHtmlTableRows, NoteDigitsGoFromTitlesBeforeWalk520)
{
    WalkIndex index;
    ASSERT_GT(ReadHtmlTableRows(HtmlFile("walk.htm"), &index), 0);
    EXPECT_EQ(index.titles[519], "北大武，南大武1；關山0，庫哈諾辛");
    EXPECT_EQ(index.titles[520], "北大武1，南大武12；庫哈諾辛3");
}

TEST(ReadHtmlTableRowsToList, AlsoKeepsTheCentredCell)
{
    WalkIndex index;
    EXPECT_EQ(ReadHtmlTableRowsToList(HtmlFile("walk.htm"), &index, kPrefix), 8);
    EXPECT_EQ(index.centred[1], "南投");
    EXPECT_EQ(index.centred[12], "嘉義");
    EXPECT_EQ(index.centred[4], "宜蘭");
    EXPECT_EQ(index.links[1], kPrefix + "w1.htm");
}

// A page of three rows whose middle one is given: the rows read before the reading ends.
struct MiddleRowCase {
    const char* what;
    QString row;
    int count;
};

TEST(ReadHtmlTableRows, AMiddleRowEitherPassesOrEndsTheReading)
{
    const QString first = WalkRow(QStringLiteral("10"), QStringLiteral("加里山"));
    const QString last = WalkRow(QStringLiteral("30"), QStringLiteral("鳶嘴山"));
    const MiddleRowCase cases[] = {
        {"minimal row", QStringLiteral("<tr><td align=center>20</td><td><a href=\"\"></a></td>"
                                       "<td align=center></td><td></td></tr>"), 3},
        {"skipped x row", QStringLiteral("<tr><td align=center>x</td></tr>"), 2},
        {"walk 2000", WalkRow(QStringLiteral("2000"), QStringLiteral("超出")), 1},
        {"walk -5", WalkRow(QStringLiteral("-5"), QStringLiteral("負數")), 1},
        {"walk 0", WalkRow(QStringLiteral("0"), QStringLiteral("零")), 1},
        {"no number", WalkRow(QStringLiteral("二十"), QStringLiteral("國字")), 1},
        {"no date cell", QStringLiteral("<tr><td align=center>20</td><td><a href=\"w.htm\">無日期</a>"
                                        "</td><td align=center>玉山</td></tr>"), 1},
        {"no centred cell", QStringLiteral("<tr><td align=center>20</td><td><a href=\"w.htm\">t</a>"
                                           "</td><td>2020/1/1</td></tr>"), 1},
        {"link text not closed", QStringLiteral("<tr><td align=center>20</td><td><a href=\"w.htm\">t"
                                                "</td><td align=center>c</td><td>d</td></tr>"), 1},
        {"no link and no font", QStringLiteral("<tr><td align=center>20</td><td>t</td>"
                                               "<td align=center>c</td><td>d</td></tr>"), 1},
    };
    TempDir dir;
    for (const MiddleRowCase& c : cases) {
        WalkIndex index;
        const QString path = dir.write(QStringLiteral("walk.htm"), Page({first, c.row, last}));
        EXPECT_EQ(ReadHtmlTableRows(path, &index), c.count) << c.what;
        EXPECT_TRUE(index.Holds(10)) << c.what;
        EXPECT_EQ(index.Holds(30), c.count > 1) << c.what;
        EXPECT_EQ(index.highestWalk, c.count > 1 ? 30 : 10) << c.what;
    }
}

TEST(ReadHtmlTableRows, UnreadablePagesGiveNoRowsAndAnEmptyIndex)
{
    TempDir dir;
    WalkIndex index;
    ASSERT_EQ(ReadHtmlTableRows(HtmlFile("walk.htm"), &index), 8);
    EXPECT_EQ(ReadHtmlTableRows(dir.file(QStringLiteral("missing.htm")), &index), 0);
    EXPECT_FALSE(index.Holds(1));
    EXPECT_EQ(index.highestWalk, 0);
    EXPECT_EQ(ReadHtmlTableRows(dir.write(QStringLiteral("empty.htm"), {}), &index), 0);
}

// ---- note digits ----------------------------------------------------------------------------

TEST(StripNoteDigits, RemovesOneDigitBeforeEachMarkAndAtTheEnd)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"北大武1，南大武2；", "北大武，南大武；"},
        {"南大武12；", "南大武1；"},
        {"關山0，關山嶺山0", "關山0，關山嶺山0"},
        {"庫哈諾辛3", "庫哈諾辛"},
        {"嘉明湖10", "嘉明湖10"},
        {"1，2；3", "，；"},
        {"7", ""},
        {"a9,b9;c", "a9,b9;c"},
        {"", ""},
        {"無註記", "無註記"},
    };
    for (const auto& c : cases) {
        QString text = QString::fromUtf8(c.in);
        StripNoteDigits(&text);
        EXPECT_EQ(text, QString::fromUtf8(c.out)) << c.in;
    }
}

// ---- atlas page -----------------------------------------------------------------------------

TEST(ReadHtmlTableCells, ReadsDistinctEntriesHighestVolumeFirst)
{
    QList<GuideEntry> entries;
    ASSERT_EQ(ReadHtmlTableCells(HtmlFile("guide.htm"), &entries), 7);
    ASSERT_EQ(entries.size(), 7);
    const struct {
        int volume;
        const char* volumeText;
        int page;
        const char* title;
        const char* link;
    } expected[] = {
        {30, "三十", 7, "卑南主山", "a/30-007.htm"},
        {15, "十五", 12, "雪山北峰", ""},
        {15, "十五", 45, "雪山主峰", "http://bluesky.example.tw/15-045.htm"},
        {15, "十五", 45, "雪山東峰", "a/15-045c.htm"},
        {3, "三", 20, "拉拉山", "a/3-020.htm"},
        {3, "三", 101, "北插天山", "a/3-101.htm"},
        {-1, "外傳", 1, "番外篇", ""},
    };
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(entries[i].volume, expected[i].volume) << i;
        EXPECT_EQ(entries[i].volumeText, QString::fromUtf8(expected[i].volumeText)) << i;
        EXPECT_EQ(entries[i].page, expected[i].page) << i;
        EXPECT_EQ(entries[i].title, QString::fromUtf8(expected[i].title)) << i;
        EXPECT_EQ(entries[i].link, QString::fromUtf8(expected[i].link)) << i;
    }
}

TEST(ReadHtmlTableCells, ReadsAtMost3000RowsOfALargerPage)
{
    // 3000 distinct pages, volumes 一 to 三十 with pages 1 to 100, then one more row.
    QStringList rows;
    for (int volume = 1; volume <= 30; ++volume) {
        for (int page = 1; page <= 100; ++page)
            rows << AtlasRow(rows.size() + 1, QStringLiteral("第%1頁").arg(page), VolumeName(volume), page);
    }
    rows << AtlasRow(3001, QStringLiteral("溢出"), VolumeName(30), 999);
    TempDir dir;
    QList<GuideEntry> entries;
    ASSERT_EQ(ReadHtmlTableCells(dir.write(QStringLiteral("guide.htm"), Page(rows)), &entries), 3000);
    ASSERT_EQ(entries.size(), 3000);
    EXPECT_EQ(entries.first().volume, 30);
    EXPECT_EQ(entries.first().page, 1);
    EXPECT_EQ(entries[99].page, 100) << "page 999 of the row past 3000 is not read";
    EXPECT_EQ(entries.last().volume, 1);
    EXPECT_EQ(entries.last().page, 100);
}

TEST(ReadHtmlTableCells, RepeatedRowsLeaveTheFirstOfEachPage)
{
    // Shuffled rows, every page written three times: the page's first row in page order stays.
    QStringList rows;
    for (int copy = 0; copy < 3; ++copy) {
        for (int page = 1; page <= 40; ++page)
            rows << AtlasRow(copy * 100 + page, QStringLiteral("奇萊"), VolumeName(page % 3 + 1), page);
    }
    std::mt19937 random(7);
    std::shuffle(rows.begin(), rows.end(), random);
    TempDir dir;
    QList<GuideEntry> entries;
    ASSERT_EQ(ReadHtmlTableCells(dir.write(QStringLiteral("guide.htm"), Page(rows)), &entries), 40);
    for (const GuideEntry& entry : entries) {
        for (const QString& row : rows) {
            if (row.contains(QStringLiteral("<td align=center>%1</td></tr>").arg(entry.page))) {
                EXPECT_TRUE(row.contains(entry.link)) << entry.page;
                break;
            }
        }
    }
    for (qsizetype i = 1; i < entries.size(); ++i) {
        const GuideEntry& a = entries[i - 1];
        const GuideEntry& b = entries[i];
        EXPECT_TRUE(a.volume > b.volume || (a.volume == b.volume && a.page < b.page)) << i;
    }
}

TEST(ReadHtmlTableCells, ARepeatAfterAnotherTitleOfThePageIsDropped)
{
    const QStringList rows = {AtlasRow(1, QStringLiteral("甲"), VolumeName(8), 12),
                              AtlasRow(2, QStringLiteral("乙"), VolumeName(8), 12),
                              AtlasRow(3, QStringLiteral("甲"), VolumeName(8), 12)};
    TempDir dir;
    QList<GuideEntry> entries;
    ASSERT_EQ(ReadHtmlTableCells(dir.write(QStringLiteral("guide.htm"), Page(rows)), &entries), 2);
    EXPECT_EQ(entries[0].title, QStringLiteral("甲"));
    EXPECT_EQ(entries[1].title, QStringLiteral("乙"));
}

TEST(ReadHtmlTableCells, AMissingCellEndsTheReading)
{
    const QString first = AtlasRow(1, QStringLiteral("雪山"), VolumeName(15), 45);
    const QString last = AtlasRow(3, QStringLiteral("玉山"), VolumeName(20), 10);
    const struct {
        const char* what;
        QString row;
        int count;
    } cases[] = {
        {"complete row", AtlasRow(2, QStringLiteral("合歡"), VolumeName(5), 2), 3},
        {"number 0", AtlasRow(0, QStringLiteral("合歡"), VolumeName(5), 2), 1},
        {"no page cell", QStringLiteral("<tr><td align=center>2</td><td>合歡</td><td align=center>五</td></tr>"), 1},
        {"no volume cell", QStringLiteral("<tr><td align=center>2</td><td>合歡</td></tr>"), 1},
        {"no title cell", QStringLiteral("<tr><td align=center>2</td></tr>"), 1},
        {"link text not closed", QStringLiteral("<tr><td align=center>2</td><td><a href=\"x.htm\">合歡</td>"
                                                "<td align=center>五</td><td align=center>002</td></tr>"), 1},
    };
    TempDir dir;
    for (const auto& c : cases) {
        QList<GuideEntry> entries;
        const QString path = dir.write(QStringLiteral("guide.htm"), Page({first, c.row, last}));
        EXPECT_EQ(ReadHtmlTableCells(path, &entries), c.count) << c.what;
    }
    QList<GuideEntry> entries;
    EXPECT_EQ(ReadHtmlTableCells(dir.file(QStringLiteral("missing.htm")), &entries), 0);
    EXPECT_TRUE(entries.isEmpty());
}

// ---- malformed pages ------------------------------------------------------------------------

TEST(HtmlTableReaders, MalformedPagesEndCleanly)
{
    const QByteArray full = ReadBytes(HtmlFile("walk.htm"));
    ASSERT_FALSE(full.isEmpty());
    QList<QByteArray> pages;
    // Every cut of a real page, so that each marker ends half-written somewhere.
    for (qsizetype n = 1; n < full.size(); n += 7)
        pages << full.first(n);
    pages << QByteArray("<tr><td align=center>") << QByteArray("<tr><td align=center>5</td></tr>")
          << QByteArray("<tr><td align=center>5<a href=\"\">\"></td></tr>")
          << QByteArray("<tr><td align=center>1\">x</a></td></tr>");
    std::mt19937 random(11);
    for (int i = 0; i < 20; ++i) {
        QByteArray bytes(512, '\0');
        for (char& b : bytes)
            b = char(random());
        pages << bytes << (QByteArray("<tr><td align=center>7</td><td>") + bytes + "</td></tr>");
    }
    TempDir dir;
    for (const QByteArray& page : pages) {
        const QString path = dir.write(QStringLiteral("w3/index.htm"), page);
        WalkIndex index;
        QList<GuideEntry> entries;
        EXPECT_LE(ReadHtmlTableRowsToList(path, &index, kPrefix), 8);
        EXPECT_LE(ReadHtmlTableCells(path, &entries), 8);
        EXPECT_GE(GetWalkGpsNumber(dir.path() + QStringLiteral("/gps/"), 3), 0);
    }
}

// ---- walk GPS files -------------------------------------------------------------------------

TEST(FindWalkGpsFile, TriesGdbMpsEvoWtrInThatOrder)
{
    TempDir dir;
    for (const char* name : {"w12.mps", "w12.gdb", "w12.wtr", "w13.wtr", "w13.mps", "w13.evo",
                             "w15.wtr"})
        dir.write(QStringLiteral("gps/") + QString::fromLatin1(name), "data");
    // A folder is no GPS file.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("gps/w15.gdb")));
    const QString folder = dir.path() + QStringLiteral("/gps/");

    QString path;
    EXPECT_TRUE(FindWalkGpsFile(folder, &path, 12));
    EXPECT_EQ(path, dir.file(QStringLiteral("gps/w12.gdb")));
    EXPECT_TRUE(FindWalkGpsFile(folder, &path, 13));
    EXPECT_EQ(path, dir.file(QStringLiteral("gps/w13.mps")));
    EXPECT_TRUE(FindWalkGpsFile(folder, &path, 15));
    EXPECT_EQ(path, dir.file(QStringLiteral("gps/w15.wtr")));
    EXPECT_FALSE(FindWalkGpsFile(folder, &path, 14));
    EXPECT_EQ(path, dir.file(QStringLiteral("gps/w14.wtr")));
}

TEST(FindWalkGpsFile, TakesAWindowsFolderAsWritten)
{
    TempDir dir;
    dir.write(QStringLiteral("gps/w7.evo"), "data");
    dir.write(QStringLiteral("gpsw8.gdb"), "data");
    QString path;
    EXPECT_TRUE(FindWalkGpsFile(dir.path() + QStringLiteral("\\gps\\"), &path, 7));
    EXPECT_EQ(path, dir.file(QStringLiteral("gps/w7.evo")));
    // A folder without its final separator runs into the file name.
    EXPECT_TRUE(FindWalkGpsFile(dir.path() + QStringLiteral("/gps"), &path, 8));
    EXPECT_EQ(path, dir.file(QStringLiteral("gpsw8.gdb")));
}

TEST(GetWalkGpsNumber, NumberOfTheFirstGpsFileTheWalkPageNames)
{
    TempDir dir;
    ASSERT_FALSE(dir.path().contains(QStringLiteral("gps")));
    const struct {
        int walk;
        const char* page;
        int number;
    } cases[] = {
        {51, "<a href=\"../gps/w12.mps\">舊</a> <a href=\"../gps/w13.gdb\">新</a>", 13},
        {52, "<a href=\"w1234.gdb\">", 1234},
        {53, "<a href=\"w12345.gdb\">", 0},
        {54, "w7.evo w8.mps w9.wtr", 8},
        {55, "w9.wtr", 9},
        {56, "w4.gdb", 4},
        {57, ".gdb w5.mps", 0},
        {58, "<a href=\"track.gdb\">", 0},
        {59, "<p>沒有軌跡</p>", 0},
        {60, "<a href=\"W61.gdb\">", 0},
        {61, "<a href=\"w-1.gdb\">", 0},
        {62, "<a href=\"w+5.gdb\">", 0},
    };
    for (const auto& c : cases)
        dir.write(QStringLiteral("w%1/index.htm").arg(c.walk), QByteArray(c.page));
    const QString folder = dir.path() + QStringLiteral("\\gps\\");
    for (const auto& c : cases)
        EXPECT_EQ(GetWalkGpsNumber(folder, c.walk), c.number) << c.page;
    EXPECT_EQ(GetWalkGpsNumber(folder, 70), 0) << "no page";
}

// ---- page paths of "Local.txt" --------------------------------------------------------------

class LocalPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetProgramFolder(dir.path());
        Write(QStringLiteral("峰嵐錄.txt"), {"[DataGroup]", "BaseFolder=資料", "Group1=山"});
    }
    void TearDown() override { platform::SetProgramFolder(QString()); }
    void Write(const QString& name, const QStringList& lines)
    {
        dir.write(name, Utf16LeWithBom(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        platform::ClearProfileCache();
        ASSERT_TRUE(table.LoadSettings());
    }

    TempDir dir;
    CGroupTable table;
};

TEST_F(LocalPagesTest, DefaultsLieInTheDataFolder)
{
    Write(QStringLiteral("Local.txt"), {"[GPS]", "Talvane=a.gdb"});
    EXPECT_TRUE(WalkIndexFile().isEmpty());
    EXPECT_EQ(WalkIndexFileOrDefault(), dir.path() + QStringLiteral("/資料/walk2.htm"));
    EXPECT_EQ(BlueSkyFile(), dir.path() + QStringLiteral("/資料/guide2.htm"));
    EXPECT_EQ(QuillAtlasFile(), dir.path() + QStringLiteral("/資料/山友/岫禾圖集.txt"));
}

TEST_F(LocalPagesTest, RelativeValuesLieUnderTheProgramFolder)
{
    Write(QStringLiteral("Local.txt"),
          {"[Template]", "WalkIndexFile=data\\walk2.htm", "BlueSkyFile=/srv/藍天/guide.htm"});
    EXPECT_EQ(WalkIndexFile(), dir.path() + QStringLiteral("/data/walk2.htm"));
    EXPECT_EQ(WalkIndexFileOrDefault(), dir.path() + QStringLiteral("/data/walk2.htm"));
    EXPECT_EQ(BlueSkyFile(), QStringLiteral("/srv/藍天/guide.htm"));
}
