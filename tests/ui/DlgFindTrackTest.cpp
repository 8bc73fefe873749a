// 搜尋航跡 over the old-trail group of a fixture program folder, the tracks from a GDB file
// written by gpsbabel, Mapping.txt in Big5: the list, 確認 changing one line, and 地圖定位...
// writing the track with the waypoint that names it and its related track, read back by
// gpsbabel.
#include "PickerTestSupport.h"
#include "ScreenshotCheck.h"
#include "catalog/trail/GroupTrail.h"
#include "ui/dialogs/pickers/DlgFindTrack.h"

#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;
using namespace find_test;
using namespace picker_test;

namespace {

using Dlg = CDlgFindTrack;

class DlgFindTrackTest : public PickerFixture {
protected:
    void SetUp() override
    {
        PickerFixture::SetUp();
        trails = dynamic_cast<CGroupTrail*>(table.GetGroup(1, nullptr));
        ASSERT_NE(trails, nullptr);
        ASSERT_EQ(trails->ItemCount(), 2);
        ASSERT_NE(trails->LoadWaypointFile(false), nullptr);
        ASSERT_EQ(trails->GetTrackSet()->trackCount, 4);
    }

    void Start(Dlg* dialog, const QString& base)
    {
        dialog->group = trails;
        dialog->item = Item(trails, base);
        dialog->mappingPath = MappingFile();
        dialog->trackSet = trails->GetTrackSet();
        dialog->OnInitDialog();
    }
    void Choose(Dlg* dialog, const QString& name)
    {
        ASSERT_TRUE(ClickRow(*dialog, Dlg::kList, RowOf(*dialog, Dlg::kList, name)));
    }
    QString TempFile() const { return Data(u"~~TempOT.gdb"_s); }

