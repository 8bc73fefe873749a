#include "ui/dialogs/pickers/DlgFindWayPoint.h"

#include "catalog/GroupBase.h"
#include "gps/GPSRecords.h"
#include "gps/GPSText.h"
#include "gps/GPSWayPointSet.h"
#include "gps/gdb/GDBFile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString kExportFile = QStringLiteral("~~TempMT.gdb");
const QString kNameTitle = QStringLiteral("航點名");
const QString kAltitudeTitle = QStringLiteral("標高(m)");
const QString kCommentTitle = QStringLiteral("說明");
constexpr char16_t kSummitMark = u'峰';
constexpr char16_t kMountainMark = u'山';
// How much longer than the term a summit's name must be to be left out.
constexpr qsizetype kSummitExtraLength = 2;

qsizetype CharacterCount(const QString& text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!text[i].isLowSurrogate() || i == 0 || !text[i - 1].isHighSurrogate())
            ++count;
    return count;
}

} // namespace

CDlgFindWayPoint::CDlgFindWayPoint(QWidget* parent) : CPickerDialogBase(kTemplateId, parent) {}

const GPSWayPointSet* CDlgFindWayPoint::Set() const
{
    if (group)
        if (const GPSWayPointSet* set = group->GetWaypointSet())
            return set;
    return waypointSet;
}

void CDlgFindWayPoint::OnInitDialog()
{
    const GPSWayPointSet* set = Set();
    if (!IsCreated() || !group || !set || EntryCount() <= 0)
        return;
    SetupColumns({{kNameTitle, ListColumn::kNameWidth, false},
                  {kAltitudeTitle, ListColumn::kAltitudeWidth, true},
                  {kCommentTitle, ListColumn::kCommentWidth, false}});
    EnableItem(kLocate, false);
    EnableItem(kConfirm, false);
    group->ShowItemSummary(&summary_, item);
    QString name, name2;
    group->GetItemNames(item, &name, &name2);
    StartSearch(name, name2);
}

int CDlgFindWayPoint::EntryCount() const
{
    const GPSWayPointSet* set = Set();
    if (!set || !set->file)
        return 0;
    return int(std::min({qsizetype(set->count), qsizetype(set->items.size()),
                         qsizetype(set->used.size())}));
}

QString CDlgFindWayPoint::EntryName(int index) const
{
    if (index < 0 || index >= EntryCount())
        return QString();
    const GPSWayPointRecordW& entry = Set()->items[std::size_t(index)];
    return gps::FieldText(entry.name, GPSWayPointRecordW::kNameSize).toString();
}

bool CDlgFindWayPoint::EntryUsed(int index) const
{
    return index >= 0 && index < EntryCount() && Set()->used[std::size_t(index)] != 0;
}

bool CDlgFindWayPoint::IsSummitOfOtherPeak(const QString& name, const QString& term)
{
    return CharacterCount(name) >= CharacterCount(term) + kSummitExtraLength &&
           name.endsWith(QChar(kSummitMark)) && term.contains(QChar(kMountainMark));
}

bool CDlgFindWayPoint::ExcludedFor(const QString& name, const QString& term) const
{
    return IsSummitOfOtherPeak(name, term);
}

QString CDlgFindWayPoint::AltitudeText(double metres)
{
    const double whole = std::trunc(metres);
    if (!std::isfinite(whole) || whole < double(std::numeric_limits<int>::min()) ||
        whole > double(std::numeric_limits<int>::max()))
        return QString();
    return QString::number(int(whole));
}

void CDlgFindWayPoint::SetEntryCells(int row, int index)
{
    const GPSWayPointRecordW& entry = Set()->items[std::size_t(index)];
    list_.SetCellText(row, ListColumn::kAltitude, AltitudeText(entry.altitude));
    list_.SetCellText(row, ListColumn::kComment,
                      gps::FieldText(entry.comment, GPSWayPointRecordW::kCommentSize).toString());
}

bool CDlgFindWayPoint::LoadGpsFile()
{
    return group && group->LoadWaypointFile(true) != nullptr;
}

bool CDlgFindWayPoint::AddToGdb(CGDBFile* gdb, int index) const
{
    const GPSWayPointSet* set = Set();
    return set && set->file && gdb->AddWayPointFrom(set->file.get(), index, nullptr) == 1;
}

QString CDlgFindWayPoint::ExportFileName() const
{
    return kExportFile;
}
