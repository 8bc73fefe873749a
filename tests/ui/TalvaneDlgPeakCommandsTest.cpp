// The main dialog's commands on the real peak group, on the program folder written by
// tests/data/maindlg/commands/make_fixtures.py: the companions' menu, the row menu, the region
// jumps of a second stone's row and the stone jumps to a survey-stone group (a test group with
// stone subsets); and a picture of the dialog with the row menu open on the bundled sample.
#include "DialogTestGroups.h"
#include "FakePopupMenu.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/maindlg/IMainDialogs.h"
#include "ui/maindlg/TalvaneDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);

struct CompanionDialogs : IMainDialogs {
    void CompareList(QWidget*, CGroupBase*, CSubsetBase*) override {}
    void CompareWalks(QWidget*, CGroupBase*) override {}
    void CompareGuide(QWidget*, CGroupBase*, int) override {}
    void CompareHiking(QWidget*, CGroupBase*, int companion) override { companions << companion; }
    void RegionStatistics(QWidget*, CGroupBase*) override {}
    bool AddPlant(QWidget*, AddPlantInput*) override { return false; }
    bool FindPlant(QWidget*, CGroupBase*, const QString&, QString*, QString*) override { return false; }
    QList<int> companions;
};

// The survey-stone group: a test group with one stone subset per level word of the settings.
GroupClassEntry StoneClass()
{
    QList<TestSubsetDef> stones;
    for (const char* word : {"一等三角點", "一等", "二等三角點", "二等", "三等三角點", "三等"})
        stones.append({1, 0, QString::fromUtf8(word), {0}, false});
    return DialogTestClass("Stone", "基石", {kFeatureSearch, kFeatureRowMenu}, stones);
}

struct PeakCommandFixture : ::testing::Test {
    PeakCommandFixture()
    {
        QSettings().remove(kSection);
        root = temp.copyTree(QStringLiteral(TALVANE_TEST_DATA "/maindlg/commands"), QStringLiteral("program"));
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        // Region names are shown as this folder's settings convert them (none), not as a
        // program folder of an earlier test did.
        DisplayNameConversions::Program().Reset();
    }
    ~PeakCommandFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
        DisplayNameConversions::Program().Reset();
    }

    void Open()
    {
        dialog.reset();
        QSettings().remove(kSection);
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->GroupTable().SetGroupClasses(ProgramGroupClasses() << StoneClass());
        dialog->SetDialogs(&dialogs);
        dialog->SetPopupMenu(&menu);
        QCoreApplication::processEvents();
        peaks = dynamic_cast<CGroupTalvane*>(dialog->CurrentGroup());
        ASSERT_TRUE(peaks);
    }

    int Peak(const char* name) const
    {
        for (int item = 0; item < peaks->ItemCount(); ++item)
            if (FieldText(peaks->Record(item)->Name) == QString::fromUtf8(name))
                return item;
        return -1;
    }
    // Shows a row of the given value at the end of the list and selects it, as a click would.
    void SelectNewRow(int item, const CGroupTalvane::RowOptions& options)
    {
        IItemList& list = dialog->ItemList();
        ASSERT_TRUE(peaks->InsertItemRowAt(&list, list.RowCount(), item, options));
        dialog->ItemList().SelectRow(list.RowCount() - 1, true);
        dialog->OnLvnItemchangedItemList();
    }
    void SelectPeakRow(const char* name) { SelectNewRow(Peak(name), {}); }
    QStringList ShownEntries() const { return menu.LastEntries(); }
    bool Dispatch(int id) { return dialog->Commands().Dispatch(id); }
    QString SelectedNode() const
    {
        auto* tree = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree);
        return tree->currentItem() ? tree->currentItem()->text(0) : QString();
    }

    TempDir temp;
    QString root;
    CompanionDialogs dialogs;
    FakePopupMenu menu;
    std::unique_ptr<CTalvaneDlg> dialog;
    CGroupTalvane* peaks = nullptr;
};

} // namespace

TEST_F(PeakCommandFixture, TheCompanionsMenuOffersEachTitleWithTheDayItsItineraryWasLastOpened)
{
    Open();
    ASSERT_EQ(peaks->MateCount(), 15);
    Dispatch(CTalvaneDlg::kMateItinerary);
    QStringList expected;
    for (int k = 1; k <= 15; ++k)
        expected << QString::number(1899 + k) + ' ' + QString::asprintf("山友%02d...", k);
    expected[0] += "[2024/01/02]";
    expected[1] = "1901 小華&阿花...[113/5/6]";  // the title as it stands: the menu shows "&"
    expected[4] = "1904 R&D 登山隊...";
    expected[14] = "1914 &最後...";
    EXPECT_EQ(ShownEntries(), expected);
    EXPECT_EQ(menu.shown.last().delivery, MenuDelivery::ToOwner);

    for (int id : {1914, 1900, 1901})
        Dispatch(id);
    EXPECT_EQ(dialogs.companions, QList<int>({14, 0, 1}));
}

