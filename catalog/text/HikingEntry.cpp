#include "catalog/text/HikingEntry.h"

#include "catalog/text/TextFile.h"
#include "catalog/text/TextParsers.h"

namespace {

// A date between brackets has at least this many characters.
constexpr qsizetype kMinDateLength = 6;
// ASCII parentheses count only when they enclose more than this many characters.
constexpr qsizetype kMinAsciiParenGap = 8;

QString WithoutSpaces(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ')
            out += c;
    }
    return out;
}

QString WithoutTrailingSpaces(QStringView text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text.toString();
}

// Characters strictly between positions a and b.
qsizetype Gap(qsizetype a, qsizetype b)
{
    return b - a - 1;
}

// "title [date]" and "title (date)": the date between a and b, spaces removed.
void SplitEnclosed(QStringView trip, qsizetype a, qsizetype b, HikingEntry* entry)
{
    entry->dateText = WithoutSpaces(trip.mid(a + 1, Gap(a, b)));
    entry->title = WithoutTrailingSpaces(trip.first(a));
}

// The last "-" that follows a digit, or the first "-" when none does, or -1.
qsizetype FindDashAfterDigit(QStringView trip)
{
    qsizetype d = trip.lastIndexOf(u'-');
    while (d > 0 && !trip[d - 1].isDigit())
        d = trip.lastIndexOf(u'-', d - 1);
    return d;
}

// "【title】1080503～0505-rest": the compact date between "】" and the dash, with slashes.
void SplitLenticular(QStringView trip, qsizetype b, qsizetype d, HikingEntry* entry)
{
    QString date = trip.mid(b + 1, Gap(b, d)).toString();
    const qsizetype range = date.indexOf(u'～');
    if (range > 0)
        date.truncate(range);
    const qsizetype length = date.size();
    date.insert(qMax<qsizetype>(length - 2, 0), u'/');
    date.insert(qMax<qsizetype>(length - 4, 0), u'/');
    entry->dateText = date;
    entry->title = trip.first(b + 1).toString() + trip.mid(d).toString();
}

} // namespace

bool HikingEntry::ParseTrip(QStringView trip)
{
    qsizetype a = trip.lastIndexOf(u'[');
    qsizetype b = trip.lastIndexOf(u']');
    if (a >= 0 && b >= 0 && a < b) {
        if (Gap(a, b) < kMinDateLength)
            return false;
        SplitEnclosed(trip, a, b, this);
        return true;
    }
    b = trip.lastIndexOf(u'】');
    const qsizetype d = FindDashAfterDigit(trip);
    if (b >= 0 && d >= 0 && b + 1 < d && Gap(b, d) >= kMinDateLength) {
        SplitLenticular(trip, b, d, this);
        return true;
    }
    a = trip.lastIndexOf(u'(');
    b = trip.lastIndexOf(u')');
    if (a < 0 || b < 0 || b <= a + kMinAsciiParenGap) {
        a = trip.lastIndexOf(u'（');
        b = trip.lastIndexOf(u'）');
        if (a < 0 || b < 0 || a >= b)
            return false;
    }
    if (Gap(a, b) < kMinDateLength)
        return false;
    SplitEnclosed(trip, a, b, this);
    return true;
}

int CompareHikingEntries(const HikingEntry& a, const HikingEntry& b)
{
    int ya = 0, ma = 0, da = 0, yb = 0, mb = 0, db = 0;
    ParseDateText(a.dateText, &ya, &ma, &da);
    ParseDateText(b.dateText, &yb, &mb, &db);
    if (ya != yb)
        return ya > yb ? -1 : 1;
    if (ma != mb)
        return ma > mb ? -1 : 1;
    if (da != db)
        return da > db ? -1 : 1;
    return 0;
}

QList<HikingEntry> ReadNumberedKeyPairs(const QString& path, QStringView entryKeyPattern,
                                        QStringView linkKeyPattern)
{
    QString text;
    if (!ReadUtf16File(path, &text))
        return {};
    return ReadNumberedKeyPairsText(text, entryKeyPattern, linkKeyPattern);
}

QList<HikingEntry> ReadNumberedKeyPairsText(QStringView text, QStringView entryKeyPattern,
                                            QStringView linkKeyPattern, QString* stoppedAt)
{
    QList<HikingEntry> entries;
    QString stop;
    qsizetype pos = 0;
    for (int n = 1; entries.size() < HikingEntry::kMaxEntries; ++n) {
        QString trip;
        const QString entryKey = FormatNumberedKey(entryKeyPattern, n);
        if (!ScanKeyValue(text, entryKey, &pos, &trip))
            break;
        HikingEntry entry;
        if (trip.isEmpty() || !entry.ParseTrip(trip)) {
            stop = entryKey;
            break;
        }
        const QString linkKey = FormatNumberedKey(linkKeyPattern, n);
        if (!ScanKeyValue(text, linkKey, &pos, &entry.link)) {
            stop = linkKey;
            break;
        }
        entries.append(std::move(entry));
    }
    if (stoppedAt)
        *stoppedAt = stop;
    return entries;
}
