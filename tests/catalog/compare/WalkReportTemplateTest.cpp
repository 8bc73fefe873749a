// Cutting the report templates, the page letter in template parts, templates the reports refuse,
// and walks and atlas pages holding more items than the old tables' room.
#include "WalkReportFixture.h"

#include "catalog/compare/WalkReportTemplate.h"

#include <QDir>

namespace walk_reports_test {
namespace {

TEST(SplitRowTemplateTest, CutsAtTheFirstStartAndTheFirstEndAfterIt)
{
    struct Case {
        QString text;
        bool ok;
        QString head, middle, tail;
    };
    const std::vector<Case> cases{
        {u"h<s>m<e>t"_qs, true, u"h"_qs, u"m"_qs, u"t"_qs},
        {u"<s><e>"_qs, true, QString(), QString(), QString()},
        {u"h<s>m<e>t<s>n<e>u"_qs, true, u"h"_qs, u"m"_qs, u"t<s>n<e>u"_qs},
        {u"h<e>x<s>m<e>t"_qs, true, u"h<e>x"_qs, u"m"_qs, u"t"_qs},
        {u"h<e>m<s>t"_qs, false, {}, {}, {}},  // reversed
        {u"h<s>m"_qs, false, {}, {}, {}},
        {u"h<e>m"_qs, false, {}, {}, {}},
        {QString(), false, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QString head = u"?"_qs, middle = u"?"_qs, tail = u"?"_qs;
        ASSERT_EQ(SplitRowTemplate(c.text, u"<s>", u"<e>", &head, &middle, &tail), c.ok);
        if (!c.ok)
            EXPECT_EQ(head + middle + tail, u"???"_qs);
        else
            EXPECT_EQ(QStringList({head, middle, tail}), QStringList({c.head, c.middle, c.tail}));
    }
}

TEST(ApplyPageLetterTest, OnlyPercentCAndPercentPercentAreConversions)
{
    const std::vector<std::pair<QString, QString>> cases{
        {u"100%"_qs, u"100%"_qs},
        {u"100%%"_qs, u"100%"_qs},
        {u"walk%c.htm#%c"_qs, u"walkb.htm#b"_qs},
        {u"%%c %%%c"_qs, u"%c %b"_qs},
        {u"%d %s %1 %"_qs, u"%d %s %1 %"_qs},
        {u"山%c峰"_qs, u"山b峰"_qs},
    };
    for (const auto& [part, expected] : cases)
        EXPECT_EQ(ApplyPageLetter(part, u'b'), expected) << part.toStdString();
}

class WalkReportTemplateTest : public WalkReportFixture {
protected:
    QString TemplateText(const char* name) const
    {
        return ReadUtf8(In(u"data/Template/"_qs + QString::fromUtf8(name)));
    }
};

TEST_F(WalkReportTemplateTest, BrokenTemplatesWriteNoPage)
{
    const QString walk3 = TemplateText("walk3_template.htm");
    const QString walk4 = TemplateText("walk4_template.htm");
    auto without = [](QString text, const char* marker) {
        return text.remove(QString::fromUtf8(marker));
    };
    auto swapped = [](QString text, const char* start, const char* end) {
        const QString s = QString::fromUtf8(start), e = QString::fromUtf8(end);
        return text.replace(s, u"@@"_qs).replace(e, s).replace(u"@@"_qs, e);
    };
    struct Case {
        bool walk4;
        QString text;  // null: no template file
        const char* why;
    };
    const std::vector<Case> cases{
        {false, QString(), "missing template"},
        {false, without(walk3, "<!__CityStart__>"), "no city start"},
        {false, without(walk3, "<!__CityEnd__>"), "no city end"},
        {false, swapped(walk3, "<!__CityStart__>", "<!__CityEnd__>"), "city markers reversed"},
        {false, without(walk3, "<!__RegionStart__>"), "no region start"},
        {false, swapped(walk3, "<!__RegionStart__>", "<!__RegionEnd__>"), "region markers reversed"},
        {false, without(walk3, "<!__RegionStart2__>"), "no body start"},
        {false, without(walk3, "<!__RegionEnd2__>"), "no body end"},
        {false, without(walk3, "<!__RowEnd__>"), "no row end"},
        {false, swapped(walk3, "<!__RowStart__>", "<!__RowEnd__>"), "row markers reversed"},
        {true, QString(), "missing walk4 template"},
        {true, without(walk4, "<!__ColStart__>"), "no column start"},
        {true, swapped(walk4, "<!__ColStart__>", "<!__ColEnd__>"), "column markers reversed"},
        {true, without(walk4, "<!__RowStart__>"), "no walk4 row start"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const QString name = c.walk4 ? u"walk4"_qs : u"walk3"_qs;
        const QString path = In(u"data/Template/"_qs + name + u"_template.htm"_qs);
        QFile::remove(path);
        if (!c.text.isNull())
            WriteUtf8(u"data/Template/"_qs + name + u"_template.htm"_qs, c.text);
        const WalkReportInput input = Input();
        EXPECT_FALSE(c.walk4 ? WriteWalk4Pages(input) : WriteWalk3Pages(input));
        EXPECT_FALSE(QFileInfo::exists(In(u"data/"_qs + name)));
        EXPECT_TRUE(shell.opened.isEmpty());
        WriteUtf8(u"data/Template/walk3_template.htm"_qs, walk3);
        WriteUtf8(u"data/Template/walk4_template.htm"_qs, walk4);
    }
}

// 25 peaks of 仁愛鄉 on walk 9, 12 of them on atlas page 八012: every one is in the reports.
TEST_F(WalkReportTemplateTest, AWalkOf25PeaksAndAnAtlasPageOf12)
{
    constexpr int kPeaks = 25;
    constexpr int kOnPage = 12;
    QDir(In(u"data/山"_qs)).removeRecursively();
    for (int i = 0; i < kPeaks; ++i) {
        const QString text = QStringLiteral("[Talvane]\r\nName=峰%1\r\nHeight=%2\r\nRegion=南投縣仁愛鄉\r\nVisit1=9\r\n%3")
                                 .arg(i, 2, 10, QLatin1Char('0')).arg(1000 + i)
                                 .arg(i < kOnPage ? u"BlueSky1=(八012)峰\r\n"_qs : QString());
        const QString name = QStringLiteral("program/data/山/q%1.txt").arg(i, 2, 10, QLatin1Char('0'));
        dir.write(name, i % 2 ? Big5(text) : Utf16LeWithBom(text));
    }
    WriteUtf8(u"data/walk2.htm"_qs,
              u"<table><tr><td align=center>9</td><td><a href=\"r9.htm\">九號</a></td>"
              "<td align=center>南投</td><td>2001/9/9</td></tr></table>"_qs);
    Load();
    ASSERT_EQ(peaks->ItemCount(), kPeaks);
    ASSERT_EQ(visits.size(), 1u);
    EXPECT_EQ(visits[0].items.size(), kPeaks);
    const WalkReportInput input = Input();
    ASSERT_TRUE(WriteWalk3Pages(input));
    ASSERT_TRUE(WriteWalk4Pages(input));
    const QString walk3 = Checked(Page(u"walk3a.htm"_qs));
    EXPECT_EQ(walk3.count(u"<td>9</td>"_qs), 1);
    const QString walk4 = Checked(Page(u"walk4a.htm"_qs));
    EXPECT_EQ(walk4.count(u"<tr>"_qs), kPeaks);
    EXPECT_EQ(walk4.count(u"藍天八012"_qs), kOnPage);
    for (int i = 0; i < kPeaks; ++i) {
        const QString summary = QStringLiteral("<tr><td>峰%1，%2m，</td>").arg(i, 2, 10, QLatin1Char('0')).arg(1000 + i);
        EXPECT_EQ(walk4.count(summary), 1) << i;
    }
    // In file order; the first twelve with the atlas column.
    EXPECT_LT(walk4.indexOf(u"峰00，"_qs), walk4.indexOf(u"峰24，"_qs));
    EXPECT_TRUE(walk4.contains(u"峰11，1011m，</td><td><a href=\"r9.htm\">九號</a> 2001/9/9</td>"
                               "<td><a href=\"http://sky.example.org/8-12.htm\">合歡山</a> 藍天八012</td>"_qs));
}

} // namespace
} // namespace walk_reports_test
