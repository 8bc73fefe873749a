#include "catalog/text/HtmlTableReader.h"

#include "catalog/text/TextFile.h"
#include "catalog/text/TextParsers.h"
#include "platform/Paths.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

// Row and cell markers of the owner's pages.
constexpr QStringView kRowStart = u"<tr><td align=center>";
constexpr QStringView kRowEnd = u"</td></tr>";
constexpr QStringView kCellEnd = u"</td>";
constexpr QStringView kPlainCell = u"<td>";
constexpr QStringView kCentredCell = u"<td align=center>";
constexpr QStringView kLinkOpen = u"<a href=\"";
constexpr QStringView kLinkClose = u"\">";
constexpr QStringView kLinkTextEnd = u"</a></td>";
constexpr QStringView kFontEnd = u"</font>";
constexpr QStringView kAbsoluteLink = u"http";
// The link text is searched from just before the link closer, so that it finds that closer.
constexpr qsizetype kLinkTextBacktrack = 3;
// A row of the walk page whose first cell starts with this is passed over.
constexpr QChar kSkippedRowMark = u'x';
// Walk titles before this number carry note digits.
constexpr int kFirstWalkWithoutNotes = 520;

// Note marks that a note digit stands before.
constexpr QStringView kNoteMarks = u"，；";

// Walk GPS files: the extensions tried, in order.
constexpr std::array<QStringView, 4> kGpsExtensions = {u".gdb", u".mps", u".evo", u".wtr"};
constexpr QStringView kWalkFilePrefix = u"w";
constexpr QStringView kGpsFolderWord = u"gps";
constexpr QStringView kWalkIndexPage = u"index.htm";
// Characters before a GPS file's extension that hold "w" and the walk number.
constexpr qsizetype kWalkNumberWindow = 5;

bool IsTrimmedBlank(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u' ' || c == u'\t';
}

