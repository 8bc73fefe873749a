// The peak group's record menu: the owner's walk reports, the atlas pages of the two route-map
// atlases and the companions' trips that name a peak, read afresh from the owner's pages and
// files at each use; the opening of their links; and a row's item file in the text editor.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/GroupTable.h"
#include "catalog/records/CodeList.h"
#include "catalog/records/ItemRowValue.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/GuideEntry.h"
#include "catalog/text/HikingEntry.h"
#include "catalog/text/HtmlTableReader.h"
#include "catalog/text/LocalPages.h"
#include "catalog/text/TextParsers.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IPopupMenu.h"
#include "catalog/window/WindowServices.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Shell.h"

#include <QRegularExpression>

#include <optional>

namespace {

// Command ids of the record menu: the first id of each kind plus the code's position in its
// list. Each kind owns kRange ids, of which the first kMaxCodes can name a code.
struct RecordCommand {
    static constexpr int kWalk = 2000;
    static constexpr int kBlueSky = 2100;
    static constexpr int kQuill = 2200;
    static constexpr int kMate = 2300;
    static constexpr int kRange = 100;
};

// The width of an atlas page number in menu texts, padded with zeros.
constexpr int kPageDigits = 3;
// Years of the ROC era that one companion's codes span: the code of companion m on a date is
// (year + m * kMateYearSpan) * 10000 + month * 100 + day.
constexpr qint64 kMateYearSpan = CGroupTalvane::kMateCodeFactor / CGroupTalvane::kMateYearFactor;

const QString kTemplateSection = QStringLiteral("Template");
const QString kOnlineDirKey = QStringLiteral("OnlineDir");
const QString kWalkText = QStringLiteral("行旅客");
const QString kBlueSkyText = QStringLiteral("藍天圖集(");
const QString kQuillText = QStringLiteral("岫禾圖集(");
const QString kNumberedKey = QStringLiteral("%d");
// The parts of an entry text between its fields.
const QString kAfterNumber = QStringLiteral(": ");
const QString kDateOpen = QStringLiteral(" [");
const QString kDateClose = QStringLiteral("]");
const QString kPageClose = QStringLiteral(")");

using PeakRecord = TalvaneItemRecord;
using CodeList = int32_t[kMaxCodes];

const WindowServices* ServicesOf(const CGroupBase& group)
{
    return group.Table() ? &group.Table()->Services() : nullptr;
}

// The peak a row shows (its own row or the row of one of its stones); null for a survey-stone
// row and for a row that names nothing.
const PeakRecord* PeakOfRow(const CGroupTalvane& group, IItemList* list, int row)
{
    if (!list || row < 0 || row >= list->RowCount())
        return nullptr;
    return group.ResolveRow(list->RowData(row), nullptr).peak;
}

// The code at a position of a list; 0 past the list's end.
int CodeAt(const CodeList& list, int position)
{
    return position >= 0 && position < LeadingCodes(list) ? list[position] : 0;
}

// "%03d" of a page in the C locale.
QString PageText(int page)
{
    const QString digits = QString::number(qAbs(qint64(page)));
    return page < 0 ? QLatin1Char('-') + digits.rightJustified(kPageDigits - 1, QLatin1Char('0'))
                    : digits.rightJustified(kPageDigits, QLatin1Char('0'));
}

// Atlases.

QList<GuideEntry> ReadAtlas(int kind)
{
    if (kind != kAtlasKindBlueSky)
        return ReadQuillAtlasFile(QuillAtlasFile());
    QList<GuideEntry> entries;
    ReadHtmlTableCells(BlueSkyFile(), &entries);
    return entries;
}

// The first entry of an atlas that shows the page of code; null when none does.
const GuideEntry* FindAtlasEntry(const QList<GuideEntry>& atlas, int code)
{
    const int volume = AtlasRefVolume(code);
    const int page = AtlasRefPage(code);
    for (const GuideEntry& entry : atlas)
        if (entry.volume == volume && entry.page == page)
            return &entry;
    return nullptr;
}

int AtlasCommand(int kind)
{
    return kind == kAtlasKindBlueSky ? RecordCommand::kBlueSky : RecordCommand::kQuill;
}

const QString& AtlasText(int kind)
{
    return kind == kAtlasKindBlueSky ? kBlueSkyText : kQuillText;
}

// Companions.

QList<HikingEntry> ReadTrips(const HikingMate& mate)
{
    return ReadNumberedKeyPairs(mate.path, mate.keyTitle + kNumberedKey,
                                mate.keyLink + kNumberedKey);
}

// Whether a trip's date is the date of companion's visit code; a date that does not parse
// matches nothing.
bool TripMatches(const HikingEntry& trip, int companion, int code)
{
    int year = 0, month = 0, day = 0;
    if (!ParseDateText(trip.dateText, &year, &month, &day))
        return false;
    const qint64 value = (year + kMateYearSpan * companion) * CGroupTalvane::kMateYearFactor
                         + qint64(month) * CGroupTalvane::kMateMonthFactor + day;
    return value == code;
}

// The first trip, in file order, on the date of code.
const HikingEntry* FindTrip(const QList<HikingEntry>& trips, int companion, int code)
{
    for (const HikingEntry& trip : trips)
        if (TripMatches(trip, companion, code))
            return &trip;
    return nullptr;
}

// The companion whose visit code this is; -1 for a code of no companion.
int CompanionOf(int code)
{
    return code > 0 ? code / CGroupTalvane::kMateCodeFactor : -1;
}

// The menu's entries.

MenuEntry Entry(int id, const QString& text)
{
    MenuEntry entry;
    entry.id = id;
    entry.text = text;
    return entry;
}

void AddWalkEntries(const PeakRecord& peak, QList<MenuEntry>* entries)
{
    const int count = LeadingCodes(peak.Visits);
    if (count == 0)
        return;
    WalkIndex index;
    ReadHtmlTableRows(WalkIndexFileOrDefault(), &index);
    for (int l = 0; l < count; ++l) {
        const int walk = peak.Visits[l];
        if (!index.Holds(walk))
            continue;
        const auto w = std::size_t(walk);
        const QString text = kWalkText + QString::number(walk) + kAfterNumber + index.titles[w]
                             + kDateOpen + index.dates[w] + kDateClose;
        entries->append(Entry(RecordCommand::kWalk + l, text));
    }
}

// The entries of the codes of one atlas; a code that no page of the atlas matches is left out.
void AddAtlasEntries(const PeakRecord& peak, int kind, QList<MenuEntry>* entries)
{
    const int count = LeadingCodes(peak.AtlasRefs);
    std::optional<QList<GuideEntry>> atlas;
    for (int l = 0; l < count; ++l) {
        const int code = peak.AtlasRefs[l];
        if (AtlasRefKind(code) != kind)
            continue;
        if (!atlas)
            atlas = ReadAtlas(kind);
        const GuideEntry* e = FindAtlasEntry(*atlas, code);
        if (!e)
            continue;
        const QString text =
            AtlasText(kind) + e->volumeText + PageText(e->page) + kPageClose + e->title;
        entries->append(Entry(AtlasCommand(kind) + l, text));
    }
}

// The entries of one companion's visits; a visit that matches no trip is left out.
void AddMateEntries(const PeakRecord& peak, const HikingMate& mate, int companion,
                    QList<MenuEntry>* entries)
{
    const int count = LeadingCodes(peak.MateVisits);
    std::optional<QList<HikingEntry>> trips;
    for (int l = 0; l < count; ++l) {
        const int code = peak.MateVisits[l];
        if (CompanionOf(code) != companion)
            continue;
        if (!trips)
            trips = ReadTrips(mate);
        const HikingEntry* trip = FindTrip(*trips, companion, code);
        if (!trip)
            continue;
        const QString text =
            mate.title + kAfterNumber + trip->title + kDateOpen + trip->dateText + kDateClose;
        entries->append(Entry(RecordCommand::kMate + l, text));
    }
}

QList<MenuEntry> RecordMenuEntries(const CGroupTalvane& group, const PeakRecord& peak)
{
    QList<MenuEntry> entries;
    AddWalkEntries(peak, &entries);
    AddAtlasEntries(peak, kAtlasKindBlueSky, &entries);
    AddAtlasEntries(peak, kAtlasKindQuill, &entries);
    if (LeadingCodes(peak.MateVisits) > 0)
        for (int m = 0; m < group.MateCount(); ++m)
            if (const HikingMate* mate = group.Mate(m))
                AddMateEntries(peak, *mate, m, &entries);
    return entries;
}

// The links of the entries.

QString WalkLink(int walk)
{
    const QString onlineDir =
        platform::GetProfileString(MainSettingsPath(), kTemplateSection, kOnlineDirKey);
    WalkIndex index;
    ReadHtmlTableRows(WalkIndexFileOrDefault(), &index, onlineDir);
    return index.Holds(walk) ? index.links[std::size_t(walk)] : QString();
}

QString AtlasLink(int kind, int code)
{
    if (code == 0 || AtlasRefKind(code) != kind)
        return {};
    const QList<GuideEntry> atlas = ReadAtlas(kind);
    const GuideEntry* entry = FindAtlasEntry(atlas, code);
    return entry ? entry->link : QString();
}

QString MateLink(const CGroupTalvane& group, int code)
{
    const int companion = CompanionOf(code);
    const HikingMate* mate = group.Mate(companion);
    if (!mate)
        return {};
    const QList<HikingEntry> trips = ReadTrips(*mate);
    const HikingEntry* trip = FindTrip(trips, companion, code);
    return trip ? trip->link : QString();
}

bool InRange(int id, int first, int count)
{
    return id >= first && id < first + count;
}

// The link of a record command: none when the id is no command of this peak's menu, an empty
// text when its entry has nothing to open.
std::optional<QString> RecordLink(const CGroupTalvane& group, const PeakRecord& peak, int id)
{
    if (InRange(id, RecordCommand::kWalk, LeadingCodes(peak.Visits)))
        return WalkLink(peak.Visits[id - RecordCommand::kWalk]);
    if (InRange(id, RecordCommand::kBlueSky, LeadingCodes(peak.AtlasRefs)))
        return AtlasLink(kAtlasKindBlueSky, peak.AtlasRefs[id - RecordCommand::kBlueSky]);
    if (InRange(id, RecordCommand::kQuill, RecordCommand::kRange))
        return AtlasLink(kAtlasKindQuill, CodeAt(peak.AtlasRefs, id - RecordCommand::kQuill));
    if (InRange(id, RecordCommand::kMate, RecordCommand::kRange))
        return MateLink(group, CodeAt(peak.MateVisits, id - RecordCommand::kMate));
    return std::nullopt;
}

// A web address: a scheme of two or more characters and ":" (a drive letter is no scheme).
bool IsWebAddress(const QString& link)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(link).hasMatch();
}

