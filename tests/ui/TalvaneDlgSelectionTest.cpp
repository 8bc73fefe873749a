// The main dialog showing groups and subsets: the real dialog on a temporary program folder whose
// groups are test groups with test subsets.
#include "DialogTestGroups.h"
#include "TempDir.h"
#include "ui/framework/UserProfile.h"
#include "ui/maindlg/TalvaneDlg.h"

#include "catalog/GroupTable.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);
const QSet<int> kMapGroupFeatures = {kFeatureSearch, kFeatureRowMenu, kFeatureMap};

// The peak group's classes: items 0 南湖大山 (never visited), 1 玉山主峰, 2 雪山主峰.
QList<GroupClassEntry> PeaksOnly(const QSet<int>& features = kMapGroupFeatures)
{
    return {DialogTestClass("Talvane", "山", features,
                            {{0, 0, "百岳", {0, 1, 2}, true},
                             {10, 0, "空集合", {}, true},
                             {6, 1, "臺中市", {1}, false},
                             {1, 0, "一等", {2}, false},
                             {10, 0, "%1 (舊)", {0, 1}, false}})};
}

QList<GroupClassEntry> PeakAndStoneClasses()
{
    return PeaksOnly() << DialogTestClass("Stone", "基石", kMapGroupFeatures,
                                          {{1, 0, "一等", {0}, false}, {1, 0, "二等", {0, 1}, false}});
}

int ProfileInt(const char* key)
{
    return UserProfile::GetInt(kSection, QLatin1String(key), -1);
}

// Three groups: 山 with three peaks, 基石 with two stones, 郊山 with one peak; cached counts for
// 山 and two of its subsets.
struct SelectionFixture : ::testing::Test {
    SelectionFixture()
    {
        QSettings().remove(kSection);
        const char* files[][2] = {
            {"峰嵐錄.txt", "[DataGroup]\r\nBaseFolder=data\r\nGroup1=山\r\nGroup2=基石\r\nGroup3=郊山\r\n"},
            {"Local.txt", ""},
            {"data/Cache.txt", "[山]\r\nNumOfItems=7\r\n[Talvane]\r\n百岳=5\r\n一等=4\r\n"},
            {"data/山/南湖大山.txt", "[Talvane]\r\nName=南湖大山\r\n"},
            {"data/山/玉山主峰.txt", "[Talvane]\r\nName=玉山主峰\r\nVisit1=12\r\nVisit2=30\r\n"},
            {"data/山/雪山主峰.txt", "[Talvane]\r\nName=雪山主峰\r\nVisit1=3\r\n"},
            {"data/基石/一等1.txt", "[Stone]\r\nName=一等1\r\nVisit1=8\r\n"},
            {"data/基石/二等2.txt", "[Stone]\r\nName=二等2\r\n"},
            {"data/郊山/七星山.txt", "[Talvane]\r\nName=七星山\r\n"},
        };
        for (const auto& [path, text] : files)
            temp.write(QString::fromUtf8(path), Utf16LeWithBom(QString::fromUtf8(text)));
        platform::SetProgramFolder(temp.path());
        platform::ClearProfileCache();
    }
    ~SelectionFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
    }

    // The dialog after its first group selection, which runs from the event loop.
    CTalvaneDlg& Open(const QList<GroupClassEntry>& classes = PeakAndStoneClasses())
    {
        dialog.reset();
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->GroupTable().SetGroupClasses(classes);
        QCoreApplication::processEvents();
        return *dialog;
    }

    // Cache.txt as text (it stays UTF-16LE with its byte-order mark).
    QString CacheText() const
    {
        const QByteArray bytes = ReadBytes(temp.file(QStringLiteral("data/Cache.txt")));
        EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    }

    QTreeWidget* Tree() const { return dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree); }
    QTreeWidget* List() const { return dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList); }
    // The tree node shown with exactly this text; null when none is.
    QTreeWidgetItem* Node(const QString& text) const
    {
        const auto found = Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.size() == 1 ? found.first() : nullptr;
    }
    // Selects a node as the user's click does.
    void Choose(const QString& text)
    {
        QTreeWidgetItem* node = Node(text);
        ASSERT_TRUE(node) << text.toStdString();
        Tree()->setCurrentItem(node);
    }
    void ChooseGroup(int entry) { dialog->DlgItem<QListWidget>(CTalvaneDlg::kGroupList)->setCurrentRow(entry); }
    QListWidget* Groups() const { return dialog->DlgItem<QListWidget>(CTalvaneDlg::kGroupList); }
    // A click of the mouse on a group entry, as the user gives it (the dialog must be shown).
    void ClickGroup(int entry)
    {
        QListWidgetItem* item = Groups()->item(entry);
        ASSERT_TRUE(item);
        QTest::mouseClick(Groups()->viewport(), Qt::LeftButton, {},
                          Groups()->visualItemRect(item).center());
    }
    void ChooseRow(int row) { List()->setCurrentItem(List()->topLevelItem(row)); }
    QString Count() const { return dialog->DlgItem<QLabel>(CTalvaneDlg::kStatusCount)->text(); }
    QString Summary() const { return dialog->DlgItem<QLineEdit>(CTalvaneDlg::kSummary)->text(); }
    QStringList Column0() const
    {
        QStringList rows;
        for (int row = 0; row < List()->topLevelItemCount(); ++row)
            rows << List()->topLevelItem(row)->text(0);
        return rows;
    }
    QString NodeText() const { return Tree()->currentItem() ? Tree()->currentItem()->text(0) : QString(); }
    bool Enabled(int id) const { return dialog->GetDlgItem(id)->isEnabled(); }
    int Points() const { return dialog->CurrentMapView()->PointCount(); }
    QString GroupKey() const { return dialog->CurrentGroup() ? dialog->CurrentGroup()->Key() : QString(); }

    TempDir temp;
    std::unique_ptr<CTalvaneDlg> dialog;
};

