// What the bundled sample holds for the list pages and the region statistics: the owner's list
// templates (Big5 files declaring UTF-8 pages, valid HTML, every placeholder used) named by the
// settings, the walks' GPS folder (one walk's file named only by that walk's own page), and area
// sets that leave a county out, with a peak naming two townships of one county.
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/text/HtmlTableReader.h"
#include "catalog/text/LocalPages.h"
#include "platform/DirList.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

const char* const kHeadPlaceholders[] = {"__Title__", "__Date__", "__FileBase__", "__FileExt__", "__SubRegion__"};
const char* const kRowPlaceholders[] = {"__File__", "__No__", "__Col1__", "__Col5__"};
const char* const kVisitPlaceholders[] = {"__VisitNo__", "__VisitWalk__", "__VisitDate__",
                                          "__RefStart__", "__RefEnd__",  "__MPS__"};

// Runs xmllint's HTML parser on a file; true when it reports nothing.
bool HtmlLintClean(const QString& path, QByteArray* messages)
{
    QProcess process;
    process.start(QStringLiteral("xmllint"), {QStringLiteral("--html"), QStringLiteral("--noout"), path});
    if (!process.waitForFinished(60000))
        return false;
    *messages = process.readAllStandardError() + process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 && messages->isEmpty();
}

class SampleListPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin")));
        ASSERT_TRUE(table.LoadSettings());
    }
    QString Main(const char* section, const QString& key) const
    {
        return platform::GetProfileString(MainSettingsPath(), U(section), key);
    }
    QString TemplateFolder() const { return platform::JoinPath(DataFolder(), QStringLiteral("Template")); }
    QString GpsFolder() const
    {
        const QString dir = platform::GetProfileString(LocalSettingsPath(), "Template", "GPSDir");
        return platform::JoinPath(platform::ProgramFolder(), dir) + u'/';
    }

    TempDir dir;
    CGroupTable table;
};

// Each template is kept in Big5 (its bytes are not UTF-8; ICU's windows-950 table reads them
// whole), declares UTF-8 for the page it makes, has its row markers in order and, decoded,
// passes xmllint's HTML parser.
TEST_F(SampleListPagesTest, TemplatesAreBig5DeclaringUtf8AndValidHtml)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty())
        GTEST_SKIP() << "xmllint is not installed; apt-get install libxml2-utils";
    // The list templates; the walk report templates beside them are UTF-8.
    QStringList files = QDir(TemplateFolder()).entryList(QDir::Files, QDir::Name);
    files.removeIf([](const QString& name) { return name.endsWith(QStringLiteral("_template.htm")); });
    ASSERT_EQ(files.size(), 5);
    QString all;
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = ReadBytes(platform::JoinPath(TemplateFolder(), name));
        QStringDecoder utf8(QStringDecoder::Utf8);
        (void)QString(utf8.decode(bytes));
        EXPECT_TRUE(utf8.hasError());
        QStringDecoder big5("windows-950");
        ASSERT_TRUE(big5.isValid());
        const QString text = big5.decode(bytes);
        EXPECT_FALSE(big5.hasError());
        EXPECT_TRUE(text.contains(QStringLiteral("<meta charset=utf-8>")));
        const qsizetype start = text.indexOf(QStringLiteral("<!__RowStart__>"));
        ASSERT_GE(start, 0);
        EXPECT_GT(text.indexOf(QStringLiteral("<!__RowEnd__>")), start);
        all += text;
        QByteArray messages;
        const QString copy = dir.write(QStringLiteral("lint/") + name, text.toUtf8());
        EXPECT_TRUE(HtmlLintClean(copy, &messages)) << messages.toStdString();
    }
    for (const char* placeholder : kHeadPlaceholders)
        EXPECT_TRUE(all.contains(U(placeholder))) << placeholder;
    for (const char* placeholder : kRowPlaceholders)
        EXPECT_TRUE(all.contains(U(placeholder))) << placeholder;
}

