// Byte cursors, text conversions, tag searches, dates and angles.
#include "gps/ByteCursor.h"
#include "gps/GPSAngle.h"
#include "gps/GPSDate.h"
#include "gps/GPSScanCount.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

TEST(ByteCursor, ReadsFailWithoutConsuming)
{
    const QByteArray bytes("ab", 2);
    ByteCursor cursor(bytes);
    QByteArrayView text;
    EXPECT_FALSE(cursor.ReadCString(&text)); // no zero byte
    int32_t i32 = 0;
    EXPECT_FALSE(cursor.ReadInt32(&i32));
    double d = 0;
    EXPECT_FALSE(cursor.ReadDouble(&d));
    uint8_t defined = 0;
    const QByteArray cutOptional("\x01\0\0", 3);
    ByteCursor optional(cutOptional);
    EXPECT_FALSE(optional.ReadOptionalDouble(&defined, &d));
    EXPECT_EQ(optional.remaining(), 3u);
    EXPECT_EQ(cursor.remaining(), 2u);
    int16_t i16 = 0;
    EXPECT_TRUE(cursor.ReadInt16(&i16));
    EXPECT_EQ(i16, 0x6261);
    EXPECT_EQ(cursor.remaining(), 0u);
    EXPECT_FALSE(cursor.ReadInt16(&i16));
    // With its zero byte, a text consumes it too.
    const QByteArray ended("ab\0cd", 5);
    ByteCursor withZero(ended);
    ASSERT_TRUE(withZero.ReadCString(&text));
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(withZero.remaining(), 2u);
}

TEST(ByteCursor, LengthStringIsBoundedByWhatRemains)
{
    const QByteArray bytes("\x03\0abc\x05\0ab", 9);
    ByteCursor cursor(bytes);
    QByteArray text;
    ASSERT_TRUE(cursor.ReadLengthString(&text));
    EXPECT_EQ(text, "abc");
    EXPECT_FALSE(cursor.ReadLengthString(&text)); // 5 announced, 2 there
    EXPECT_EQ(cursor.remaining(), 4u);
    const QByteArray empty("\0\0", 2);
    ByteCursor zero(empty);
    ASSERT_TRUE(zero.ReadLengthString(&text));
    EXPECT_TRUE(text.isNull());
}

TEST(ByteCursor, LenientReadBytesZeroFills)
{
    const QByteArray bytes("xyz");
    ByteCursor cursor(bytes);
    char out[8];
    std::memset(out, 'Q', sizeof out);
    EXPECT_FALSE(cursor.ReadBytes(out, 8, true));
    EXPECT_EQ(cursor.remaining(), 3u);
    ASSERT_TRUE(cursor.ReadBytes(out, 8, false));
    EXPECT_EQ(QByteArray(out, 8), QByteArray("xyz\0\0\0\0\0", 8));
    EXPECT_EQ(cursor.remaining(), 0u);
    EXPECT_FALSE(cursor.ReadBytes(out, 1, false)); // nothing remains
}

TEST(ByteCursor, WriterFields)
{
    QByteArray bytes;
    ByteWriter out(&bytes);
    out.WriteLengthString("");
    out.WriteCString({});
    out.WriteInt32(-2);
    out.WriteOptionalDouble(0, 5);
    out.WriteOptionalDouble(1, 1.0);
    EXPECT_EQ(bytes, QByteArray("\0\0\0\xfe\xff\xff\xff\0\x01\0\0\0\0\0\0\xf0\x3f", 17));
    QByteArray longText(70000, 'x');
    QByteArray big;
    ByteWriter(&big).WriteLengthString(longText);
    ByteCursor back(big);
    QByteArray read;
    ASSERT_TRUE(back.ReadLengthString(&read));
    EXPECT_EQ(read.size(), 65535);
}