void SaveSubset(int group, int data, const QString& text)
{
    UserProfile::WriteInt(kSection, QLatin1String(CTalvaneDlg::kSelGroupKey), group);
    UserProfile::WriteInt(kSection, QLatin1String(CTalvaneDlg::kSelSubsetDataKey), data);
    UserProfile::WriteString(kSection, QLatin1String(CTalvaneDlg::kSelSubsetTextKey), text);
}

} // namespace

TEST_F(SelectionFixture, TheFirstGroupShowsItsItemsItsTreeAndItsCount)
{
    Open();
    EXPECT_EQ(Column0(), QStringList({"南湖大山", "玉山主峰", "雪山主峰"}));
    EXPECT_EQ(Count(), "3");
    EXPECT_EQ(Summary(), "");
    EXPECT_EQ(dialog->GroupList().Text(0), "山 (3)");
    EXPECT_TRUE(CacheText().contains("[山]\r\nNumOfItems=3\r\n"));

    // Folder nodes, then the subsets with the counts cached for them; none chosen.
    QStringList tree;
    for (int i = 0; i < Tree()->topLevelItemCount(); ++i) {
        tree << Tree()->topLevelItem(i)->text(0);
        for (int j = 0; j < Tree()->topLevelItem(i)->childCount(); ++j)
            tree << "  " + Tree()->topLevelItem(i)->child(j)->text(0);
    }
    EXPECT_EQ(tree, QStringList({"基本", "  百岳 (5)", "  空集合", "  一等 (4)", "  %1 (舊)", "地區", "  臺中市"}));
    EXPECT_EQ(Tree()->currentItem(), nullptr);
    EXPECT_EQ(dialog->CurrentSubset(), -1);

    EXPECT_EQ(Points(), 0) << "the group's points reach the map only with a subset";
    EXPECT_EQ(ProfileInt(CTalvaneDlg::kSelGroupKey), 0);
    const auto& widths = dialog->ColumnWidths();
    EXPECT_EQ(QList<int>({widths[0], widths[1], widths[2]}),
              QList<int>({DialogTestGroup::kNameWidth, DialogTestGroup::kVisitWidth, 0}));
    for (int id : {1070, 1073, 1079})
        EXPECT_TRUE(Enabled(id)) << id;
    for (int id : {1007, 1071, 1021, 1010, 1011, 1022, 1035, 1062, 1078, 1009})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(dialog->GetDlgItem(CTalvaneDlg::kAddPlant)->isHidden());
    EXPECT_EQ(dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kRecordMap)->text(), "記錄地圖...");
}

