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
#include "catalog/text/HikingEntry.h"
#include "catalog/text/RecordLinks.h"
#include "catalog/text/TextParsers.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IPopupMenu.h"
#include "catalog/window/WindowServices.h"
#include "platform/Shell.h"

#include <optional>

namespace {

using namespace record_links;

// Years of the ROC era that one companion's codes span: the code of companion m on a date is
// (year + m * kMateYearSpan) * 10000 + month * 100 + day.
constexpr qint64 kMateYearSpan = CGroupTalvane::kMateCodeFactor / CGroupTalvane::kMateYearFactor;

const QString kNumberedKey = QStringLiteral("%d");
// The parts of an entry text between its fields.
const QString kAfterNumber = QStringLiteral(": ");
const QString kDateOpen = QStringLiteral(" [");
const QString kDateClose = QStringLiteral("]");

using PeakRecord = TalvaneItemRecord;

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
    AddWalkEntries(peak.Visits, &entries);
    AddAtlasEntries(peak.AtlasRefs, kAtlasKindBlueSky, &entries);
    AddAtlasEntries(peak.AtlasRefs, kAtlasKindQuill, &entries);
    if (LeadingCodes(peak.MateVisits) > 0)
        for (int m = 0; m < group.MateCount(); ++m)
            if (const HikingMate* mate = group.Mate(m))
                AddMateEntries(peak, *mate, m, &entries);
    return entries;
}

// The links of the entries.

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
    EditFile(path);
    return true;
}
