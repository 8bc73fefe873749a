#include "catalog/text/GuideEntry.h"

#include "catalog/text/AtlasRef.h"
#include "catalog/text/TextFile.h"
#include "catalog/text/TextParsers.h"

namespace {

// The first page digit stands after a volume name of one to three characters.
constexpr qsizetype kMinNameLength = 1;
constexpr qsizetype kMaxNameLength = 3;
// Characters stripped from the front of the title that follows the page digits.
constexpr QStringView kTitleLead = u"- 123";
constexpr char16_t kFullWidthZero = u'０';
constexpr char16_t kFullWidthNine = u'９';

constexpr QStringView kQuillKey = u"Quill%d";
constexpr QStringView kQuillLinkKey = u"QuillLink%d";

bool IsNameLength(qsizetype p)
{
    return p >= kMinNameLength && p <= kMaxNameLength;
}

qsizetype FindFullWidthDigit(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] >= QChar(kFullWidthZero) && text[i] <= QChar(kFullWidthNine))
            return i;
    }
    return -1;
}

void FullWidthDigitsToAscii(QString* text)
{
    for (QChar& c : *text) {
        if (c >= QChar(kFullWidthZero) && c <= QChar(kFullWidthNine))
            c = QChar(char16_t(u'0' + (c.unicode() - kFullWidthZero)));
    }
}

QString StripTitleLead(QStringView rest)
{
    qsizetype i = 0;
    while (i < rest.size() && kTitleLead.contains(rest[i]))
        ++i;
    return rest.mid(i).toString();
}

// Fills page, volume text and title from a "十五045-雪山" value whose first page digit
// stands at p; yields the title.
QString SplitAtPage(QStringView value, qsizetype p, GuideEntry* entry)
{
    const qsizetype runEnd = DigitRunEnd(value, p);
    entry->page = ParseDecimalPrefix(value.mid(p, runEnd - p));
    return StripTitleLead(value.mid(runEnd));
}

// One value of the 岫禾圖集 index: the volume name is taken as it stands (no dash removed).
void FillQuillEntry(const QString& value, GuideEntry* entry)
{
    entry->title = value;
    entry->volume = 0;
    const qsizetype p = FindAsciiDigit(value);
    if (!IsNameLength(p))
        return;
    entry->volumeText = value.first(p);
    entry->title = SplitAtPage(value, p, entry);
    entry->volume = GuideEntry::GetVolumeIndex(entry->volumeText);
}

} // namespace

int GuideEntry::GetVolumeIndex(QStringView volumeText)
{
    return AtlasVolumeIndex(volumeText);
}

bool GuideEntry::ParseTitle(QString* text)
{
    qsizetype p = FindAsciiDigit(*text);
    if (!IsNameLength(p)) {
        p = FindFullWidthDigit(*text);
        if (!IsNameLength(p)) {
            volume = -1;
            return false;
        }
        FullWidthDigitsToAscii(text);
    }
    QStringView name = QStringView(*text).first(p);
    while (name.endsWith(u'-'))
        name.chop(1);
    volumeText = name.toString();
    *text = SplitAtPage(*text, p, this);
    volume = GetVolumeIndex(volumeText);
    title = *text;
    return true;
}

int CompareGuideEntries(const GuideEntry& a, const GuideEntry& b)
{
    if (a.volume != b.volume)
        return a.volume > b.volume ? -1 : 1;
    if (a.page != b.page)
        return a.page < b.page ? -1 : 1;
    return 0;
}

int CompareGuideEntriesByText(const GuideEntry& a, const GuideEntry& b)
{
    if (a.volume != b.volume)
        return a.volume > b.volume ? -1 : 1;
    return a.link.compare(b.link, Qt::CaseSensitive);
}

QList<GuideEntry> ReadQuillAtlasFile(const QString& path)
{
    QList<GuideEntry> entries;
    QString text;
    if (!ReadUtf16File(path, &text))
        return entries;
    qsizetype pos = 0;
    for (int n = 1; entries.size() < GuideEntry::kMaxEntries; ++n) {
        QString value;
        if (!ScanKeyValue(text, FormatNumberedKey(kQuillKey, n), &pos, &value))
            break;
        GuideEntry entry;
        if (!value.isEmpty())
            FillQuillEntry(value, &entry);
        if (!ScanKeyValue(text, FormatNumberedKey(kQuillLinkKey, n), &pos, &entry.link))
            break;
        entries.append(std::move(entry));
    }
    return entries;
}
