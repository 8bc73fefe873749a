// 搜尋植物 on a plant test group read from UTF-16LE item files: the search in both names, the
// selected plant's family, 確認 in pick mode, 新增 with the texts that name files refused, and
// the main dialog's plant search run modally in pick mode.
#include "FindDialogSupport.h"
#include "FindTestGroups.h"
#include "ScreenshotCheck.h"
#include "ui/dialogs/find/DlgFindPlant.h"
#include "ui/maindlg/MainDialogs.h"

#include <QApplication>
#include <QHeaderView>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;
using namespace find_test;

namespace {

class DlgFindPlantTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UseFixtureProgram(&table));
        plants.Init(MainSettingsPath(), &table, kProgram + u"/data/植物"_s);
        ASSERT_TRUE(LoadFolder(&plants, plants.Folder()));
        ASSERT_EQ(plants.ItemCount(), 4);
    }

    CGroupTable table;
    FindPlantGroup plants;
};

TEST_F(DlgFindPlantTest, FindsTheTextWholeInEitherName)
{
    struct Case {
        QString text;
        QStringList rows;
    };
    const QList<Case> cases = {
        {u"薄皮"_s, {u"紅檜"_s}},                        // second name only
        {u"杉"_s, {u"台灣杉"_s, u"台灣樹參"_s}},         // name, then second name, in group order
        {u"台灣 杉"_s, {}},                              // not split into terms
        {u"臺灣"_s, {}},                                 // no name pairs
        {u"玉山薔薇"_s, {u"玉山薔薇"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        CDlgFindPlant dialog(&plants);
        dialog.OnInitDialog();
        SetText(dialog, CDlgFindPlant::kNameEdit, c.text);
        ASSERT_TRUE(dialog.Commands().Dispatch(CDlgFindPlant::kSearch));
        EXPECT_EQ(RowTexts(dialog, CDlgFindPlant::kList), c.rows);
    }
}

TEST_F(DlgFindPlantTest, InitialTextFillsBothNameEditsAndIsSearched)
{
    CDlgFindPlant dialog(&plants);
    dialog.initialText = u"紅檜"_s;
    dialog.OnInitDialog();
    EXPECT_EQ(Text(dialog, CDlgFindPlant::kNameEdit), u"紅檜"_s);
    EXPECT_EQ(Text(dialog, CDlgFindPlant::kNewName), u"紅檜"_s);
    EXPECT_EQ(RowTexts(dialog, CDlgFindPlant::kList), QStringList{u"紅檜"_s});
    EXPECT_FALSE(Enabled(dialog, CDlgFindPlant::kEditData));
    EXPECT_FALSE(Enabled(dialog, CDlgFindPlant::kConfirm));
}

TEST_F(DlgFindPlantTest, PickModeConfirmReturnsTheSelectedPlant)
{
    CDlgFindPlant dialog(&plants);
    dialog.pickMode = true;
    dialog.initialText = u"杉"_s;
    dialog.OnInitDialog();
    dialog.Commands().Dispatch(CDlgFindPlant::kConfirm);
    EXPECT_NE(dialog.result(), QDialog::Accepted) << "nothing selected";

    ASSERT_TRUE(ClickRow(dialog, CDlgFindPlant::kList, 1));
    EXPECT_TRUE(Enabled(dialog, CDlgFindPlant::kEditData));
    EXPECT_TRUE(Enabled(dialog, CDlgFindPlant::kConfirm));
    EXPECT_EQ(Text(dialog, CDlgFindPlant::kNewFamily), u"五加科"_s);
    EXPECT_EQ(Text(dialog, CDlgFindPlant::kSummary), u"台灣樹參（五加科）"_s);
    dialog.Commands().Dispatch(CDlgFindPlant::kConfirm);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.resultName, u"台灣樹參"_s);
    EXPECT_EQ(dialog.resultFamily, u"五加科"_s);
}

TEST_F(DlgFindPlantTest, OutsidePickModeConfirmStaysDisabledWhileTheFamilyIsFilled)
{
    CDlgFindPlant dialog(&plants);
    dialog.initialText = u"紅檜"_s;
    dialog.OnInitDialog();
    dialog.show();
    ASSERT_TRUE(ClickRow(dialog, CDlgFindPlant::kList, 0));
    EXPECT_EQ(Text(dialog, CDlgFindPlant::kNewFamily), u"柏科"_s);
    EXPECT_TRUE(Enabled(dialog, CDlgFindPlant::kEditData));
    EXPECT_FALSE(Enabled(dialog, CDlgFindPlant::kConfirm));
    dialog.Commands().Dispatch(CDlgFindPlant::kConfirm);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.resultName.isEmpty());

    dialog.Commands().Dispatch(CDlgFindPlant::kEditData);
    ListOf(dialog, CDlgFindPlant::kList)->header()->sectionClicked(2);
    EXPECT_EQ(plants.calls, QStringList({u"group Columns"_s, u"group Summary 0"_s, u"group Edit 0"_s,
                                         u"group Sort 2"_s}));
}

