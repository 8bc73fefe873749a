#pragma once
// The program folder of tests/data/atlas (written by its make_fixtures.py) copied into a
// temporary folder, with its peak group loaded through the group table.
#include "TempDir.h"
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

class AtlasProgram {
public:
    AtlasProgram()
    {
        root = temp.copyTree(QStringLiteral(TALVANE_TEST_DATA "/atlas/program"), QStringLiteral("program"));
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        table.SetGroupClasses(ProgramGroupClasses());
        if (table.LoadSettings())
            group = table.GetGroup(0, nullptr);
    }
    QString Peak(const char* name) const
    {
        return platform::JoinPath(root, QStringLiteral("data/山/") + QString::fromUtf8(name));
    }
    QString QuillFile() const { return platform::JoinPath(root, QStringLiteral("data/山友/岫禾圖集.txt")); }

    TempDir temp;
    QString root;
    CGroupTable table;
    CGroupBase* group = nullptr;
};
