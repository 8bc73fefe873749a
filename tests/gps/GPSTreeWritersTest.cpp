// The field writers of the inspection trees: each writer's line text from its format, the
// missing-value patterns, signed angles, invalid and per-format time stamps, unknown symbols
// and the whole-metre caption part. Expected texts are worked out by hand or by Python's
// datetime and struct modules, never taken from the writers.
#include "RecordingTree.h"

#include "gps/GPSFloat.h"
#include "gps/GPSTreeWriters.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>

namespace {

struct WriterCase {
    const char* what;
    std::function<GPSTreeItem(IGPSInspectionTree*, GPSTreeItem)> write;
    QString text;
};

// Runs each case under a parent item and checks that the line lands as the parent's last
// child with the expected text.
void CheckCases(const std::vector<WriterCase>& cases)
{
    for (const WriterCase& c : cases) {
        RecordingTree tree;
        const GPSTreeItem parent = tree.InsertItem(QStringLiteral("parent"), 0);
        tree.InsertItem(QStringLiteral("sibling"), parent);
        const GPSTreeItem item = c.write(&tree, parent);
        ASSERT_EQ(tree.items.size(), 3u) << c.what;
        EXPECT_EQ(item, GPSTreeItem(3)) << c.what;
        EXPECT_EQ(tree.items.back().parent, parent) << c.what;
        EXPECT_EQ(tree.items.back().text, c.text) << c.what;
    }
}

using namespace gps;
using T = IGPSInspectionTree*;
using P = GPSTreeItem;

TEST(GPSTreeWriters, NumbersAndTexts)
{
    CheckCases({
        {"uint max", [](T t, P p) { return TreeAddUInt(t, p, "Total Waypoints", 4294967295u); },
         "Total Waypoints = 4294967295"},
        {"uint 0", [](T t, P p) { return TreeAddUInt(t, p, "Points", 0); }, "Points = 0"},
        {"int negative", [](T t, P p) { return TreeAddInt(t, p, "Category", -5); }, "Category = -5"},
        {"int min", [](T t, P p) { return TreeAddInt(t, p, "X", std::numeric_limits<int32_t>::min()); },
         "X = -2147483648"},
        {"hex32", [](T t, P p) { return TreeAddHex32(t, p, "Color", 0xABCDEF01); }, "Color = 0xABCDEF01"},
        {"hex32 padded", [](T t, P p) { return TreeAddHex32(t, p, "Color", 0xFF); }, "Color = 0x000000FF"},
        {"hex16 padded", [](T t, P p) { return TreeAddHex16(t, p, "Flags", 0xAB); }, "Flags = 0x00AB"},
        {"double", [](T t, P p) { return TreeAddDouble(t, p, "Latitude", 24.383333); }, "Latitude = 24.383333"},
        {"double negative", [](T t, P p) { return TreeAddDouble(t, p, "Longitude", -10.5); },
         "Longitude = -10.500000"},
        {"double 1e25", [](T t, P p) { return TreeAddDouble(t, p, "Height", 1e25); },
         "Height = 10000000000000000905969664.000000"},
        {"string", [](T t, P p) { return TreeAddString(t, p, "Name", QStringLiteral("雪山主峰")); },
         "Name = 雪山主峰"},
        {"empty string", [](T t, P p) { return TreeAddString(t, p, "Comment", QString()); }, "Comment = "},
        {"text", [](T t, P p) { return TreeAddText(t, p, QStringLiteral("MapSource")); }, "MapSource"},
    });
}

TEST(GPSTreeWriters, FloatsShowTheMissingValuePatternsAsUndefined)
{
    CheckCases({
        {"3952.9f", [](T t, P p) { return TreeAddFloat(t, p, "Height", 3952.9f); }, "Height = 3952.899902"},
        {"0x69030681",
         [](T t, P p) { return TreeAddFloat(t, p, "Height", std::bit_cast<float>(uint32_t(0x69030681))); },
         "Height = Undefined (0x69030681)"},
        {"0x69045951",
         [](T t, P p) { return TreeAddFloat(t, p, "Depth", std::bit_cast<float>(uint32_t(0x69045951))); },
         "Depth = Undefined (0x69045951)"},
        // The next float up is an ordinary number.
        {"0x69045952",
         [](T t, P p) { return TreeAddFloat(t, p, "Depth", std::bit_cast<float>(uint32_t(0x69045952))); },
         "Depth = 10000000714945030854279168.000000"},
        {"negative", [](T t, P p) { return TreeAddFloat(t, p, "Height", -12.25f); }, "Height = -12.250000"},
    });
}

TEST(GPSTreeWriters, BytesAndPrefix)
{
    CheckCases({
        {"bytes", [](T t, P p) { return TreeAddBytes(t, p, "???", QByteArrayView("\x00\xAB\xFF\x7F", 4)); },
         "??? = 00 AB FF 7F "},
        {"no bytes", [](T t, P p) { return TreeAddBytes(t, p, "Bytes", QByteArrayView()); }, "Bytes = "},
        {"prefix",
         [](T t, P p) {
             return TreeAddPrefix(t, p, QByteArrayView("\x05WTR\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\xFF", 16));
         },
         "Prefix = 05 W T R 00 01 02 03 04 05 06 07 08 09 0A FF "},
    });
}

TEST(GPSTreeWriters, TimesShowInvalidStampsAndTaiwanTimeInEachEpoch)
{
    // Python: datetime(1970,1,1) + timedelta(seconds=s + 8 h), and from datetime(1989,12,31).
    CheckCases({
        {"invalid", [](T t, P p) { return TreeAddTime(t, p, "Time", 0xFFFFFFFF, 103); },
         "Time = 0xFFFFFFFF (Invalid)"},
        {"invalid EVO", [](T t, P p) { return TreeAddTime(t, p, "Time", 0xFFFFFFFF, 102); },
         "Time = 0xFFFFFFFF (Invalid)"},
        {"MPS", [](T t, P p) { return TreeAddTime(t, p, "Time", 1680300000, 103); },
         "Time = 0x642757E0 (06:00:00, 2023/4/1)"},
        {"GDB", [](T t, P p) { return TreeAddTime(t, p, "Time", 1700000000, 104); },
         "Time = 0x6553F100 (06:13:20, 2023/11/15)"},
        {"GDB epoch", [](T t, P p) { return TreeAddTime(t, p, "Time", 0, 104); },
         "Time = 0x00000000 (08:00:00, 1970/1/1)"},
        {"WTR", [](T t, P p) { return TreeAddTime(t, p, "Time", 1049148000, 101); },
         "Time = 0x3E88BA60 (06:00:00, 2023/3/31)"},
        {"EVO", [](T t, P p) { return TreeAddTime(t, p, "Time", 1000000000, 102); },
         "Time = 0x3B9ACA00 (09:46:40, 2021/9/8)"},
        {"EVO day one", [](T t, P p) { return TreeAddTime(t, p, "Time", 86400, 102); },
         "Time = 0x00015180 (08:00:00, 1990/1/1)"},
        {"GTM", [](T t, P p) { return TreeAddTime(t, p, "Date", 1049148000, 105); },
         "Date = 0x3E88BA60 (06:00:00, 2023/3/31)"},
    });
}

TEST(GPSTreeWriters, AnglesShowSignedDegrees)
{
    // value x 360 / 4294967295, to 5 decimals, and the raw bits.
    CheckCases({
        {"0x80000000", [](T t, P p) { return TreeAddAngle(t, p, "Longitude", int32_t(0x80000000u)); },
         "Longitude = -180.00000 (0x80000000)"},
        {"0x7FFFFFFF", [](T t, P p) { return TreeAddAngle(t, p, "Longitude", 0x7FFFFFFF); },
         "Longitude = 180.00000 (0x7FFFFFFF)"},
        {"zero", [](T t, P p) { return TreeAddAngle(t, p, "Latitude", 0); }, "Latitude = 0.00000 (0x00000000)"},
        {"-10 degrees", [](T t, P p) { return TreeAddAngle(t, p, "Longitude", -119304647); },
         "Longitude = -10.00000 (0xF8E38E39)"},
        {"24.383333", [](T t, P p) { return TreeAddAngle(t, p, "Latitude", 290904493); },
         "Latitude = 24.38333 (0x1156D9AD)"},
    });
}

TEST(GPSTreeWriters, SymbolsByTableAndUnknownCodes)
{
    CheckCases({
        {"device 16384", [](T t, P p) { return TreeAddSymbolWTR(t, p, 16384); }, "Icon = 機場 (0x4000)"},
        {"device 8246", [](T t, P p) { return TreeAddSymbolWTR(t, p, 8246); }, "Icon = 山頂 (0x2036)"},
        {"device unknown", [](T t, P p) { return TreeAddSymbolWTR(t, p, 12345); }, "Icon = ??? (0x3039)"},
        {"device negative", [](T t, P p) { return TreeAddSymbolWTR(t, p, -1); }, "Icon = ??? (0xFFFF)"},
        {"MPS 106", [](T t, P p) { return TreeAddSymbolMPS(t, p, 106); }, "Icon = 山峰 (0x006A)"},
        {"MPS 117", [](T t, P p) { return TreeAddSymbolMPS(t, p, 117); }, "Icon = Geocache (0x0075)"},
        {"MPS 61", [](T t, P p) { return TreeAddSymbolMPS(t, p, 61); }, "Icon = 車道起點 (0x003D)"},
        {"MPS negative", [](T t, P p) { return TreeAddSymbolMPS(t, p, -5); }, "Icon = ??? (0xFFFB)"},
        {"MPS unknown", [](T t, P p) { return TreeAddSymbolMPS(t, p, 9999); }, "Icon = ??? (0x270F)"},
        {"GTM 73", [](T t, P p) { return TreeAddSymbolGTM(t, p, 73); }, "Icon = Summit (0x0049)"},
        {"GTM 1", [](T t, P p) { return TreeAddSymbolGTM(t, p, 1); }, "Icon = Airport (0x0001)"},
        {"GTM 48", [](T t, P p) { return TreeAddSymbolGTM(t, p, 48); }, "Icon = Waypoint (0x0030)"},
        {"GTM 192", [](T t, P p) { return TreeAddSymbolGTM(t, p, 192); }, "Icon = Libraries (0x00C0)"},
        {"GTM 0", [](T t, P p) { return TreeAddSymbolGTM(t, p, 0); }, "Icon = ??? (0x0000)"},
        {"GTM 193", [](T t, P p) { return TreeAddSymbolGTM(t, p, 193); }, "Icon = ??? (0x00C1)"},
        {"GTM 200", [](T t, P p) { return TreeAddSymbolGTM(t, p, 200); }, "Icon = ??? (0x00C8)"},
        {"GTM -1", [](T t, P p) { return TreeAddSymbolGTM(t, p, -1); }, "Icon = ??? (0xFFFF)"},
    });
}

TEST(GPSTreeWriters, NumbersIgnoreTheDefaultLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CheckCases({
        {"double", [](T t, P p) { return TreeAddDouble(t, p, "Latitude", 1234.5); }, "Latitude = 1234.500000"},
        {"uint", [](T t, P p) { return TreeAddUInt(t, p, "Points", 1234567); }, "Points = 1234567"},
        {"angle", [](T t, P p) { return TreeAddAngle(t, p, "Latitude", 290904493); },
         "Latitude = 24.38333 (0x1156D9AD)"},
    });
    QLocale::setDefault(saved);
}

TEST(GPSTreeWriters, MetresTextShowsWholeMetresOrUnknown)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        double metres;
        bool defined;
        const char* text;
    } cases[] = {
        {3952.9, true, "3952m"},
        {-12.25, true, "-12m"},
        {0, true, "0m"},
        {2147483647.9, true, "2147483647m"},
        {-2147483648.5, true, "-2147483648m"},
        {3952.9, false, "???m"},
        {std::nan(""), true, "???m"},
        {kInf, true, "???m"},
        {-kInf, true, "???m"},
        {1e25, true, "???m"},
        {3e9, true, "???m"},
        {-3e9, true, "???m"},
        {2147483648.0, true, "???m"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MetresText(c.metres, c.defined), QString::fromLatin1(c.text)) << c.metres << " " << c.defined;
}

