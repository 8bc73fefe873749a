#pragma once
// The program folder of the peak group's export, synchronisation and walk GPS tests
// (tests/data/peakgps, written by make_fixtures.py there: peak files in UTF-16LE and CP950, GPS
// files by gpsbabel), with the window services those operations use.
#include "FakeItemList.h"
#include "FakeMainWindow.h"
#include "FakeMessageBox.h"
#include "FakeShell.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "gps/GPSFileManager.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace peak_gps_test {

class PeakGpsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/peakgps/program"),
                            QStringLiteral("program"));
        platform::ClearProfileCache();
        platform::SetProgramFolder(root);
        table.LoadSettings();
        window.OpenThroughFormatManager();
        table.SetServices(WindowServices{.mainWindow = &window, .messageBox = &box, .shell = &shell});
        peaks = dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
        ASSERT_NE(peaks, nullptr);
    }

    int Peak(const char* base) const
    {
        for (int i = 0; i < peaks->ItemCount(); ++i)
            if (platform::BaseNameOf(peaks->ItemPath(i)) == QString::fromUtf8(base))
                return i;
        ADD_FAILURE() << base;
        return -1;
    }
    quint32 Row(const char* base) const { return quint32(Peak(base)); }
    FakeItemList* Rows(std::initializer_list<quint32> values)
    {
        list.rows.clear();
        for (quint32 value : values)
            list.rows.append(FakeItemList::Row{{QStringLiteral("row")}, value});
        return &list;
    }
    QString TempFile() const { return root + QStringLiteral("/~~TempMT.gdb"); }
    // What gpsbabel reads from the temporary file.
    GpxContent Written() const
    {
        GpxContent content;
        EXPECT_TRUE(GpsbabelReading(TempFile(), &content, QStringLiteral("gdb")))
            << "gpsbabel did not read " << TempFile().toStdString();
        return content;
    }

    TempDir dir;
    QString root;
    FakeMainWindow window;
    FakeMessageBox box;
    FakeShell shell;
    FakeItemList list;
    CGroupTable table;
    CGroupTalvane* peaks = nullptr;
};

} // namespace peak_gps_test