// A web address as it stands; any other link is a path, and a relative one lies under the
// program folder, wherever the program was started from.
QString ResolveLink(const QString& link)
{
    if (IsWebAddress(link))
        return link;
    QString program;
    GetExeFolder(&program);
    return platform::JoinPath(program, link);
}

} // namespace

bool CGroupTalvane::HasRecordLinks(IItemList* list, int row)
{
    const PeakRecord* peak = PeakOfRow(*this, list, row);
    return peak && (peak->Visits[0] != 0 || peak->AtlasRefs[0] != 0 || peak->MateVisits[0] != 0);
}

bool CGroupTalvane::PopupRecordMenu(IItemList* list, int row)
{
    const PeakRecord* peak = PeakOfRow(*this, list, row);
    if (!peak)
        return false;
    const QList<MenuEntry> entries = RecordMenuEntries(*this, *peak);
    // The menu runs an event loop of its own, in which the records may change: nothing of the
    // peak is used once it shows. The choice reaches the owner as a command.
    const WindowServices* services = ServicesOf(*this);
    if (services && services->popupMenu && !entries.isEmpty())
        services->popupMenu->ShowAtCursor(entries, MenuDelivery::ToOwner);
    return true;
}

bool CGroupTalvane::OpenRecordLink(IItemList* list, int row, int commandId)
{
    const PeakRecord* peak = PeakOfRow(*this, list, row);
    if (!peak)
        return false;
    const std::optional<QString> link = RecordLink(*this, *peak, commandId);
    if (!link)
        return false;
    const WindowServices* services = ServicesOf(*this);
    if (services && services->shell && !link->isEmpty())
        services->shell->Open(ResolveLink(*link));
    return true;
}

bool CGroupTalvane::EditItemFile(IItemList* list, int row)
{
    if (!list || row < 0 || row >= list->RowCount())
        return false;
    const quint32 value = list->RowData(row);
    const bool stoneRow = ItemRowValue::Decode(value).kind == ItemRowValue::Kind::StoneGroup;
    const RowRecord r = ResolveRow(value, stoneRow ? FindRelatedGroup() : nullptr);
    const QString path = r.peak    ? FieldText(r.peak->path)
                         : r.stone ? FieldText(r.stone->path)
                                   : QString();
    if (path.isEmpty())
        return false;
    const WindowServices* services = ServicesOf(*this);
    if (services && services->shell && !services->shell->Edit(path))
        services->shell->Open(path);
    return true;
}
