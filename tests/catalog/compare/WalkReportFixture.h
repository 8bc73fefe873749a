#pragma once
// The program folder of the walk reports (tests/data/walkreports/program, written by
// make_fixtures.py there) loaded as the walk dialog has it: the peak group, the walk index read
// with the OnlineDir prefix and the visit table of its walks.
#include "../listpages/ListPagesFixture.h"
#include "catalog/compare/WalkReportWriter.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/text/HtmlTableReader.h"

#include <QFileInfo>

namespace walk_reports_test {

using list_pages_test::ReadUtf8;
using list_pages_test::XmllintComplaints;

inline const QString kOnlineDir = QStringLiteral("http://walks.example.org/");

class WalkReportFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/walkreports/program"),
                            QStringLiteral("program"));
        Load();
    }
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    // (Re)loads settings, peaks and walks from the program folder.
    void Load()
    {
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
        platform::SetProgramFolder(root);
        table = std::make_unique<CGroupTable>();
        table->LoadSettings();
        table->SetServices(WindowServices{.shell = &shell});
        peaks = table->GetGroup(0, nullptr);
        ASSERT_NE(peaks, nullptr);
        walks = WalkIndex();
        ReadHtmlTableRowsToList(In(u"data/walk2.htm"_qs), &walks, kOnlineDir);
        visits = BuildWalkVisitTable(*peaks, walks);
    }

    WalkReportInput Input() { return MakeWalkReportInput(peaks, &walks, &visits); }
    QString In(const QString& relative) const { return platform::JoinPath(root, relative); }
    QString Page(const QString& name) const { return In(u"data/"_qs + name.left(5) + u'/' + name); }
    void WriteUtf8(const QString& relative, const QString& text) const
    {
        dir.write(u"program/"_qs + relative, text.toUtf8());
    }
    // A written page's text after xmllint has found nothing wrong with it.
    QString Checked(const QString& path) const
    {
        EXPECT_EQ(XmllintComplaints(path), QString()) << path.toStdString();
        return ReadUtf8(path);
    }

    TempDir dir;
    QString root;
    std::unique_ptr<CGroupTable> table;
    FakeShell shell;
    CGroupBase* peaks = nullptr;
    WalkIndex walks;
    WalkVisitTable visits;
};

} // namespace walk_reports_test
