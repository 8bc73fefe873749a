#include "catalog/text/AtlasRef.h"

#include "catalog/text/TextParsers.h"

#include <array>

namespace {

// The volumes are named by Chinese numerals; the volume number is the position from 1.
constexpr std::array<std::u16string_view, kAtlasVolumeCount> kVolumeNames = {
    u"一", u"二", u"三", u"四", u"五", u"六", u"七", u"八", u"九", u"十",
    u"十一", u"十二", u"十三", u"十四", u"十五", u"十六", u"十七", u"十八", u"十九", u"二十",
    u"二十一", u"二十二", u"二十三", u"二十四", u"二十五", u"二十六", u"二十七", u"二十八",
    u"二十九", u"三十",
};

// Characters between "(" and ")" of the parenthesised form: a volume name and three page digits.
constexpr qsizetype kPageDigits = 3;
// The first ")" may stand no earlier: "(" + a one-character name + three digits.
constexpr qsizetype kMinCloseParen = 5;
// The first page digit of the dashed form stands after a name of one to three characters.
constexpr qsizetype kMinNameLength = 1;
constexpr qsizetype kMaxNameLength = 3;

void Store(int* out, int value)
{
    if (out)
        *out = value;
}

QString FormatPage(int page)
{
    return QString::number(page).rightJustified(kPageDigits, u'0');
}

} // namespace

QStringView AtlasVolumeName(int volume)
{
    if (volume < 1 || volume > kAtlasVolumeCount)
        return {};
    return QStringView(kVolumeNames[volume - 1]);
}

int AtlasVolumeIndex(QStringView text)
{
    for (int i = 0; i < kAtlasVolumeCount; ++i) {
        if (text == QStringView(kVolumeNames[i]))
            return i + 1;
    }
    return -1;
}

int ParseAtlasRefInParens(QStringView text, int* volume, int* page)
{
    if (text.isEmpty() || text[0] != u'(')
        return 0;
    const qsizetype close = text.indexOf(u')');
    if (close < kMinCloseParen)
        return 0;
    const QStringView inner = text.mid(1, close - 1);
    const int vol = AtlasVolumeIndex(inner.first(inner.size() - kPageDigits));
    const int pg = ParseDecimalPrefix(inner.last(kPageDigits));
    Store(volume, vol);
    Store(page, pg);
    return AtlasRefCode(kAtlasKindBlueSky, vol, pg);
}

int ParseAtlasRefDashed(QStringView text, int* volume, int* page)
{
    const qsizetype p = FindAsciiDigit(text);
    if (p < kMinNameLength || p > kMaxNameLength)
        return 0;
    QStringView name = text.first(p);
    while (name.endsWith(u'-'))
        name.chop(1);
    const int vol = AtlasVolumeIndex(name);
    // The digit run may be of any length: its value saturates, and the code is computed wide.
    const int pg = ParseDecimalPrefix(text.mid(p, DigitRunEnd(text, p) - p));
    Store(volume, vol);
    Store(page, pg);
    return int(static_cast<long long>(kAtlasKindQuill) * kAtlasKindFactor
               + static_cast<long long>(vol) * kAtlasVolumeFactor - pg);
}

bool FormatAtlasRefInParens(int code, QString* text)
{
    const int volume = AtlasRefVolume(code);
    if (volume < 1 || volume > kAtlasVolumeCount)
        return false;
    *text = u'(' + AtlasVolumeName(volume).toString() + FormatPage(AtlasRefPage(code)) + u')';
    return true;
}

bool FormatAtlasRefDashed(int code, QString* text)
{
    const int volume = AtlasRefVolume(code);
    if (volume < 1 || volume > kAtlasVolumeCount)
        return false;
    *text = AtlasVolumeName(volume).toString() + FormatPage(AtlasRefPage(code)) + u'-';
    return true;
}
