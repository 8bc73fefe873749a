#include "FakeSubsetTree.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/adapters/QtItemList.h"
#include "ui/adapters/QtListBox.h"
#include "ui/adapters/QtMessageBox.h"
#include "ui/adapters/QtPopupMenu.h"
#include "ui/adapters/QtSubsetTree.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Counts the selection signals a handler would be connected to.
struct SignalCount {
    int count = 0;
};

} // namespace

TEST(QtListBoxTest, FillingAndSelectingByProgramNeverReachesTheHandler)
{
    QListWidget widget;
    QtListBox list(&widget);
    SignalCount handler;
    QObject::connect(&widget, &QListWidget::itemSelectionChanged, [&] { ++handler.count; });
    QObject::connect(&widget, &QListWidget::currentRowChanged, [&] { ++handler.count; });

    EXPECT_EQ(list.AddString(QString::fromUtf8("山 (12)")), 0);
    EXPECT_EQ(list.AddString(QString::fromUtf8("基石")), 1);
    EXPECT_EQ(list.InsertString(1, QString::fromUtf8("古道")), 1);
    EXPECT_EQ(list.InsertString(99, QStringLiteral("end")), 3);
    EXPECT_TRUE(list.SetCurrentSelection(2));
    EXPECT_EQ(list.CurrentSelection(), 2);
    // Rewriting the selected entry the way the group list does it: delete, insert, select again.
    EXPECT_TRUE(list.DeleteString(2));
    EXPECT_EQ(list.CurrentSelection(), -1);
    list.InsertString(2, QString::fromUtf8("基石 (3)"));
    list.SetCurrentSelection(2);
    EXPECT_TRUE(list.SetItemData(2, 60001));
    EXPECT_EQ(list.ItemData(2), 60001u);
    EXPECT_TRUE(list.SetCurrentSelection(-1));
    EXPECT_EQ(list.CurrentSelection(), -1);
    list.SetCurrentSelection(0);
    list.DeleteAll();
    EXPECT_EQ(handler.count, 0);

    // Missing entries answer emptily.
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.DeleteString(0));
    EXPECT_FALSE(list.SetCurrentSelection(0));
    EXPECT_EQ(list.Text(5), QString());
    EXPECT_EQ(list.ItemData(5), 0u);

    // A selection by the user still reaches it.
    list.AddString(QStringLiteral("a"));
    widget.setCurrentRow(0);
    EXPECT_GT(handler.count, 0);
}

TEST(QtItemListTest, ColumnsKeepTheProgramsWidthsAndPositions)
{
    QTreeWidget widget;
    widget.setColumnCount(0);
    widget.header()->setStretchLastSection(false);
    QtItemList list(&widget);
    EXPECT_EQ(list.InsertColumn(0, QString::fromUtf8("名稱"), 120, ColumnAlign::Left), 0);
    EXPECT_EQ(list.InsertColumn(5, QString::fromUtf8("高度"), 60, ColumnAlign::Right), 1);
    EXPECT_EQ(list.InsertColumn(1, QString::fromUtf8("地區"), 80, ColumnAlign::Center), 1);
    ASSERT_EQ(list.ColumnCount(), 3);
    QString title;
    int width = 0;
    ASSERT_TRUE(list.GetColumn(1, &title, &width));
    EXPECT_EQ(title, QString::fromUtf8("地區"));
    EXPECT_EQ(width, 80);
    ASSERT_TRUE(list.GetColumn(2, &title, &width));
    EXPECT_EQ(title, QString::fromUtf8("高度"));
    EXPECT_EQ(width, 60);
    EXPECT_FALSE(list.GetColumn(3, &title, &width));

    const int row = list.InsertRow(0, QString::fromUtf8("玉山"), 7);
    EXPECT_TRUE(list.SetCellText(row, 2, QStringLiteral("3952")));
    EXPECT_FALSE(list.SetCellText(row, 3, QStringLiteral("x")));
    EXPECT_TRUE(widget.topLevelItem(0)->textAlignment(2) & Qt::AlignRight);
    EXPECT_TRUE(widget.topLevelItem(0)->textAlignment(1) & Qt::AlignHCenter);

    EXPECT_TRUE(list.DeleteColumn(1));
    EXPECT_EQ(list.ColumnCount(), 2);
    EXPECT_EQ(list.CellText(0, 1), QStringLiteral("3952"));
    EXPECT_FALSE(list.DeleteColumn(2));
}

