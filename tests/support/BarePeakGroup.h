#pragma once
// A peak group set up by the base's Init alone, without the subsets its settings define, so that
// a test adds the subsets it examines by hand; with the companions 阿明, Hua and Chen.
#include "FakeMessageBox.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <memory>

class BarePeakGroup : public CGroupTalvane {
public:
    // Takes the program folder dir with its settings "峰嵐錄.txt" and its peak folder "山".
    void SetUpIn(const TempDir& dir, CGroupTable* table, FakeMessageBox* box)
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table->LoadSettings();
        table->SetServices(WindowServices{.messageBox = box});
        CGroupBase::Init(dir.file(QStringLiteral("峰嵐錄.txt")), table, dir.file(QStringLiteral("山")));
        for (const char* prefix : {"阿明", "Hua", "Chen"}) {
            auto mate = std::make_unique<HikingMate>();
            mate->keyTitle = QString::fromUtf8(prefix);
            AddMate(std::move(mate));
        }
    }
};
