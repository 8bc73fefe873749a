#include "ui/framework/CommandDispatch.h"
#include "ui/framework/DialogBuilder.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

DialogTemplate Sample()
{
    const auto parsed = DialogTemplate::Parse(R"({
        "id": 9, "caption": "樣本", "size": [200, 100],
        "font": {"family": "Noto Sans CJK TC", "points": 9},
        "controls": [
          {"kind": "static", "caption": "類別：", "rect": [7, 7, 41, 8]},
          {"id": 10, "kind": "button", "caption": "放大", "rect": [99, 24, 30, 14], "state": ["disabled"]},
          {"id": 11, "kind": "checkbox", "caption": "圖示", "rect": [99, 7, 30, 14], "style": ["pushlike"]},
          {"id": 12, "kind": "listview", "rect": [10, 40, 80, 50], "style": ["report", "singlesel"]},
          {"id": 13, "kind": "edit", "rect": [100, 60, 90, 14], "style": ["readonly"], "state": ["hidden"]},
          {"id": 14, "kind": "static", "rect": [100, 80, 40, 11], "style": ["center", "sunken"]}
        ]})");
    EXPECT_TRUE(parsed);
    return *parsed;
}

} // namespace

TEST(DialogBuilderTest, PlacesControlsFromDialogUnitsWithTheirStates)
{
    const DialogTemplate dialogTemplate = Sample();
    QDialog dialog;
    const auto controls = DialogBuilder().Build(dialogTemplate, &dialog);
    const DialogUnits units(DialogBuilder::FontOf(dialogTemplate));

    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("樣本"));
    EXPECT_EQ(dialog.size(), units.ToPixels(QSize(200, 100)));
    // A template that does not resize gives a dialog of fixed size.
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    // The shared label id is not looked up; every other id is.
    EXPECT_EQ(controls.size(), 5);
    EXPECT_FALSE(controls.contains(ControlTemplate::kStaticId));

    EXPECT_EQ(controls[13]->geometry(), units.ToPixels(QRect(100, 60, 90, 14)));
    EXPECT_FALSE(controls[10]->isEnabled());
    auto* pushLike = qobject_cast<QPushButton*>(controls[11]);
    ASSERT_TRUE(pushLike);
    EXPECT_TRUE(pushLike->isCheckable());
    auto* list = qobject_cast<QTreeWidget*>(controls[12]);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    auto* edit = qobject_cast<QLineEdit*>(controls[13]);
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_TRUE(edit->isHidden());
    auto* status = qobject_cast<QLabel*>(controls[14]);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(status->alignment() & Qt::AlignHCenter);
}

TEST(CommandDispatchTest, RoutesButtonsMenusAndPostedCommands)
{
    CommandDispatch commands;
    QList<int> seen;
    commands.On(1074, [&] { seen.append(1074); });
    commands.On(2001, [&] { seen.append(2001); });
    EXPECT_FALSE(commands.Dispatch(9999));

    QPushButton button;
    commands.ConnectButton(&button, 1074);
    button.click();
    QMenu menu;
    QAction* action = commands.AddMenuCommand(&menu, 2001, QStringLiteral("x"));
    EXPECT_EQ(CommandDispatch::CommandOf(action), 2001);
    action->trigger();
    EXPECT_EQ(seen, (QList<int>{1074, 2001}));

    // A posted command runs only once the current handler has returned to the event loop.
    commands.Post(1074);
    EXPECT_EQ(seen.size(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, (QList<int>{1074, 2001, 1074}));
}
