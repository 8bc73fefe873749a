// The main dialog's update-database and add-plant commands on a temporary program folder: the
// groups are built again from their item files and the shown subset chosen again; a blog entry
// adds its plant (and family) through the plant group's operations and shows the plant.
#include "DialogTestGroups.h"
#include "FakeMessageBox.h"
#include "PlantTestGroup.h"
#include "TempDir.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/framework/UserProfile.h"
#include "ui/maindlg/TalvaneDlg.h"

#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);
const QSet<int> kPeakFeatures = {kFeatureSearch, kFeatureRowMenu, kFeatureMap};
const QString kPart3 = QStringLiteral("嵐間雜記？(part 3)");
const QString kPart2 = QStringLiteral("嵐間雜記？(part 2)");
const QString kBlog = QStringLiteral("嵐間雜記？");

// The dialogs of the commands: the add-plant input plays a script, one step per run (no step
// left: cancelled); the plant search answers a preset choice. Both record what they were given.
class ScriptedDialogs : public IMainDialogs {
public:
    void CompareList(QWidget*, CGroupBase*, CSubsetBase*) override {}
    void CompareWalks(QWidget*, CGroupBase*) override {}
    void CompareGuide(QWidget*, CGroupBase*, int) override {}
    void CompareHiking(QWidget*, CGroupBase*, int) override {}
    void RegionStatistics(QWidget*, CGroupBase*) override {}
    bool AddPlant(QWidget*, AddPlantInput* input) override
    {
        given.append(*input);
        if (given.size() > script.size() || !script[given.size() - 1])
            return false;
        *input = *script[given.size() - 1];
        return true;
    }
    bool FindPlant(QWidget*, CGroupBase* group, const QString& text, QString* family,
                   QString* name) override
    {
        searched << text;
        searchGroup = group;
        if (!choice)
            return false;
        *family = choice->first;
        *name = choice->second;
        return true;
    }

    QList<std::optional<AddPlantInput>> script;
    QList<AddPlantInput> given;
    std::optional<std::pair<QString, QString>> choice;  // family, name
    QStringList searched;
    CGroupBase* searchGroup = nullptr;
};

AddPlantInput Entry(const QString& site, const char* title, const char* address = "https://blog.example.org/p/1")
{
    return AddPlantInput{site, QString::fromUtf8(title), QString::fromUtf8(address)};
}