TEST(GPSText, Utf8ToAnsiConvertsAndCutsAtCharacterBoundaries)
{
    char field[8];
    gps::Utf8ToAnsi(field, sizeof field, QString(u"玉山A"_qs).toUtf8(), true);
    EXPECT_EQ(QByteArray(field), platform::ToAnsi(u"玉山A"));
    // Four Big5 characters need 8 bytes; a field of 8 holds three and the terminator.
    gps::Utf8ToAnsi(field, sizeof field, QString(u"玉山主峰"_qs).toUtf8(), true);
    EXPECT_EQ(QByteArray(field), platform::ToAnsi(u"玉山主"));
    // A four-byte lead is not decoded: the bytes are copied as they are.
    const QByteArray emoji("\xf0\x9f\x98\x80", 4);
    gps::Utf8ToAnsi(field, sizeof field, emoji, true);
    EXPECT_EQ(QByteArray(field), emoji);
    // Not UTF-8: copied, and only up to the terminator.
    gps::Utf8ToAnsi(field, sizeof field, QByteArray("ab\0cd", 5), false);
    EXPECT_EQ(QByteArray(field, 3), QByteArray("ab\0", 3));
    // Characters CP950 lacks become its default character.
    gps::Utf8ToAnsi(field, sizeof field, QString(u"é"_qs).toUtf8(), true);
    EXPECT_EQ(QByteArray(field), "?");
    // A sequence cut by the end of the text does not read past it.
    gps::Utf8ToAnsi(field, sizeof field, QByteArray("a\xe7\x8e", 3), true);
    EXPECT_EQ(QByteArray(field), "a");
}

TEST(GPSText, WideFieldsNeverSplitASurrogatePair)
{
    char16_t field[4];
    gps::CopyToField(field, 4, u"ab𠀋");
    EXPECT_EQ(gps::FieldText(field, 4), u"ab");
    gps::CopyToField(field, 4, u"a𠀋b");
    EXPECT_EQ(gps::FieldText(field, 4), u"a𠀋");
    char utf8[5];
    gps::CopyUtf8ToField(utf8, 5, QString(u"a玉山"_qs).toUtf8());
    EXPECT_EQ(QByteArray(utf8), QString(u"a玉"_qs).toUtf8());
}

TEST(GPSText, FindTagTextWalksRepeatedElements)
{
    const QByteArray text = "<name>A</name><name>B</name>";
    QByteArray out = "unchanged";
    qsizetype end = 0;
    ASSERT_TRUE(gps::FindTagText(text, "<name>", "</name>", &out, 0, &end));
    EXPECT_EQ(out, "A");
    EXPECT_EQ(end, 14);
    ASSERT_TRUE(gps::FindTagText(text, "<name>", "</name>", &out, end, &end));
    EXPECT_EQ(out, "B");
    out = "unchanged";
    EXPECT_FALSE(gps::FindTagText(text, "<name>", "</name>", &out, end, &end));
    EXPECT_FALSE(gps::FindTagText(text, "<x>", "</x>", &out));
    EXPECT_FALSE(gps::FindTagText(text, "<name>", "</name>", &out, -1));
    EXPECT_FALSE(gps::FindTagText(text, "<name>", "</name>", &out, text.size() + 1));
    EXPECT_FALSE(gps::FindTagText(text.first(8), "<name>", "</name>", &out)); // no terminator needed
    EXPECT_EQ(out, "unchanged");
    // A Big5 trail byte equal to '<' ... cannot match: 0x5C is a trail byte of 許 (B3 5C).
    const QByteArray big5 = platform::ToAnsi(u"許") + "\\x\\";
    ASSERT_TRUE(gps::FindTagText(big5, "\\", "\\", &out));
    EXPECT_EQ(out, "x");
}

TEST(GPSText, WalkingManyElementsIsOnePassOverTheText)
{
    // A walk that rescans from the start of the text for each element would compare at each
    // position once per element; one pass compares at each position at most once.
    constexpr int kElements = 2000;
    QByteArray text;
    for (int i = 0; i < kElements; ++i)
        text += "<trkpt>" + QByteArray::number(i) + "</trkpt>\n";
    QByteArray out;
    qsizetype end = 0;
    int found = 0;
    qint64 scanned = 0;
    gps::scannedBytes = &scanned;
    while (gps::FindTagText(text, "<trkpt>", "</trkpt>", &out, end, &end))
        ++found;
    gps::scannedBytes = nullptr;
    EXPECT_EQ(found, kElements);
    EXPECT_EQ(out, QByteArray::number(kElements - 1));
    EXPECT_GE(scanned, kElements);
    EXPECT_LE(scanned, text.size());
}