TEST(GPSTreeWriters, MetresTextOfFloatBitsTreatsMissingPatternsAsUnknown)
{
    const struct {
        uint32_t bits;
        const char* text;
    } cases[] = {
        {0x45770E66, "3952m"}, // 3952.9f
        {0xC1440000, "-12m"},  // -12.25f
        {0x69045951, "???m"},
        {0x69030681, "???m"},
        {0x7F800000, "???m"}, // infinity
        {0x7FC00000, "???m"}, // NaN
        {0x4F800000, "???m"}, // 2^32
    };
    for (const auto& c : cases)
        EXPECT_EQ(MetresTextOfFloatBits(c.bits), QString::fromLatin1(c.text)) << std::hex << c.bits;
}

TEST(GPSTreeWriters, AnsiTextDecodesBig5UpToTheFirstZero)
{
    // 雪山 in Big5 (Python: "雪山".encode("cp950")), then a zero and bytes that are not shown.
    EXPECT_EQ(AnsiText(QByteArrayView("\xB3\xB7\xA4\x73\0junk", 9)), QStringLiteral("雪山"));
    EXPECT_EQ(AnsiText(QByteArrayView()), QString());
    EXPECT_EQ(AnsiText(QByteArrayView("abc", 3)), QStringLiteral("abc"));
}

TEST(GPSTreeWriters, TreeAddPartFillsThenExpands)
{
    RecordingTree tree;
    const GPSTreeItem root = tree.InsertItem(QStringLiteral("root"), 0);
    const GPSTreeItem part = TreeAddPart(&tree, root, QStringLiteral("Waypoint part"), true, [&](GPSTreeItem p) {
        TreeAddUInt(&tree, p, "Total Waypoints", 0);
        EXPECT_TRUE(tree.expanded.empty()); // not yet
    });
    EXPECT_EQ(tree.Children(root), QStringList{"Waypoint part"});
    EXPECT_EQ(tree.Children(part), QStringList{"Total Waypoints = 0"});
    EXPECT_EQ(tree.expanded, std::vector<GPSTreeItem>{part});
    TreeAddPart(&tree, root, QStringLiteral("Header part"), false, [](GPSTreeItem) {});
    EXPECT_EQ(tree.expanded.size(), 1u);
}

} // namespace
