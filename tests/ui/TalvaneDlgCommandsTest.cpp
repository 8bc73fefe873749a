// The main dialog's commands on test groups: the enable rules after each kind of selection, the
// row commands on the one selected row, and every command reaching the group, its popup menu or
// the dialogs it opens through the one dispatch by id.
#include "DialogTestGroups.h"
#include "FakePopupMenu.h"
#include "TempDir.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/framework/UserProfile.h"
#include "ui/maindlg/IMainDialogs.h"
#include "ui/maindlg/TalvaneDlg.h"

#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QListWidget>
#include <QSettings>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);

// Records what the dialogs would have been opened with.
struct RecordingDialogs : IMainDialogs {
    void CompareList(QWidget* p, CGroupBase*, CSubsetBase* subset) override
    {
        Note(p, "CompareList " + subset->DisplayName());
    }
    void CompareWalks(QWidget* p, CGroupBase*) override { Note(p, "CompareWalks"); }
    void CompareGuide(QWidget* p, CGroupBase*, int mode) override
    {
        Note(p, "CompareGuide " + QString::number(mode));
    }
    void CompareHiking(QWidget* p, CGroupBase*, int companion) override
    {
        Note(p, "CompareHiking " + QString::number(companion));
    }
    void RegionStatistics(QWidget* p, CGroupBase*) override { Note(p, "RegionStatistics"); }
    bool AddPlant(QWidget* p, AddPlantInput*) override { return Note(p, "AddPlant"); }
    bool FindPlant(QWidget* p, CGroupBase*, const QString&, QString*, QString*) override
    {
        return Note(p, "FindPlant");
    }
    bool Note(QWidget* p, const QString& call)
    {
        calls << call;
        parents << p;
        return false;
    }
    QStringList calls;
    QList<QWidget*> parents;
};

// A dialog test group that also records the search, its row menu and the region queries; its
// region texts are given by item.
class CommandTestGroup : public DialogTestGroup {
public:
    CommandTestGroup(QSet<int> features, QList<TestSubsetDef> defs, QHash<int, QString> regions)
        : DialogTestGroup("Talvane", "山", std::move(features), std::move(defs)),
          regions(std::move(regions))
    {
    }
    bool RunFindDialog(IMainWindow*, CSubsetBase* subset, QString* text, int walk, int atlas) override
    {
        calls << QStringLiteral("group Find %1 [%2] %3 %4")
                     .arg(subset ? subset->DisplayName() : QStringLiteral("-"), text ? *text : "null")
                     .arg(walk)
                     .arg(atlas);
        return true;
    }
    bool PopupItemMenu(IItemList*, int row) override
    {
        calls << QStringLiteral("group RowMenu %1").arg(row);
        return true;
    }
    bool GetItemRegion(int item, QString* text) override
    {
        calls << QStringLiteral("group Region %1").arg(item);
        *text = regions.value(item);
        return true;
    }
    QHash<int, QString> regions;
};

const QSet<int> kPeakFeatures = {0, 1, 2, 3, 4, 5, 6, 7};
// Items 0 南湖大山 (never visited), 1 玉山主峰, 2 雪山主峰.
const QList<TestSubsetDef> kSubsets = {
    {0, 0, "百岳", {0, 1, 2}, true},
    {6, 1, "臺中市", {1}, false},
    {6, 1, "南投縣", {2}, false},
    {10, 0, "..高山", {1, 2}, false},
};

GroupClassEntry CommandClass(const QSet<int>& features = kPeakFeatures,
                             const QHash<int, QString>& regions = {{1, "臺中市,南投縣"}, {2, "臺中市"}})
{
    return GroupClassEntry{[=] { return std::make_unique<CommandTestGroup>(features, kSubsets, regions); }, -1};
}

// The same formatting as TestGroup's records of its LocateItem and WriteHtmlTable.
QString Locate(int item, int radius, bool online)
{
    return QStringLiteral("group LocateItem %1 %2 %3").arg(item).arg(radius).arg(online);
}

QString Html(const QString& title, const QString& suffix, int number, bool flag)
{
    return QStringLiteral("group Html %1 %2 %3 %4 %5").arg(title, suffix).arg(number).arg(QString()).arg(flag);
}

