#pragma once
// The catalog of the attribute-subset tests (tests/data/attributes, written by make_fixtures.py
// there: settings and item files in UTF-16LE and CP950) copied into a program folder, with the
// window services the subsets use; GPS files are made by gpsbabel from GPX text.
#include "FakeItemList.h"
#include "FakeMainWindow.h"
#include "GpsBabel.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/stone/GroupStone.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/SubsetStatistics.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/trail/GroupOldTrail.h"
#include "catalog/trail/GroupTrail.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace attribute_test {

class AttributeCatalog : public ::testing::Test {
protected:
    // Group positions in the catalog's main settings (peaks, stones, old trails) and in its
    // trail settings (trails alone).
    static constexpr int kPeaks = 0, kStones = 1, kOldTrails = 2, kTrails = 0;

    void SetUp() override
    {
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
        bin = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/attributes/catalog"),
                           QStringLiteral("bin"));
        platform::SetProgramFolder(bin);
    }
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    // Reads the settings (the trail settings file instead of the main one when asked) and sets
    // up the group table with the program's four point and trail classes.
    void Open(bool trailSettings = false)
    {
        if (trailSettings)
            dir.write(QStringLiteral("bin/峰嵐錄.txt"),
                      ReadBytes(bin + QStringLiteral("/trail_settings.txt")));
        platform::ClearProfileCache();
        table.SetGroupClasses({{[] { return std::make_unique<CGroupTalvane>(); }, 0},
                               {[] { return std::make_unique<CGroupStone>(); }, 1},
                               {[] { return std::make_unique<CGroupTrail>(); }, -1},
                               {[] { return std::make_unique<CGroupOldTrail>(); }, 2}});
        window.OpenThroughFormatManager();
        table.SetServices(WindowServices{.mainWindow = &window});
        ASSERT_TRUE(table.LoadSettings());
    }
    template <class Group>
    Group* GroupAt(int position)
    {
        return dynamic_cast<Group*>(table.GetGroup(position, nullptr));
    }
    // The group's first subset of a type; null when it has none.
    static CSubsetBase* SubsetOf(CGroupBase* group, int type)
    {
        const int index = group ? group->FindSubset(type, QString()) : -1;
        return index < 0 ? nullptr : group->Subset(index);
    }
    // The base names of the items that the rows show (row values are item indices, or 60000 +
    // the index for survey stones), in row order.
    QStringList Listed(CGroupBase* group) const
    {
        QStringList names;
        for (quint32 value : list.RowValues())
            names << platform::BaseNameOf(group->ItemPath(int(value % 60000)));
        return names;
    }
    // Fills the list from a subset; *statistics starts as the caller left it.
    int Fill(CSubsetBase* subset, SubsetStatistics* statistics = nullptr)
    {
        SubsetStatistics none;
        list.rows.clear();
        list.columns.clear();
        const int rows = subset->FillList(&list, statistics ? statistics : &none, nullptr);
        EXPECT_EQ(rows, list.RowCount());
        return rows;
    }
    // Writes Local.txt's [GPS] section as the owner keeps it (UTF-16LE).
    void WriteGpsSettings(const QStringList& lines)
    {
        dir.write(QStringLiteral("bin/Local.txt"),
                  Utf16LeWithBom(QStringLiteral("[GPS]\r\n") + lines.join(QStringLiteral("\r\n")) +
                                 QStringLiteral("\r\n")));
        platform::ClearProfileCache();
    }
    // A GPS file of the data folder written by gpsbabel ("gdb" or "gpx") from GPX text.
    QString WriteGpsFile(const QString& name, const QString& format, const QByteArray& gpx)
    {
        const QString source = dir.write(QStringLiteral("source.gpx"), gpx);
        const QString target = bin + QStringLiteral("/data/") + name;
        const QString output = format == QStringLiteral("gdb") ? QStringLiteral("gdb,ver=3") : format;
        EXPECT_TRUE(RunGpsBabel({"-w", "-t", "-i", "gpx", "-f", source, "-o", output, "-F", target}))
            << target.toStdString();
        return target;
    }

    TempDir dir;
    QString bin;
    CGroupTable table;
    FakeMainWindow window;
    FakeItemList list;
};

} // namespace attribute_test
