// File times: nanoseconds, the Windows scale and setting them back.
#include "platform/FileTime.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace platform;

TEST(FileTime, WindowsScale)
{
    // 2018-05-03 00:00:00 UTC is 1525305600 s after 1970 and 131697792000000000 in 100 ns
    // steps after 1601.
    const FileTime t{1525305600LL * 1000000000LL + 700};
    EXPECT_EQ(t.windowsTicks(), 131697792000000007ULL);
    EXPECT_EQ(t.highPart(), quint32(131697792000000007ULL >> 32));
}

TEST(FileTime, SetAndGetKeepNanoseconds)
{
    TempDir dir;
    const QString path = dir.write("a.txt", "x");
    for (const qint64 ns : {1525305600LL * 1000000000LL + 123456789, 1LL * 1000000000LL + 1,
                            -86400LL * 1000000000LL + 250000000, -1500000000LL}) {
        ASSERT_TRUE(SetFileWriteTime(path, FileTime{ns})) << ns;
        FileTime back;
        ASSERT_TRUE(GetFileWriteTime(path, &back));
        EXPECT_EQ(back.ns, ns);
    }
}

TEST(FileTime, OnlyRegularFilesHaveATime)
{
    TempDir dir;
    FileTime t{42};
    EXPECT_FALSE(GetFileWriteTime(dir.file("missing.txt"), &t));
    EXPECT_FALSE(GetFileWriteTime(dir.path(), &t));
    EXPECT_EQ(t.ns, 42);
    EXPECT_FALSE(SetFileWriteTime(dir.file("missing.txt"), FileTime{1}));
    // A link to a file gives the file's time.
    const QString path = dir.write("target.txt", "x");
    ASSERT_TRUE(SetFileWriteTime(path, FileTime{1000000000LL * 1600000000}));
    ASSERT_TRUE(QFile::link(path, dir.file("link.txt")));
    ASSERT_TRUE(GetFileWriteTime(dir.file("link.txt"), &t));
    EXPECT_EQ(t.ns, 1000000000LL * 1600000000);
}