// Group 1 山 with three peaks; group 2 雜 whose only file names no group class.
struct CommandFixture : ::testing::Test {
    CommandFixture()
    {
        QSettings().remove(kSection);
        const char* files[][2] = {
            {"峰嵐錄.txt", "[DataGroup]\r\nBaseFolder=data\r\nGroup1=山\r\nGroup2=雜\r\n"},
            {"Local.txt", ""},
            {"data/山/南湖大山.txt", "[Talvane]\r\nName=南湖大山\r\n"},
            {"data/山/玉山主峰.txt", "[Talvane]\r\nName=玉山主峰\r\nVisit1=12\r\n"},
            {"data/山/雪山主峰.txt", "[Talvane]\r\nName=雪山主峰\r\nVisit1=3\r\n"},
            {"data/雜/某物.txt", "[Other]\r\nName=某物\r\n"},
        };
        for (const auto& [path, text] : files)
            temp.write(QString::fromUtf8(path), Utf16LeWithBom(QString::fromUtf8(text)));
        platform::SetProgramFolder(temp.path());
        platform::ClearProfileCache();
    }
    ~CommandFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
    }

    // The dialog after its first group selection (entry `entry`), with the fakes in place.
    CTalvaneDlg& Open(const GroupClassEntry& entry = CommandClass(), int group = 0)
    {
        dialog.reset();
        // Each dialog starts afresh: no subset saved by the one before.
        QSettings().remove(kSection);
        UserProfile::WriteInt(kSection, QLatin1String(CTalvaneDlg::kSelGroupKey), group);
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->GroupTable().SetGroupClasses({entry});
        dialog->SetDialogs(&dialogs);
        dialog->SetPopupMenu(&menu);
        QCoreApplication::processEvents();
        return *dialog;
    }

    CommandTestGroup* Group() const { return dynamic_cast<CommandTestGroup*>(dialog->CurrentGroup()); }
    QStringList& Calls() const { return Group()->calls; }
    QTreeWidget* Tree() const { return dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree); }
    QTreeWidget* List() const { return dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList); }
    void Choose(const QString& text)
    {
        const auto found = Tree()->findItems(text, Qt::MatchStartsWith | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        Tree()->setCurrentItem(found.first());
    }
    void ChooseRow(int row) { List()->setCurrentItem(List()->topLevelItem(row)); }
    bool Enabled(int id) const { return dialog->GetDlgItem(id)->isEnabled(); }
    bool Dispatch(int id) { return dialog->Commands().Dispatch(id); }
    QStringList ShownEntries() const { return menu.LastEntries(); }

    TempDir temp;
    RecordingDialogs dialogs;
    FakePopupMenu menu;
    std::unique_ptr<CTalvaneDlg> dialog;
};

// The controls whose state the commands' rules decide.
const int kRuledControls[] = {1070, 1071, 1021, 1010, 1007, 1073, 1079, 1040,
                              1011, 1022, 1035, 1062, 1078, 1009};

} // namespace

TEST_F(CommandFixture, AGroupSelectionEnablesByFeaturesAndThenDisablesTheFixedSet)
{
    // The feature sets of the six group classes: peaks, stones, trails, waterfalls, plants.
    const struct {
        const char* name;
        QSet<int> features;
    } classes[] = {
        {"peaks", {0, 1, 2, 3, 4, 5, 6, 7}}, {"stones", {0, 1, 2, 7}}, {"trails", {0, 1, 2, 3, 5}},
        {"waterfalls", {0, 1, 2, 3}},        {"plants", {0, 8, 9}},     {"none", {}},
    };
    for (const auto& c : classes) {
        SCOPED_TRACE(c.name);
        Open(CommandClass(c.features));
        ASSERT_TRUE(Group());
        EXPECT_EQ(Enabled(1070), c.features.contains(0));
        EXPECT_EQ(Enabled(1073), c.features.contains(7) || c.features.contains(9));
        EXPECT_TRUE(Enabled(1079));
        for (int id : {1071, 1021, 1010, 1007, 1011, 1022, 1035, 1062, 1078, 1009})
            EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_TRUE(dialog->GetDlgItem(1040)->isHidden());

        // A row enables the row menu for groups that have one; a title subset the comparison,
        // which a region subset disables again.
        ChooseRow(1);
        EXPECT_EQ(Enabled(1071), c.features.contains(1));
        EXPECT_FALSE(Enabled(1007));
        Choose("百岳");
        EXPECT_TRUE(Enabled(1010));
        EXPECT_FALSE(Enabled(1071));
        Choose("臺中市");
        EXPECT_FALSE(Enabled(1010));
        for (int id : {1011, 1022, 1035, 1062, 1078, 1009})
            EXPECT_FALSE(Enabled(id)) << id;
    }
}