TEST_F(SelectionFixture, ASubsetFillsTheListCachesItsCountAndShowsTheVisitedShare)
{
    Open();
    const struct {
        const char* node;
        int rows;
        const char *count, *summary, *shown;
        bool compareList;  // title subsets only
    } steps[] = {
        {"百岳 (5)", 3, "3 (67%)", "總數:3, 已爬:2(67%), 待爬:1", "百岳 (3)", true},
        {"空集合", 0, "0", "", "空集合", false},  // no rows: a bare count and no totals
        {"臺中市", 1, "1", "", "臺中市 (1)", false},  // no statistics: the count alone
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.node);
        Choose(s.node);
        EXPECT_EQ(List()->topLevelItemCount(), s.rows);
        EXPECT_EQ(Count(), s.count);
        EXPECT_EQ(Summary(), s.summary);
        EXPECT_EQ(NodeText(), s.shown);
        EXPECT_EQ(Points(), s.rows);
        EXPECT_EQ(Enabled(CTalvaneDlg::kCompareList), s.compareList);
        if (s.rows == 3) {
            EXPECT_EQ(dialog->CurrentSubset(), 0);
            EXPECT_TRUE(CacheText().contains("百岳=3\r\n"));
            // The profile keeps the node as it was shown when it was chosen.
            EXPECT_EQ(ProfileInt(CTalvaneDlg::kSelSubsetDataKey), 1);
            EXPECT_EQ(UserProfile::GetString(kSection, QLatin1String(CTalvaneDlg::kSelSubsetTextKey)), "百岳 (5)");
        }
    }
    EXPECT_FALSE(CacheText().contains("空集合")) << "no count of 0 is cached";

    Choose("基本");  // a folder node changes nothing
    EXPECT_EQ(dialog->CurrentSubset(), 2);
    EXPECT_EQ(Column0(), QStringList({"玉山主峰"}));
    EXPECT_EQ(Count(), "1");
    EXPECT_EQ(ProfileInt(CTalvaneDlg::kSelSubsetDataKey), 3);
}

TEST_F(SelectionFixture, ARowShowsItsSummaryAndPositionAndEnablesItsCommands)
{
    Open();
    Choose("百岳 (5)");
    const struct {
        int row;
        const char *count, *summary;
        bool recordMap;  // rows with record links
    } rows[] = {{1, "2 / 3", "摘要:玉山主峰", true}, {0, "1 / 3", "摘要:南湖大山", false}};
    for (const auto& r : rows) {
        ChooseRow(r.row);
        EXPECT_EQ(Count(), r.count);
        EXPECT_EQ(Summary(), r.summary);
        EXPECT_TRUE(Enabled(CTalvaneDlg::kOtherCommands));
        EXPECT_EQ(Enabled(CTalvaneDlg::kRecordMap), r.recordMap);
        EXPECT_FALSE(Enabled(CTalvaneDlg::kEditData));
    }

    // Losing the selection disables the row commands; so does a subset selection.
    ChooseRow(2);
    ASSERT_TRUE(Enabled(CTalvaneDlg::kRecordMap));
    List()->clearSelection();
    EXPECT_FALSE(Enabled(CTalvaneDlg::kOtherCommands) || Enabled(CTalvaneDlg::kRecordMap));
    ChooseRow(1);
    Choose("臺中市");
    EXPECT_FALSE(Enabled(CTalvaneDlg::kOtherCommands) || Enabled(CTalvaneDlg::kRecordMap));

    // A click on a column title asks the group to sort by that column.
    emit List()->header()->sectionClicked(1);
    EXPECT_EQ(static_cast<DialogTestGroup*>(dialog->CurrentGroup())->calls.last(), "group Sort 1");
}

