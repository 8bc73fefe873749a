// The references of the item files (tests/data/atlas): the three BlueSky forms, the Quill form,
// repeated references, the room of the array, the sort orders and the progress texts.
#include "AtlasFixture.h"
#include "FakeStatusText.h"
#include "catalog/compare/AtlasKeys.h"
#include "catalog/compare/AtlasProgress.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/HtmlTableReader.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Ref {
    int volume;
    QString volumeText;
    int page;
    QString title;
    QString link;
    bool operator==(const Ref&) const = default;
};

void PrintTo(const Ref& r, std::ostream* os)
{
    *os << r.volume << " " << r.volumeText.toStdString() << " " << r.page << " "
        << r.title.toStdString() << " " << r.link.toStdString();
}

QList<Ref> Refs(const QList<GuideEntry>& entries, bool withPage)
{
    QList<Ref> refs;
    for (const GuideEntry& e : entries)
        refs.append({e.volume, withPage ? e.volumeText : QString(), withPage ? e.page : 0, e.title, e.link});
    return refs;
}

QList<GuideEntry> Atlas(const AtlasProgram& program)
{
    QList<GuideEntry> atlas;
    ReadHtmlTableCells(program.root + u"/data/guide2.htm"_s, &atlas);
    return atlas;
}

TEST(ReadAtlasKeys, BlueSkyReferencesDropKeepAndRepeat)
{
    AtlasProgram program;
    ASSERT_NE(program.group, nullptr);
    ASSERT_EQ(program.group->ItemCount(), 4);
    const QList<GuideEntry> atlas = Atlas(program);
    ASSERT_EQ(atlas.size(), 5);
    FakeStatusText status;
    AtlasProgress progress(&status);
    QList<GuideEntry> refs;
    // (十五045)雪山 names a page and is dropped; 藍天圖集[15]雪山北稜線 of peaks 0 and 1 is one;
    // 藍天圖集[3]不讀 stands after an empty key. Volume descending, then link, then title.
    EXPECT_EQ(ReadAtlasKeys(*program.group, 0, atlas, kBlueSkyKeyPattern, kBlueSkyLinkPattern,
                            &refs, &progress), 6);
    const QList<Ref> expected = {
        {15, {}, 0, u"藍天圖集[15]志佳陽線"_s, {}},
        {15, {}, 0, u"藍天圖集[15]雪山北稜線"_s, u"http://x/1"_s},
        {9, {}, 0, u"藍天圖集[9]無頁"_s, {}},
        {3, {}, 0, u"藍天圖集[3]拉拉山"_s, {}},
        {-1, {}, 0, u"(十五099)不在圖集"_s, {}},
        {-1, {}, 0, u"其他文字"_s, {}},
    };
    EXPECT_EQ(Refs(refs, false), expected);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(refs[i].page, 0) << "the bracket form has no page";
    EXPECT_EQ(status.text, u"6"_s);
}

TEST(ReadAtlasKeys, QuillReferencesParsedSortedByPage)
{
    AtlasProgram program;
    ASSERT_NE(program.group, nullptr);
    QList<GuideEntry> refs;
    EXPECT_EQ(ReadAtlasKeys(*program.group, 1, {}, kQuillKeyPattern, kQuillLinkPattern, &refs, nullptr), 4);
    const QList<Ref> expected = {
        {15, u"十五"_s, 12, u"雪山北稜"_s, {}},
        {15, u"十五"_s, 45, u"雪山"_s, u"q/15-045.htm"_s},
        {3, u"三"_s, 101, u"北插天山"_s, u"q/3-101.htm"_s},
        {-1, u"拾五"_s, 45, u"壞冊"_s, {}},
    };
    EXPECT_EQ(Refs(refs, true), expected);
}

