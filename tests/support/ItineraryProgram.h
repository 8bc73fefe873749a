#pragma once
// A copy of the program folder written by tests/data/itinerary/make_fixtures.py, with its peak
// group loaded through a group table whose window services are the recording fakes below.
#include "FakeClock.h"
#include "FakeDialogRunner.h"
#include "FakeShell.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/window/WindowServices.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

class ItineraryProgram {
public:
    // The companions of the fixture, by position in the table.
    static constexpr int kAming = 0, kXiaohua = 1, kAhua = 2;

    ItineraryProgram()
    {
        root = temp.copyTree(QStringLiteral(TALVANE_TEST_DATA "/itinerary/program"),
                             QStringLiteral("program"));
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        table.SetGroupClasses(ProgramGroupClasses());
        WindowServices services;
        services.clock = &clock;
        services.dialogs = &dialogs;
        services.shell = &shell;
        table.SetServices(services);
        if (table.LoadSettings())
            peaks = dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
    }

    QString MateFile(const char* name) const
    {
        return root + QStringLiteral("/data/山友/") + QString::fromUtf8(name);
    }
    QString LocalFile() const { return root + QStringLiteral("/Local.txt"); }

    TempDir temp;
    QString root;
    FakeClock clock;
    FakeDialogRunner dialogs;
    FakeShell shell;
    CGroupTable table;
    CGroupTalvane* peaks = nullptr;
};