    CGroupTrail* trails = nullptr;
};

TEST_F(DlgFindTrackTest, ListsTheFreeTracksOfBothNames)
{
    Dlg dialog;
    Start(&dialog, u"zhuilu"_s);
    EXPECT_EQ(dialog.windowTitle(), u"搜尋航跡"_s);
    EXPECT_EQ(Text(dialog, Dlg::kSearchEdit), u"錐麓古道 斷崖古道"_s);
    EXPECT_EQ(RowTexts(dialog, Dlg::kList),
              QStringList({u"錐麓古道1"_s, u"錐麓古道2"_s, u"錐麓古道1支線"_s}));
    QTreeWidget* list = ListOf(dialog, Dlg::kList);
    ASSERT_EQ(list->columnCount(), 2);
    EXPECT_EQ(list->headerItem()->text(0), u"航跡名"_s);
    EXPECT_EQ(list->headerItem()->text(1), u"航跡點數"_s);
    EXPECT_EQ(list->columnWidth(0), 160);
    EXPECT_EQ(list->columnWidth(1), 80);
    EXPECT_EQ(list->topLevelItem(0)->text(1), u"3"_s);
    EXPECT_EQ(list->topLevelItem(1)->text(1), u"2"_s);
    EXPECT_FALSE(Enabled(dialog, Dlg::kConfirm));
    EXPECT_FALSE(Enabled(dialog, Dlg::kLocate));

    // 合歡古道 is the trail 合歡古道's own track; the peak summit rule is the waypoints' only.
    SetText(dialog, Dlg::kSearchEdit, u"古道，合歡"_s);
    dialog.Commands().Dispatch(Dlg::kSearch);
    EXPECT_EQ(RowTexts(dialog, Dlg::kList),
              QStringList({u"錐麓古道1"_s, u"錐麓古道2"_s, u"錐麓古道1支線"_s}));
}

// The summary names the trail (with its second name), its length in metres or 長度未知, and
// its region, which neither fixture trail gives.
TEST_F(DlgFindTrackTest, TheSummaryDescribesTheTrail)
{
    const struct {
        QString base;
        QString summary;
    } cases[] = {
        {u"zhuilu"_s, u"錐麓古道(斷崖古道), 長度10300m []"_s},
        {u"hehuan"_s, u"合歡古道, 長度未知 []"_s},
    };
    for (const auto& c : cases) {
        Dlg dialog;
        Start(&dialog, c.base);
        EXPECT_EQ(Text(dialog, Dlg::kSummary), c.summary) << c.base.toStdString();
    }
}

TEST_F(DlgFindTrackTest, ConfirmChangesOneLineOfABig5MappingFile)
{
    const QByteArray before = Bytes(MappingFile());
    Dlg dialog;
    Start(&dialog, u"zhuilu"_s);
    Choose(&dialog, u"錐麓古道1"_s);
    ASSERT_TRUE(dialog.Commands().Dispatch(Dlg::kConfirm));
    EXPECT_EQ(dialog.result, 0);
    EXPECT_EQ(dialog.QDialog::result(), QDialog::Accepted);
    QList<QByteArray> expected = Lines(before);
    ASSERT_EQ(expected[4], QByteArray::fromHex("7a6875696c753dc040c453a56ab94432") + '\r');
    expected[4] = QByteArray::fromHex("7a6875696c753dc040c453a56ab94431") + '\r';
    EXPECT_EQ(Lines(Bytes(MappingFile())), expected);
}

TEST_F(DlgFindTrackTest, LocateWritesTheTrackWithItsWaypointAndRelatedTrack)
{
    REQUIRE_GPSBABEL();
    Dlg dialog;
    Start(&dialog, u"zhuilu"_s);
    Choose(&dialog, u"錐麓古道1"_s);
    ASSERT_TRUE(dialog.Commands().Dispatch(Dlg::kLocate));
    EXPECT_EQ(shell.opened, QStringList{TempFile()});
    EXPECT_EQ(dialog.result, -1);
    platform::ClearProfileCache();
    EXPECT_EQ(platform::GetProfileString(MappingFile(), u"GPS"_s, u"zhuilu"_s), u"錐麓古道1"_s);

    GpxContent shown, source;
    ASSERT_TRUE(GpsbabelReading(TempFile(), &shown, u"gdb"_s));
    ASSERT_TRUE(GpsbabelReading(Fixture(u"tracks.gpx"_s), &source));
    ASSERT_EQ(shown.waypoints.size(), 1u);
    EXPECT_EQ(shown.waypoints[0].name, u"斷崖"_s);
    EXPECT_NEAR(shown.waypoints[0].position.lat, 24.17, 1e-5);
    EXPECT_NEAR(shown.waypoints[0].position.lon, 121.56, 1e-5);
    ASSERT_EQ(shown.tracks.size(), 2u);
    for (std::size_t t = 0; t < shown.tracks.size(); ++t) {
        const GpxTrack& track = shown.tracks[t];
        const QString expectedName = t == 0 ? u"錐麓古道1"_s : u"錐麓古道1支線"_s;
        EXPECT_EQ(track.name, expectedName);
        const GpxTrack* original = nullptr;
        for (const GpxTrack& s : source.tracks) {
            if (s.name == expectedName)
                original = &s;
        }
        ASSERT_NE(original, nullptr);
        ASSERT_EQ(track.points.size(), original->points.size());
        for (std::size_t i = 0; i < track.points.size(); ++i) {
            EXPECT_NEAR(track.points[i].lat, original->points[i].lat, 1e-5);
            EXPECT_NEAR(track.points[i].lon, original->points[i].lon, 1e-5);
            EXPECT_EQ(track.points[i].ele.has_value(), original->points[i].ele.has_value());
            if (track.points[i].ele && original->points[i].ele) {
                EXPECT_NEAR(*track.points[i].ele, *original->points[i].ele, 1e-3);
            }
        }
    }
}

TEST_F(DlgFindTrackTest, ATrackNoLongerNamedByItsRowDoesNothing)
{
    const QByteArray before = Bytes(MappingFile());
    Dlg dialog;
    Start(&dialog, u"zhuilu"_s);
    Choose(&dialog, u"錐麓古道2"_s);
    // The set is emptied behind the dialog (the file went away and was reloaded).
    ASSERT_TRUE(QFile::remove(Data(u"!台灣的古道2.gdb"_s)));
    trails->LoadWaypointFile(false);
    dialog.Commands().Dispatch(Dlg::kConfirm);
    dialog.Commands().Dispatch(Dlg::kLocate);
    EXPECT_EQ(dialog.result, -1);
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_FALSE(QFile::exists(TempFile()));
    EXPECT_EQ(Bytes(MappingFile()), before);
}

TEST_F(DlgFindTrackTest, Screenshot)
{
    Dlg dialog;
    Start(&dialog, u"zhuilu"_s);
    dialog.show();
    ASSERT_TRUE(ClickRow(dialog, Dlg::kList, 0));
    SaveAndCheckScreenshot(dialog, u"talvane-find-track-dialog.png"_s);
}

} // namespace