TEST_F(SelectionFixture, UpdateCountsRefreshesEverySubsetAndKeepsTheLastSelected)
{
    Open();
    dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kUpdateCounts)->click();
    for (const char* text : {"百岳 (3)", "空集合", "臺中市 (1)", "一等 (1)", "%1 (舊) (2)"})
        EXPECT_TRUE(Node(text)) << text;
    const QString cache = CacheText();
    for (const char* line : {"百岳=3\r\n", "一等=1\r\n", "臺中市=1\r\n", "%1 (舊)=2\r\n"})
        EXPECT_TRUE(cache.contains(QString::fromUtf8(line))) << line;
    EXPECT_EQ(dialog->CurrentSubset(), 4);
    EXPECT_EQ(NodeText(), "%1 (舊) (2)");
    EXPECT_EQ(Count(), "2");
}

TEST_F(SelectionFixture, TheLastGroupAndSubsetComeBackAtTheNextStartOnly)
{
    Open();
    ChooseGroup(1);
    ASSERT_EQ(GroupKey(), "Stone");
    Choose("二等");
    EXPECT_EQ(NodeText(), "二等 (2)");

    Open();  // a new dialog
    EXPECT_EQ(dialog->GroupList().CurrentSelection(), 1);
    EXPECT_EQ(GroupKey(), "Stone");
    EXPECT_EQ(dialog->CurrentSubset(), 1);
    EXPECT_EQ(NodeText(), "二等 (2)");
    EXPECT_EQ(Column0(), QStringList({"一等1", "二等2"}));
    EXPECT_EQ(Count(), "2");
    EXPECT_EQ(Points(), 2);
    // The restored subset's columns are the ones a resize widens.
    EXPECT_EQ(dialog->ColumnWidths()[0], DialogTestGroup::kNameWidth);
    EXPECT_EQ(dialog->ColumnWidths()[1], DialogTestGroup::kVisitWidth);

    // Only the first selection restores it.
    ChooseGroup(0);
    ChooseGroup(1);
    EXPECT_EQ(dialog->CurrentSubset(), -1);
    EXPECT_EQ(Count(), "2");
}

TEST_F(SelectionFixture, ASavedSubsetIsRestoredOnlyWhileItsNodeStillNamesIt)
{
    const struct {
        int data;
        const char* text;
        bool restored;
    } cases[] = {
        {1, "百岳 (5)", true},
        {1, "百岳", true},             // the counts may differ
        {5, "%1 (舊) (9)", true},      // a name holding " (" keeps it
        {1, "百岳舊名 (5)", false},    // renamed in the settings
        {2, "百岳 (5)", false},        // the index names another subset now
        {0, "百岳 (5)", false},
        {1, "", false},
        {6, "百岳 (5)", false},        // beyond the subsets
        {-1, "百岳 (5)", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.data));
        SaveSubset(0, c.data, QString::fromUtf8(c.text));
        Open();
        // Not restored: shown as without a saved subset, the whole group and no node chosen.
        EXPECT_EQ(dialog->CurrentSubset(), c.restored ? c.data - 1 : -1);
        EXPECT_EQ(Tree()->currentItem() != nullptr, c.restored);
        EXPECT_EQ(Count() == "3", !c.restored);
        if (!c.restored) {
            EXPECT_EQ(List()->topLevelItemCount(), 3);
        }
    }
}

