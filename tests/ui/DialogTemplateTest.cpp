#include "ui/framework/DialogTemplate.h"
#include "ui/framework/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

QByteArray Dialog(const char* controls)
{
    return QByteArray(R"({"id": 7, "caption": "t", "size": [100, 50], "controls": [)") + controls +
           "]}";
}

} // namespace

TEST(DialogTemplateTest, ParsesControlsWithStylesAndStates)
{
    const auto parsed = DialogTemplate::Parse(Dialog(
        R"({"id": 5, "kind": "button", "caption": "放大", "rect": [1, 2, 3, 4], "state": ["disabled"]},
           {"kind": "static", "caption": "a", "rect": [0, 0, 9, 8]},
           {"kind": "static", "caption": "b", "rect": [0, 9, 9, 8], "style": ["sunken"], "state": ["hidden"]})"));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->size, QSize(100, 50));
    EXPECT_EQ(parsed->fontPoints, DialogTemplate::kDefaultFontPoints);
    ASSERT_EQ(parsed->controls.size(), 3u);
    const ControlTemplate* button = parsed->Find(5);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->kind, ControlKind::Button);
    EXPECT_EQ(button->caption, QString::fromUtf8("放大"));
    EXPECT_EQ(button->rect, QRect(1, 2, 3, 4));
    EXPECT_TRUE(button->disabled);
    EXPECT_FALSE(button->hidden);
    EXPECT_EQ(parsed->controls[1].id, ControlTemplate::kStaticId);
    EXPECT_TRUE(parsed->controls[2].hidden);
    EXPECT_TRUE(parsed->controls[2].HasStyle("sunken"));
}

TEST(DialogTemplateTest, MalformedTemplatesLoadAsNothing)
{
    EXPECT_FALSE(DialogTemplate::Parse("{"));
    EXPECT_FALSE(DialogTemplate::Parse("[]"));
    EXPECT_FALSE(DialogTemplate::Parse(R"({"id": 1, "controls": []})"));  // no size
    EXPECT_FALSE(DialogTemplate::Parse(Dialog(R"({"id": 3, "kind": "slider", "rect": [0,0,1,1]})")));
    EXPECT_FALSE(DialogTemplate::Parse(Dialog(R"({"id": 3, "kind": "button", "rect": [0,0,1]})")));
    EXPECT_FALSE(DialogTemplate::Parse(Dialog(R"({"id": 3, "kind": "button", "rect": [0,-1,1,1]})")));
    EXPECT_FALSE(DialogTemplate::Parse(Dialog(R"({"id": 3, "kind": "button", "rect": [0,0,1e9,1]})")));
    EXPECT_FALSE(DialogTemplate::Parse(Dialog(R"({"id": 3, "kind": "button", "rect": [0,0.5,1,1]})")));
    // Two controls of one id and kind could not be told apart; of different kinds they can.
    EXPECT_FALSE(DialogTemplate::Parse(Dialog(R"({"id": 3, "kind": "button", "rect": [0,0,1,1]},
                                                 {"id": 3, "kind": "button", "rect": [0,0,1,1]})")));
    EXPECT_TRUE(DialogTemplate::Parse(Dialog(R"({"id": 3, "kind": "listview", "rect": [0,0,1,1]},
                                                {"id": 3, "kind": "button", "rect": [0,0,1,1]})")));
    EXPECT_FALSE(DialogTemplate::Load(99999));
}

TEST(DialogUnitsTest, ConvertsEachEdgeRoundedToNearestPixel)
{
    const DialogUnits units(7, 17);
    // 133 × 7 / 4 = 232.75, 7 × 17 / 8 = 14.875, 293 × 7 / 4 = 512.75, 224 × 17 / 8 = 476.
    EXPECT_EQ(units.ToPixels(QRect(133, 7, 293, 224)), QRect(233, 15, 513, 476));
    // Exactly half a pixel rounds up: 2 × 7 / 4 = 3.5, 4 × 17 / 8 = 8.5.
    EXPECT_EQ(units.ToPixelsX(2), 4);
    EXPECT_EQ(units.ToPixelsY(4), 9);
    EXPECT_EQ(units.ToPixels(QSize(433, 311)), QSize(758, 661));
    EXPECT_EQ(units.ToPixelsX(0), 0);
}

TEST(DialogUnitsTest, BaseUnitsComeFromTheFontMetrics)
{
    QFont font(QStringLiteral("Noto Sans CJK TC"));
    font.setPointSize(9);
    const DialogUnits units(font);
    const QFontMetrics metrics(font);
    EXPECT_EQ(units.baseY(), metrics.height());
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    EXPECT_NEAR(units.baseX(), alphabet / 52.0, 0.5);
    // A larger font gives larger units.
    font.setPointSize(18);
    EXPECT_GT(DialogUnits(font).baseY(), units.baseY());
}
