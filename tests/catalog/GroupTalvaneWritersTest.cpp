// The peak group's writers on copies of peak files as a Windows machine saved them (UTF-16LE
// with BOM and CP950, written by tests/data/writers/make_fixtures.py together with the bytes
// each file must have after one code was appended), and its acceptance of rescanned item files.
#include "catalog/talvane/GroupTalvane.h"

#include "FakeItemList.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/text/AtlasRef.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Codes = std::vector<int32_t>;

Codes Leading(const int32_t (&list)[kMaxCodes])
{
    Codes codes;
    for (int n = 0; n < kMaxCodes && list[n] != 0; ++n)
        codes.push_back(list[n]);
    return codes;
}

constexpr int kClimbed = CGroupTalvane::ListColumn::kClimbed;
constexpr int kCompanion1 = 10000000;  // companion 1 visit codes: 10,000,000 + the date

enum class Op { Visit, Atlas, Mate };

// A peak group with the companions 阿明 (0) and Hua (1), and a five-column list whose row 0
// shows the last loaded peak (or carries a value given).
class WritersTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();
        group.Init(dir.file("峰嵐錄.txt"), &table, dir.file("山"));
        for (const char* prefix : {"阿明", "Hua"}) {
            auto mate = std::make_unique<HikingMate>();
            mate->keyTitle = QString::fromUtf8(prefix);
            ASSERT_TRUE(group.AddMate(std::move(mate)));
        }
        list.columns.resize(CGroupTalvane::ListColumn::kCount);
    }
    QString Source(const QString& name) const
    {
        return QStringLiteral(TALVANE_TEST_DATA "/writers/%1/%2").arg(GetParam(), name);
    }
    // Copies a fixture into the group's folder and loads it; the row shows it.
    int Load(const QString& name)
    {
        path = dir.write(QStringLiteral("山/") + name, ReadBytes(Source(name)));
        EXPECT_TRUE(group.LoadItemFile(path, platform::FileTime{1}));
        const int peak = group.ItemCount() - 1;
        SetRow(quint32(peak));
        return peak;
    }
    void SetRow(quint32 value)
    {
        list.rows = {FakeItemList::Row{QStringList(CGroupTalvane::ListColumn::kCount, QString()),
                                       value}};
    }
    bool Add(Op op, int code)
    {
        switch (op) {
        case Op::Visit: return group.AddVisit(&list, 0, code);
        case Op::Atlas: return group.AddAtlasRef(&list, 0, code);
        case Op::Mate: return group.AddMateVisit(&list, 0, code);
        }
        return false;
    }
    // The record of the file as a fresh load reads it.
    TalvaneItemRecord Reloaded() const
    {
        platform::ClearProfileCache();
        CGroupTalvane fresh;
        for (int m = 0; m < group.MateCount(); ++m)
            fresh.AddMate(std::make_unique<HikingMate>(*group.Mate(m)));
        TalvaneItemRecord record{};
        if (fresh.LoadItemFile(path, platform::FileTime{1}))
            record = *fresh.Record(0);
        return record;
    }

    TempDir dir;
    CGroupTable table;
    CGroupTalvane group;
    FakeItemList list;
    QString path;
};

INSTANTIATE_TEST_SUITE_P(Encodings, WritersTest, ::testing::Values("utf16le", "cp950"));

