// Whole-file reading and the atomic replace.
#include "platform/FileIO.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace platform;

TEST(FileIO, ReadWholeFileBoundsAndRefusals)
{
    TempDir dir;
    const QByteArray content("\xff\xfe[\0S\0]\0", 8);
    const QString path = dir.write("a.txt", content);
    QByteArray bytes("old");
    ASSERT_TRUE(ReadWholeFile(path, &bytes));
    EXPECT_EQ(bytes, content);
    ASSERT_TRUE(ReadWholeFile(dir.write("empty.txt", QByteArray()), &bytes));
    EXPECT_TRUE(bytes.isEmpty());
    bytes = "kept";
    EXPECT_FALSE(ReadWholeFile(path, &bytes, 7));  // larger than the caller's bound
    EXPECT_FALSE(ReadWholeFile(dir.file("missing.txt"), &bytes));
    EXPECT_FALSE(ReadWholeFile(dir.path(), &bytes));
    // A FIFO is no file: reading it must not wait for a writer.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("fifo.txt")).constData(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(dir.file("fifo.txt"), &bytes));
    EXPECT_EQ(bytes, QByteArray("kept"));
}

TEST(FileIO, AtomicReplaceKeepsPermissionsAndLeavesNothingBehind)
{
    TempDir dir;
    const QString path = dir.write("item.txt", "old content");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(ReadBytes(path), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(WriteFileAtomically(dir.file("fresh.txt"), QByteArray("\0\1", 2)));
    EXPECT_EQ(ReadBytes(dir.file("fresh.txt")), QByteArray("\0\1", 2));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"fresh.txt", "item.txt"}));
}

TEST(FileIO, AtomicReplaceThroughALinkKeepsTheLink)
{
    // A settings file kept elsewhere and linked beside the program stays linked.
    TempDir dir;
    const QString target = dir.write("real/settings.txt", "old");
    ASSERT_TRUE(QFile::link(target, dir.file("settings.txt")));
    ASSERT_TRUE(WriteFileAtomically(dir.file("settings.txt"), "new"));
    EXPECT_TRUE(QFileInfo(dir.file("settings.txt")).isSymLink());
    EXPECT_EQ(ReadBytes(target), QByteArray("new"));
}

TEST(FileIO, FailedReplaceChangesNothing)
{
    TempDir dir;
    const QString blocker = dir.write("plain", "x");
    EXPECT_FALSE(WriteFileAtomically(blocker + "/a.txt", "new"));
    EXPECT_FALSE(WriteFileAtomically(dir.file("missing/a.txt"), "new"));
    QDir().mkpath(dir.file("folder.txt"));
    EXPECT_FALSE(WriteFileAtomically(dir.file("folder.txt"), "new"));
    EXPECT_TRUE(QFileInfo(dir.file("folder.txt")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"plain"}));
}