// Three groups: 山 with three peaks, 植物 with two plants, 郊山 whose only file names no peak
// yet. The peak group's subsets are the fixture's, so a test can change them between builds.
struct UpdateFixture : ::testing::Test {
    UpdateFixture()
    {
        QSettings().remove(kSection);
        const char* files[][2] = {
            {"峰嵐錄.txt", "[DataGroup]\r\nBaseFolder=data\r\nGroup1=山\r\nGroup2=植物\r\nGroup3=郊山\r\n"},
            {"Local.txt", ""},
            {"data/Cache.txt", "[Talvane]\r\n百岳=3\r\n臺中市=1\r\n[Plant]\r\n蘭科=1\r\n"},
            {"data/山/南湖大山.txt", "[Talvane]\r\nName=南湖大山\r\n"},
            {"data/山/玉山主峰.txt", "[Talvane]\r\nName=玉山主峰\r\nVisit1=12\r\n"},
            {"data/山/雪山主峰.txt", "[Talvane]\r\nName=雪山主峰\r\nVisit1=3\r\n"},
            {"data/植物/玉山佛甲草(景天科).txt", "[Plant]\r\nName=玉山佛甲草\r\nClass=景天科\r\n"},
            {"data/植物/石斛蘭(蘭科).txt", "[Plant]\r\nName=石斛蘭\r\nClass=蘭科\r\n"},
            {"data/郊山/七星山.txt", "[Talvane]\r\nName=\r\n"},
        };
        for (const auto& [path, text] : files)
            temp.write(QString::fromUtf8(path), Utf16LeWithBom(QString::fromUtf8(text)));
        platform::SetProgramFolder(temp.path());
        platform::ClearProfileCache();
        book.families = QStringList{"景天科", "蘭科"};
        book.aliases.insert("蘭花科", "蘭科");
    }
    ~UpdateFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
    }

    // The dialog after its first group selection (of a saved entry), which runs from the event loop.
    CTalvaneDlg& Open(int entry = 0)
    {
        UserProfile::WriteInt(kSection, QLatin1String(CTalvaneDlg::kSelGroupKey), entry);
        dialog.reset();
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->GroupTable().SetGroupClasses({
            GroupClassEntry{[this] { return std::make_unique<DialogTestGroup>("Talvane", "山", kPeakFeatures, peakSubsets); }},
            PlantTestClass(&book),
        });
        dialog->SetDialogs(&dialogs);
        dialog->SetMessageBox(&messages);
        QCoreApplication::processEvents();
        return *dialog;
    }
    bool Run(int id) { return dialog->Commands().Dispatch(id); }

    QTreeWidget* Tree() const { return dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree); }
    QTreeWidget* List() const { return dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList); }
    void Choose(const char* text)
    {
        const auto found = Tree()->findItems(QString::fromUtf8(text), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << text;
        Tree()->setCurrentItem(found.first());
    }
    QStringList Column0() const
    {
        QStringList rows;
        for (int row = 0; row < List()->topLevelItemCount(); ++row)
            rows << List()->topLevelItem(row)->text(0);
        return rows;
    }
    QStringList SelectedRows() const
    {
        QStringList rows;
        for (QTreeWidgetItem* item : List()->selectedItems())
            rows << item->text(0);
        return rows;
    }
    QString NodeText() const { return Tree()->currentItem() ? Tree()->currentItem()->text(0) : QString(); }
    QString Count() const { return dialog->DlgItem<QLabel>(CTalvaneDlg::kStatusCount)->text(); }
    QString Summary() const { return dialog->DlgItem<QLineEdit>(CTalvaneDlg::kSummary)->text(); }
    int Points() const { return dialog->CurrentMapView()->PointCount(); }
    QStringList Messages() const { return messages.ExclamationTexts(); }
    auto* Group() const { return dynamic_cast<DialogTestGroup*>(dialog->CurrentGroup()); }

    TempDir temp;
    PlantBook book;
    ScriptedDialogs dialogs;
    FakeMessageBox messages;
    QList<TestSubsetDef> peakSubsets = {
        {0, 0, "百岳", {0, 1, 2}, true},
        {10, 0, "空集合", {}, false},
        {6, 1, "臺中市", {1}, false},
        {1, 0, "一等", {2}, false},
    };
    std::unique_ptr<CTalvaneDlg> dialog;
};

} // namespace

TEST_F(UpdateFixture, UpdateRebuildsTheGroupsAndChoosesTheSubsetAgainByItsIndex)
{
    Open().show();
    Choose("百岳 (3)");
    ASSERT_EQ(Column0(), QStringList({"南湖大山", "玉山主峰", "雪山主峰"}));
    dialog->GroupTable().GetGroup(1, nullptr);  // another group built: it goes too
    temp.write("data/山/雪山主峰.txt", Utf16LeWithBom("[Talvane]\r\nName=雪山北峰\r\nVisit1=3\r\n"));

    // The command works while its button is disabled, through the dispatch.
    ASSERT_FALSE(dialog->GetDlgItem(CTalvaneDlg::kUpdateDatabase)->isEnabled());
    EXPECT_TRUE(Run(CTalvaneDlg::kUpdateDatabase));
    ASSERT_TRUE(Group());
    EXPECT_EQ(Group()->loaded.size(), 3) << "the new group read every item file";
    EXPECT_EQ(dialog->GroupTable().BuiltGroup(1), nullptr);
    EXPECT_EQ(dialog->CurrentSubset(), 0);
    EXPECT_EQ(NodeText(), "百岳 (3)");
    EXPECT_EQ(Column0(), QStringList({"南湖大山", "玉山主峰", "雪山北峰"}));
    EXPECT_EQ(Count(), "3 (67%)");
    EXPECT_EQ(Points(), 3) << "the old points went, the subset's are marked afresh";
    EXPECT_EQ(dialog->focusWidget(), Tree());
    EXPECT_EQ(dialog->GroupList().CurrentSelection(), 0);
}

TEST_F(UpdateFixture, UpdateChoosesTheSubsetByItsTextWhenItsIndexMoved)
{
    Open();
    Choose("臺中市 (1)");
    ASSERT_EQ(dialog->CurrentSubset(), 2);

    // The settings gained a subset in front: index 2 is 空集合 now.
    peakSubsets.prepend({10, 0, "新增", {0}, false});
    Run(CTalvaneDlg::kUpdateDatabase);
    EXPECT_EQ(dialog->CurrentSubset(), 3);
    EXPECT_EQ(NodeText(), "臺中市 (1)");
    EXPECT_EQ(Column0(), QStringList({"玉山主峰"}));
    EXPECT_EQ(Points(), 1);

    // Gone from the settings: the whole group, no subset, no points of the old one.
    peakSubsets.removeAt(3);
    Run(CTalvaneDlg::kUpdateDatabase);
    EXPECT_EQ(dialog->CurrentSubset(), -1);
    EXPECT_EQ(Tree()->currentItem(), nullptr);
    EXPECT_EQ(Column0(), QStringList({"南湖大山", "玉山主峰", "雪山主峰"}));
    EXPECT_EQ(Count(), "3");
    EXPECT_EQ(Points(), 0);
}