TEST_F(CommandFixture, AFirstSelectionThatYieldsNoGroupKeepsTheTemplateStateAndCommandsDoNothing)
{
    Open(CommandClass(), 1);
    ASSERT_EQ(dialog->GroupList().CurrentSelection(), 1);
    ASSERT_EQ(dialog->CurrentGroup(), nullptr);
    const QSet<int> templateDisabled = {1021, 1010, 1007};
    for (int id : kRuledControls)
        EXPECT_EQ(Enabled(id), !templateDisabled.contains(id)) << id;
    EXPECT_FALSE(dialog->GetDlgItem(1040)->isHidden());

    for (int id : {1070, 1071, 1078, 1011, 1022, 1030, 1031, 1035, 1900, 1062, 1010, 1008, 1019,
                   1020, 1015, 1063, 1017, 1013, 1051, 1048, 1056})
        EXPECT_TRUE(Dispatch(id)) << id;
    EXPECT_TRUE(menu.shown.isEmpty());
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

TEST_F(CommandFixture, RowCommandsActOnTheOneSelectedRowOnly)
{
    Open();
    const QList<int> rowCommands = {1071, 1013, 1046, 1047, 1065, 1051, 1048, 1049, 1056, 1063};
    for (int id : rowCommands)
        Dispatch(id);
    EXPECT_TRUE(Calls().isEmpty()) << Calls().join(", ").toStdString();

    // Two rows, selected by program.
    List()->topLevelItem(0)->setSelected(true);
    List()->topLevelItem(2)->setSelected(true);
    ASSERT_EQ(dialog->ItemList().SelectedCount(), 2);
    for (int id : rowCommands)
        Dispatch(id);
    EXPECT_TRUE(Calls().isEmpty()) << Calls().join(", ").toStdString();

    List()->clearSelection();
    ChooseRow(1);
    const struct {
        int id;
        QString call;
    } commands[] = {
        {1071, "group RowMenu 1"},
        {1013, Locate(1, 0, false)},
        {1046, Locate(1, 5, false)},
        {1047, Locate(1, 10, false)},
        {1065, Locate(1, 0, true)},
        {1051, "group Find - [玉山主峰] 0 0"},
        {1063, "group Walk 1"},
    };
    for (const auto& c : commands) {
        Calls().clear();
        EXPECT_TRUE(Dispatch(c.id));
        EXPECT_EQ(Calls(), QStringList{c.call}) << c.id;
    }
}

TEST_F(CommandFixture, TheSameNameSearchTakesAtMost260CodeUnitsOfTheFirstColumn)
{
    Open();
    const QString pair = QString::fromUtf8("𩸽");  // one character, two code units
    const struct {
        QString cell, searched;
    } cases[] = {
        {QString(260, 'a'), QString(260, 'a')},
        {QString(261, 'b'), QString(260, 'b')},
        {QString(259, 'c') + pair, QString(259, 'c')},  // the pair is not split
    };
    for (const auto& c : cases) {
        const int row = dialog->ItemList().InsertRow(0, c.cell, 1);
        dialog->ItemList().SelectRow(row, true);
        Calls().clear();
        Dispatch(1051);
        EXPECT_EQ(Calls(), QStringList{"group Find - [" + c.searched + "] 0 0"});
    }
}

TEST_F(CommandFixture, TheSearchIsOfferedTheSelectedSubset)
{
    Open();
    Dispatch(1070);
    Choose("南投縣");
    Dispatch(1070);
    EXPECT_EQ(Calls(), QStringList({"group Find - [] 0 0", "group Find 南投縣 [] 0 0"}));
}

TEST_F(CommandFixture, RegionJumpsSelectThePartOfTheRowsRegionText)
{
    Open();
    ChooseRow(1);  // 玉山主峰: 臺中市,南投縣
    Dispatch(1050);
    EXPECT_EQ(dialog->CurrentSubset(), -1) << "a two-part region has no third part";
    EXPECT_EQ(Calls(), QStringList{"group Region 1"});
    Dispatch(1049);
    EXPECT_EQ(dialog->CurrentSubset(), 2);
    EXPECT_EQ(Tree()->currentItem()->text(0), "南投縣 (1)");
    ChooseRow(0);  // 雪山主峰: 臺中市
    Dispatch(1048);
    EXPECT_EQ(dialog->CurrentSubset(), 1);

    // The rows of the stone group name no item of this group; a second stone's row its peak.
    for (quint32 value : {60001u, 79999u, 80000u, 20001u}) {
        dialog->ItemList().DeleteAllRows();
        dialog->ItemList().SelectRow(dialog->ItemList().InsertRow(0, "x", value), true);
        Calls().clear();
        Dispatch(1049);
        EXPECT_EQ(Calls(), value == 20001u ? QStringList{"group Region 1"} : QStringList()) << value;
    }
    EXPECT_EQ(dialog->CurrentSubset(), 2);
}

TEST_F(CommandFixture, StoneJumpsBelongToThePeakGroupAlone)
{
    Open();
    ChooseRow(1);
    for (int id = 1056; id <= 1061; ++id)
        EXPECT_TRUE(Dispatch(id));
    EXPECT_EQ(dialog->GroupList().CurrentSelection(), 0);
    EXPECT_EQ(dialog->CurrentSubset(), -1);
}

TEST_F(CommandFixture, TheListComparisonOpensForATitleSubsetOnly)
{
    Open();
    Dispatch(1010);
    Choose("臺中市");
    Dispatch(1010);
    Choose("百岳");
    Dispatch(1010);
    EXPECT_EQ(dialogs.calls, QStringList{"CompareList 百岳"});
    EXPECT_EQ(dialogs.parents, QList<QWidget*>{dialog.get()});
}

TEST_F(CommandFixture, TheKeptDisabledButtonsOpenTheirDialogsAndPopups)
{
    Open();
    for (int id : {1011, 1062, 1030, 1031})
        Dispatch(id);
    // The region statistics belong to the peak group: a test group opens none.
    EXPECT_EQ(dialogs.calls, QStringList({"CompareWalks", "CompareGuide 0", "CompareGuide 1"}));

    Dispatch(1022);
    EXPECT_EQ(ShownEntries(), QStringList({"1030 藍天圖集...", "1031 岫禾圖集..."}));
    EXPECT_EQ(menu.shown.last().delivery, MenuDelivery::ToOwner);

    // Companions belong to the peak group: a test group has none to offer.
    menu.shown.clear();
    Dispatch(1035);
    Dispatch(1900);
    EXPECT_TRUE(menu.shown.isEmpty());
    EXPECT_EQ(dialogs.calls.size(), 3);
}

TEST_F(CommandFixture, TheListFunctionsMenuFollowsTheSubsetAndTheLocateAllFeature)
{
    const struct {
        QSet<int> features;
        const char* subset;  // null: the whole group
        QStringList entries;
    } cases[] = {
        {kPeakFeatures, nullptr, {"1008 輸出列表...", "1015 定位全部..."}},
        {kPeakFeatures, "百岳", {"1019 輸出各種排序HTML...", "1020 輸出現狀HTML...", "1015 定位全部..."}},
        {{0, 1}, nullptr, {"1008 輸出列表..."}},
        {{0, 1}, "臺中市", {"1019 輸出各種排序HTML...", "1020 輸出現狀HTML..."}},
    };
    for (const auto& c : cases) {
        Open(CommandClass(c.features));
        if (c.subset)
            Choose(c.subset);
        menu.shown.clear();
        Dispatch(1078);
        EXPECT_EQ(ShownEntries(), c.entries);
    }
}

TEST_F(CommandFixture, ListOutputsWriteTheShownListAndTheSortedTables)
{
    Open();
    Dispatch(1008);
    Dispatch(1020);  // needs a subset
    Dispatch(1019);
    Dispatch(1017);
    Dispatch(1015);
    EXPECT_EQ(Calls(), QStringList({Html("", "", 0, true), "group Export"}));

    Choose("..高山");
    Calls().clear();
    Dispatch(1020);
    Dispatch(1017);
    Dispatch(1015);
    EXPECT_EQ(Calls(), QStringList({Html("高山 (2)", "", 0, true), "group Sync", "group Export"}));

    // The title keeps its dots here; a region subset whose children are none writes three.
    const struct {
        const char* subset;
        QString title;  // the node's text with the rows it lists
    } cases[] = {{"..高山", "..高山 (2)"}, {"臺中市", "臺中市 (1)"}};
    for (const auto& [subset, title] : cases) {
        Choose(subset);
        Calls().clear();
        Dispatch(1019);
        EXPECT_EQ(Calls(), QStringList({Html(title, "", 0, false), "group Sort 1", Html(title, "_h", 0, false),
                                        "group Sort 2", Html(title, "_s", 0, false)}));
    }
}
