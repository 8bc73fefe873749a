// Loading helpers of the group base on real item files (UTF-16LE with BOM and Big5, CR LF):
// the item block's growth, the field readers and the folder scan.
#include "catalog/GroupBase.h"

#include "TempDir.h"
#include "TestGroups.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/records/RecordText.h"
#include "platform/IniCache.h"
#include "platform/Paths.h"
#include "catalog/records/StoneItemRecord.h"
#include "platform/Profile.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

namespace {

QByteArray Ini(const QStringList& lines)
{
    return Utf16LeWithBom(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

class ItemFileTest : public ::testing::Test {
protected:
    void SetUp() override { platform::ClearProfileCache(); }
    QString Peak(const QStringList& keys, const QString& name = QStringLiteral("p.txt"))
    {
        return dir.write(name, Ini(QStringList{"[Talvane]"} + keys));
    }
    std::vector<int32_t> Visits(const QStringList& keys)
    {
        int32_t list[kMaxCodes];
        std::fill(std::begin(list), std::end(list), -99);
        EXPECT_TRUE(group.ReadVisits(Peak(keys, QStringLiteral("v%1.txt").arg(++files)), list));
        return {std::begin(list), std::end(list)};
    }
    std::vector<int32_t> AtlasRefs(const QStringList& keys)
    {
        int32_t list[kMaxCodes];
        std::fill(std::begin(list), std::end(list), -99);
        EXPECT_TRUE(group.ReadAtlasRefs(Peak(keys, QStringLiteral("a%1.txt").arg(++files)), list));
        return {std::begin(list), std::end(list)};
    }
    // A full list of codes: the given ones, then zeros.
    static std::vector<int32_t> Codes(std::initializer_list<int32_t> codes)
    {
        std::vector<int32_t> list(codes);
        list.resize(kMaxCodes, 0);
        return list;
    }

    TempDir dir;
    CGroupTalvane group;
    int files = 0;
};

TEST(ItemBlockTest, GrowsBy16ThenDoublesUpToStepsOf100)
{
    TestGroup<StoneItemRecord> group("Stone", "基石");
    QList<int> capacityAt;  // capacity after appending item n (1-based) where it changed
    int last = 0;
    for (int n = 1; n <= 329; ++n) {
        StoneItemRecord* r = group.AppendItem<StoneItemRecord>();
        ASSERT_NE(r, nullptr);
        // New space is zero-filled; earlier records keep their content across growth.
        ASSERT_EQ(r->Height, 0);
        r->Height = n;
        if (group.ItemCapacity() != last) {
            capacityAt << n << group.ItemCapacity();
            last = group.ItemCapacity();
        }
    }
    EXPECT_EQ(capacityAt, QList<int>({1, 16, 17, 32, 33, 64, 65, 128, 129, 228, 229, 328, 329, 428}));
    EXPECT_EQ(group.ElementSize(), 832 + 32);
    for (int i = 0; i < 329; ++i)
        ASSERT_EQ(group.ItemAs<StoneItemRecord>(i)->Height, i + 1);
    // Records lie at the record size, not at the element size.
    EXPECT_EQ(group.GetItemRecord(1) - group.GetItemRecord(0), std::ptrdiff_t(832));
}

TEST(ItemBlockTest, RefusesAnotherRecordSizeAndMoreItemsThanRowsCanName)
{
    TestGroup<StoneItemRecord> group("Stone", "基石");
    ASSERT_NE(group.AppendItem<StoneItemRecord>(), nullptr);
    EXPECT_EQ(group.AppendItemSlot(832 + 8), nullptr);
    EXPECT_EQ(group.ItemAs<TalvaneItemRecord>(0), nullptr) << "typed access checks the size";
    EXPECT_EQ(group.ItemAs<StoneItemRecord>(1), nullptr);
    EXPECT_EQ(group.ItemAs<StoneItemRecord>(-1), nullptr);
    while (group.ItemCount() < CGroupBase::kMaxItems)
        ASSERT_NE(group.AppendItem<StoneItemRecord>(), nullptr);
    EXPECT_EQ(group.AppendItem<StoneItemRecord>(), nullptr);
    EXPECT_EQ(group.ItemCount(), 20000);
}

TEST_F(ItemFileTest, StringsFillTheirFieldAndSayWhetherTheValueHadText)
{
    const QString path = Peak({"Name=𩻸山稜線上的很長很長名字", "Name2="});
    char16_t name[16];
    std::fill(std::begin(name), std::end(name), u'#');
    EXPECT_TRUE(group.ReadItemString(path, "Name", name));
    EXPECT_EQ(FieldText(name), QStringLiteral("𩻸山稜線上的很長很長名字").left(15));
    EXPECT_EQ(name[15], 0);
    EXPECT_FALSE(group.ReadItemString(path, "Name2", name)) << "an empty value";
    EXPECT_EQ(name[0], 0);
    EXPECT_FALSE(group.ReadItemString(path, "Missing", name));
}

TEST_F(ItemFileTest, DecimalsReadInTheCLocaleWhateverTheProcessLocale)
{
    const QString path = Peak({"Longitude=121.5", "Attitude= 23.47abc", "Bad=東經121", "Comma=121,5"});
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    double v = 0;
    EXPECT_TRUE(group.ReadItemDouble(path, "Longitude", &v, -1));
    EXPECT_DOUBLE_EQ(v, 121.5);
    EXPECT_TRUE(group.ReadItemDouble(path, "Attitude", &v, -1));
    EXPECT_DOUBLE_EQ(v, 23.47);
    EXPECT_TRUE(group.ReadItemDouble(path, "Comma", &v, -1));
    EXPECT_DOUBLE_EQ(v, 121) << "a comma is no decimal point";
    EXPECT_TRUE(group.ReadItemDouble(path, "Bad", &v, -1));
    EXPECT_DOUBLE_EQ(v, -1);
    EXPECT_TRUE(group.ReadItemDouble(path, "Missing", &v, 7));
    EXPECT_DOUBLE_EQ(v, 7);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, saved.c_str());
}

TEST_F(ItemFileTest, VisitsAreKeptDescendingAndEndAtTheFirstZero)
{
    EXPECT_EQ(Visits({"Visit1=3", "Visit2=7", "Visit3=5"}), Codes({7, 5, 3}));
    EXPECT_EQ(Visits({"Visit1=3", "Visit2=0", "Visit3=9"}), Codes({3})) << "the third key is not read";
    EXPECT_EQ(Visits({"Visit1=3", "Visit2=abc", "Visit3=9"}), Codes({3}));
    EXPECT_EQ(Visits({"Visit1=4", "Visit2=4", "Visit3=12x"}), Codes({12, 4, 4})) << "equal numbers are both kept";
    EXPECT_EQ(Visits({}), Codes({}));

    QStringList keys;
    for (int n = 1; n <= 31; ++n)
        keys << QStringLiteral("Visit%1=%2").arg(n).arg(n * 10);
    std::vector<int32_t> full = Visits(keys);
    ASSERT_EQ(full.size(), 30u);
    EXPECT_EQ(full.front(), 300);
    EXPECT_EQ(full.back(), 10) << "thirty values fill the list without terminator";
}

TEST_F(ItemFileTest, AtlasReferencesKeepTwoDescendingRuns)
{
    const int blue45 = AtlasRefCode(0, 15, 45), blue12 = AtlasRefCode(0, 3, 12);
    const int quill7 = AtlasRefCode(1, 2, 7), quill90 = AtlasRefCode(1, 20, 90);
    EXPECT_EQ(AtlasRefs({"BlueSky1=(三012)北大武山", "BlueSky2=(十五045)雪山", "Quill1=二007-合歡山"}),
              Codes({blue45, blue12, quill7}));
    // The second run never moves in front of the first.
    EXPECT_EQ(AtlasRefs({"BlueSky1=(三012)", "Quill1=二007-", "Quill2=二十090-"}),
              Codes({blue12, quill90, quill7}));
    // A first BlueSky value that does not parse: no kind-0 codes, the Quill keys still read.
    EXPECT_EQ(AtlasRefs({"BlueSky1=雪山", "BlueSky2=(十五045)", "Quill1=二007-"}), Codes({quill7}));
    EXPECT_EQ(AtlasRefs({}), Codes({}));

    QStringList thirty;
    for (int n = 1; n <= 31; ++n)
        thirty << QStringLiteral("BlueSky%1=(十%2)").arg(n).arg(n, 3, 10, QLatin1Char('0'));
    thirty << "Quill1=二007-";
    const std::vector<int32_t> full = AtlasRefs(thirty);
    EXPECT_EQ(full.front(), AtlasRefCode(0, 10, 1));
    EXPECT_EQ(full.back(), AtlasRefCode(0, 10, 30)) << "thirty BlueSky codes; no Quill key read";
}

TEST_F(ItemFileTest, NameKeyDecidesTheClassInEitherEncoding)
{
    const QString big5 = dir.write("b.txt", Big5(QStringLiteral("[Talvane]\r\nName=七星山\r\n")));
    EXPECT_TRUE(group.HasNameKey(big5));
    EXPECT_TRUE(group.HasNameKey(Peak({"Name=觀音山"})));
    EXPECT_FALSE(group.HasNameKey(Peak({"Name=", "Stone=二等1"}, "e.txt")));
    EXPECT_FALSE(group.HasNameKey(dir.write("s.txt", Ini({"[Stone]", "Name=玉山"}))));
    EXPECT_FALSE(group.HasNameKey(dir.file("missing.txt")));

    TestGroup<StoneItemRecord> stones("Stone", "基石", "Stone");
    EXPECT_TRUE(stones.HasNameKey(dir.write("t.txt", Ini({"[Stone]", "Stone=三等6012"}))));
}

TEST_F(ItemFileTest, LoadingParsesTheFileOnceAndLeavesNoStaleParseBehind)
{
    const QString path = Peak({"Name=玉山", "Height=3952", "Visit1=3", "BlueSky1=(十五045)"});
    const qint64 before = platform::IniCache::Instance().parses();
    ASSERT_TRUE(group.LoadItemFileParsedOnce(path, {}));
    EXPECT_EQ(platform::IniCache::Instance().parses() - before, 1);
    EXPECT_EQ(group.Record(0)->Height, 3952);
    EXPECT_EQ(group.Record(0)->AtlasRefs[0], 14955);

    // After the call the readers see the file as it is now.
    dir.write("p.txt", Ini({"[Talvane]", "Name=玉山主峰", "Height=3953"}));
    platform::SetFileWriteTime(path, {qint64(1) << 40});
    EXPECT_EQ(group.ReadItemInt(path, "Height"), 3953);
    EXPECT_FALSE(group.LoadItemFileParsedOnce(dir.file("missing.txt"), {}));
}

// A group that records the files offered to AcceptItemFile.
class ScanGroup : public TestGroup<TalvaneItemRecord> {
public:
    ScanGroup() : TestGroup("Talvane", "山") {}
    bool AcceptItemFile(const QString& path, const platform::FileTime& time) override
    {
        accepted << platform::FileNameOf(path);
        EXPECT_FALSE(time.isNull());
        return true;
    }
    QStringList accepted;
};

TEST_F(ItemFileTest, ScanOffersEveryItemFileInDirectoryOrder)
{
    ScanGroup scan;
    scan.Init(QString(), nullptr, dir.file("山"));
    EXPECT_FALSE(scan.ScanItemFiles()) << "a missing folder holds no match";
    dir.write("山/b.txt", Ini({"[Talvane]", "Name=b"}));
    dir.write("山/A.TXT", Ini({"[Talvane]", "Name=a"}));
    dir.write("山/c.bin", QByteArray("x"));
    EXPECT_TRUE(scan.ScanItemFiles());
    EXPECT_EQ(scan.accepted, QStringList({"A.TXT", "b.txt"}));
}

} // namespace