// [Template] of the main settings file: the group's templates under its key, each title list's
// template name under the text its tree node shows, and that name's sorted, current and visit
// templates, all files of the Template folder; the visit templates hold the visit pattern in
// their row.
TEST_F(SampleListPagesTest, SettingsNameTheTemplatesOfTheGroupAndTheTitleLists)
{
    const auto exists = [this](const QString& file) {
        return !file.isEmpty() && QFileInfo(platform::JoinPath(TemplateFolder(), file)).isFile();
    };
    EXPECT_TRUE(exists(Main("Template", "Talvane")));
    EXPECT_TRUE(exists(Main("Template", "TalvaneNoSort")));
    const struct {
        const char* node;
        const char* name;
        bool visits;
    } titles[] = {{"百岳 (33)", "百岳", true}, {"五嶽 (5)", "五嶽", true}, {"三尖 (2)", "三尖", true},
                  {"小百岳 (10)", "小百岳", false}};
    for (const auto& t : titles) {
        SCOPED_TRACE(t.node);
        // The tree node's count is the title's row count kept in Cache.txt.
        const QString title = U(t.node).section(u' ', 0, 0);
        EXPECT_EQ(QStringLiteral("%1 (%2)").arg(title).arg(platform::GetProfileInt(CacheFilePath(), "Talvane", title, 0)),
                  U(t.node));
        const QString name = Main("Template", U(t.node));
        EXPECT_EQ(name, U(t.name));
        EXPECT_TRUE(exists(Main("Template", name)));
        EXPECT_TRUE(exists(Main("Template", name + QStringLiteral("NoSort"))));
        const QString visit = Main("Template", name + QStringLiteral("Visit"));
        EXPECT_EQ(exists(visit), t.visits);
        if (!t.visits)
            continue;
        QString text;
        QStringDecoder big5("windows-950");
        text = big5.decode(ReadBytes(platform::JoinPath(TemplateFolder(), visit)));
        const QString row = text.section(QStringLiteral("<!__RowStart__>"), 1).section(QStringLiteral("<!__RowEnd__>"), 0, 0);
        const qsizetype start = row.indexOf(QStringLiteral("<!__VisitStart__>"));
        ASSERT_GE(start, 0);
        const qsizetype end = row.indexOf(QStringLiteral("<!__VisitEnd__>"));
        ASSERT_GT(end, start);
        for (const char* placeholder : kVisitPlaceholders)
            EXPECT_TRUE(row.mid(start, end - start).contains(U(placeholder))) << placeholder;
    }
    EXPECT_EQ(Main("Template", "OnlineGPSDir"), QStringLiteral("../gps/"));
    EXPECT_EQ(Main("Template", "OnlineDir"), QStringLiteral("data\\"));
    EXPECT_FALSE(platform::GetProfileString(LocalSettingsPath(), "Template", "WalkIndexFile").isEmpty());
}

// The walks' GPS folder (Local.txt GPSDir): the files of walks 4, 9, 51 and 53 under their own
// numbers; walk 52 has none of its own, and its page (the folder's name with "gps" replaced by
// "w52", then "index.htm") links to walk 53's file. So every linked walk from 51 on finds a file.
TEST_F(SampleListPagesTest, WalkGpsFilesByNumberOrThroughTheWalksOwnPage)
{
    EXPECT_EQ(GpsFolder(), platform::JoinPath(DataFolder(), QStringLiteral("gps")) + u'/');
    for (const int walk : {4, 9, 51, 53}) {
        QString path;
        EXPECT_TRUE(FindWalkGpsFile(GpsFolder(), &path, walk)) << walk;
        EXPECT_EQ(platform::FileNameOf(path), QStringLiteral("w%1.gdb").arg(walk));
    }
    QString path;
    EXPECT_FALSE(FindWalkGpsFile(GpsFolder(), &path, 52));
    EXPECT_TRUE(QFileInfo::exists(platform::JoinPath(DataFolder(), QStringLiteral("w52/index.htm"))));
    EXPECT_EQ(GetWalkGpsNumber(GpsFolder(), 52), 53);

    WalkIndex index;
    ASSERT_GT(ReadHtmlTableRows(WalkIndexFile(), &index, QString()), 0);
    int later = 0;
    for (int walk = 51; walk <= index.highestWalk; ++walk) {
        if (!index.Holds(walk) || index.links[walk].isEmpty())
            continue;
        ++later;
        const bool direct = FindWalkGpsFile(GpsFolder(), &path, walk);
        const int other = direct ? walk : GetWalkGpsNumber(GpsFolder(), walk);
        EXPECT_TRUE(direct || (other > 0 && FindWalkGpsFile(GpsFolder(), &path, other))) << walk;
    }
    EXPECT_EQ(later, 3);
}

