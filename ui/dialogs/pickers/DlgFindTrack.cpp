#include "ui/dialogs/pickers/DlgFindTrack.h"

#include "catalog/records/RecordText.h"
#include "catalog/trail/GroupTrail.h"
#include "catalog/trail/TrackExport.h"
#include "gps/GPSRecords.h"
#include "gps/GPSText.h"
#include "gps/GPSTrackSet.h"

#include <algorithm>

namespace {

const QString kExportFile = QStringLiteral("~~TempOT.gdb");
const QString kNameTitle = QStringLiteral("航跡名");
const QString kPointsTitle = QStringLiteral("航跡點數");

} // namespace

CDlgFindTrack::CDlgFindTrack(QWidget* parent) : CPickerDialogBase(kTemplateId, parent) {}

CGroupBase* CDlgFindTrack::PickerGroup() const
{
    return group;
}

const GPSTrackSet* CDlgFindTrack::Set() const
{
    return group ? group->GetTrackSet() : trackSet;
}

const TrailItemRecord* CDlgFindTrack::Record() const
{
    return group ? group->ItemAs<TrailItemRecord>(item) : nullptr;
}

void CDlgFindTrack::OnInitDialog()
{
    const TrailItemRecord* record = Record();
    if (!IsCreated() || !record || EntryCount() <= 0)
        return;
    SetupColumns({{kNameTitle, ListColumn::kNameWidth, false},
                  {kPointsTitle, ListColumn::kPointsWidth, true}});
    EnableItem(kLocate, false);
    EnableItem(kConfirm, false);
    DescribeTrail(&summary_, *record);
    StartSearch(FieldText(record->Name), FieldText(record->Name2));
}

int CDlgFindTrack::EntryCount() const
{
    const GPSTrackSet* set = Set();
    if (!set || !set->file)
        return 0;
    return int(std::min({qsizetype(set->trackCount), qsizetype(set->tracks.size()),
                         qsizetype(set->used.size())}));
}

QString CDlgFindTrack::EntryName(int index) const
{
    if (index < 0 || index >= EntryCount())
        return QString();
    const GPSTrackRecordW& entry = Set()->tracks[std::size_t(index)];
    return gps::FieldText(entry.name, GPSTrackRecordW::kNameSize).toString();
}

bool CDlgFindTrack::EntryUsed(int index) const
{
    return index >= 0 && index < EntryCount() && Set()->used[std::size_t(index)] != 0;
}

void CDlgFindTrack::SetEntryCells(int row, int index)
{
    const GPSTrackRecordW& entry = Set()->tracks[std::size_t(index)];
    list_.SetCellText(row, ListColumn::kPoints, QString::number(entry.pointCount));
}

bool CDlgFindTrack::LoadGpsFile()
{
    // The trail group's file has no default-name choice: the flag is not read.
    return group && group->LoadWaypointFile(true) != nullptr;
}

bool CDlgFindTrack::AddToGdb(CGDBFile* gdb, int index) const
{
    const GPSTrackSet* set = Set();
    return set && !track_export::AddTrackWithRelated(gdb, *set, index).empty();
}

QString CDlgFindTrack::ExportFileName() const
{
    return kExportFile;
}
