#include "platform/Paths.h"

#include <gtest/gtest.h>

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
