// The plant that a blog entry's title names: the family between the last "(" and the last ")"
// after it, the name before that "(".
#include "ui/maindlg/PlantTitle.h"

#include <gtest/gtest.h>

TEST(PlantTitleTest, FamilyAndNameOfATitle)
{
    const struct {
        const char* title;
        bool named;
        const char *family, *name;
    } cases[] = {
        {"台灣百合(百合科)", true, "百合科", "台灣百合"},
        {"台灣百合(百合科) 2021", true, "百合科", "台灣百合"},      // text after ")" is no part
        {"台灣百合(百合科 \t)", true, "百合科", "台灣百合"},         // trailing blanks go
        {"台灣百合(百合科　)", true, "百合科", "台灣百合"},          // the ideographic space too
        {"台灣百合( 百合科)", true, " 百合科", "台灣百合"},          // leading ones stay
        {"台灣百合 (百合科)", true, "百合科", "台灣百合 "},          // the name is taken as it stands
        {"(12)台灣百合(百合科)", true, "百合科", "台灣百合"},        // after the name's last ")"
        {"(1)(2)台灣百合(百合科)", true, "百合科", "台灣百合"},
        {")台灣百合(百合科)", true, "百合科", ")台灣百合"},          // a ")" first is the name's
        {"台(灣)百合(百合科)", true, "百合科", "百合"},
        {"(百合科)", true, "百合科", ""},
        {"台灣百合(百合科)(補)", false, "", ""},                    // the last brackets hold one
        {"台灣百合(科)", false, "", ""},
        {"台灣百合()", false, "", ""},
        {"台灣百合(  )", false, "", ""},                            // blanks only name no family
        {"台灣百合", false, "", ""},
        {"台灣百合(百合科", false, "", ""},
        {"台灣百合百合科)", false, "", ""},
        {"台灣百合)百合科(", false, "", ""},                        // the ")" stands before
        {"台灣百合(百合科)(", false, "", ""},
        {"", false, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        PlantTitle plant{QStringLiteral("前"), QStringLiteral("前")};
        EXPECT_EQ(ParsePlantTitle(QString::fromUtf8(c.title), &plant), c.named);
        if (c.named) {
            EXPECT_EQ(plant.family, QString::fromUtf8(c.family));
            EXPECT_EQ(plant.name, QString::fromUtf8(c.name));
        }
    }
}
