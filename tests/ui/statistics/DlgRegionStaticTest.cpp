// 地區統計 over the program folder of tests/data/regionstats (settings and peaks in UTF-16LE and
// CP950): the columns with one per companion, every row worked out by hand from the peaks, the
// command 1062 of the main dialog for the peak group alone, and a picture of the dialog.
#include "ui/dialogs/statistics/DlgRegionStatic.h"

#include "../DialogTestGroups.h"
#include "FakePopupMenu.h"
#include "ScreenshotCheck.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/framework/UserProfile.h"
#include "ui/maindlg/MainDialogs.h"
#include "ui/maindlg/TalvaneDlg.h"

#include <QApplication>
#include <QHeaderView>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);
constexpr int kColumns = 20;

struct StatisticsFixture : ::testing::Test {
    StatisticsFixture()
    {
        QSettings().remove(kSection);
        root = temp.copyTree(QStringLiteral(TALVANE_TEST_DATA "/regionstats/program"), QStringLiteral("program"));
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
    }
    ~StatisticsFixture() override
    {
        DisplayNameConversions::Program().Reset();
        QSettings().remove(kSection);
    }

    CGroupTalvane* LoadPeaks()
    {
        EXPECT_TRUE(table.LoadSettings());
        return dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
    }

    TempDir temp;
    QString root;
    CGroupTable table;
};

QTreeWidget* ListOf(const CDlgRegionStatic& dialog)
{
    return dialog.DlgItem<QTreeWidget>(CDlgRegionStatic::kList);
}

// Columns 0 to 5 and the last, joined by "|"; the companions between must read "0" in a row
// with counts and stay empty otherwise ("------" in a separator row).
QStringList RowsOf(QTreeWidget* list)
{
    QStringList rows;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = list->topLevelItem(r);
        QStringList cells;
        for (int c = 0; c <= 5; ++c)
            cells << item->text(c);
        cells << item->text(kColumns - 1);
        const QString middle = item->text(0) == QStringLiteral("------") ? QStringLiteral("------")
                               : item->text(2).isEmpty()                   ? QString()
                                                                           : QStringLiteral("0");
        for (int c = 6; c < kColumns - 1; ++c)
            EXPECT_EQ(item->text(c), middle) << r << ' ' << c;
        rows << cells.join(u'|');
    }
    return rows;
}

// 七星山 台北市北投區 climbed; 紗帽山 台北市; 拉拉山 新北市烏來區,三峽區 climbed with 阿明; 加里山
// 苗栗縣泰安鄉 climbed; 合歡山 南投縣仁愛鄉 with 小華; 玉山 and 郡大山 南投縣信義鄉 climbed; 清水山
// 花蓮縣秀林鄉 climbed; 無名山 without region, climbed.
const QStringList kExpectedRows = {
    "全台灣||8|6|75%|1|1",
    "全台區||7|6|86%|2|1",
    "------|------|------|------|------|------|------",
    "北部||3|2|67%|1|0",
    "中部||4|3|75%|0|1",
    "東部||||||",
    "------|------|------|------|------|------|------",
    "台北市||2|1|50%|0|0",
    "台北市|北投區|1|1|100%|0|0",
    "台北市|士林|||||",
    "------|------|------|------|------|------|------",
    "新北市||1|1|100%|1|0",
    "新北市|烏來|1|1|100%|1|0",
    "新北市|三峽|1|1|100%|1|0",
    "------|------|------|------|------|------|------",
    "苗栗縣||1|1|100%|0|0",
    "苗栗縣|泰安|1|1|100%|0|0",
    "------|------|------|------|------|------|------",
    "南投縣||3|2|67%|0|1",
    "南投縣|仁愛|1|0|0%|0|1",
    "南投縣|信義|2|2|100%|0|0",
    "------|------|------|------|------|------|------",
    "花蓮縣||1|1|100%|0|0",
    "花蓮縣|秀林|1|1|100%|0|0",
};

