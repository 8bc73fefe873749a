#include "gps/gtm/GTMTrackLog.h"

#include "gps/GPSAngle.h"
#include "gps/GPSDate.h"
#include "gps/GPSFile.h"
#include "gps/gtm/GTMSection.h"
#include "gps/mps/MPSTrack.h"

using namespace gps::gtm;

bool GTMTrackPoint::Parse(ByteCursor& c)
{
    return c.ReadDouble(&Latitude) && c.ReadDouble(&Longitude) && c.ReadInt32(&Date) && c.ReadByte(&NewSegment)
        && c.ReadFloat(&Height);
}

void GTMTrackPoint::Write(ByteWriter& out) const
{
    out.WriteDouble(Latitude);
    out.WriteDouble(Longitude);
    out.WriteInt32(Date);
    out.WriteByte(NewSegment);
    out.WriteFloat(Height);
}

int32_t GTMTrackPoint::DateFromMPS(uint8_t timeDefined, int32_t time)
{
    if (!timeDefined || time <= 0)
        return 0;
    GPSDate date;
    int64_t seconds = 0;
    gps::SecondsToLocalTime(uint32_t(time), &date, CGPSFile::kMPS, true);
    if (!gps::LocalTimeToSeconds(date, &seconds, CGPSFile::kGTM) || seconds <= 0 || seconds > INT32_MAX)
        return 0;
    return int32_t(seconds);
}

bool CGTMTrackLog::Read(ByteCursor& cursor, int32_t count)
{
    if (!ReadSection(cursor, count, &points))
        return false;
    FindRuns();
    return true;
}

void CGTMTrackLog::Write(ByteWriter& out) const { WriteSection(out, points); }

void CGTMTrackLog::FindRuns()
{
    runs.clear();
    for (int i = 0; i < pointCount(); ++i) {
        if (i == 0 || points[size_t(i)].NewSegment)
            runs.push_back({i, 0});
        ++runs.back().count;
    }
}

void CGTMTrackLog::AppendFromMPS(const CMPSChunkTrack& track)
{
    bool first = true;
    for (const MPSTrackPoint& from : track.points) {
        GTMTrackPoint point;
        point.Latitude = GPSAngle::ToDegrees(from.Latitude);
        point.Longitude = GPSAngle::ToDegrees(from.Longitude);
        point.Date = GTMTrackPoint::DateFromMPS(from.TimeDefined, from.Time);
        point.NewSegment = first ? 1 : 0;
        point.Height = from.HeightDefined ? HeightField(from.Height) : 0.0f;
        points.push_back(point);
        first = false;
    }
}