TEST_F(UpdateFixture, UpdateWithoutASubsetShowsTheWholeGroupAndWithoutAnEntryDoesNothing)
{
    Open();
    Run(CTalvaneDlg::kUpdateDatabase);
    EXPECT_TRUE(Group());
    EXPECT_EQ(dialog->CurrentSubset(), -1);
    EXPECT_EQ(Column0(), QStringList({"南湖大山", "玉山主峰", "雪山主峰"}));

    CGroupBase* shown = dialog->CurrentGroup();
    dialog->GroupList().SetCurrentSelection(-1);
    Run(CTalvaneDlg::kUpdateDatabase);
    EXPECT_EQ(dialog->CurrentGroup(), shown);
    EXPECT_EQ(dialog->GroupTable().BuiltGroup(0), shown);
}

TEST_F(UpdateFixture, UpdateRepeatsASelectionThatYieldedNoGroup)
{
    Open(2);
    ASSERT_EQ(dialog->CurrentGroup(), nullptr);
    auto* button = dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kUpdateDatabase);
    ASSERT_TRUE(button->isEnabled()) << "no group was shown: the template's state";

    // Still no peak named: nothing is shown.
    button->click();
    EXPECT_EQ(dialog->CurrentGroup(), nullptr);

    temp.write("data/郊山/七星山.txt", Utf16LeWithBom("[Talvane]\r\nName=七星山\r\n"));
    button->click();
    ASSERT_TRUE(Group());
    EXPECT_EQ(Group()->Key(), "Talvane");
    EXPECT_EQ(Column0(), QStringList({"七星山"}));
    EXPECT_EQ(dialog->GroupList().Text(2), "郊山 (1)");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(dialog->GetDlgItem(CTalvaneDlg::kAddPlant)->isHidden());
}

TEST_F(UpdateFixture, APlantOfANewFamilyIsAddedAndShownInTheRebuiltGroup)
{
    Open(1);
    Choose("蘭科 (1)");
    dialogs.script = {Entry(kPart3, "(12)台灣百合(百合科 )")};

    EXPECT_TRUE(Run(CTalvaneDlg::kAddPlant));
    EXPECT_EQ(Messages(), QStringList({"植物科別[百合科]不存在！", "植物[台灣百合(百合科)]不存在！"}));
    EXPECT_EQ(book.calls, QStringList({
                              "NormalizeClass 百合科",
                              "AddClass 百合科",
                              "HasItem 百合科 台灣百合",
                              "AddItem 百合科 台灣百合",
                              "AddBlogLink 百合科 台灣百合 嵐間雜記？(part 3)(12)台灣百合(百合科 ) "
                              "https://blog.example.org/p/1",
                          }));
    EXPECT_TRUE(QFile::exists(temp.file("data/植物/台灣百合(百合科).txt")));

    // The rebuilt group holds the new plant and its family; both are shown.
    ASSERT_TRUE(Group());
    EXPECT_EQ(Group()->ItemCount(), 3);
    EXPECT_EQ(dialog->CurrentSubset(), 2);
    EXPECT_EQ(NodeText(), "百合科 (1)");
    EXPECT_EQ(Column0(), QStringList({"台灣百合"}));
    EXPECT_EQ(SelectedRows(), QStringList({"台灣百合"}));
    EXPECT_EQ(List()->currentItem(), List()->topLevelItem(0));
    EXPECT_EQ(Count(), "1 / 1");
    EXPECT_EQ(Summary(), "摘要:台灣百合");
}