TEST_F(StatisticsFixture, ColumnsNameTheAreasAndEachCompanionByShortTitle)
{
    CGroupTalvane* peaks = LoadPeaks();
    ASSERT_TRUE(peaks);
    ASSERT_EQ(peaks->MateCount(), 15);
    CDlgRegionStatic dialog(peaks);
    ASSERT_TRUE(dialog.IsCreated());
    EXPECT_EQ(dialog.windowTitle(), "地區統計");
    dialog.OnInitDialog();
    QTreeWidget* list = ListOf(dialog);
    ASSERT_TRUE(list);
    QStringList expected = {"縣市", "地區", "山岳", "已爬", "已爬%", "明"};
    for (int k = 2; k <= 14; ++k)
        expected << QString::asprintf("山友%02d", k);
    expected << "小華";
    ASSERT_EQ(list->columnCount(), kColumns);
    for (int c = 0; c < kColumns; ++c) {
        EXPECT_EQ(list->headerItem()->text(c), expected[c]) << c;
        EXPECT_EQ(list->header()->sectionSize(c), c < 5 ? 60 : 80) << c;
    }
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(StatisticsFixture, RowsShowEveryAreaWithItsPeaksClimbedShareAndCompanions)
{
    CGroupTalvane* peaks = LoadPeaks();
    ASSERT_TRUE(peaks);
    CDlgRegionStatic dialog(peaks);
    dialog.OnInitDialog();
    EXPECT_EQ(RowsOf(ListOf(dialog)), kExpectedRows);
}

TEST_F(StatisticsFixture, WithoutRegionsOnlyTheTotalsAndASeparatorStand)
{
    const QString settings = root + QStringLiteral("/峰嵐錄.txt");
    ASSERT_TRUE(platform::WriteProfileString(settings, QStringLiteral("Region"), QStringLiteral("RegionList"), QString()));
    ASSERT_TRUE(platform::WriteProfileString(settings, QStringLiteral("Talvane"), QStringLiteral("Region1"), QString()));
    CGroupTalvane* peaks = LoadPeaks();
    ASSERT_TRUE(peaks);
    CDlgRegionStatic dialog(peaks);
    dialog.OnInitDialog();
    EXPECT_EQ(RowsOf(ListOf(dialog)),
              QStringList({"全台灣||||||", "全台區||||||", "------|------|------|------|------|------|------"}));
}

// Records the dialogs 1062 would open.
struct RecordingDialogs : IMainDialogs {
    void CompareList(QWidget*, CGroupBase*, CSubsetBase*) override {}
    void CompareWalks(QWidget*, CGroupBase*) override {}
    void CompareGuide(QWidget*, CGroupBase*, int) override {}
    void CompareHiking(QWidget*, CGroupBase*, int) override {}
    void RegionStatistics(QWidget* parent, CGroupBase* group) override { opened.append({parent, group}); }
    bool AddPlant(QWidget*, AddPlantInput*) override { return false; }
    bool FindPlant(QWidget*, CGroupBase*, const QString&, QString*, QString*) override { return false; }
    QList<std::pair<QWidget*, CGroupBase*>> opened;
};

struct StatisticsCommandFixture : StatisticsFixture {
    ~StatisticsCommandFixture() override { dialog.reset(); }
    // The main dialog after its first selection, of the saved group entry.
    void Open(int entry, IMainDialogs* dialogs)
    {
        dialog.reset();
        QSettings().remove(kSection);
        UserProfile::WriteInt(kSection, QLatin1String(CTalvaneDlg::kSelGroupKey), entry);
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->GroupTable().SetGroupClasses(
            ProgramGroupClasses() << DialogTestClass("Stone", "基石", {kFeatureSearch}, {}));
        dialog->SetDialogs(dialogs);
        dialog->SetPopupMenu(&menu);
        QCoreApplication::processEvents();
    }
    bool Dispatch(int id) { return dialog->Commands().Dispatch(id); }
    void ExpectKeptDisabled() const
    {
        for (int id : {1011, 1022, 1035, 1062, 1078, 1009})
            EXPECT_FALSE(dialog->GetDlgItem(id)->isEnabled()) << id;
        EXPECT_TRUE(dialog->GetDlgItem(1040)->isHidden());
    }

    FakePopupMenu menu;
    std::unique_ptr<CTalvaneDlg> dialog;
};

TEST_F(StatisticsCommandFixture, TheCommandOpensTheStatisticsForThePeakGroupAlone)
{
    RecordingDialogs dialogs;
    Open(0, &dialogs);
    auto* peaks = dynamic_cast<CGroupTalvane*>(dialog->CurrentGroup());
    ASSERT_TRUE(peaks);
    Dispatch(CTalvaneDlg::kRegionStats);
    ASSERT_EQ(dialogs.opened.size(), 1);
    EXPECT_EQ(dialogs.opened[0].first, dialog.get());
    EXPECT_EQ(dialogs.opened[0].second, peaks);
    ExpectKeptDisabled();

    dialogs.opened.clear();
    Open(1, &dialogs);
    ASSERT_TRUE(dialog->CurrentGroup());
    ASSERT_FALSE(dynamic_cast<CGroupTalvane*>(dialog->CurrentGroup()));
    Dispatch(CTalvaneDlg::kRegionStats);
    EXPECT_TRUE(dialogs.opened.isEmpty());
    ExpectKeptDisabled();
}

TEST_F(StatisticsCommandFixture, TheProgramsDialogsRunTheStatisticsModallyOverTheMainDialog)
{
    CMainDialogs dialogs;
    Open(0, &dialogs);
    QStringList seen;
    QWidget* parent = nullptr;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        CDlgRegionStatic* shown = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* statistics = qobject_cast<CDlgRegionStatic*>(widget); statistics && statistics->isVisible())
                shown = statistics;
        if (!shown)
            return;
        parent = shown->parentWidget();
        seen = RowsOf(ListOf(*shown));
        shown->reject();
    });
    closer.start(0);
    Dispatch(CTalvaneDlg::kRegionStats);
    EXPECT_EQ(parent, dialog.get());
    EXPECT_EQ(seen, kExpectedRows);
    ExpectKeptDisabled();
}

TEST_F(StatisticsFixture, Screenshot)
{
    CGroupTalvane* peaks = LoadPeaks();
    ASSERT_TRUE(peaks);
    CDlgRegionStatic dialog(peaks);
    dialog.OnInitDialog();
    dialog.show();
    QCoreApplication::processEvents();
    SaveAndCheckScreenshot(dialog, QStringLiteral("talvane-region-statistics-dialog.png"));
}

} // namespace