QString TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsTrimmedBlank(text[begin]))
        ++begin;
    while (end > begin && IsTrimmedBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

// Takes the next row at or after *pos; its last cell is closed again, as the row marker closed
// it. False when no further row stands in the page.
bool NextRow(QStringView page, qsizetype* pos, QString* row)
{
    if (!ExtractBetween(page, kRowStart, kRowEnd, row, *pos, pos))
        return false;
    row->append(kCellEnd);
    return true;
}

// The link of a row's title cell; *linkEnd = the position past the link closer.
bool FindLink(QStringView row, QString* link, qsizetype* linkEnd)
{
    return ExtractBetween(row, kLinkOpen, kLinkClose, link, 0, linkEnd);
}

// The text of the link whose closer ends at linkEnd; *after = the position past its cell.
bool ReadLinkText(QStringView row, qsizetype linkEnd, QString* title, qsizetype* after)
{
    return ExtractBetween(row, kLinkClose, kLinkTextEnd, title, linkEnd - kLinkTextBacktrack, after);
}

struct WalkRow {
    QString title;
    QString link;
    QString centred;
    QString date;
};

// Title and link of a walk row; *after = the position past the title's cell.
bool ReadWalkTitle(QStringView row, const QString& linkPrefix, WalkRow* out, qsizetype* after)
{
    qsizetype linkEnd = 0;
    if (FindLink(row, &out->link, &linkEnd)) {
        if (!out->link.contains(kAbsoluteLink) && !linkPrefix.isEmpty())
            out->link.prepend(linkPrefix);
        return ReadLinkText(row, linkEnd, &out->title, after);
    }
    out->link.clear();
    QString title;
    if (!ExtractBetween(row, kFontEnd, kCellEnd, &title, 0, after))
        return false;
    out->title = TrimBlanks(title);
    return true;
}

// The parts of a walk row numbered walk; false when one is missing.
bool ParseWalkRow(QStringView row, int walk, const QString& linkPrefix, WalkRow* out)
{
    qsizetype pos = 0;
    if (!ReadWalkTitle(row, linkPrefix, out, &pos))
        return false;
    if (walk < kFirstWalkWithoutNotes)
        StripNoteDigits(&out->title);
    return ExtractBetween(row, kCentredCell, kCellEnd, &out->centred, pos, &pos)
           && ExtractBetween(row, kPlainCell, kCellEnd, &out->date, pos, &pos);
}

bool IsIndexedWalk(int walk)
{
    return walk >= 1 && walk < WalkIndex::kMaxWalks;
}

void StoreWalkRow(WalkRow* row, int walk, bool keepCentred, WalkIndex* index)
{
    const size_t n = size_t(walk);
    index->titles[n] = std::move(row->title);
    index->links[n] = std::move(row->link);
    index->dates[n] = std::move(row->date);
    if (keepCentred)
        index->centred[n] = std::move(row->centred);
    index->stored[n] = true;
    index->highestWalk = std::max(index->highestWalk, walk);
}

int ReadWalkRows(const QString& path, WalkIndex* index, const QString& linkPrefix, bool keepCentred)
{
    *index = WalkIndex();
    QString page;
    if (!ReadTextFile(path, &page, true))
        return 0;
    int count = 0;
    qsizetype pos = 0;
    QString row;
    while (NextRow(page, &pos, &row)) {
        if (row.startsWith(kSkippedRowMark))
            continue;
        const int walk = ParseDecimalPrefix(row);
        WalkRow parts;
        if (!IsIndexedWalk(walk) || !ParseWalkRow(row, walk, linkPrefix, &parts))
            break;
        StoreWalkRow(&parts, walk, keepCentred, index);
        ++count;
    }
    return count;
}

// One atlas row; false when a part is missing.
bool ParseAtlasRow(QStringView row, GuideEntry* entry)
{
    QString title;
    qsizetype pos = 0;
    const bool found = FindLink(row, &entry->link, &pos)
                           ? ReadLinkText(row, pos, &title, &pos)
                           : ExtractBetween(row, kPlainCell, kCellEnd, &title, 0, &pos);
    if (!found)
        return false;
    entry->title = TrimBlanks(title);
    QString pageText;
    if (!ExtractBetween(row, kCentredCell, kCellEnd, &entry->volumeText, pos, &pos)
        || !ExtractBetween(row, kCentredCell, kCellEnd, &pageText, pos, &pos))
        return false;
    entry->page = ParseDecimalPrefix(pageText);
    return true;
}

void ReadAtlasRows(QStringView page, QList<GuideEntry>* entries)
{
    qsizetype pos = 0;
    QString row;
    while (entries->size() < GuideEntry::kMaxEntries && NextRow(page, &pos, &row)) {
        GuideEntry entry;
        if (ParseDecimalPrefix(row) == 0 || !ParseAtlasRow(row, &entry))
            return;
        entries->append(std::move(entry));
    }
}

bool IsSameAtlasPage(const GuideEntry& a, const GuideEntry& b)
{
    return a.volume == b.volume && a.page == b.page && a.title == b.title;
}

// Whether an entry kept from groupStart on (the kept entries of its volume and page) equals it.
bool IsKeptAlready(const QList<GuideEntry>& entries, qsizetype groupStart, qsizetype kept,
                   const GuideEntry& entry)
{
    for (qsizetype k = groupStart; k < kept; ++k)
        if (IsSameAtlasPage(entries[k], entry))
            return true;
    return false;
}

// Drops every entry equal to one kept before it in the sorted order. Entries of one volume and
// page stand together but keep the page's row order, so a repeat need not follow its first.
void DropRepeatedEntries(QList<GuideEntry>* entries)
{
    qsizetype kept = 0;
    qsizetype groupStart = 0;
    for (qsizetype i = 0; i < entries->size(); ++i) {
        if (kept > 0 && CompareGuideEntries((*entries)[kept - 1], (*entries)[i]) != 0)
            groupStart = kept;
        if (IsKeptAlready(*entries, groupStart, kept, (*entries)[i]))
            continue;
        if (kept != i)
            (*entries)[kept].Assign((*entries)[i]);
        ++kept;
    }
    entries->resize(kept);
}

bool IsReadableFile(const QString& path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

// "w" and the walk number, as GPS files and walk folders are named.
QString WalkName(int walk)
{
    return kWalkFilePrefix.toString() + QString::number(walk);
}

// The folder is taken as written (it normally ends in a separator).
QString WalkGpsPath(const QString& folder, int walk, QStringView extension)
{
    return platform::NormalizePath(folder + WalkName(walk) + extension.toString());
}

qsizetype FindFirstGpsExtension(QStringView page)
{
    for (QStringView extension : kGpsExtensions) {
        const qsizetype at = page.indexOf(extension);
        if (at >= 0)
            return at;
    }
    return -1;
}

bool IsNoteDigit(QChar c)
{
    return c >= u'1' && c <= u'9';
}

} // namespace

WalkIndex::WalkIndex()
    : titles(kMaxWalks), links(kMaxWalks), dates(kMaxWalks), centred(kMaxWalks), stored(kMaxWalks, false)
{
}

bool WalkIndex::Holds(int walk) const
{
    return IsIndexedWalk(walk) && stored[size_t(walk)];
}

int ReadHtmlTableRows(const QString& path, WalkIndex* index, const QString& linkPrefix)
{
    return ReadWalkRows(path, index, linkPrefix, false);
}

int ReadHtmlTableRowsToList(const QString& path, WalkIndex* index, const QString& linkPrefix)
{
    return ReadWalkRows(path, index, linkPrefix, true);
}

int ReadHtmlTableCells(const QString& path, QList<GuideEntry>* entries)
{
    entries->clear();
    QString page;
    if (!ReadTextFile(path, &page, true))
        return 0;
    ReadAtlasRows(page, entries);
    for (GuideEntry& entry : *entries)
        entry.volume = GuideEntry::GetVolumeIndex(entry.volumeText);
    // A stable order, so that the same repeated rows are dropped on every run.
    std::stable_sort(entries->begin(), entries->end(), [](const GuideEntry& a, const GuideEntry& b) {
        return CompareGuideEntries(a, b) < 0;
    });
    DropRepeatedEntries(entries);
    return int(entries->size());
}

void StripNoteDigits(QString* text)
{
    qsizetype i = 0;
    while (i < text->size()) {
        const bool last = i + 1 == text->size();
        if (IsNoteDigit(text->at(i)) && (last || kNoteMarks.contains(text->at(i + 1))))
            text->remove(i, 1);
        else
            ++i;
    }
}

bool FindWalkGpsFile(const QString& folder, QString* path, int walk)
{
    for (QStringView extension : kGpsExtensions) {
        *path = WalkGpsPath(folder, walk, extension);
        if (IsReadableFile(*path))
            return true;
    }
    return false;
}

int GetWalkGpsNumber(const QString& folder, int walk)
{
    QString pagePath = folder;
    pagePath.replace(kGpsFolderWord.toString(), WalkName(walk));
    pagePath = platform::NormalizePath(pagePath + kWalkIndexPage.toString());
    QString page;
    if (!ReadTextFile(pagePath, &page, true))
        return 0;
    const qsizetype extension = FindFirstGpsExtension(page);
    if (extension < 0)
        return 0;
    const qsizetype start = std::max<qsizetype>(0, extension - kWalkNumberWindow);
    const QStringView window = QStringView(page).mid(start, extension - start);
    const qsizetype w = window.indexOf(kWalkFilePrefix);
    if (w < 0)
        return 0;
    // Only the digits right after "w" name the file: "w-1" or "w 12" is no walk's GPS file.
    const QStringView digits = window.mid(w + 1);
    return ParseDecimalPrefix(digits.first(DigitRunEnd(digits, 0)));
}
