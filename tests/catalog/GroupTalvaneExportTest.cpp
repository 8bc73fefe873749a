// The peak group's waypoint export into "~~TempMT.gdb", read back by gpsbabel, and the
// synchronisation of peak files (UTF-16LE and CP950) with the all-in-one file's waypoints.
#include "PeakGpsTestSupport.h"

#include "catalog/records/RecordText.h"

#include <QDir>

namespace {

using namespace peak_gps_test;

class GroupTalvaneExportTest : public PeakGpsFixture {
protected:
    void SetUp() override
    {
        PeakGpsFixture::SetUp();
        for (int i = 0; i < peaks->ItemCount(); ++i)
            original << ReadBytes(peaks->ItemPath(i));
    }
    QByteArray Bytes(const char* base) const { return ReadBytes(peaks->ItemPath(Peak(base))); }
    QByteArray Original(const char* base) const { return original[Peak(base)]; }
    QString Stored(const char* base, const char* key) const
    {
        return platform::GetProfileString(peaks->ItemPath(Peak(base)), QStringLiteral("Talvane"),
                                          QString::fromUtf8(key));
    }
    bool AllFilesAsBefore() const
    {
        for (int i = 0; i < peaks->ItemCount(); ++i)
            if (ReadBytes(peaks->ItemPath(i)) != original[i])
                return false;
        return true;
    }

    QList<QByteArray> original;
};

TEST_F(GroupTalvaneExportTest, ExportsEachPeakOnceUnderItsNameDescriptionAndHeight)
{
    REQUIRE_GPSBABEL();
    // 玉山前峰 maps to 主峰's waypoint; 東峰 is "Skip"; 南峰 comes through its second-stone row
    // and its base name; a survey-stone row and a peak without waypoint are passed over.
    ASSERT_TRUE(peaks->ExportWaypoints(Rows({Row("a_main"), Row("b_front"), Row("c_east"),
                                             20000 + Row("d_south"), Row("e_long"), 60000,
                                             Row("h_none")})));
    EXPECT_EQ(window.openedGpsFiles, QStringList{root + u"/data/!台灣的山.gdb"_qs});
    EXPECT_EQ(box.ExclamationTexts(), QStringList{u"航點[Yushan]重複使用(玉山前峰,玉山主峰)！"_qs});
    EXPECT_EQ(shell.opened, QStringList{TempFile()});
    // Names cut to 31 bytes and comments to 127 at a character boundary: "XY" and nine
    // characters are 29 bytes (the tenth would make 32); the comment keeps "Z", thirty
    // characters and ")" (125 bytes) and loses the "，" that would make 128.
    const QString stems = QString::fromUtf8("甲乙丙丁戊己庚辛壬癸").repeated(3);
    struct Expected {
        QString name;
        double latitude, longitude, altitude;
        QString comment;
    };
    const std::vector<Expected> expected{
        {u"玉山主峰"_qs, 23.47, 120.9575, 3952, u"玉山主峰(新高山)，3952m，1"_qs},
        {u"玉山南峰"_qs, 23.4567, 120.9594, 3844, u"玉山南峰，3844m，"_qs},
        {u"XY大霸尖山東北峰稜線"_qs, 24.4322, 121.2588, 3000,
         u"XY大霸尖山東北峰稜線岩(Z"_qs + stems + u')'},
    };
    const std::vector<GpxWaypoint> points = Written().waypoints;
    ASSERT_EQ(points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name.toStdString());
        EXPECT_EQ(points[i].name, expected[i].name);
        EXPECT_NEAR(points[i].position.lat, expected[i].latitude, 1e-6);
        EXPECT_NEAR(points[i].position.lon, expected[i].longitude, 1e-6);
        EXPECT_DOUBLE_EQ(points[i].position.ele.value_or(0), expected[i].altitude);
        EXPECT_EQ(points[i].desc, expected[i].comment);
        EXPECT_LE(points[i].desc.toUtf8().size(), 127);
    }
}

// Three peaks on one waypoint: the second is reported against the first, the third against
// each of the two before it; only the first is written.
TEST_F(GroupTalvaneExportTest, AThirdPeakOnAWaypointIsReportedOnceForEachEarlierOne)
{
    REQUIRE_GPSBABEL();
    ASSERT_TRUE(platform::WriteProfileString(root + u"/data/Mapping.txt"_qs, u"GPS"_qs,
                                             u"g_guess"_qs, u"Yushan"_qs));
    ASSERT_TRUE(peaks->ExportWaypoints(Rows({Row("a_main"), Row("b_front"), Row("g_guess")})));
    EXPECT_EQ(box.ExclamationTexts(), (QStringList{u"航點[Yushan]重複使用(玉山前峰,玉山主峰)！"_qs,
                                                   u"航點[Yushan]重複使用(Guess,玉山主峰)！"_qs,
                                                   u"航點[Yushan]重複使用(Guess,玉山前峰)！"_qs}));
    const std::vector<GpxWaypoint> points = Written().waypoints;
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].name, u"玉山主峰"_qs);
}

