#pragma once
// Files the benchmarks lay out in their temporary program folders: any file by its bytes, and
// the owner's walk index page of walks 1 to n with relative report links; and the peak group
// loaded from such a folder, the baseline most benchmarks are measured against.
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <memory>

namespace bench_files {

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(platform::FolderOf(path));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

inline QByteArray WalkIndexPage(int walks)
{
    QString page = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>walks</title></head><body><table>\r\n");
    for (int w = 1; w <= walks; ++w)
        page += QStringLiteral("<tr><td align=center>%1</td><td><a href=\"r%1.htm\">行程%1</a></td>"
                               "<td align=center>南投</td><td>2020/1/%2</td></tr>\r\n").arg(w).arg(w % 28 + 1);
    return platform::ToUtf8(page + QStringLiteral("</table></body></html>\r\n"));
}

// The program folder's group table with the peak group loaded from its item files, as the
// program loads it; null unless the group holds peaks peaks.
inline std::unique_ptr<CGroupTable> LoadPeakTable(int peaks)
{
    platform::ClearProfileCache();
    auto table = std::make_unique<CGroupTable>();
    table->SetGroupClasses({{[] { return std::make_unique<CGroupTalvane>(); }, 0}});
    table->LoadSettings();
    const CGroupBase* group = table->GetGroup(0, nullptr);
    return group && group->ItemCount() == peaks ? std::move(table) : nullptr;
}

} // namespace bench_files