TEST(ReadAtlasKeys, SingleReferenceForms)
{
    const QList<GuideEntry> atlas = {[] { GuideEntry e; e.volume = 15; e.page = 45; return e; }()};
    const struct {
        const char* value;
        bool kept;
        int volume;
    } cases[] = {
        {"(十五045)雪山", false, 0},
        {"(十五046)雪山", true, -1},     // no such page
        {"(拾五045)雪山", true, -1},     // no such volume
        {"藍天圖集[15]雪山", true, 15},
        {"藍天圖集[]雪山", true, -1},    // "]" before position 6
        {"藍天圖[15]雪山", true, -1},    // "[" not at 4
        {"藍天圖集[45]雪山", true, 45},
        {"雪山", true, -1},
    };
    for (const auto& c : cases) {
        GuideEntry entry;
        EXPECT_EQ(ReadBlueSkyReference(QString::fromUtf8(c.value), atlas, &entry), c.kept) << c.value;
        if (c.kept) {
            EXPECT_EQ(entry.volume, c.volume) << c.value;
            EXPECT_EQ(entry.title, QString::fromUtf8(c.value));
        }
    }
}

// 101 peaks of 30 distinct references each: the array takes the first 3000 and no more.
TEST(ReadAtlasKeys, StopsAtTheRoomOfTheArray)
{
    TempDir dir;
    CGroupTalvane group;
    for (int i = 0; i < 101; ++i) {
        QString text = u"[Talvane]\r\nName=山%1\r\n"_s.arg(i);
        for (int k = 1; k <= 30; ++k)
            text += u"BlueSky%1=藍天圖集[5]第%2條\r\n"_s.arg(k).arg(i * 30 + k, 4, 10, QLatin1Char('0'));
        const QString path = dir.write(u"p%1.txt"_s.arg(i, 3, 10, QLatin1Char('0')), Utf16LeWithBom(text));
        ASSERT_TRUE(group.LoadItemFile(path, platform::FileTime{1}));
    }
    QList<GuideEntry> refs;
    EXPECT_EQ(ReadAtlasKeys(group, 0, {}, kBlueSkyKeyPattern, kBlueSkyLinkPattern, &refs, nullptr), 3000);
    ASSERT_EQ(refs.size(), 3000);
    EXPECT_EQ(refs.first().title, u"藍天圖集[5]第0001條"_s);
    EXPECT_EQ(refs.last().title, u"藍天圖集[5]第3000條"_s);
}

TEST(SortGuideEntries, StableWithTitleAndLinkLast)
{
    auto make = [](int volume, int page, const char* title, const char* link) {
        GuideEntry e;
        e.volume = volume;
        e.page = page;
        e.title = QString::fromUtf8(title);
        e.link = QString::fromUtf8(link);
        return e;
    };
    QList<GuideEntry> entries = {make(3, 5, "b", "2"), make(3, 5, "a", "9"), make(15, 7, "z", "1"),
                                 make(3, 5, "b", "1"), make(3, 2, "y", "0")};
    SortGuideEntries(&entries, false);
    QStringList order;
    for (const GuideEntry& e : entries)
        order << e.title + e.link;
    EXPECT_EQ(order, (QStringList{u"z1"_s, u"y0"_s, u"a9"_s, u"b1"_s, u"b2"_s}));
    SortGuideEntries(&entries, true);  // volume, link, title
    order.clear();
    for (const GuideEntry& e : entries)
        order << e.title + e.link;
    EXPECT_EQ(order, (QStringList{u"z1"_s, u"y0"_s, u"b1"_s, u"b2"_s, u"a9"_s}));
}

TEST(AtlasProgress, AtMostEveryFiftyMilliseconds)
{
    quint32 now = 1000;
    FakeStatusText status;
    AtlasProgress progress(&status, [&] { return now; });
    // Steps at 20 ms apart: a text when more than 50 ms passed since the last one.
    for (int item = 1; item <= 8; ++item) {
        now += 20;
        progress.Step(item);
    }
    EXPECT_EQ(status.shown, (QStringList{u"3..."_s, u"6..."_s}));
    progress.ShowLast();
    EXPECT_EQ(status.text, u"8..."_s);
    // Across the wrap of the tick count.
    now = 0xFFFFFFF0u;
    AtlasProgress wrapped(&status, [&] { return now; });
    now = 0x30;
    wrapped.Step(1);
    EXPECT_EQ(status.text, u"1..."_s);
}

} // namespace