TEST_F(PeakCommandFixture, ACompanionCommandBeyondTheCompanionsDoesNothing)
{
    ASSERT_TRUE(platform::WriteProfileString(root + QString::fromUtf8("/峰嵐錄.txt"),
                                             "HikingMate", "Mate3", ""));
    Open();
    ASSERT_EQ(peaks->MateCount(), 2);
    Dispatch(CTalvaneDlg::kMateItinerary);
    EXPECT_EQ(ShownEntries(), QStringList({"1900 山友01...[2024/01/02]", "1901 小華&阿花...[113/5/6]"}));
    for (int id : {1902, 1914, 1901})
        Dispatch(id);
    EXPECT_EQ(dialogs.companions, QList<int>{1});
}

TEST_F(PeakCommandFixture, TheRowMenuOffersThePeaksRegionsAndStonesAndAStoneEntryJumpsToItsSubset)
{
    Open();
    SelectPeakRow("七星山");
    ASSERT_TRUE(dialog->GetDlgItem(CTalvaneDlg::kOtherCommands)->isEnabled());
    Dispatch(CTalvaneDlg::kOtherCommands);
    EXPECT_EQ(ShownEntries(), QStringList({"1013 地圖定位...", "1046 地圖定位(5K)...",
                                           "1047 地圖定位(10K)...", "1065 Google地圖定位...",
                                           "1051 找同名山...", "1048 跳至地區(台北市)...",
                                           "1049 跳至地區(烏來)...",
                                           "1056 跳至基石(二等三角點)...", "1057 跳至基石(三等三角點)...",
                                           "1059 跳至基石(一等)..."}));

    Dispatch(1057);
    ASSERT_TRUE(dialog->CurrentGroup());
    EXPECT_EQ(dialog->CurrentGroup()->Key(), "Stone");
    EXPECT_EQ(dialog->GroupList().CurrentSelection(), 1);
    // The stone group's first subsets are the words of the stone levels, 三等三角點 the fifth; it
    // lists the stones 三等三角點6016 of 七星山 and 6055 of 合歡山.
    EXPECT_EQ(dialog->CurrentSubset(), 4);
    EXPECT_EQ(SelectedNode(), "三等三角點 (2)");
}

TEST_F(PeakCommandFixture, ASecondStonesRowJumpsToTheRegionsOfItsPeak)
{
    Open();
    // The peak group's subsets: heights 0 to 2, double stones 3, then each region of the list
    // followed by its members: 台北市 4, 台北縣 5 with 烏來 6 and 三峽 7, 南投縣 8 with 仁愛 9.
    const struct {
        const char* peak;
        int command;
        int subset;
        const char* node;  // with the rows of 七星山 and 合歡山 it lists
    } cases[] = {
        {"七星山", 1048, 4, "台北市的山 (1)"},
        {"七星山", 1049, 6, "烏來的山 (2)"},
        {"七星山", 1050, 6, "烏來的山 (2)"},  // two parts only: no jump
        {"合歡山", 1050, 5, "台北縣的山 (2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        CGroupTalvane::RowOptions second;
        second.secondStone = true;
        SelectNewRow(Peak(c.peak), second);
        ASSERT_EQ(dialog->ItemList().RowData(dialog->ItemList().RowCount() - 1),
                  quint32(20000 + Peak(c.peak)));
        Dispatch(c.command);
        EXPECT_EQ(dialog->CurrentSubset(), c.subset);
        EXPECT_EQ(SelectedNode(), QString::fromUtf8(c.node));
    }
}

// Saves the main dialog on the bundled sample, with the row menu of 南湖大山 open over it, as a
// picture in the build folder for anyone to look at.
TEST(TalvaneDlgScreenshot, TheRowMenuOverTheMainDialog)
{
    QSettings().remove(kSection);
    TempDir temp;
    const QString program = temp.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin"));
    platform::SetProgramFolder(program);
    platform::ClearProfileCache();
    CTalvaneDlg dialog;
    dialog.show();
    QTest::qWait(50);
    ASSERT_TRUE(dynamic_cast<CGroupTalvane*>(dialog.CurrentGroup()));
    auto* list = dialog.DlgItem<QTreeWidget>(CTalvaneDlg::kItemList);
    const auto found = list->findItems(QString::fromUtf8("南湖大山"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    list->setCurrentItem(found.first());
    list->scrollToItem(found.first());
    auto* button = dialog.DlgItem<QAbstractButton>(CTalvaneDlg::kOtherCommands);
    ASSERT_TRUE(button->isEnabled());
    QCursor::setPos(button->mapToGlobal(button->rect().center()));

    QImage picture;
    QStringList texts;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        for (QAction* action : menu->actions())
            texts << action->text();
        // The menu is a window of its own: it is drawn over the dialog where it stands.
        const QPoint at = menu->pos() - dialog.mapToGlobal(QPoint(0, 0));
        const QRect whole = dialog.rect().united(QRect(at, menu->size()));
        picture = QImage(whole.size(), QImage::Format_ARGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawPixmap(-whole.topLeft(), dialog.grab());
        painter.drawPixmap(at - whole.topLeft(), menu->grab());
        menu->close();
    });
    button->click();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(texts, QStringList({"地圖定位...", "地圖定位(5K)...", "地圖定位(10K)...",
                                  "Google地圖定位...", "找同名山...", "跳至地區(台中市)...",
                                  "跳至地區(宜蘭縣)...",
                                  "跳至基石(一等三角點)...", "跳至基石(一等)..."}));
    ASSERT_TRUE(picture.save(QStringLiteral(TALVANE_BUILD_DIR "/talvane-row-menu.png")));
    QSettings().remove(kSection);
}
