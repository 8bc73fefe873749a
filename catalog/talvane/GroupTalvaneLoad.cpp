// The peak group: loading a peak's item file (or its up-to-date record from the item cache),
// with the hiking companions' visits read under each companion's numbered keys.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/GroupTable.h"
#include "catalog/records/CodeList.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/text/TextParsers.h"
#include "catalog/window/IMessageBox.h"

namespace {

const QString kBadMateVisits = QStringLiteral("山岳[%1]造訪資料有誤！");

// A companion's visit date as its code's date part; false when the text is no date or the
// date does not fit the code.
bool ParseMateDate(const QString& text, int* date)
{
    int year = 0, month = 0, day = 0;
    if (!ParseDateText(text, &year, &month, &day))
        return false;
    if (year < CGroupTalvane::kMinMateYear || year > CGroupTalvane::kMaxMateYear
        || month > CGroupTalvane::kMaxMateMonth || day < 0 || day > CGroupTalvane::kMaxMateDay)
        return false;
    *date = year * CGroupTalvane::kMateYearFactor + month * CGroupTalvane::kMateMonthFactor + day;
    return true;
}

} // namespace

bool CGroupTalvane::LoadItemFile(const QString& path, const platform::FileTime& writeTime)
{
    if (writeTime > newestFileTime)
        newestFileTime = writeTime;
    if (TakeCachedRecordFor<TalvaneItemRecord>(path, writeTime)) {
        CountLoadedVisits(*Record(ItemCount() - 1));
        return true;
    }
    const QString name = ReadItemText(path, QStringLiteral("Name"));
    if (name.isEmpty() || !FitsRecordPath(path))
        return false;
    TalvaneItemRecord* record = AppendItem<TalvaneItemRecord>();
    if (!record)
        return false;
    SetRecordPath(record->path, path);
    SetFieldText(record->Name, name);
    ReadFields(path, record);
    ReadVisits(path, record->Visits);
    CountLoadedVisits(*record);
    ReadAtlasRefs(path, record->AtlasRefs);
    ReadMateVisits(path, record);
    return true;
}

bool CGroupTalvane::TakeCachedItem(int position)
{
    if (!TakeCachedRecord<TalvaneItemRecord>(position))
        return false;
    CountLoadedVisits(*Record(ItemCount() - 1));
    return true;
}

void CGroupTalvane::ReadFields(const QString& path, TalvaneItemRecord* r) const
{
    ReadItemString(path, QStringLiteral("Name2"), r->Name2);
    r->Height = ReadItemInt(path, QStringLiteral("Height"));
    ReadItemString(path, QStringLiteral("Stone"), r->Stone);
    ReadItemString(path, QStringLiteral("Stone2"), r->Stone2);
    ReadItemString(path, QStringLiteral("Stone3"), r->Stone3);
    ReadItemString(path, QStringLiteral("StoneAlias"), r->StoneAlias);
    ReadItemString(path, QStringLiteral("StoneAlias2"), r->StoneAlias2);
    ReadItemString(path, QStringLiteral("StoneAlias3"), r->StoneAlias3);
    ReadItemString(path, QStringLiteral("StoneStatus"), r->StoneStatus);
    ReadItemString(path, QStringLiteral("StoneStatus2"), r->StoneStatus2);
    ReadItemString(path, QStringLiteral("StoneStatus3"), r->StoneStatus3);
    ReadItemString(path, QStringLiteral("Region"), r->Region);
    r->IgnoreVisit = ReadItemInt(path, QStringLiteral("IgnoreVisit"));
    ReadItemString(path, QStringLiteral("Waypoint"), r->Waypoint);
    ReadItemDouble(path, QStringLiteral("Longitude"), &r->Longitude, 0);
    ReadItemDouble(path, QStringLiteral("Attitude"), &r->Attitude, 0);
}

void CGroupTalvane::CountLoadedVisits(const TalvaneItemRecord& record)
{
    maxVisits = std::max(maxVisits, LeadingCodes(record.Visits));
}

// The companions' visits, companion by companion in table order; all of them together hold at
// most kMaxCodes codes.
void CGroupTalvane::ReadMateVisits(const QString& path, TalvaneItemRecord* record)
{
    std::fill(std::begin(record->MateVisits), std::end(record->MateVisits), 0);
    int held = 0;
    for (int m = 0; m < mateCount && held < kMaxCodes; ++m)
        ReadOneMate(path, m, record, &held);
}

// A companion's codes are those read before its first key that holds no date. A date after
// such a gap is reported and ends the companion; the third gap ends it silently.
void CGroupTalvane::ReadOneMate(const QString& path, int m, TalvaneItemRecord* record, int* held)
{
    const HikingMate& mate = *mates[std::size_t(m)];
    const int first = *held;
    int failures = 0;
    for (int n = 1; n <= kMateKeys && *held < kMaxCodes; ++n) {
        int date = 0;
        if (!ParseMateDate(ReadItemText(path, mate.VisitKey(n)), &date)) {
            if (++failures >= kMateFailuresToEnd)
                return;
            continue;
        }
        if (failures > 0) {
            ReportBadMateVisits(FieldText(record->Name));
            return;
        }
        record->MateVisits[*held] = m * kMateCodeFactor + date;
        MoveCodeForward(record->MateVisits, first, *held);
        ++*held;
    }
}

void CGroupTalvane::ReportBadMateVisits(const QString& name) const
{
    if (!table || !table->Services().messageBox)
        return;
    table->Services().messageBox->Show(kBadMateVisits.arg(name), MessageIcon::Exclamation,
                                       MessageButtons::Ok);
}
