#include "gps/GPSFile.h"

#include "gps/GPSSymbols.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"

#include <new>
#include <vector>

CGPSFile::~CGPSFile() = default;

std::unique_ptr<CGPSFile> CGPSFile::NewFile() const { return nullptr; }
QString CGPSFile::GetExtension() const { return QString(); }
QString CGPSFile::GetDescription() const { return QString(); }

std::unique_ptr<CGPSFile> CGPSFile::LoadFile(const QString&, int* recognised) const
{
    if (recognised)
        *recognised = 0;
    return nullptr;
}

GPSTreeItem CGPSFile::FillTree(IGPSInspectionTree*) { return 0; }
int CGPSFile::GetWayPointCount() const { return 0; }
int CGPSFile::GetWayPoints(GPSWayPointRecord*) const { return 0; }
int CGPSFile::GetWayPointsW(GPSWayPointRecordW*) const { return 0; }

int CGPSFile::GetWayPointW(int index, GPSWayPointRecordW* record) const
{
    if (!record || index < 0 || index >= GetWayPointCount())
        return 0;
    const auto records = NewWayPointArrayW();
    if (!records)
        return 0;
    *record = records[index];
    return 1;
}

std::unique_ptr<GPSWayPointRecord[]> CGPSFile::NewWayPointArray() const
{
    const int count = GetWayPointCount();
    if (count <= 0)
        return nullptr;
    std::unique_ptr<GPSWayPointRecord[]> records(new (std::nothrow) GPSWayPointRecord[count + kWayPointArraySpare]());
    if (!records || !GetWayPoints(records.get()))
        return nullptr;
    return records;
}

std::unique_ptr<GPSWayPointRecordW[]> CGPSFile::NewWayPointArrayW() const
{
    const int count = GetWayPointCount();
    if (count <= 0)
        return nullptr;
    std::unique_ptr<GPSWayPointRecordW[]> records(new (std::nothrow) GPSWayPointRecordW[count + kWayPointArraySpare]());
    if (!records || !GetWayPointsW(records.get()))
        return nullptr;
    return records;
}

int CGPSFile::FillWayPointList(IListBoxSink* list) const
{
    if (!list)
        return 0;
    list->Clear();
    const auto records = NewWayPointArray();
    if (!records)
        return 0;
    const int count = GetWayPointCount();
    for (int i = 0; i < count; ++i) {
        const GPSWayPointRecord& record = records[i];
        const QString name = platform::FromAnsi(gps::FieldText(record.name, GPSWayPointRecord::kNameSize));
        const QString altitude = QStringLiteral("%1").arg(record.altitude, 3, 'f', 0);
        list->AddString(QStringLiteral("%1 %2").arg(name, altitude));
    }
    return count;
}

int CGPSFile::GetTrackCount() const { return 0; }
int CGPSFile::GetTrackPointTotal() const { return 0; }
int CGPSFile::GetTracks(GPSTrackRecord*) const { return 0; }

int CGPSFile::GetTracksW(GPSTrackRecordW* records) const
{
    const int count = GetTrackCount();
    if (!records || count <= 0)
        return 0;
    std::vector<GPSTrackRecord> narrow(size_t(count), GPSTrackRecord{});
    if (!GetTracks(narrow.data()))
        return 0;
    for (int i = 0; i < count; ++i) {
        const QString name = platform::FromAnsi(gps::FieldText(narrow[i].name, GPSTrackRecord::kNameSize));
        gps::CopyToField(records[i].name, GPSTrackRecordW::kNameSize, name);
        records[i].pointCount = narrow[i].pointCount;
        records[i].reserved = narrow[i].reserved;
    }
    return 1;
}

int CGPSFile::GetTrackPoints(GPSTrackPointList*, int) const { return 0; }
int CGPSFile::GetRouteCount() const { return 0; }
int CGPSFile::GetMapCount() const { return 0; }
int CGPSFile::ConvertFrom(const CGPSFile*) { return 0; }
bool CGPSFile::CanConvertFrom(const CGPSFile*) const { return false; }
int CGPSFile::SaveFile(const QString&) { return 0; }
int CGPSFile::AddWayPointFrom(const CGPSFile*, int, const char*) { return 0; }

int16_t CGPSFile::GetWayPointSymbol(int) const { return GPSSymbols::kWayPointMPSCode; }
