#pragma once
// The program folder of the HTML list pages (tests/data/listpages/program, written by
// make_fixtures.py there): peak files in UTF-16LE and CP950, list templates in CP950 and UTF-8,
// the walk index page, GPS files by gpsbabel; and xmllint as the judge of the pages written.
#include "FakeClock.h"
#include "FakeItemList.h"
#include "FakeMessageBox.h"
#include "FakeShell.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/WalkGpsNotice.h"
#include "catalog/window/WindowServices.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace list_pages_test {

// Peaks of the fixture, in file-name order.
enum Peak : quint32 { kYu, kXue, kFar, kNew, kNone, kMark, kPeakCount };

// The date of FakeClock as "__Date__" shows it.
inline const QString kToday = QStringLiteral("2026/12/8");

// What xmllint's HTML parser says about a page: empty when it finds nothing wrong. (It reports
// parser errors on standard error and still exits with 0.)
inline QString XmllintComplaints(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (tool.isEmpty())
        return QStringLiteral("xmllint is not installed; apt-get install libxml2-utils");
    QProcess p;
    p.start(tool, {QStringLiteral("--html"), QStringLiteral("--noout"), path});
    if (!p.waitForFinished(30000))
        return QStringLiteral("xmllint did not finish");
    const QString errors = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode() == 0 ? errors : QStringLiteral("exit %1: %2").arg(p.exitCode()).arg(errors);
}

inline QString ReadUtf8(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<missing>");
}

class ListPagesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/listpages/program"),
                            QStringLiteral("program"));
        platform::ClearProfileCache();
        platform::SetProgramFolder(root);
        table.LoadSettings();
        table.SetServices(WindowServices{.messageBox = &box, .clock = &clock, .shell = &shell});
        peaks = dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
        ASSERT_NE(peaks, nullptr);
        ASSERT_EQ(peaks->ItemCount(), int(kPeakCount));
        WalkGpsNotice::Reset();
        list.InsertColumn(0, QStringLiteral("山名"), 100, ColumnAlign::Left);
        list.InsertColumn(1, QStringLiteral("高度"), 60, ColumnAlign::Right);
    }
    void TearDown() override { WalkGpsNotice::Reset(); }

    QString In(const QString& relative) const { return platform::JoinPath(root, relative); }
    void AddRow(const QString& name, const QString& height, quint32 value)
    {
        const int row = list.InsertRow(list.RowCount(), name, value);
        list.SetCellText(row, 1, height);
    }

    TempDir dir;
    QString root;
    CGroupTable table;
    FakeMessageBox box;
    FakeClock clock;
    FakeShell shell;
    FakeItemList list;
    CGroupTalvane* peaks = nullptr;
};

} // namespace list_pages_test
