#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace platform {

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int HexValue(QChar c)
{
    if (IsAsciiDigit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// The blanks that "%Lf" skips: those of isspace() in the C locale.
bool IsCSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

struct DoubleFormat {
    // Room for the longest fixed form of a double (about 330 characters) and the decimals.
    static constexpr int kMaxDecimals = 100;
    static constexpr int kBufferSize = 512;
};

// The unsigned decimal number that "%Lf" reads: digits, an optional '.' and digits, at least
// one digit in all; then an exponent when digits follow its 'e' and sign. Its ASCII copy goes
// to from_chars, which never looks at the process locale.
struct DecimalText {
    // Exponents beyond this are all alike: far out of any double's range.
    static constexpr qint64 kExponentCap = qint64(1) << 30;

    std::string ascii;
    qsizetype intDigits = 0;
    qint64 exponent = 0;

    bool scan(QStringView text, qsizetype i)
    {
        qsizetype fractionDigits = 0;
        for (; i < text.size() && IsAsciiDigit(text[i]); ++i, ++intDigits)
            ascii += char(text[i].unicode());
        if (i < text.size() && text[i] == u'.') {
            ascii += '.';
            for (++i; i < text.size() && IsAsciiDigit(text[i]); ++i, ++fractionDigits)
                ascii += char(text[i].unicode());
        }
        if (intDigits + fractionDigits == 0)
            return false;
        if (i < text.size() && (text[i] == u'e' || text[i] == u'E'))
            scanExponent(text, i + 1);
        return true;
    }

    void scanExponent(QStringView text, qsizetype j)
    {
        bool negative = false;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            negative = text[j++] == u'-';
        if (j >= text.size() || !IsAsciiDigit(text[j]))
            return;
        ascii += negative ? "e-" : "e";
        for (; j < text.size() && IsAsciiDigit(text[j]); ++j) {
            ascii += char(text[j].unicode());
            exponent = std::min(exponent * 10 + (text[j].unicode() - u'0'), kExponentCap);
        }
        if (negative)
            exponent = -exponent;
    }

    // For a value out of range: whether it is too large (else too small). Only the extremes
    // are out of range, so the sign of a rough decimal scale decides.
    bool overflows() const
    {
        const bool leadingDigit = ascii[0] != '0' && ascii[0] != '.';
        return exponent + (leadingDigit ? intDigits : 0) > 0;
    }
};

QString FromChars(const char* first, const char* last)
{
    return QString::fromLatin1(first, last - first);
}

} // namespace

int ParseProfileInteger(QStringView text)
{
    constexpr qint64 kMax = std::numeric_limits<int>::max();
    constexpr qint64 kMinMagnitude = -qint64(std::numeric_limits<int>::min());
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    // The magnitude stops growing once it is past every 32-bit value.
    qint64 magnitude = 0;
    const bool hex = i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')
        && HexValue(text[i + 2]) >= 0;
    if (hex) {
        for (i += 2; i < text.size() && HexValue(text[i]) >= 0; ++i)
            magnitude = std::min(magnitude * 16 + HexValue(text[i]), kMinMagnitude);
    } else {
        for (; i < text.size() && IsAsciiDigit(text[i]); ++i)
            magnitude = std::min(magnitude * 10 + (text[i].unicode() - u'0'), kMinMagnitude);
    }
    return int(negative ? -magnitude : std::min(magnitude, kMax));
}

std::optional<double> ParseLeadingDouble(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    DecimalText decimal;
    if (!decimal.scan(text, i))
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(decimal.ascii.data(), decimal.ascii.data() + decimal.ascii.size(), value);
    if (ec == std::errc::result_out_of_range)
        value = decimal.overflows() ? std::numeric_limits<double>::max() : 0.0;
    else if (ec != std::errc())
        return std::nullopt;
    return negative ? -value : value;
}

QString FormatDouble(double value)
{
    char buffer[DoubleFormat::kBufferSize];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return ec == std::errc() ? FromChars(buffer, end) : QString();
}

QString FormatDouble(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, DoubleFormat::kMaxDecimals);
    char buffer[DoubleFormat::kBufferSize];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return ec == std::errc() ? FromChars(buffer, end) : QString();
}

} // namespace platform
