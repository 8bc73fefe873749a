#include "ui/dialogs/find/FindCaptions.h"

#include <initializer_list>

namespace find_captions {

namespace {

// Replaces the integer conversions of a format ("%d", or zero-padded "%0Nd"), in order, by the
// numbers in the C locale; "%%" gives "%". Other text, and conversions beyond the numbers, stay.
QString FormatNumbers(const QString& format, std::initializer_list<int> numbers)
{
    QString out;
    auto next = numbers.begin();
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u'%' || i + 1 >= format.size()) {
            out += format[i];
            continue;
        }
        if (format[i + 1] == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        const bool zeroPad = format[j] == u'0';
        int width = 0;
        while (j < format.size() && format[j].isDigit() && format[j].unicode() < 0x80)
            width = width * 10 + (format[j++].unicode() - u'0');
        if (j >= format.size() || format[j] != u'd' || next == numbers.end()) {
            out += format[i];
            continue;
        }
        out += QStringLiteral("%1").arg(*next++, zeroPad ? width : 0, 10, QLatin1Char('0'));
        i = j;
    }
    return out;
}

} // namespace

QString WithName(const QString& format, const QString& name)
{
    QString text = format;
    return text.replace(QStringLiteral("%s"), name);
}

QString TripCaption(const QString& format, int walkNumber, int defaultTrip)
{
    return FormatNumbers(format, {walkNumber >= 1 ? walkNumber : defaultTrip});
}

QString MapCaption(const QString& format, int atlasCode)
{
    if (atlasCode < 1)
        return FormatNumbers(format, {0, 0});
    const int volume = int((qint64(atlasCode) + kAtlasPageSpan - 1) / kAtlasPageSpan % kAtlasVolumes);
    const int page = kAtlasPageSpan - atlasCode % kAtlasPageSpan;
    return FormatNumbers(format, {volume, page});
}

} // namespace find_captions
