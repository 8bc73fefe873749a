// Controls sharing one id: the builder keeps every one of them, the dialog finds each by its
// type, and a button with a shared id still issues its command.
#include "ui/framework/DialogBuilder.h"
#include "ui/framework/TemplateDialog.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// 比對行程表's template: list view 1008 first, button 1008 (輸出網頁) last.
constexpr int kWalkTemplate = 130;
constexpr int kSharedId = 1008;
constexpr int kSearchId = 1070;

class WalkTemplateDialog : public CTemplateDialog {
public:
    WalkTemplateDialog() : CTemplateDialog(kWalkTemplate)
    {
        DialogBuilder builder;
        CreateFromTemplate(builder);
    }
};

TEST(DialogBuilderTest, KeepsEveryControlOfASharedIdInTemplateOrder)
{
    const auto parsed = DialogTemplate::Parse(R"({
        "id": 9, "caption": "樣本", "size": [200, 100],
        "controls": [
          {"id": 5, "kind": "listview", "rect": [0, 0, 100, 50]},
          {"kind": "static", "caption": "標籤", "rect": [0, 60, 40, 8]},
          {"id": 6, "kind": "edit", "rect": [0, 70, 40, 14]},
          {"id": 5, "kind": "button", "caption": "按鈕", "rect": [50, 70, 40, 14]}
        ]})");
    ASSERT_TRUE(parsed);
    QDialog dialog;
    const auto all = DialogBuilder().BuildAll(*parsed, &dialog);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].first, 5);
    EXPECT_TRUE(qobject_cast<QTreeWidget*>(all[0].second));
    EXPECT_EQ(all[1].first, 6);
    EXPECT_EQ(all[2].first, 5);
    EXPECT_TRUE(qobject_cast<QPushButton*>(all[2].second));

    // By id alone, the first made.
    QDialog other;
    const auto byId = DialogBuilder().Build(*parsed, &other);
    EXPECT_EQ(byId.size(), 2);
    EXPECT_TRUE(qobject_cast<QTreeWidget*>(byId.value(5)));
}

TEST(TemplateDialogTest, SharedIdReachesTheListAndTheButtonByType)
{
    WalkTemplateDialog dialog;
    ASSERT_TRUE(dialog.IsCreated());
    auto* list = dialog.DlgItem<QTreeWidget>(kSharedId);
    auto* button = dialog.DlgItem<QPushButton>(kSharedId);
    ASSERT_TRUE(list);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), QString::fromUtf8("輸出網頁"));
    EXPECT_EQ(dialog.GetDlgItem(kSharedId), list);
    EXPECT_EQ(dialog.DlgItems(kSharedId), (QList<QWidget*>{list, button}));
    EXPECT_EQ(dialog.DlgItem<QLineEdit>(kSharedId), nullptr);
    EXPECT_EQ(dialog.DlgItems(4321).size(), 0);
    EXPECT_EQ(dialog.GetDlgItem(4321), nullptr);

    // The button still issues its id; so does a button of its own id.
    QList<int> seen;
    dialog.Commands().On(kSharedId, [&] { seen.append(kSharedId); });
    dialog.Commands().On(kSearchId, [&] { seen.append(kSearchId); });
    button->click();
    auto* search = dialog.DlgItem<QPushButton>(kSearchId);
    ASSERT_TRUE(search);
    search->setEnabled(true);
    search->click();
    EXPECT_EQ(seen, (QList<int>{kSharedId, kSearchId}));
}

} // namespace
