// 搜尋山岳 on real peak files: the program folder of tests/data/findpeak (the 玉山 group at its
// coordinates, an isolated peak, a lone peak with neighbours in rings, a peak without position;
// make_fixtures.py there lists the distances), and the locating program folder of
// tests/data/locate for the peak popup (region "A,B,C,D" shown as 甲, B, C; stones 一等, 三等).
// The dialog is driven through its commands without running it, except once through the runner.
#include "../catalog/LocateTestSupport.h"

#include "FakeMessageBox.h"
#include "FakePopupMenu.h"
#include "ScreenshotCheck.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/talvane/GroupTalvane.h"
#include "ui/adapters/QtDialogRunner.h"
#include "ui/dialogs/find/DlgFindTalvane.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Dlg = CDlgFindTalvane;

QStringList Utf8List(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* t : texts)
        list << QString::fromUtf8(t);
    return list;
}

// A peak group loaded from a program folder, and a search dialog over it.
class PeakSearchFixture : public ::testing::Test {
protected:
    void Open(const QString& programFolder)
    {
        DisplayNameConversions::Program().Reset();
        root = dir.copyTree(programFolder, QStringLiteral("program"));
        platform::ClearProfileCache();
        platform::SetProgramFolder(root);
        table.LoadSettings();
        window.OpenThroughFormatManager();
        table.SetServices(WindowServices{.mainWindow = &window, .messageBox = &box,
                                         .keyboard = &keyboard, .dialogs = &dialogs, .shell = &shell});
        peaks = dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
        ASSERT_NE(peaks, nullptr);
        dialog = std::make_unique<Dlg>(peaks, nullptr, &menu);
    }
    void TearDown() override
    {
        dialog.reset();
        DisplayNameConversions::Program().Reset();
    }

    void Type(int edit, const char* text) { dialog->DlgItem<QLineEdit>(edit)->setText(QString::fromUtf8(text)); }
    QString EditText(int edit) const { return dialog->DlgItem<QLineEdit>(edit)->text(); }
    void Search(int edit, int command, const char* text)
    {
        Type(edit, text);
        EXPECT_TRUE(dialog->Commands().Dispatch(command));
    }
    // The names of the listed peaks, in list order.
    QStringList Listed() const
    {
        QStringList names;
        QtItemList& list = dialog->List();
        for (int row = 0; row < list.RowCount(); ++row) {
            const TalvaneItemRecord* peak = peaks->Record(int(list.RowData(row)));
            names << (peak ? FieldText(peak->Name) : QStringLiteral("?"));
        }
        return names;
    }
    QString Count() const { return dialog->DlgItem<QLabel>(Dlg::kCount)->text(); }
    bool Enabled(int id) const { return dialog->GetDlgItem(id)->isEnabled(); }
    // Selects the row of the peak named name, as a click would.
    void Select(const char* name)
    {
        const int row = int(Listed().indexOf(QString::fromUtf8(name)));
        ASSERT_GE(row, 0) << name;
        dialog->List().SelectRow(row, true);
        dialog->OnListItemChanged();
    }
    // The last popup's entries as "id text".
    QStringList PopupOf(const char* name)
    {
        Select(name);
        const qsizetype before = menu.shown.size();
        dialog->Commands().Dispatch(Dlg::kPeakMenu);
        EXPECT_EQ(menu.shown.size(), before + 1);
        return menu.LastEntries();
    }

    TempDir dir;
    QString root;
    FakeMainWindow window;
    FakeMessageBox box;
    FakeKeyboard keyboard;
    FakeDialogRunner dialogs;
    FakeShell shell;
    FakePopupMenu menu;
    CGroupTable table;
    CGroupTalvane* peaks = nullptr;
    std::unique_ptr<Dlg> dialog;
};

const QString kFindPeakProgram = QStringLiteral(TALVANE_TEST_DATA "/findpeak/program");
const QString kLocateProgram = QStringLiteral(TALVANE_TEST_DATA "/locate/program");

class DlgFindTalvaneTest : public PeakSearchFixture {
protected:
    void SetUp() override
    {
        Open(kFindPeakProgram);
        dialog->OnInitDialog();
    }
};

const QStringList kYushan = Utf8List({"玉山主峰", "玉山北峰", "玉山東峰", "玉山南峰", "玉山西峰", "玉山前峰"});

