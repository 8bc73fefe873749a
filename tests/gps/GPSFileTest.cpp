// The base class's own operations and the format manager.
#include "GpsTestSupport.h"
#include "TempDir.h"

#include "gps/gdb/GDBFile.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

// A format that hands out only 8-bit records (as the code-page formats do).
class NarrowFile : public CGPSFile {
public:
    explicit NarrowFile(QStringList names = {u"山0"_qs, u"山1"_qs, u"山2"_qs}) : CGPSFile(kWTR), names_(names) {}
    int GetWayPointCount() const override { return int(names_.size()); }
    int GetWayPoints(GPSWayPointRecord* records) const override
    {
        if (!records)
            return 0;
        for (int i = 0; i < names_.size(); ++i) {
            records[i] = GPSWayPointRecord{};
            gps::CopyAnsiToField(records[i].name, 64, platform::ToAnsi(names_[i]));
            records[i].altitude = 1000.4 + i;
        }
        return 1;
    }
    int GetWayPointsW(GPSWayPointRecordW* records) const override { return records ? 1 : 0; }
    int GetTrackCount() const override { return 1; }
    int GetTracks(GPSTrackRecord* records) const override
    {
        if (!records)
            return 0;
        *records = GPSTrackRecord{};
        gps::CopyAnsiToField(records->name, 32, platform::ToAnsi(u"步道"));
        records->pointCount = 12;
        return 1;
    }

private:
    QStringList names_;
};

class RecordingList : public IListBoxSink {
public:
    void Clear() override { lines.clear(); }
    void AddString(const QString& text) override { lines << text; }
    QStringList lines{"stale"};
};

TEST(GPSFileBase, ArraysListsAndNarrowTrackNames)
{
    NarrowFile file;
    auto records = file.NewWayPointArrayW();
    ASSERT_TRUE(records);
    EXPECT_EQ(records[3 + CGPSFile::kWayPointArraySpare - 1].name[0], 0); // 3 + 10 records, cleared
    RecordingList list;
    EXPECT_EQ(file.FillWayPointList(&list), 3);
    EXPECT_EQ(list.lines, (QStringList{u"山0 1000"_qs, u"山1 1001"_qs, u"山2 1002"_qs}));
    GPSTrackRecordW track{};
    ASSERT_EQ(file.GetTracksW(&track), 1);
    EXPECT_EQ(gps::FieldText(track.name, 32), u"步道");
    EXPECT_EQ(track.pointCount, 12);
    EXPECT_EQ(file.GetTracksW(nullptr), 0);
    GPSTrackPointList points;
    EXPECT_EQ(file.GetTrackPoints(&points, 0), 0); // not a format with track points
    EXPECT_EQ(points.count, 0);
    EXPECT_FALSE(CGDBFile().NewWayPointArrayW()); // no waypoints
}

TEST(GPSFileBase, ListLinesShowNamesAsTheyAre)
{
    NarrowFile file({u"%1"_qs, u"%2 峰"_qs, u"100%%"_qs});
    RecordingList list;
    EXPECT_EQ(file.FillWayPointList(&list), 3);
    EXPECT_EQ(list.lines, (QStringList{u"%1 1000"_qs, u"%2 峰 1001"_qs, u"100%% 1002"_qs}));
}

TEST(GPSFileManager, FilesNoFormatReads)
{
    TempDir dir;
    CGPSFileManager manager;
    EXPECT_FALSE(manager.OpenFile(dir.write("empty.gdb", QByteArray())));
    EXPECT_FALSE(manager.OpenFile(dir.write("text.gdb", "not a GPS file")));
    EXPECT_FALSE(manager.OpenFile(dir.write("text.txt", "MsRcf")));
    EXPECT_FALSE(manager.OpenFile(dir.path()));
}

} // namespace

namespace {

// A format that records each load attempt and answers as told.
class ProbeFormat : public CGPSFile {
public:
    enum Answer { Reject, RecogniseButFail, Read };
    ProbeFormat(int code, const char* extension, Answer answer, QStringList* log)
        : CGPSFile(code), extension_(extension), answer_(answer), log_(log) {}
    QString GetExtension() const override { return extension_; }
    std::unique_ptr<CGPSFile> LoadFile(const QString&, int* recognised) const override
    {
        *log_ << extension_;
        *recognised = answer_ != Reject;
        return answer_ == Read ? std::make_unique<ProbeFormat>(FormatCode(), "", Reject, log_) : nullptr;
    }

private:
    QString extension_;
    Answer answer_;
    QStringList* log_;
};

struct Search {
    QStringList log;
    int resultCode = 0;
};

Search Open(const QString& path, ProbeFormat::Answer gdb, ProbeFormat::Answer gpx)
{
    Search search;
    std::vector<std::unique_ptr<CGPSFile>> formats;
    formats.push_back(std::make_unique<ProbeFormat>(CGPSFile::kMPS, "mps", ProbeFormat::Reject, &search.log));
    formats.push_back(std::make_unique<ProbeFormat>(CGPSFile::kGDB, "gdb", gdb, &search.log));
    formats.push_back(std::make_unique<ProbeFormat>(CGPSFile::kGPX, "gpx", gpx, &search.log));
    formats.push_back(std::make_unique<ProbeFormat>(CGPSFile::kKML, "kml", ProbeFormat::Reject, &search.log));
    CGPSFileManager manager(std::move(formats));
    if (auto file = manager.OpenFile(path))
        search.resultCode = file->FormatCode();
    return search;
}

TEST(GPSFileManager, ExtensionFirstThenTheOthersInOrder)
{
    using A = ProbeFormat::Answer;
    Search s = Open("/x/walk.GPX", A::Reject, A::Read);
    EXPECT_EQ(s.log, QStringList{"gpx"});
    EXPECT_EQ(s.resultCode, CGPSFile::kGPX);
    s = Open("/x/walk.mps", A::Read, A::Read);
    EXPECT_EQ(s.log, (QStringList{"mps", "gdb"}));
    EXPECT_EQ(s.resultCode, CGPSFile::kGDB);
    s = Open("/x.gdb/walk", A::Reject, A::Reject); // the dot of a folder is no extension
    EXPECT_EQ(s.log, (QStringList{"mps", "gdb", "gpx", "kml"}));
    EXPECT_EQ(s.resultCode, 0);
    s = Open("/x/walk.kml", A::Reject, A::Read);
    EXPECT_EQ(s.log, (QStringList{"kml", "mps", "gdb", "gpx"}));
}

TEST(GPSFileManager, ARecognisedButDamagedFileEndsTheSearch)
{
    using A = ProbeFormat::Answer;
    Search s = Open("/x/walk.gdb", A::RecogniseButFail, A::Read);
    EXPECT_EQ(s.log, QStringList{"gdb"});
    EXPECT_EQ(s.resultCode, 0);
    s = Open("/x/walk.txt", A::RecogniseButFail, A::Read);
    EXPECT_EQ(s.log, (QStringList{"mps", "gdb"}));
    EXPECT_EQ(s.resultCode, 0);
}

} // namespace
