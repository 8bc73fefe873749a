// Rewriting an old-style BlueSky reference in the item files (tests/data/atlas): only keys equal
// to the reference change, every other byte of the files stays; a failed write is reported.
#include "AtlasFixture.h"
#include "catalog/compare/AtlasRewrite.h"
#include "catalog/talvane/GroupTalvane.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray Utf16Le(const QString& text)
{
    return Utf16LeWithBom(text).mid(2);
}

TEST(RewriteOldStyleReference, ReplacesEveryOccurrenceOfThePageVolume)
{
    GuideEntry page;
    page.volumeText = u"十五"_s;
    page.volume = 15;
    page.page = 12;
    const struct {
        QString reference, rewritten;
    } cases[] = {
        {u"藍天圖集[15]雪山北稜線"_s, u"(十五012)雪山北稜線"_s},
        {u"藍天圖集[15]a藍天圖集[15]"_s, u"(十五012)a(十五012)"_s},
        {u"藍天圖集[3]拉拉山"_s, u"藍天圖集[3]拉拉山"_s},
        {u"藍天圖集[150]x"_s, u"藍天圖集[150]x"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RewriteOldStyleReference(c.reference, page), c.rewritten);
}

TEST(RewriteAtlasKeys, OnlyEqualKeysChange)
{
    AtlasProgram program;
    ASSERT_NE(program.group, nullptr);
    const char* names[] = {"00_玉山.txt", "01_雪山.txt", "02_南湖大山.txt", "03_北大武山.txt"};
    QList<QByteArray> before;
    for (const char* name : names)
        before << ReadBytes(program.Peak(name));
    const QString oldText = u"藍天圖集[15]雪山北稜線"_s;
    const QString newText = u"(十五012)雪山北稜線"_s;
    const AtlasRewriteResult result = RewriteAtlasKeys(*program.group, oldText, newText, nullptr);
    EXPECT_EQ(result.written, 2);
    EXPECT_FALSE(result.failed);
    // Peak 0 is UTF-16LE, peak 1 CP950: the value's bytes are replaced in place.
    QByteArray expected0 = before[0];
    expected0.replace(Utf16Le(u"BlueSky2="_s + oldText), Utf16Le(u"BlueSky2="_s + newText));
    QByteArray expected1 = before[1];
    expected1.replace(Big5(u"BlueSky1="_s + oldText), Big5(u"BlueSky1="_s + newText));
    ASSERT_NE(expected0, before[0]);
    ASSERT_NE(expected1, before[1]);
    EXPECT_EQ(ReadBytes(program.Peak(names[0])), expected0);
    EXPECT_EQ(ReadBytes(program.Peak(names[1])), expected1);
    EXPECT_EQ(ReadBytes(program.Peak(names[2])), before[2]);
    EXPECT_EQ(ReadBytes(program.Peak(names[3])), before[3]);
}

// A file whose name leaves no room for the temporary file of an atomic write cannot be written.
TEST(RewriteAtlasKeys, AFailedWriteIsReported)
{
    TempDir dir;
    platform::ClearProfileCache();
    CGroupTalvane group;
    const QString name = QString(83, u'山') + u".txt"_s;  // 253 bytes in UTF-8
    const QString path = dir.write(name, Utf16LeWithBom(u"[Talvane]\r\nName=山\r\nBlueSky1=藍天圖集[15]a\r\n"_s));
    ASSERT_TRUE(group.LoadItemFile(path, platform::FileTime{1}));
    const QByteArray before = ReadBytes(path);
    const AtlasRewriteResult result = RewriteAtlasKeys(group, u"藍天圖集[15]a"_s, u"(十五012)a"_s, nullptr);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.written, 0);
    EXPECT_EQ(ReadBytes(path), before);
}

} // namespace
