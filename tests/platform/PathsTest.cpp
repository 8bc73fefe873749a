#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <utility>

using platform::JoinPath;

TEST(Paths, JoinAcceptsBothSeparatorsAndCleans)
{
    EXPECT_EQ(JoinPath(u"/data", u"山岳\\玉山.txt"), QString::fromUtf8("/data/山岳/玉山.txt"));
    EXPECT_EQ(JoinPath(u"/data/", u"\\~~Talvane.bin"), QStringLiteral("/data/~~Talvane.bin"));
    EXPECT_EQ(JoinPath(u"/a/b", u"../c/./d"), QStringLiteral("/a/c/d"));
    EXPECT_EQ(JoinPath(u"/a", u"/abs/x"), QStringLiteral("/abs/x"));
    EXPECT_EQ(JoinPath(u"rel", u"x"), QStringLiteral("rel/x"));
    EXPECT_EQ(JoinPath(u"", u"x\\y"), QStringLiteral("x/y"));
}

TEST(Paths, NamesOfAPath)
{
    EXPECT_EQ(platform::BaseNameOf(u"C:\\data\\山岳\\玉山.txt"), QString::fromUtf8("玉山"));
    EXPECT_EQ(platform::FileNameOf(u"/d/a.b.txt"), QStringLiteral("a.b.txt"));
    EXPECT_EQ(platform::FolderOf(u"/d/a.txt"), QStringLiteral("/d"));
}

TEST(Paths, BaseNameDropsTheFolderAndTheLastExtensionOnly)
{
    // As the Windows path functions give it: the file name after the last separator, without
    // the text from its last dot on.
    const std::pair<const char*, const char*> cases[] = {
        {"/d/a.b.txt", "a.b"},
        {"C:\\d\\a.b.c.txt", "a.b.c"},
        {"/d/a..txt", "a."},
        {"/d/a.", "a"},
        {"/d/noext", "noext"},
        {"/d.x/noext", "noext"},
        {"C:\\d.x\\noext", "noext"},
        {"/d.x\\a.b/noext", "noext"},
        {"/d/.hidden.txt", ".hidden"},
        {"/d/...txt", ".."},
        {"a.TXT", "a"},
        {"noext", "noext"},
        {"/d/山.峰.txt", "山.峰"},
    };
    for (const auto& [path, base] : cases)
        EXPECT_EQ(platform::BaseNameOf(QString::fromUtf8(path)), QString::fromUtf8(base)) << path;
}
