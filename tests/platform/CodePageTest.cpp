// Code-page conversions against the bytes Windows writes for the owner's CP950 text.
#include "platform/CodePage.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(CodePage, Cp950AsWindowsMapsIt)
{
    // Bytes of Windows code page 950 and the characters Windows reads them as: Big5 proper,
    // a second byte of '\', and the Microsoft additions (euro sign, full-width tilde, the
    // ETEN characters and box drawing of row F9).
    const struct {
        const char* bytes;
        const char16_t* text;
    } cases[] = {
        {"\xa5\xc9\xa4\x73", u"玉山"},
        {"\xb3\\\xa6h\xa5\\\xbb\\", u"許多功蓋"},
        {"\xa3\xe1", u"€"},
        {"\xa1\xe3", u"～"},
        {"\xa1\x45", u"‧"},
        {"\xa1\x58", u"—"},
        {"\xa1\xc2", u"\u00af"},
        {"\xf9\xd6\xf9\xd7", u"碁銹"},
        {"\xf9\xf9\xf9\xdd", u"═╔"},
        {"abc 123", u"abc 123"},
    };
    for (const auto& c : cases) {
        const QByteArray bytes(c.bytes);
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(FromAnsi(bytes), text) << bytes.toHex().constData();
        bool lossless = false;
        EXPECT_EQ(ToAnsi(text, &lossless), bytes) << bytes.toHex().constData();
        EXPECT_TRUE(lossless);
        EXPECT_TRUE(FitsAnsi(text));
    }
}

TEST(CodePage, Cp950LossIsReportedPerCharacter)
{
    bool lossless = true;
    // ☃ (one code unit) and 𩸽 (a surrogate pair) are not in CP950: one '?' each.
    EXPECT_EQ(ToAnsi(u"玉☃山𩸽!", &lossless), QByteArray("\xa5\xc9?\xa4\x73?!"));
    EXPECT_FALSE(lossless);
    EXPECT_FALSE(FitsAnsi(u"𩸽"));
    EXPECT_TRUE(FitsAnsi(u""));
    // Undecodable bytes give one replacement each and never swallow the ASCII after them.
    const QString text = FromAnsi("\xa5=\x80\r\n");
    ASSERT_EQ(text.size(), 5);
    EXPECT_EQ(text.mid(1), QStringLiteral("=") + QChar(text[2]) + "\r\n");
    EXPECT_NE(text[0], QChar(u'='));
    // A lead byte that ends the bytes is one replacement too, not dropped.
    const struct {
        const char* bytes;
        const char16_t* text;
    } ends[] = {
        {"\xa4", u"\uFFFD"},
        {"k0=\xa4", u"k0=\uFFFD"},
        {"\xa4\x40\xa4", u"\u4E00\uFFFD"},
        {"\xa4\x40", u"\u4E00"},
    };
    for (const auto& end : ends)
        EXPECT_EQ(FromAnsi(end.bytes), QString::fromUtf16(end.text)) << end.bytes;
}

TEST(CodePage, Utf8ValidityIsStrict)
{
    // A file is taken as UTF-8 only when all of it is: CP950 text and broken sequences are not.
    const struct {
        const char* bytes;
        bool valid;
    } cases[] = {
        {"", true}, {"plain ASCII", true}, {"\xe7\x8e\x89\xe5\xb1\xb1", true}, {"\xf0\xa9\xb8\xbd", true},
        {"\xa5\xc9\xa4\x73", false},  // 玉山 in CP950
        {"\xc0\xaf", false},          // overlong '/'
        {"\xed\xa0\x80", false},      // a surrogate
        {"ok\xe7\x8e", false},         // cut short at the end
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << QByteArray(c.bytes).toHex().constData();
}

TEST(CodePage, Utf16BothOrders)
{
    const QString text = QStringLiteral("A玉𩸽");
    const QByteArray le("A\0\x89\x73\x67\xd8\x3d\xde", 8);
    EXPECT_EQ(ToUtf16Le(text), le);
    EXPECT_EQ(FromUtf16Le(le), text);
    EXPECT_EQ(FromUtf16Le(le + 'x'), text);  // an odd last byte is dropped
    EXPECT_EQ(FromUtf16Be(QByteArray("\0A\x73\x89\xd8\x67\xde\x3d", 8)), text);
    EXPECT_TRUE(FromUtf16Le("").isEmpty());
}