TEST_F(DlgFindTalvaneTest, OpensWithTheAssignColumnsAndTheRowCommandsDisabled)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("搜尋山岳"));
    EXPECT_GT(dialog->List().ColumnCount(), 0);
    for (const int id : {Dlg::kEditData, Dlg::kPeakMenu, Dlg::kSetTrip, Dlg::kSetMap})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(Dlg::kWithinTenLi));
    EXPECT_TRUE(Enabled(Dlg::kNearbyPeaks));
    EXPECT_EQ(dialog->DlgItem<QAbstractButton>(Dlg::kSetTrip)->text(), QStringLiteral("設定行程(0)"));
    EXPECT_EQ(dialog->DlgItem<QAbstractButton>(Dlg::kSetMap)->text(), QStringLiteral("設定地圖(0-000)"));
}

TEST_F(DlgFindTalvaneTest, NameSearch)
{
    // Separators "，、 ,()（）", name pair 台/臺.
    const struct {
        const char* text;
        QStringList listed;
    } cases[] = {
        {"山", {}},
        {"峰", {}},
        {"山，峰", {}},
        {"玉山 峰", kYushan},
        {"玉山(主峰)", kYushan},
        {"新高山", Utf8List({"玉山主峰"})},        // the second name
        {"台灣", Utf8List({"八通關山"})},          // 臺灣八通關 through the pair
        {"北峰、鹿林", Utf8List({"玉山北峰", "鹿林山"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Search(Dlg::kNameEdit, Dlg::kSearchName, c.text);
        EXPECT_EQ(Listed(), c.listed);
        EXPECT_EQ(Count(), QString::number(c.listed.size()));
    }
}

TEST_F(DlgFindTalvaneTest, InitialTextIsSearchedAtOnce)
{
    Dlg second(peaks, nullptr, &menu);
    second.initialText = QStringLiteral("新高山");
    second.OnInitDialog();
    EXPECT_EQ(second.DlgItem<QLineEdit>(Dlg::kNameEdit)->text(), QStringLiteral("新高山"));
    EXPECT_EQ(second.List().RowCount(), 1);
}

TEST_F(DlgFindTalvaneTest, StoneAndRegionSearches)
{
    // The stone text is matched whole, its space included.
    Search(Dlg::kStoneEdit, Dlg::kSearchStone, "三等 6511");
    EXPECT_EQ(Listed(), Utf8List({"玉山北峰"}));
    Search(Dlg::kStoneEdit, Dlg::kSearchStone, "6511");
    EXPECT_EQ(Listed(), Utf8List({"玉山北峰", "北北角"}));  // Stone and StoneAlias3
    EXPECT_EQ(Count(), QStringLiteral("2"));
    // Region terms in order, each peak once.
    Search(Dlg::kRegionEdit, Dlg::kSearchRegion, "台東縣 宜蘭縣");
    EXPECT_EQ(Listed().mid(0, 4), Utf8List({"紅頭山", "大森山", "青蛇山", "孤峰"}));
    EXPECT_EQ(Count(), QStringLiteral("11"));
}

TEST_F(DlgFindTalvaneTest, SelectingARowFillsTheEditsOnlyAfterANameSearch)
{
    Search(Dlg::kStoneEdit, Dlg::kSearchStone, "6511");
    Select("玉山北峰");
    EXPECT_EQ(EditText(Dlg::kStoneEdit), QStringLiteral("6511"));
    EXPECT_TRUE(EditText(Dlg::kRegionEdit).isEmpty());
    for (const int id : {Dlg::kPeakMenu, Dlg::kWithinTenLi, Dlg::kNearbyPeaks})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(Dlg::kSetTrip));  // no walk given
    EXPECT_FALSE(Enabled(Dlg::kEditData));

    Search(Dlg::kNameEdit, Dlg::kSearchName, "玉山北峰");
    EXPECT_FALSE(Enabled(Dlg::kPeakMenu));
    Select("玉山北峰");
    EXPECT_EQ(EditText(Dlg::kRegionEdit), QStringLiteral("南投縣,嘉義縣"));
    EXPECT_EQ(EditText(Dlg::kStoneEdit), QStringLiteral("三等 6511"));
    EXPECT_FALSE(dialog->DlgItem<QLineEdit>(Dlg::kSummary)->text().isEmpty());
}

TEST_F(DlgFindTalvaneTest, WithinTenLi)
{
    Search(Dlg::kRegionEdit, Dlg::kSearchRegion, "南投縣");
    ASSERT_EQ(Listed().size(), 14);
    // Without a selected row and without a filter there is no reference peak.
    dialog->Commands().Dispatch(Dlg::kWithinTenLi);
    EXPECT_EQ(Listed().size(), 14);
    // A peak without position as the reference does nothing.
    Select("無座標山");
    dialog->Commands().Dispatch(Dlg::kWithinTenLi);
    EXPECT_EQ(Listed().size(), 14);
    EXPECT_EQ(Count(), QStringLiteral("14"));

    dialog->List().SelectRow(13, false);
    Select("玉山主峰");
    dialog->Commands().Dispatch(Dlg::kWithinTenLi);
    // 十里山 lies 0.1 degree north (10), 十里外山 at 10.01; the peak without position goes.
    EXPECT_EQ(Listed(), kYushan + Utf8List({"北北角", "鹿林山", "麟趾山", "小南山", "八通關山", "十里山"}));
    EXPECT_EQ(Count(), QStringLiteral("12"));
}

TEST_F(DlgFindTalvaneTest, TheFilteredPeakIsTheReferenceAndIsMarked)
{
    dialog->walkNumber = 77;  // held by 紅頭山 only
    Search(Dlg::kRegionEdit, Dlg::kSearchRegion, "縣");
    ASSERT_EQ(Listed().size(), 25);
    QtItemList& list = dialog->List();
    for (int row = 0; row < list.RowCount(); ++row)
        EXPECT_EQ(list.CellText(row, CGroupTalvane::ListColumn::kClimbed).isEmpty(),
                  Listed()[row] != QStringLiteral("紅頭山")) << row;
    // The selected 玉山主峰 (its visit is 12) gives way to the first peak holding walk 77.
    Select("玉山主峰");
    EXPECT_TRUE(Enabled(Dlg::kSetTrip));
    dialog->Commands().Dispatch(Dlg::kWithinTenLi);
    EXPECT_EQ(Listed(), Utf8List({"紅頭山", "大森山"}));
}

TEST_F(DlgFindTalvaneTest, NearbyPeaks)
{
    const struct {
        const char* reference;
        QStringList listed;
    } cases[] = {
        // Eight within 3, the nearest first.
        {"玉山主峰", Utf8List({"玉山主峰", "玉山東峰", "小南山", "玉山西峰", "玉山南峰", "玉山北峰",
                               "北北角", "八通關山"})},
        // 2 within 3, 4 within 6, 7 within 12: the radius doubles twice; 孤峰鄰7 at 15 stays out.
        {"孤峰", Utf8List({"孤峰", "孤峰鄰1", "孤峰鄰2", "孤峰鄰3", "孤峰鄰4", "孤峰鄰5", "孤峰鄰6"})},
        // Only 3 peaks even within 48.
        {"紅頭山", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reference);
        Search(Dlg::kNameEdit, Dlg::kSearchName, c.reference);
        Select(c.reference);
        dialog->Commands().Dispatch(Dlg::kNearbyPeaks);
        EXPECT_EQ(Listed(), c.listed);
        EXPECT_EQ(Count(), QString::number(c.listed.size()));
    }
    // A peak without position lists nothing new.
    Search(Dlg::kNameEdit, Dlg::kSearchName, "無座標山");
    Select("無座標山");
    dialog->Commands().Dispatch(Dlg::kNearbyPeaks);
    EXPECT_EQ(Listed(), Utf8List({"無座標山"}));
}

TEST_F(DlgFindTalvaneTest, AmpersandsInThePopupStayLiteral)
{
    Search(Dlg::kNameEdit, Dlg::kSearchName, "無座標山");
    const QStringList entries = PopupOf("無座標山");
    ASSERT_TRUE(entries.contains(QStringLiteral("1049 跳至地區(X&Y)...")));
    // The Qt menu shows the text as written: no mnemonic is made of the "&".
    QMenu qtMenu;
    QtPopupMenu::FillMenu(&qtMenu, menu.shown.last().entries);
    const QAction* region = qtMenu.actions().at(5);
    EXPECT_EQ(region->iconText(), QStringLiteral("跳至地區(X&Y)"));
}

TEST_F(DlgFindTalvaneTest, Screenshot)
{
    Search(Dlg::kNameEdit, Dlg::kSearchName, "玉山 峰");
    Select("玉山東峰");
    dialog->show();
    QApplication::processEvents();
    SaveAndCheckScreenshot(*dialog, QStringLiteral("talvane-find-peak-dialog.png"));
}

// The popup on the locating program folder, whose peaks have waypoints.
class DlgFindTalvaneMenuTest : public PeakSearchFixture {
protected:
    void SetUp() override { Open(kLocateProgram); }
    void Init(int walk = 0, int atlas = 0)
    {
        dialog->walkNumber = walk;
        dialog->atlasCode = atlas;
        dialog->OnInitDialog();
        Search(Dlg::kNameEdit, Dlg::kSearchName, "四區山");
        ASSERT_EQ(Listed(), Utf8List({"四區山"}));
    }
};

const QStringList kLocateEntries = {
    QStringLiteral("1013 地圖定位..."), QStringLiteral("1046 地圖定位(5K)..."),
    QStringLiteral("1047 地圖定位(10K)..."), QStringLiteral("1065 Google地圖定位...")};

TEST_F(DlgFindTalvaneMenuTest, EntriesOfThePeak)
{
    Init();
    const QStringList expected = kLocateEntries + QStringList{
        QStringLiteral("1048 跳至地區(甲)..."), QStringLiteral("1049 跳至地區(B)..."),
        QStringLiteral("1050 跳至地區(C)..."), QStringLiteral("1056 跳至基石(一等)..."),
        QStringLiteral("1060 跳至基石(三等)...")};
    EXPECT_EQ(PopupOf("四區山"), expected);
    Search(Dlg::kNameEdit, Dlg::kSearchName, "關山");
    EXPECT_EQ(PopupOf("關山"), kLocateEntries);
}

TEST_F(DlgFindTalvaneMenuTest, NoJumpsWhileAssigning)
{
    for (const auto& [walk, atlas] : {std::pair{5, 0}, std::pair{0, 3001}}) {
        SCOPED_TRACE(walk);
        dialog = std::make_unique<Dlg>(peaks, nullptr, &menu);
        Init(walk, atlas);
        EXPECT_EQ(PopupOf("四區山"), kLocateEntries);
    }
}

TEST_F(DlgFindTalvaneMenuTest, JumpsCloseTheDialog)
{
    const struct {
        int choice;
        QString region, stone;
    } cases[] = {
        {1048, QStringLiteral("A"), {}},  // the code as split, not its display name
        {1050, QStringLiteral("C"), {}},
        {1060, {}, QStringLiteral("三等")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        dialog = std::make_unique<Dlg>(peaks, nullptr, &menu);
        Init();
        menu.choice = c.choice;
        PopupOf("四區山");
        EXPECT_EQ(dialog->resultRegion, c.region);
        EXPECT_EQ(dialog->resultStone, c.stone);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }
    EXPECT_TRUE(window.selectedSubsets.isEmpty());  // the opener jumps, not the dialog
}

TEST_F(DlgFindTalvaneMenuTest, LocateEntriesReachTheGroup)
{
    Init();
    menu.choice = 1065;  // waypoint Online, 121.5 E 25 N
    PopupOf("四區山");
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("https://www.openstreetmap.org/"
                                                       "?mlat=25.000000&mlon=121.500000"
                                                       "#map=15/25.000000/121.500000")});
    EXPECT_TRUE(dialog->resultRegion.isEmpty());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
}

TEST_F(DlgFindTalvaneMenuTest, JumpThroughTheRunnerReachesTheMainWindow)
{
    QtDialogRunner runner(nullptr);
    table.SetServices(WindowServices{.mainWindow = &window, .messageBox = &box,
                                     .keyboard = &keyboard, .dialogs = &runner, .shell = &shell});
    bool picked = false;
    QTimer::singleShot(50, [&] {
        auto* open = qobject_cast<Dlg*>(QApplication::activeModalWidget());
        if (!open)
            return;
        open->List().SelectRow(0, true);
        open->OnListItemChanged();
        picked = open->Commands().Dispatch(RowMenuCommand::kFirstRegion + 1);
    });
    QString text = QStringLiteral("四區山");
    EXPECT_TRUE(peaks->RunFindDialog(&window, nullptr, &text, 0, 0));
    EXPECT_TRUE(picked);
    EXPECT_EQ(window.selectedSubsets, QStringList{QStringLiteral("B")});
    EXPECT_TRUE(window.stoneJumps.isEmpty());
}

} // namespace