TEST(QtItemListTest, RowsSortStablyAndSelectionStaysWithItsRow)
{
    QTreeWidget widget;
    widget.setColumnCount(0);
    QtItemList list(&widget);
    list.InsertColumn(0, QStringLiteral("n"), 50, ColumnAlign::Left);
    SignalCount handler;
    QObject::connect(&widget, &QTreeWidget::itemSelectionChanged, [&] { ++handler.count; });

    const quint32 values[] = {30, 10, 20, 11, 0};
    for (quint32 v : values)
        list.InsertRow(list.RowCount(), QString::number(v), v);
    EXPECT_EQ(list.InsertRow(1, QStringLiteral("first"), 40000), 1);
    EXPECT_EQ(list.RowData(1), 40000u);
    EXPECT_EQ(list.RowData(99), 0u);
    list.SelectRow(0, true);  // the row of 30
    EXPECT_EQ(list.SelectedCount(), 1);
    EXPECT_EQ(list.NextSelectedRow(-1), 0);
    EXPECT_EQ(list.NextSelectedRow(0), -1);

    // Tens first: 10, 11 compare equal and keep their order, as do 0 and 40000.
    list.SortRows([](quint32 a, quint32 b) { return int(a / 10 % 10) - int(b / 10 % 10); });
    QList<quint32> order;
    for (int r = 0; r < list.RowCount(); ++r)
        order.append(list.RowData(r));
    EXPECT_EQ(order, (QList<quint32>{40000, 0, 10, 11, 20, 30}));
    EXPECT_EQ(list.NextSelectedRow(-1), 5);
    EXPECT_EQ(list.CellText(5, 0), QStringLiteral("30"));
    EXPECT_EQ(list.FindRow(11), 3);
    EXPECT_EQ(list.FindRow(12345), -1);

    list.SelectRow(5, false);
    list.SelectRow(2, true);
    list.SetCurrentRow(4);
    EXPECT_EQ(list.NextSelectedRow(-1), 2);
    EXPECT_TRUE(list.DeleteRow(2));
    EXPECT_EQ(list.SelectedCount(), 0);
    list.DeleteAllRows();
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.ColumnCount(), 1);
    EXPECT_EQ(handler.count, 0);
}

// The subset tree's contract, kept alike by the window's tree and by the fake of catalog tests.
struct QtTreeHolder {
    QTreeWidget widget;
    QtSubsetTree tree{&widget};
};
struct FakeTreeHolder {
    FakeSubsetTree tree;
};
template <class Holder>
class SubsetTreeContractTest : public ::testing::Test {
protected:
    Holder holder;
};
using TreeHolders = ::testing::Types<QtTreeHolder, FakeTreeHolder>;
TYPED_TEST_SUITE(SubsetTreeContractTest, TreeHolders);

TYPED_TEST(SubsetTreeContractTest, NodesGoInTreeOrderAndOldHandlesNameNothingAfterARefill)
{
    ISubsetTree& tree = this->holder.tree;
    auto fill = [&tree](TreeNode* basic, TreeNode* region, TreeNode* a, TreeNode* b) {
        *basic = tree.InsertNode(kNoTreeNode, QString::fromUtf8("基本"));
        *region = tree.InsertNode(kNoTreeNode, QString::fromUtf8("地區"));
        *a = tree.InsertNode(*basic, QString::fromUtf8("百岳 (100)"));
        *b = tree.InsertNode(*basic, QString::fromUtf8("小百岳"));
    };
    TreeNode basic, region, a, b;
    fill(&basic, &region, &a, &b);
    ASSERT_NE(a, kNoTreeNode);
    EXPECT_TRUE(tree.SetNodeData(b, 2));
    EXPECT_TRUE(tree.SetNodeText(b, QString::fromUtf8("小百岳 (3)")));
    EXPECT_EQ(tree.FirstChild(kNoTreeNode), basic);
    EXPECT_EQ(tree.NextSibling(basic), region);
    EXPECT_EQ(tree.NextSibling(region), kNoTreeNode);
    EXPECT_EQ(tree.FirstChild(basic), a);
    EXPECT_EQ(tree.NextSibling(a), b);
    EXPECT_EQ(tree.ParentNode(b), basic);
    EXPECT_EQ(tree.ParentNode(basic), kNoTreeNode);
    EXPECT_EQ(tree.FirstChild(region), kNoTreeNode);
    EXPECT_EQ(tree.NodeData(b), 2u);
    EXPECT_EQ(tree.NodeText(b), QString::fromUtf8("小百岳 (3)"));
    EXPECT_TRUE(tree.SelectNode(b));
    EXPECT_EQ(tree.SelectedNode(), b);

    // A node remembered across a refill names nothing, even when the tree is filled as before.
    tree.DeleteAll();
    EXPECT_EQ(tree.SelectedNode(), kNoTreeNode);
    EXPECT_EQ(tree.InsertNode(basic, QStringLiteral("x")), kNoTreeNode);
    TreeNode basic2, region2, a2, b2;
    fill(&basic2, &region2, &a2, &b2);
    EXPECT_EQ(tree.FirstChild(kNoTreeNode), basic2);
    for (TreeNode old : {basic, region, a, b}) {
        EXPECT_EQ(tree.NodeText(old), QString());
        EXPECT_FALSE(tree.SetNodeText(old, QStringLiteral("x")));
        EXPECT_FALSE(tree.SelectNode(old));
        EXPECT_EQ(tree.InsertNode(old, QStringLiteral("x")), kNoTreeNode);
    }
}

