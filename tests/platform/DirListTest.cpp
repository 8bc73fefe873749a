// Directory listing of "*.txt": which entries count and in which order.
#include "platform/DirList.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace platform;

namespace {

QStringList Names(const QList<DirEntry>& entries)
{
    QStringList out;
    for (const DirEntry& e : entries)
        out.append(e.name);
    return out;
}

} // namespace

TEST(DirList, SortedByNameUpperCasedPerCodeUnit)
{
    TempDir dir;
    // Upper-cased per code unit: '_' (0x5F) after the letters, 'ß' (0xDF, no one-unit capital)
    // after ASCII, then Chinese by code unit; "b.txt" and "B.TXT" tie and keep a fixed order.
    for (const char* name : {"b.txt", "_x.txt", "a.TXT", "ß.txt", "sz.txt", "玉山.txt", "山.txt",
                             "B.TXT", "a1.txt", "Z.txt"})
        dir.write(QString::fromUtf8(name), "x");
    const QList<DirEntry> entries = FindFiles(dir.path(), "*.txt");
    EXPECT_EQ(Names(entries), QStringList({"a.TXT", "a1.txt", "B.TXT", "b.txt", "sz.txt", "Z.txt",
                                           "_x.txt", QStringLiteral("ß.txt"), QStringLiteral("山.txt"),
                                           QStringLiteral("玉山.txt")}));
    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(entries[0].path, dir.path() + "/a.TXT");
    EXPECT_EQ(entries[0].size, 1);
    EXPECT_FALSE(entries[0].writeTime.isNull());
}

TEST(DirList, OnlyRegularFilesAndLinksToThem)
{
    TempDir dir;
    dir.write("plain.txt", "12345");
    dir.write("other.dat", "x");
    dir.write("notes.txt.bak", "x");
    QDir().mkpath(dir.file("folder.txt"));
    dir.write("sub/inner.txt", "x");
    ASSERT_TRUE(QFile::link(dir.file("plain.txt"), dir.file("link.txt")));
    ASSERT_TRUE(QFile::link(dir.file("gone"), dir.file("dangling.txt")));
    ASSERT_TRUE(QFile::link(dir.file("sub"), dir.file("dirlink.txt")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("fifo.txt")).constData(), 0600), 0);
    // A backslash is an ordinary character of a name here, not a way into "sub".
    dir.write("sub\\inner.txt", "123");
    const QList<DirEntry> entries = FindFiles(dir.path(), "*.txt");
    EXPECT_EQ(Names(entries), QStringList({"link.txt", "plain.txt", "sub\\inner.txt"}));
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].size, 5);  // the link's target
    EXPECT_EQ(entries[2].path, dir.path() + "/sub\\inner.txt");
    EXPECT_EQ(entries[2].size, 3);
    EXPECT_TRUE(FindFiles(dir.file("missing"), "*.txt").isEmpty());
    EXPECT_TRUE(FindFiles(dir.file("plain.txt"), "*.txt").isEmpty());
}

TEST(DirList, Wildcards)
{
    EXPECT_TRUE(MatchesWildcard(u"玉山.TXT", u"*.txt"));
    EXPECT_TRUE(MatchesWildcard(u".txt", u"*.txt"));
    EXPECT_FALSE(MatchesWildcard(u"a.txt.bak", u"*.txt"));
    EXPECT_FALSE(MatchesWildcard(u"atxt", u"*.txt"));
    EXPECT_TRUE(MatchesWildcard(u"a.b.txt", u"*.txt"));
    EXPECT_TRUE(MatchesWildcard(u"Cache.txt", u"c?che.*"));
    EXPECT_FALSE(MatchesWildcard(u"Cache.txt", u"c?che"));
    EXPECT_TRUE(MatchesWildcard(u"abcabd", u"*ab?"));
    EXPECT_TRUE(MatchesWildcard(u"", u"*"));
    EXPECT_FALSE(MatchesWildcard(u"", u"?"));
}