TEST_F(SelectionFixture, ChoosingTheSameGroupAgainReusesItAndRefreshesTheShownState)
{
    Open();
    auto* group = static_cast<DialogTestGroup*>(dialog->CurrentGroup());
    Choose("百岳 (5)");
    ASSERT_EQ(Points(), 3);
    UserProfile::WriteInt(kSection, QLatin1String(CTalvaneDlg::kSelGroupKey), 2);
    temp.write(QStringLiteral("data/Cache.txt"), Utf16LeWithBom("[山]\r\nNumOfItems=9\r\n[Talvane]\r\n百岳=3\r\n"));
    platform::ClearProfileCache();

    dialog->OnLbnSelchangeGroupList();
    EXPECT_EQ(dialog->CurrentGroup(), group);
    EXPECT_EQ(group->loaded.size(), 3);
    EXPECT_EQ(ProfileInt(CTalvaneDlg::kSelGroupKey), 0);
    EXPECT_EQ(List()->topLevelItemCount(), 3);
    EXPECT_EQ(Count(), "3");
    EXPECT_EQ(dialog->CurrentSubset(), -1);
    EXPECT_EQ(Tree()->currentItem(), nullptr);
    EXPECT_TRUE(Node("百岳 (3)"));
    EXPECT_TRUE(CacheText().contains("NumOfItems=3\r\n"));
    EXPECT_EQ(Points(), 3) << "the same group's points stay on the map";
}

TEST_F(SelectionFixture, AClickOrEnterOnTheSelectedGroupShowsTheWholeGroupAgain)
{
    Open().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    ASSERT_EQ(dialog->GroupList().CurrentSelection(), 0);
    const QStringList wholeGroup = {"南湖大山", "玉山主峰", "雪山主峰"};
    const auto backToTheGroup = [&](const std::function<void()>& act) {
        // The node shows its count once it was chosen.
        const auto found = Tree()->findItems("臺中市", Qt::MatchStartsWith | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);
        Tree()->setCurrentItem(found.first());
        ASSERT_EQ(Column0(), QStringList({"玉山主峰"}));
        ASSERT_EQ(dialog->CurrentSubset(), 2);
        UserProfile::WriteInt(kSection, QLatin1String(CTalvaneDlg::kSelGroupKey), 2);
        temp.write(QStringLiteral("data/Cache.txt"), Utf16LeWithBom("[山]\r\nNumOfItems=9\r\n"));
        platform::ClearProfileCache();

        act();
        EXPECT_EQ(dialog->CurrentSubset(), -1);
        EXPECT_EQ(Tree()->currentItem(), nullptr);
        EXPECT_EQ(Column0(), wholeGroup);
        EXPECT_EQ(Count(), "3");
        EXPECT_EQ(ProfileInt(CTalvaneDlg::kSelGroupKey), 0);
        EXPECT_TRUE(CacheText().contains("[山]\r\nNumOfItems=3\r\n"));
        EXPECT_EQ(dialog->GroupList().Text(0), "山 (3)");
        EXPECT_EQ(dialog->GroupList().CurrentSelection(), 0);
    };
    {
        SCOPED_TRACE("click");
        backToTheGroup([&] { ClickGroup(0); });
    }
    {
        SCOPED_TRACE("Enter");
        backToTheGroup([&] {
            Groups()->setFocus();
            QTest::keyClick(Groups(), Qt::Key_Return);
        });
        EXPECT_TRUE(dialog->isVisible()) << "Enter on the list does not close the dialog";
    }
}

TEST_F(SelectionFixture, AClickOnAnotherGroupSelectsItOnce)
{
    Open().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    QSignalSpy inserted(List()->model(), &QAbstractItemModel::rowsInserted);
    const auto insertedRows = [&] {
        int rows = 0;
        for (const QList<QVariant>& signal : inserted)
            rows += signal.at(2).toInt() - signal.at(1).toInt() + 1;
        inserted.clear();
        return rows;
    };
    // 基石 gets its count at the first click; 山 and then 基石 (2) keep their texts.
    const struct {
        int entry;
        const char* key;
        int rows;
    } clicks[] = {{1, "Stone", 2}, {0, "Talvane", 3}, {1, "Stone", 2}};
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.entry);
        ClickGroup(c.entry);
        EXPECT_EQ(dialog->GroupList().CurrentSelection(), c.entry);
        EXPECT_EQ(GroupKey(), c.key);
        EXPECT_EQ(List()->topLevelItemCount(), c.rows);
        EXPECT_EQ(insertedRows(), c.rows) << "the list is filled once per click";
    }
    EXPECT_EQ(dialog->GroupList().Text(1), "基石 (2)");
}