TEST(GPSText, FindTagTextUtf8KeepsWholeCharacters)
{
    QByteArray out;
    ASSERT_TRUE(gps::FindTagTextUtf8(QString(u"<desc>雪山</desc>"_qs).toUtf8(), "<desc>", "</desc>", &out));
    EXPECT_EQ(out, QString(u"雪山"_qs).toUtf8());
    const QByteArray longText = "<d>" + QString(50, QChar(u'山')).toUtf8() + "</d>";
    ASSERT_TRUE(gps::FindTagTextUtf8(longText, "<d>", "</d>", &out));
    EXPECT_EQ(out, QString(42, QChar(u'山')).toUtf8()); // 126 bytes: no half character
}

TEST(GPSDate, ConversionsOfTheFormats)
{
    GPSDate date;
    gps::SecondsToLocalTime(0, &date, 104, false);
    EXPECT_EQ(date.year, 1970);
    EXPECT_EQ(date.month, 1);
    EXPECT_EQ(date.day, 1);
    EXPECT_EQ(date.hour, 0);
    gps::SecondsToLocalTime(0, &date, 104, true);
    EXPECT_EQ(date.hour, 8);
    gps::SecondsToLocalTime(951782400, &date, 104, false);
    EXPECT_EQ(date.year, 2000);
    EXPECT_EQ(date.month, 2);
    EXPECT_EQ(date.day, 29);
    gps::SecondsToLocalTime(0xFFFFFFFF, &date, 104, false); // 2106: left cleared
    EXPECT_EQ(date.year, 0);
    gps::SecondsToLocalTime(86400 * 2 + 3661, &date, 102, true); // EVO
    EXPECT_EQ(date.year, 1990);
    EXPECT_EQ(date.day, 2);
    EXPECT_EQ(date.hour, 9);
    EXPECT_EQ(date.minute, 1);
    EXPECT_EQ(date.second, 1);

    int64_t seconds = 0;
    ASSERT_TRUE(gps::LocalTimeToUnixTime({2000, 3, 0, 1, 0, 0, 0, 0}, &seconds));
    EXPECT_EQ(seconds, 951868800);
    for (int code : {101, 102, 104}) {
        gps::SecondsToLocalTime(700000000, &date, code, true);
        ASSERT_TRUE(gps::LocalTimeToSeconds(date, &seconds, code));
        EXPECT_EQ(seconds, 700000000) << code;
    }
    // GPS TrackMaker: gpsbabel writes 2000-01-01T00:00:00Z as 315619200 and
    // 2023-04-01T00:00:00Z as 1049241600, and reads them back so.
    for (const auto& [stamp, year, month] : {std::tuple{315619200u, 2000, 1}, std::tuple{1049241600u, 2023, 4}}) {
        gps::SecondsToLocalTime(stamp, &date, 105, false);
        EXPECT_EQ(date.year, year);
        EXPECT_EQ(date.month, month);
        EXPECT_EQ(date.day, 1);
        EXPECT_EQ(date.hour, 0);
        gps::SecondsToLocalTime(stamp, &date, 105, true);
        EXPECT_EQ(date.hour, 8);
        ASSERT_TRUE(gps::LocalTimeToSeconds(date, &seconds, 105));
        EXPECT_EQ(seconds, int64_t(stamp));
    }
    EXPECT_FALSE(gps::LocalTimeToSeconds(GPSDate{}, &seconds, 104));
}

TEST(GPSAngle, ConversionsBothWays)
{
    EXPECT_EQ(GPSAngle::FromDegrees(121.5), 1449551462);
    EXPECT_NEAR(GPSAngle::ToDegrees(1449551462), 121.4999999948, 1e-9);
    EXPECT_EQ(GPSAngle::FromDegrees(-10), -119304647);
    EXPECT_NEAR(GPSAngle::ToDegrees(-119304647), -10, 1e-7);
    EXPECT_EQ(uint32_t(GPSAngle::FromDegrees(200)), 2386092941u);
    EXPECT_NEAR(GPSAngle::ToDegrees(GPSAngle::FromDegrees(200)), -160, 1e-6);
    // 0 to 180 degrees read exactly as value x 360 / (2^32 - 1).
    for (double degrees : {0.0, 0.5, 23.47, 90.0, 179.9999}) {
        const int32_t value = GPSAngle::FromDegrees(degrees);
        EXPECT_EQ(GPSAngle::ToDegrees(value), double(uint32_t(value)) * 360.0 / 4294967295.0);
    }
    EXPECT_EQ(GPSAngle::FromDegrees(std::nan("")), 0);
    EXPECT_EQ(GPSAngle::FromDegrees(1e300), 0);
}

} // namespace