TEST_F(UpdateFixture, AKnownPlantGetsTheLinkWithoutAnUpdate)
{
    Open(1);
    Choose("景天科");
    CGroupBase* shown = dialog->CurrentGroup();
    // An alias of a family names it; the family's node shows its count.
    dialogs.script = {Entry(kPart3, "石斛蘭(蘭花科)", "https://blog.example.org/p/2")};

    Run(CTalvaneDlg::kAddPlant);
    EXPECT_EQ(Messages(), QStringList());
    EXPECT_EQ(book.calls, QStringList({
                              "NormalizeClass 蘭花科",
                              "HasItem 蘭科 石斛蘭",
                              "AddBlogLink 蘭科 石斛蘭 嵐間雜記？(part 3)石斛蘭(蘭花科) https://blog.example.org/p/2",
                          }));
    EXPECT_EQ(dialog->CurrentGroup(), shown);
    EXPECT_EQ(NodeText(), "蘭科 (1)");
    EXPECT_EQ(SelectedRows(), QStringList({"石斛蘭"}));
    EXPECT_EQ(Count(), "1 / 1");
}

TEST_F(UpdateFixture, TheOtherPartsOfTheBlogFindThePlantThroughTheSearch)
{
    for (const QString& site : {kPart2, kBlog}) {
        for (const bool confirmed : {true, false}) {
            SCOPED_TRACE(site.toStdString() + (confirmed ? " confirmed" : " cancelled"));
            dialogs = ScriptedDialogs();
            book.calls.clear();
            dialogs.script = {Entry(site, "2021.05 合歡山(玉山佛甲草)")};
            if (confirmed)
                dialogs.choice = std::pair<QString, QString>("景天科", "玉山佛甲草");
            Open(1);

            Run(CTalvaneDlg::kAddPlant);
            EXPECT_EQ(dialogs.searched, QStringList({"玉山佛甲草"}));
            EXPECT_EQ(dialogs.searchGroup, dialog->CurrentGroup());
            EXPECT_EQ(dialogs.given.size(), 1);
            const QStringList added = {
                "NormalizeClass 景天科", "HasItem 景天科 玉山佛甲草",
                "AddBlogLink 景天科 玉山佛甲草 " + site + "2021.05 合歡山(玉山佛甲草) https://blog.example.org/p/1"};
            EXPECT_EQ(book.calls, confirmed ? added : QStringList());
            EXPECT_EQ(SelectedRows(), confirmed ? QStringList({"玉山佛甲草"}) : QStringList());
        }
    }
}

TEST_F(UpdateFixture, ATitleNamingNoPlantAsksAgainWithWhatWasEntered)
{
    Open(1);
    const AddPlantInput first = Entry(kPart3, "台灣百合");
    const AddPlantInput second = Entry(kPart3, "台灣百合(科)", "https://blog.example.org/p/3");
    const AddPlantInput third = Entry(kPart3, "(百合科)");  // a family without a name
    const AddPlantInput fourth = Entry(kPart2, "合歡山");
    dialogs.script = {first, second, third, fourth};

    Run(CTalvaneDlg::kAddPlant);
    ASSERT_EQ(dialogs.given.size(), 5);
    EXPECT_EQ(dialogs.given[0].title, "");
    const AddPlantInput entered[] = {first, second, third, fourth};
    for (int run = 1; run < 5; ++run) {
        EXPECT_EQ(dialogs.given[run].site, entered[run - 1].site);
        EXPECT_EQ(dialogs.given[run].title, entered[run - 1].title);
        EXPECT_EQ(dialogs.given[run].address, entered[run - 1].address);
    }
    EXPECT_EQ(dialogs.searched, QStringList());
    EXPECT_EQ(book.calls, QStringList());
    EXPECT_EQ(Messages(), QStringList());
}

TEST_F(UpdateFixture, AnotherSiteOrGroupAddsNothing)
{
    Open(1);
    // The site must be the blog's exactly: a plain "?" is another site.
    for (const char* site : {"其他網站", "嵐間雜記?(part 3)", ""}) {
        dialogs = ScriptedDialogs();
        dialogs.script = {Entry(QString::fromUtf8(site), "台灣百合(百合科)")};
        Run(CTalvaneDlg::kAddPlant);
        EXPECT_EQ(dialogs.given.size(), 1) << site;
    }
    EXPECT_EQ(dialogs.searched, QStringList());
    EXPECT_EQ(book.calls, QStringList());
    EXPECT_EQ(Messages(), QStringList());

    // A group that keeps no plants is not asked at all.
    dialog->GroupList().SetCurrentSelection(0);
    dialog->OnLbnSelchangeGroupList();
    dialogs = ScriptedDialogs();
    dialogs.script = {Entry(kPart3, "台灣百合(百合科)")};
    Run(CTalvaneDlg::kAddPlant);
    EXPECT_EQ(dialogs.given.size(), 0);
}
