// The plant group's list rows, summary, photos, record menu of web pages and search dialog, on
// plant files of both encodings.
#include "PlantTestSupport.h"

#include "FakeItemList.h"
#include "FakePointView.h"
#include "FakeStatusText.h"

namespace {

// Items: 0 full.txt (Blog1 with "&", Blog3, no Blog2), 1 plain.txt (no pages),
// 2 empty_link.txt (Blog1 with an empty Link1), 3 orphan_link.txt.
class PlantCommandsTest : public ::testing::TestWithParam<const char*> {
protected:
    PlantCommandsTest() : folder(QStringLiteral("utf16le"), QString::fromLatin1(GetParam()))
    {
        folder.Build({"full.txt", "plain.txt", "empty_link.txt", "orphan_link.txt"});
        folder.group.FillItemList(&list);
    }

    PlantFolder folder;
    FakeItemList list;
};

INSTANTIATE_TEST_SUITE_P(Encodings, PlantCommandsTest, ::testing::Values("utf16le", "cp950"));

TEST_P(PlantCommandsTest, RowsColumnsAndSummary)
{
    ASSERT_EQ(list.RowCount(), 4);
    ASSERT_EQ(list.columns.size(), 2);
    EXPECT_EQ(list.columns[0].title, "名稱");
    EXPECT_EQ(list.columns[0].width, 120);
    EXPECT_EQ(list.columns[0].align, ColumnAlign::Left);
    EXPECT_EQ(list.columns[1].title, "科別");
    EXPECT_EQ(list.columns[1].width, 80);
    EXPECT_EQ(list.columns[1].align, ColumnAlign::Right);
    EXPECT_EQ(QStringList({list.CellText(0, 0), list.CellText(0, 1), list.CellText(1, 0)}),
              QStringList({"台灣一葉蘭(一葉蘭)", "蘭科", "玉山杜鵑"}));
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(list.RowData(row), quint32(row));
    FakeStatusText status;
    EXPECT_TRUE(folder.group.ShowRowSummary(&status, &list, 0));
    EXPECT_EQ(status.text, "台灣一葉蘭(一葉蘭) [蘭科]");
    EXPECT_TRUE(folder.group.ShowRowSummary(&status, &list, 1));
    EXPECT_EQ(status.text, "玉山杜鵑 [杜鵑花科]");
    EXPECT_FALSE(folder.group.ShowRowSummary(&status, &list, 4));
}

TEST_P(PlantCommandsTest, ShowItemOnMapHandsThePhotoRequestWithinTheItemsOnly)
{
    FakePointView view;
    EXPECT_TRUE(folder.group.ShowItemOnMap(&view, 0)) << "the view's answer does not matter";
    EXPECT_TRUE(folder.group.ShowItemOnMap(&view, 1));
    ASSERT_EQ(view.images.size(), 2);
    EXPECT_EQ(view.images[1].item, 1);
    EXPECT_EQ(QStringList({view.images[1].name, view.images[1].family, view.images[1].line}),
              QStringList({"玉山杜鵑", "杜鵑花科", "玉山杜鵑 [杜鵑花科]"}));
    for (int item : {-1, 4, 20000})
        EXPECT_FALSE(folder.group.ShowItemOnMap(&view, item)) << item;
    EXPECT_FALSE(folder.group.ShowItemOnMap(nullptr, 0));
    EXPECT_EQ(view.images.size(), 2);
    EXPECT_TRUE(view.points.isEmpty());
}

TEST_P(PlantCommandsTest, RecordMenuListsPagesUpToTheFirstMissingTitle)
{
    struct Case {
        int row;
        bool hasLinks;
        QStringList entries;
    };
    const Case cases[] = {
        {0, true, {"2000 一葉蘭 & 玉山"}},  // Blog1 and Blog3, no Blog2; "&" kept as text
        {1, false, {}},                     // no Blog1: an empty popup
        {2, false, {"2000 沒有網址"}},       // Link1 empty
        {3, true, {"2000 文殊蘭"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(folder.group.HasRecordLinks(&list, c.row), c.hasLinks);
        const int shown = int(folder.menu.shown.size());
        EXPECT_TRUE(folder.group.PopupRecordMenu(&list, c.row));
        ASSERT_EQ(folder.menu.shown.size(), shown + 1);
        EXPECT_EQ(folder.menu.LastEntries(), c.entries);
        EXPECT_EQ(folder.menu.shown.last().delivery, MenuDelivery::ToOwner);
    }
    EXPECT_FALSE(folder.group.PopupRecordMenu(&list, 4));
    EXPECT_FALSE(folder.group.HasRecordLinks(&list, -1));
}

TEST_P(PlantCommandsTest, OpenRecordLinkTakesCommands2000To2029)
{
    struct Case {
        int row, command;
        bool result;
        const char* opened;  // null: nothing opened
    };
    const Case cases[] = {
        {0, 1999, false, nullptr},
        {0, 2000, true, "https://example.org/p?a=1&b=2"},
        {0, 2002, true, "https://example.org/3"},
        {0, 2001, true, nullptr},   // no Link2
        {0, 2029, true, nullptr},
        {0, 2030, false, nullptr},
        {2, 2000, true, nullptr},   // empty Link1
        {3, 2001, true, "https://example.org/kept"},
        {9, 2000, false, nullptr},  // no such row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        SCOPED_TRACE(c.row);
        folder.shell.opened.clear();
        EXPECT_EQ(folder.group.OpenRecordLink(&list, c.row, c.command), c.result);
        EXPECT_EQ(folder.shell.opened, c.opened ? QStringList({c.opened}) : QStringList());
    }
}

// A page kept beside the catalog: a relative link lies under the program folder, as the links of
// the walk and atlas pages do; a web address and an absolute path stand as written.
TEST(PlantLinkTest, RelativeLinksAreTakenFromTheProgramFolder)
{
    PlantFolder folder;
    folder.Build({});
    const QString file = folder.dir.write(
        QStringLiteral("植物/local_pages.txt"),
        Utf16LeWithBom(QStringLiteral("[Plant]\r\nName=台灣油點草\r\nClass=百合科\r\n"
                                      "Blog1=本機\r\nLink1=植物網頁\\油點草.htm\r\n"
                                      "Blog2=上層\r\nLink2=..\\網頁/油點草.htm\r\n"
                                      "Blog3=網址\r\nLink3=https://example.org/tricyrtis\r\n"
                                      "Blog4=絕對\r\nLink4=/srv/pages/tricyrtis.htm\r\n")));
    ASSERT_TRUE(folder.group.LoadItemFile(file, platform::FileTime{1}));
    FakeItemList list;
    folder.group.FillItemList(&list);
    ASSERT_EQ(list.RowCount(), 1);
    const QString program = folder.dir.path();
    const QString parent = QDir::cleanPath(program + QStringLiteral("/.."));
    const struct {
        int command;
        QString opened;
    } cases[] = {
        {2000, program + QStringLiteral("/植物網頁/油點草.htm")},
        {2001, parent + QStringLiteral("/網頁/油點草.htm")},
        {2002, QStringLiteral("https://example.org/tricyrtis")},
        {2003, QStringLiteral("/srv/pages/tricyrtis.htm")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        folder.shell.opened.clear();
        EXPECT_TRUE(folder.group.OpenRecordLink(&list, 0, c.command));
        EXPECT_EQ(folder.shell.opened, QStringList{c.opened});
    }
}

TEST_P(PlantCommandsTest, EditAndSearch)
{
    EXPECT_TRUE(folder.group.EditItemFile(&list, 1));
    EXPECT_EQ(folder.shell.edited, QStringList({folder.dir.file("植物/plain.txt")}));
    EXPECT_FALSE(folder.group.EditItemFile(&list, 4));
    QString text = QStringLiteral("蘭");
    EXPECT_TRUE(folder.group.RunFindDialog(nullptr, nullptr, &text, 0, 0));
    ASSERT_EQ(folder.dialogs.finds.size(), 1);
    EXPECT_EQ(folder.dialogs.finds[0].kind, FindDialogKind::Plants);
    EXPECT_EQ(folder.dialogs.finds[0].group, &folder.group);
}

} // namespace