// Each walk's GPS file is what gpsbabel made of its committed GPX source: a track and the
// summits of the walk.
TEST_F(SampleListPagesTest, WalkGpsFilesHoldTheirCommittedSources)
{
    REQUIRE_GPSBABEL();
    for (const int walk : {4, 9, 51, 53}) {
        SCOPED_TRACE(walk);
        GpxContent source, babel;
        const QString name = QStringLiteral("w%1").arg(walk);
        ASSERT_TRUE(ParseGpxText(ReadBytes(platform::JoinPath(platform::ProgramFolder(),
                                                              QStringLiteral("gps-source/gps/") + name + ".gpx")),
                                 &source));
        ASSERT_TRUE(GpsbabelReading(GpsFolder() + name + ".gdb", &babel, QStringLiteral("gdb")));
        ASSERT_EQ(babel.waypoints.size(), source.waypoints.size());
        EXPECT_GE(source.waypoints.size(), 1u);
        for (std::size_t w = 0; w < source.waypoints.size(); ++w) {
            EXPECT_EQ(babel.waypoints[w].name, source.waypoints[w].name);
            EXPECT_NEAR(babel.waypoints[w].position.lat, source.waypoints[w].position.lat, 1e-6);
            EXPECT_NEAR(babel.waypoints[w].position.lon, source.waypoints[w].position.lon, 1e-6);
        }
        ASSERT_EQ(babel.tracks.size(), 1u);
        ASSERT_EQ(source.tracks.size(), 1u);
        EXPECT_EQ(babel.tracks[0].points.size(), source.tracks[0].points.size());
    }
}

// Area sets ([Talvane] Region1...) cover most counties of the region list and leave 宜蘭縣 and
// 新竹縣 in none; 二格山 names two townships of 台北縣 (石碇, 新店) among its member words.
TEST_F(SampleListPagesTest, AreaSetsLeaveCountiesOutAndAPeakNamesTwoTownshipsOfOneCounty)
{
    const QStringList counties = Main("Region", "RegionList").split(u',');
    ASSERT_EQ(counties.size(), 13);
    QStringList inSets;
    int sets = 0;
    for (int i = 1;; ++i) {
        const QString name = Main("Talvane", QStringLiteral("Region%1").arg(i));
        if (name.isEmpty())
            break;
        ++sets;
        inSets += Main("Region", name).split(u',');
    }
    EXPECT_EQ(sets, 4);
    QStringList outside;
    for (const QString& county : counties)
        if (!inSets.contains(county))
            outside << county;
    EXPECT_EQ(outside, QStringList({U("宜蘭縣"), U("新竹縣")}));

    const QString erge = platform::GetProfileString(
        platform::JoinPath(DataFolder(), QStringLiteral("山/二格山.txt")), "Talvane", "Region");
    const QStringList members = Main("Region", U("台北縣")).split(u',');
    QStringList named;
    for (const QString& member : members)
        if (member != U("新北市") && erge.contains(member))
            named << member;
    EXPECT_EQ(named, QStringList({U("石碇"), U("新店")}));
}

} // namespace