TEST_F(SelectionFixture, AnotherGroupClearsThePointsOfTheLastSubset)
{
    Open().show();
    Choose("百岳 (5)");
    auto* showMap = dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kShowMap);
    showMap->click();
    ASSERT_EQ(Points(), 3);

    ChooseGroup(2);
    EXPECT_EQ(dialog->GroupList().CurrentSelection(), 2);
    EXPECT_EQ(Points(), 0);
    // The map box is unticked and the list shown again.
    EXPECT_FALSE(showMap->isChecked());
    EXPECT_TRUE(List()->isVisible());
    // A click where a point of the other group was finds nothing to select.
    EXPECT_FALSE(dialog->CurrentMapView()->HitTest(10, 10).has_value());
}

TEST_F(SelectionFixture, JumpsShowTheSubsetOfThatName)
{
    Open();
    // Only region subsets answer by name; an unknown name changes nothing.
    for (const char* name : {"臺中市", "一等", "花蓮縣"})
        dialog->SelectSubsetByName(QString::fromUtf8(name));
    EXPECT_EQ(dialog->CurrentSubset(), 2);
    EXPECT_EQ(NodeText(), "臺中市 (1)");

    dialog->GotoStone("二等");
    EXPECT_EQ(dialog->GroupList().CurrentSelection(), 1);
    EXPECT_EQ(GroupKey(), "Stone");
    EXPECT_EQ(NodeText(), "二等 (2)");
    EXPECT_EQ(List()->topLevelItemCount(), 2);

    // An unknown stone: the group is shown, no subset chosen.
    ChooseGroup(0);
    dialog->GotoStone("五等");
    EXPECT_EQ(dialog->GroupList().CurrentSelection(), 1);
    EXPECT_EQ(dialog->CurrentSubset(), -1);
}

TEST_F(SelectionFixture, GotoStoneWithoutAStoneGroupLooksInTheFirstGroup)
{
    // With the peak class alone, 基石 gives no group and 郊山 a second peak group.
    UserProfile::WriteInt(kSection, QLatin1String(CTalvaneDlg::kSelGroupKey), 2);
    Open(PeaksOnly());
    ASSERT_TRUE(dialog->CurrentGroup());
    dialog->GotoStone("一等");
    EXPECT_EQ(dialog->GroupList().CurrentSelection(), 0);
    EXPECT_EQ(dialog->CurrentGroup(), dialog->GroupTable().BuiltGroup(0));
    EXPECT_EQ(NodeText(), "一等 (1)");
    EXPECT_EQ(Column0(), QStringList({"雪山主峰"}));
}

TEST_F(SelectionFixture, WithoutACurrentGroupJumpsDoNothing)
{
    Open(PeaksOnly({kFeatureSearch}));
    // Without the row-menu feature a row leaves the other functions off.
    ChooseRow(1);
    EXPECT_EQ(Summary(), "摘要:玉山主峰");
    EXPECT_FALSE(Enabled(CTalvaneDlg::kOtherCommands) || Enabled(CTalvaneDlg::kShowMap));

    Choose("百岳 (5)");
    // 基石 gives no group: the controls keep what they showed.
    ChooseGroup(1);
    ASSERT_EQ(dialog->CurrentGroup(), nullptr);
    dialog->GotoStone("一等");
    dialog->SelectSubsetByName("臺中市");
    EXPECT_EQ(dialog->GroupList().CurrentSelection(), 1);
    EXPECT_EQ(dialog->CurrentGroup(), nullptr);
    EXPECT_EQ(NodeText(), "百岳 (3)");
    EXPECT_EQ(Count(), "3 (67%)");
}