TEST_F(GroupTalvaneExportTest, NothingSavedOrOpenedWithoutAPairOrWhenTheSaveFails)
{
    EXPECT_FALSE(peaks->ExportWaypoints(Rows({})));
    EXPECT_TRUE(window.openedGpsFiles.isEmpty());
    // Only skipped and unplaced peaks: true, no file.
    EXPECT_TRUE(peaks->ExportWaypoints(Rows({Row("c_east"), Row("h_none")})));
    EXPECT_FALSE(QFile::exists(TempFile()));
    // A folder where the file should go: the save fails and nothing is opened.
    ASSERT_TRUE(QDir().mkpath(TempFile()));
    EXPECT_FALSE(peaks->ExportWaypoints(Rows({Row("a_main")})));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(GroupTalvaneExportTest, SyncWritesNothingUnlessEveryRowIsDecided)
{
    struct Case {
        const char* what;
        std::vector<const char*> peaks;
        quint32 extra;  // a row value added at the end; 0 for none
    };
    for (const Case& c : {Case{"a peak without waypoint", {"a_main", "d_south", "c_east", "h_none"}, 0},
                          Case{"a guess of two", {"a_main", "g_guess"}, 0},
                          Case{"a survey-stone row", {"a_main"}, 60000},
                          Case{"only skipped", {"c_east"}, 0}}) {
        SCOPED_TRACE(c.what);
        Rows({});
        for (const char* base : c.peaks)
            list.rows.append(FakeItemList::Row{{QStringLiteral("row")}, Row(base)});
        if (c.extra)
            list.rows.append(FakeItemList::Row{{QStringLiteral("row")}, c.extra});
        EXPECT_TRUE(peaks->SyncWaypoints(&list));
        EXPECT_TRUE(AllFilesAsBefore());
    }
    EXPECT_FALSE(peaks->SyncWaypoints(Rows({})));
}

TEST_F(GroupTalvaneExportTest, SyncWritesWhatDiffersAndCutsALongNameForTheRecordOnly)
{
    ASSERT_TRUE(peaks->SyncWaypoints(Rows({Row("a_main"), 20000 + Row("d_south"), Row("c_east"),
                                           Row("f_west")})));
    platform::ClearProfileCache();
    // 主峰: name and longitude as they stand; only the missing Attitude is added, after the last
    // line of its section, every other byte as it was.
    EXPECT_EQ(Bytes("a_main"), Original("a_main") + Utf16LeWithBom(u"Attitude=23.470000\r\n"_qs).mid(2));
    EXPECT_EQ(Bytes("c_east"), Original("c_east"));
    struct Written {
        const char* base;
        const char16_t* waypoint;
        const char* longitude;
        const char* latitude;
        const char16_t* recordWaypoint;
    };
    for (const Written& w : {Written{"d_south", u"玉山南峰2", "120.959400", "23.456700", u"玉山南峰2"},
                             Written{"f_west", u"Yushan-West-Peak-Top", "120.931200", "23.471200",
                                     u"Yushan-West-Pea"}}) {
        SCOPED_TRACE(w.base);
        EXPECT_EQ(Stored(w.base, "Waypoint"), QString::fromUtf16(w.waypoint));
        EXPECT_EQ(Stored(w.base, "Longitude"), QString::fromUtf8(w.longitude));
        EXPECT_EQ(Stored(w.base, "Attitude"), QString::fromUtf8(w.latitude));
        const TalvaneItemRecord* r = peaks->Record(Peak(w.base));
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(FieldText(r->Waypoint), QString::fromUtf16(w.recordWaypoint));
        EXPECT_NEAR(r->Longitude, QString::fromUtf8(w.longitude).toDouble(), 1e-6);
        EXPECT_NEAR(r->Attitude, QString::fromUtf8(w.latitude).toDouble(), 1e-6);
    }
    // The CP950 file stays CP950: its new lines are plain ASCII after its own.
    EXPECT_TRUE(Bytes("f_west").startsWith(Original("f_west")));
    EXPECT_FALSE(Bytes("f_west").startsWith("\xFF\xFE"));
}

} // namespace
