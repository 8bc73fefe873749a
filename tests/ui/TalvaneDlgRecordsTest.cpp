// The main dialog's record commands on the program folder of the record-menu tests (written by
// tests/data/html/records/make_fixtures.py), with the real peak group: the record button pops
// up the selected peak's menu, a chosen entry comes back as a command and opens its link, and
// the edit command opens the item file.
#include "ui/maindlg/TalvaneDlg.h"

#include "FakeShell.h"
#include "TempDir.h"
#include "catalog/GroupBase.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/framework/CommandDispatch.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);

struct RecordDialogFixture : ::testing::Test {
    RecordDialogFixture()
    {
        QSettings().remove(kSection);
        root = temp.copyTree(QStringLiteral(TALVANE_TEST_DATA "/html/records"), QStringLiteral("program"));
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->show();
        QCoreApplication::processEvents();
        // The shell is the only service replaced: nothing leaves the test.
        WindowServices services = dialog->GroupTable().Services();
        services.shell = &shell;
        dialog->GroupTable().SetServices(services);
    }
    ~RecordDialogFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
    }

    QTreeWidget* List() const { return dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList); }
    QAbstractButton* RecordButton() const
    {
        return dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kRecordMap);
    }
    // Selects the row whose first column is name, as a click would.
    void SelectPeak(const char* name)
    {
        const auto found = List()->findItems(QString::fromUtf8(name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        List()->clearSelection();
        found.first()->setSelected(true);
    }

    TempDir temp;
    QString root;
    FakeShell shell;
    std::unique_ptr<CTalvaneDlg> dialog;
};

// The texts a menu shows (a "&" marks no mnemonic), with their command ids.
QStringList ShownTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << QString::number(CommandDispatch::CommandOf(action)) + QLatin1Char(' ')
                     + action->iconText();
    return texts;
}

} // namespace

TEST_F(RecordDialogFixture, RecordButtonPopsUpTheMenuAndTheChosenEntryOpensItsLink)
{
    ASSERT_EQ(List()->topLevelItemCount(), 3);
    SelectPeak("南湖大山");
    EXPECT_FALSE(RecordButton()->isEnabled());
    SelectPeak("北大武山");
    ASSERT_TRUE(RecordButton()->isEnabled());
    EXPECT_EQ(RecordButton()->text(), QString::fromUtf8("記錄地圖..."));

    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        shown = ShownTexts(menu);
        EXPECT_TRUE(menu->grab().save(QStringLiteral(TALVANE_BUILD_DIR "/talvane-record-menu.png")));
        for (QAction* action : menu->actions())
            if (CommandDispatch::CommandOf(action) == 2001)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    });
    QTest::mouseClick(RecordButton(), Qt::LeftButton);
    EXPECT_EQ(shown, QStringList({
                         QString::fromUtf8("2001 行旅客7: 北大武山 & 南大武山 [2019/05/03]"),
                         QString::fromUtf8("2101 藍天圖集(二十八045)北大武山 & 南段"),
                         QString::fromUtf8("2202 岫禾圖集(二十八005)北大武山東峰"),
                         QString::fromUtf8("2204 岫禾圖集(三101)北插天山"),
                         QString::fromUtf8("2300 阿明: 北大武山 [108/05/03]"),
                         QString::fromUtf8("2302 阿明: 【雪山】-主東 [104/08/09]"),
                         QString::fromUtf8("2303 小華&阿花: 嘉明湖 [109.07.01]"),
                     }));
    // The choice arrives once the menu has closed.
    QCoreApplication::processEvents();
    EXPECT_EQ(shell.opened, QStringList{"http://walks.example.org/report/w7.htm"});
}

TEST_F(RecordDialogFixture, RecordAndEditCommandsActOnTheOneSelectedRow)
{
    CommandDispatch& commands = dialog->Commands();
    List()->clearSelection();
    EXPECT_TRUE(commands.Dispatch(2303));
    EXPECT_TRUE(commands.Dispatch(CTalvaneDlg::kEditData));
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(shell.edited.isEmpty());

    SelectPeak("關山");
    EXPECT_TRUE(commands.Dispatch(2300));
    EXPECT_TRUE(commands.Dispatch(2399));
    EXPECT_EQ(shell.opened, QStringList{root + QString::fromUtf8("/trips/嘉明湖.htm")});
    EXPECT_TRUE(commands.Dispatch(CTalvaneDlg::kEditData));
    EXPECT_EQ(shell.edited, QStringList{root + QString::fromUtf8("/data/山/c_關山.txt")});
    EXPECT_FALSE(dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kEditData)->isEnabled());
}