TEST_F(DlgFindPlantTest, AddTakesATrimmedNameAndFamilyThatNameNoOtherFile)
{
    struct Case {
        const char* what;
        QString name, family;
        bool accepted;
    };
    const QList<Case> cases = {
        {"name and family", u"雪山圓柏"_s, u"柏科"_s, true},
        {"blanks around them", u"  雪山圓柏 "_s, u"\t柏科　"_s, true},
        {"no family", u"雪山圓柏"_s, QString(), false},
        {"blank family", u"雪山圓柏"_s, u"  "_s, false},
        {"no name", QString(), u"柏科"_s, false},
        {"slash", u"a/b"_s, u"柏科"_s, false},
        {"backslash in the family", u"雪山圓柏"_s, u"柏\\科"_s, false},
        {"control character", u"雪山\x01圓柏"_s, u"柏科"_s, false},
        {"line feed in the family", u"雪山圓柏"_s, u"柏\n科"_s, false},
        {"parent folder", u"雪山圓柏"_s, u".."_s, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CDlgFindPlant dialog(&plants);
        dialog.OnInitDialog();
        dialog.show();
        SetText(dialog, CDlgFindPlant::kNewName, c.name);
        SetText(dialog, CDlgFindPlant::kNewFamily, c.family);
        dialog.Commands().Dispatch(CDlgFindPlant::kAddPlant);
        EXPECT_EQ(dialog.isVisible(), !c.accepted);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(dialog.resultName, c.accepted ? u"雪山圓柏"_s : QString());
        EXPECT_EQ(dialog.resultFamily, c.accepted ? u"柏科"_s : QString());
    }
}

TEST_F(DlgFindPlantTest, ReadsOnlyPlantRecordsAndDoesNothingWithoutAGroup)
{
    FindTestGroup waterfalls;
    waterfalls.Init(MainSettingsPath(), &table, kProgram + u"/data/瀑布"_s);
    ASSERT_TRUE(LoadFolder(&waterfalls, waterfalls.Folder()));
    CDlgFindPlant other(&waterfalls);
    other.initialText = u"瀑布"_s;
    other.OnInitDialog();
    EXPECT_TRUE(RowTexts(other, CDlgFindPlant::kList).isEmpty());

    CDlgFindPlant none(nullptr);
    none.initialText = u"杉"_s;
    none.OnInitDialog();
    none.show();
    SetText(none, CDlgFindPlant::kNewName, u"雪山圓柏"_s);
    SetText(none, CDlgFindPlant::kNewFamily, u"柏科"_s);
    for (const int id : {CDlgFindPlant::kSearch, CDlgFindPlant::kEditData, CDlgFindPlant::kConfirm,
                         CDlgFindPlant::kAddPlant})
        none.Commands().Dispatch(id);
    EXPECT_TRUE(RowTexts(none, CDlgFindPlant::kList).isEmpty());
    EXPECT_TRUE(none.isVisible());
}

// Acts on the plant search once it runs modally.
void WhenModal(std::function<void(CDlgFindPlant*)> act)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        auto* dialog = qobject_cast<CDlgFindPlant*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start(10);
}

TEST_F(DlgFindPlantTest, MainDialogsRunsItInPickModeWithTheText)
{
    CMainDialogs dialogs;
    QString family = u"-"_s, name = u"-"_s;
    QString searched;
    WhenModal([&searched](CDlgFindPlant* dialog) {
        searched = Text(*dialog, CDlgFindPlant::kNameEdit);
        ClickRow(*dialog, CDlgFindPlant::kList, 0);
        dialog->Commands().Dispatch(CDlgFindPlant::kConfirm);
    });
    EXPECT_TRUE(dialogs.FindPlant(nullptr, &plants, u"紅檜"_s, &family, &name));
    EXPECT_EQ(searched, u"紅檜"_s);
    EXPECT_EQ(family, u"柏科"_s);
    EXPECT_EQ(name, u"紅檜"_s);

    WhenModal([](CDlgFindPlant* dialog) { dialog->reject(); });
    family = name = u"-"_s;
    EXPECT_FALSE(dialogs.FindPlant(nullptr, &plants, u"紅檜"_s, &family, &name));
    EXPECT_EQ(family, u"-"_s);
    EXPECT_EQ(name, u"-"_s);
}

TEST_F(DlgFindPlantTest, Screenshot)
{
    CDlgFindPlant dialog(&plants);
    dialog.pickMode = true;
    dialog.initialText = u"杉"_s;
    dialog.OnInitDialog();
    dialog.show();
    ASSERT_TRUE(ClickRow(dialog, CDlgFindPlant::kList, 0));
    EXPECT_EQ(Text(dialog, CDlgFindPlant::kNewFamily), u"柏科"_s);
    SaveAndCheckScreenshot(dialog, u"talvane-find-plant-dialog.png"_s);
}

} // namespace