TEST(QtSubsetTreeTest, FillingIsSilentAndSelectingNotifies)
{
    QTreeWidget widget;
    QtSubsetTree tree(&widget);
    SignalCount handler;
    QObject::connect(&widget, &QTreeWidget::currentItemChanged, [&] { ++handler.count; });
    QObject::connect(&widget, &QTreeWidget::itemSelectionChanged, [&] { ++handler.count; });

    const TreeNode basic = tree.InsertNode(kNoTreeNode, QString::fromUtf8("基本"));
    const TreeNode a = tree.InsertNode(basic, QString::fromUtf8("百岳 (100)"));
    tree.SetNodeData(a, 1);
    tree.SetNodeText(a, QString::fromUtf8("百岳 (99)"));
    tree.Expand(basic);
    EXPECT_EQ(handler.count, 0);

    // Selecting by program notifies the dialog, which then shows the subset; a refill is silent.
    EXPECT_TRUE(tree.SelectNode(a));
    EXPECT_GT(handler.count, 0);
    const int afterSelect = handler.count;
    tree.DeleteAll();
    EXPECT_EQ(handler.count, afterSelect);
}

TEST(QtPopupMenuTest, ChosenCommandReachesTheOwnerAfterTheMenuCloses)
{
    QWidget owner;
    owner.show();
    CommandDispatch commands;
    QList<int> seen;
    commands.On(2003, [&] { seen.append(2003); });
    QtPopupMenu popup(&owner, &commands);
    const QList<MenuEntry> entries = {
        {2001, QString::fromUtf8("開啟"), false, false, true},
        {0, QString(), true},
        {2003, QString::fromUtf8("編輯"), false, true, false},
    };

    auto chooseEntry = [](int id) {
        QTimer::singleShot(0, [id] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_TRUE(menu);
            for (QAction* action : menu->actions())
                if (CommandDispatch::CommandOf(action) == id)
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(action).center());
        });
    };
    chooseEntry(2003);
    EXPECT_EQ(popup.ShowAtCursor(entries, MenuDelivery::ToOwner), 2003);
    EXPECT_TRUE(seen.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, QList<int>{2003});

    chooseEntry(2003);
    EXPECT_EQ(popup.ShowAtCursor(entries, MenuDelivery::ReturnOnly), 2003);
    QCoreApplication::processEvents();
    EXPECT_EQ(seen.size(), 1);

    EXPECT_EQ(popup.ShowAtCursor({}, MenuDelivery::ToOwner), 0);
}

TEST(QtMessageBoxTest, AnswersAndDismissalsMapToTheCatalogsResults)
{
    QtMessageBox boxes(nullptr);
    auto answer = [](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            EXPECT_EQ(box->windowTitle(), QString::fromUtf8("峰嵐錄"));
            if (button == QMessageBox::NoButton)
                box->reject();
            else
                box->button(button)->click();
        });
    };
    answer(QMessageBox::Yes);
    EXPECT_EQ(boxes.Show(QStringLiteral("?"), MessageIcon::Question, MessageButtons::YesNo, {}),
              MessageResult::Yes);
    answer(QMessageBox::NoButton);
    EXPECT_EQ(boxes.Show(QStringLiteral("?"), MessageIcon::Question, MessageButtons::YesNo, {}),
              MessageResult::No);
    answer(QMessageBox::Cancel);
    EXPECT_EQ(boxes.Show(QStringLiteral("!"), MessageIcon::Exclamation, MessageButtons::OkCancel,
                         {}),
              MessageResult::Cancel);
}