TEST_P(WritersTest, AppendedCodeIsOneNewLineAndReadsBack)
{
    struct Case {
        const char* expected;  // the file's bytes afterwards, in expected/
        const char* source;
        Op op;
        int code;
        int32_t (TalvaneItemRecord::*codes)[kMaxCodes];
        Codes held;      // the record's list after the write: the new code last
        Codes reloaded;  // the list a fresh load reads from the file
    };
    // Walks 1 to 29, newest first; 500 goes last in the record and first after a load.
    Codes visits29, reloaded29 = {500};
    for (int n = 29; n >= 1; --n)
        visits29.push_back(n);
    reloaded29.insert(reloaded29.end(), visits29.begin(), visits29.end());
    visits29.push_back(500);
    // 阿明: 101/3/4 and 101/1/2; Hua: 108/5/3 and 100/12/25.
    const Codes mates = {1010304, 1010102, kCompanion1 + 1080503, kCompanion1 + 1001225};
    const std::vector<Case> cases = {
        {"visit", "plain.txt", Op::Visit, 131, &TalvaneItemRecord::Visits,
         {120, 88, 131}, {131, 120, 88}},
        {"visit30", "visits29.txt", Op::Visit, 500, &TalvaneItemRecord::Visits,
         visits29, reloaded29},
        {"bluesky", "plain.txt", Op::Atlas, AtlasRefCode(0, 3, 12),
         &TalvaneItemRecord::AtlasRefs, {14955, 102999, 2988}, {14955, 2988, 102999}},
        {"quill", "plain.txt", Op::Atlas, AtlasRefCode(1, 15, 45),
         &TalvaneItemRecord::AtlasRefs, {14955, 102999, 114955}, {14955, 114955, 102999}},
        {"mate", "plain.txt", Op::Mate, 11010304, &TalvaneItemRecord::MateVisits,
         {mates[0], mates[1], mates[2], mates[3], 11010304},
         {mates[0], mates[1], mates[2], 11010304, mates[3]}},
        {"mate_early", "plain.txt", Op::Mate, 750102, &TalvaneItemRecord::MateVisits,
         {mates[0], mates[1], mates[2], mates[3], 750102},
         {mates[0], mates[1], 750102, mates[2], mates[3]}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        const int peak = Load(QString::fromUtf8(c.source));
        ASSERT_TRUE(Add(c.op, c.code));
        const QString expected = Source(QStringLiteral("expected/%1.txt").arg(c.expected));
        EXPECT_EQ(ReadBytes(path), ReadBytes(expected));
        EXPECT_EQ(Leading(group.Record(peak)->*c.codes), c.held);
        EXPECT_EQ(list.CellText(0, kClimbed), QStringLiteral("V"));
        EXPECT_EQ(Leading(Reloaded().*c.codes), c.reloaded);
        // The same code again is held already.
        EXPECT_FALSE(Add(c.op, c.code));
        EXPECT_EQ(ReadBytes(path), ReadBytes(expected));
    }
}

TEST_P(WritersTest, RefusalsLeaveFileAndRecordAsTheyWere)
{
    struct Case {
        const char* source;
        Op op;
        int code;
        const char* why;
    };
    const std::vector<Case> cases = {
        {"plain.txt", Op::Visit, 0, "no walk"},
        {"plain.txt", Op::Visit, -5, "negative walk"},
        {"plain.txt", Op::Visit, 88, "held"},
        {"plain.txt", Op::Atlas, 0, "no page"},
        {"plain.txt", Op::Atlas, -14955, "negative code"},
        {"plain.txt", Op::Atlas, 14955, "held"},
        {"plain.txt", Op::Atlas, AtlasRefCode(2, 3, 12), "third atlas"},
        {"plain.txt", Op::Atlas, AtlasRefCode(0, 31, 1), "volume 31"},
        {"plain.txt", Op::Atlas, AtlasRefCode(1, 15, 0), "page 0"},
        {"plain.txt", Op::Atlas, AtlasRefCode(0, 15, 1000), "page 1000"},
        {"plain.txt", Op::Mate, 0, "no code"},
        {"plain.txt", Op::Mate, -1010304, "negative code"},
        {"plain.txt", Op::Mate, 1010304, "held"},
        {"plain.txt", Op::Mate, 2 * kCompanion1 + 1010304, "companion 2 of two"},
        {"plain.txt", Op::Mate, kCompanion1 + 1010004, "month 0"},
        {"plain.txt", Op::Mate, kCompanion1 + 304, "year 0"},
        {"full.txt", Op::Visit, 999, "thirty walks"},
        {"full.txt", Op::Atlas, AtlasRefCode(1, 1, 1), "thirty pages"},
        {"full.txt", Op::Mate, kCompanion1 + 1010304, "thirty visits"},
        {"taken.txt", Op::Visit, 6, "Visit2=abc"},
        {"taken.txt", Op::Atlas, AtlasRefCode(0, 1, 1), "BlueSky1=雪山045"},
        {"taken.txt", Op::Atlas, AtlasRefCode(1, 1, 1), "Quill2=第二本"},
        {"taken.txt", Op::Mate, 1010304, "阿明1=昨天"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const int peak = Load(QString::fromUtf8(c.source));
        const QByteArray before = ReadBytes(path);
        const TalvaneItemRecord record = *group.Record(peak);
        EXPECT_FALSE(Add(c.op, c.code));
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(std::memcmp(group.Record(peak), &record, sizeof record), 0);
        EXPECT_EQ(list.CellText(0, kClimbed), QString());
    }
    // Hua's keys in taken.txt are free.
    EXPECT_TRUE(Add(Op::Mate, kCompanion1 + 1010304));
    EXPECT_EQ(platform::GetProfileString(path, QStringLiteral("Talvane"), QStringLiteral("Hua1")),
              QStringLiteral("101/3/4"));
}

TEST_P(WritersTest, RowsThatStandForNoPeak)
{
    const int peak = Load(QStringLiteral("plain.txt"));
    const QByteArray before = ReadBytes(path);
    // A survey-stone row is done without a change; a value that names no peak is refused.
    for (Op op : {Op::Visit, Op::Atlas, Op::Mate}) {
        SetRow(60000);
        EXPECT_TRUE(Add(op, op == Op::Atlas ? 2988 : 11010304));
        for (quint32 value : {IItemList::kNoItemRow, quint32(20000 + peak + 1), 80000u}) {
            SetRow(value);
            EXPECT_FALSE(Add(op, op == Op::Atlas ? 2988 : 11010304)) << value;
        }
    }
    EXPECT_FALSE(group.AddVisit(&list, 1, 131));
    EXPECT_FALSE(group.AddVisit(nullptr, 0, 131));
    EXPECT_EQ(ReadBytes(path), before);
    // The row of the peak's second stone writes to the peak.
    SetRow(quint32(20000 + peak));
    EXPECT_TRUE(group.AddVisit(&list, 0, 131));
    EXPECT_EQ(ReadBytes(path), ReadBytes(Source(QStringLiteral("expected/visit.txt"))));
}

TEST_P(WritersTest, FailedWriteLeavesTheRecord)
{
    const int peak = Load(QStringLiteral("plain.txt"));
    // The item file has become a folder: it can be neither read nor replaced.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path));
    const TalvaneItemRecord record = *group.Record(peak);
    EXPECT_FALSE(group.AddVisit(&list, 0, 131));
    EXPECT_FALSE(group.AddAtlasRef(&list, 0, 2988));
    EXPECT_FALSE(group.AddMateVisit(&list, 0, 11010304));
    EXPECT_EQ(std::memcmp(group.Record(peak), &record, sizeof record), 0);
    EXPECT_EQ(list.CellText(0, kClimbed), QString());
}

// Last-write times by their value in the Windows scale: high 32 bits and low 32 bits.
platform::FileTime WindowsTime(quint32 high, quint32 low)
{
    const qint64 ticks = qint64((quint64(high) << 32) | low);
    return platform::FileTime{(ticks - platform::FileTime::kEpochIn100ns) * 100};
}

TEST_P(WritersTest, RescanAcceptsNewFilesOnly)
{
    constexpr quint32 kHigh = 30'500'000;  // a day in 2014
    path = dir.write(QStringLiteral("山/plain.txt"), ReadBytes(Source(QStringLiteral("plain.txt"))));
    ASSERT_TRUE(group.LoadItemFile(path, WindowsTime(kHigh, 4000)));
    const QString other =
        dir.write(QStringLiteral("山/taken.txt"), ReadBytes(Source(QStringLiteral("taken.txt"))));
    struct Case {
        QString path;
        platform::FileTime time;
        bool accepted;
        const char* why;
    };
    const QString upper = QFileInfo(path).path() + QStringLiteral("/PLAIN.TXT");
    const std::vector<Case> cases = {
        {other, WindowsTime(kHigh - 1, 0xFFFFFFFF), false, "older"},
        {path, WindowsTime(kHigh + 1, 0), false, "loaded"},
        {upper, WindowsTime(kHigh + 1, 0), false, "loaded, in other case"},
        {other, WindowsTime(kHigh, 1), true, "older in the low half only"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const int before = group.ItemCount();
        EXPECT_EQ(group.AcceptItemFile(c.path, c.time), c.accepted);
        EXPECT_EQ(group.ItemCount(), before + (c.accepted ? 1 : 0));
    }
    EXPECT_EQ(group.ItemPath(1), other);
    EXPECT_FALSE(group.AcceptItemFile(other, WindowsTime(kHigh + 2, 0))) << "loaded now";
}

} // namespace
