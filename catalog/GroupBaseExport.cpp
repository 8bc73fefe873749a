// A group's waypoints written out for the GPS software, item files brought in line with their
// waypoints, and the HTML list pages of a group's rows.
#include "catalog/GroupBase.h"

#include "catalog/GroupTable.h"
#include "catalog/WaypointExport.h"
#include "catalog/text/ListPageWriter.h"
#include "catalog/text/LocalPages.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/WindowServices.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <vector>

namespace {

using namespace waypoint_export;

const QString kExportFileName = QStringLiteral("~~TempWP.gdb");

const QString kTemplateSection = QStringLiteral("Template");
const QString kNoSortKey = QStringLiteral("%1NoSort");
const QString kVisitKey = QStringLiteral("%1Visit");
const QString kNumberSuffix = QStringLiteral("r%1");
const QString kTemplateFolder = QStringLiteral("\\Template\\");
const QString kTableFolder = QStringLiteral("\\TableMT\\");
const QString kPageEnd = QStringLiteral(".htm");
const QString kVisitPageEnd = QStringLiteral("v.htm");
const QString kPageExtension = QStringLiteral("htm");
const QString kGpsDirKey = QStringLiteral("GPSDir");
const QString kOnlineGpsDirKey = QStringLiteral("OnlineGPSDir");
const QString kOnlineDirKey = QStringLiteral("OnlineDir");

// The rows of the group's own items: a row's value is the item index.
int OwnItem(quint32 value)
{
    return value < quint32(CGroupBase::kMaxItems) ? int(value) : -1;
}

// [Template] key of a settings file; def when it is missing or empty.
QString TemplateSetting(const QString& file, const QString& key, const QString& def = QString())
{
    const QString value = key.isEmpty() ? QString()
                                         : platform::GetProfileString(file, kTemplateSection, key);
    return value.isEmpty() ? def : value;
}

QString InDataFolder(const QString& relative)
{
    return platform::JoinPath(DataFolder(), relative);
}

// The template file of a page: "<name>NoSort" or "<name>", by the template name and then by
// the group's key; empty when neither is set.
QString TemplateFileOf(const QString& name, const QString& groupKey, bool noSort)
{
    for (const QString& base : {name, groupKey}) {
        const QString file = TemplateSetting(MainSettingsPath(),
                                             noSort ? kNoSortKey.arg(base) : base);
        if (!file.isEmpty())
            return file;
    }
    return QString();
}

// Local.txt [Template] GPSDir as a folder the walk files' names are appended to: a relative
// value lies under the program folder, as the other machine-local paths do, and a final
// separator is kept.
QString LocalGpsFolder()
{
    const QString value = TemplateSetting(LocalSettingsPath(), kGpsDirKey);
    QString folder = platform::JoinPath(platform::ProgramFolder(), value);
    if (value.isEmpty() || value.endsWith(u'\\') || value.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// The visit page of a list, when the template name has a visit template and Local.txt names a
// walk index page.
void AddVisitPage(const QString& name, const QString& outputName, ListPageJob* job)
{
    const QString visitTemplate = TemplateSetting(MainSettingsPath(), kVisitKey.arg(name));
    const QString walkIndex = WalkIndexFile();
    if (visitTemplate.isEmpty() || walkIndex.isEmpty())
        return;
    job->visitTemplateFile = InDataFolder(kTemplateFolder + visitTemplate);
    job->visitOutputFile = InDataFolder(kTableFolder + outputName + kVisitPageEnd);
    job->fileText = outputName + kVisitPageEnd;
    job->walkIndexFile = walkIndex;
    job->gpsDir = LocalGpsFolder();
    job->onlineGpsDir = TemplateSetting(MainSettingsPath(), kOnlineGpsDirKey);
    job->onlineDir = TemplateSetting(MainSettingsPath(), kOnlineDirKey);
}

} // namespace

bool CGroupBase::ExportWaypoints(IItemList* list)
{
    if (!list || list->RowCount() <= 0)
        return false;
    LoadWaypointFile(false);
    return ExportRows(*this, *list, OwnItem, kExportFileName, DuplicateReport::AgainstFirst);
}

bool CGroupBase::SyncWaypoints(IItemList* list)
{
    if (!list || list->RowCount() <= 0)
        return false;
    LoadWaypointFile(false);
    if (waypointSet.count <= 0)
        return true;
    return WriteSureRows(*this, ResolveRows(*this, *list, OwnItem));
}

bool CGroupBase::WriteHtmlTable(IItemList* list, const QString& title, const QString& suffix,
                                int number, const QString& templateKey, bool flag)
{
    ListPageJob job;
    job.group = this;
    job.list = list;
    job.title = title.isEmpty() ? displayName : title;
    const QString name = TemplateSetting(MainSettingsPath(), number > 0 ? templateKey : job.title,
                                         job.title);
    const QString templateFile = TemplateFileOf(name, key, flag);
    if (templateFile.isEmpty())
        return false;
    const QString outputName = name + (number > 0 ? kNumberSuffix.arg(number) : QString()) + suffix;
    job.templateFile = InDataFolder(kTemplateFolder + templateFile);
    job.outputFile = InDataFolder(kTableFolder + outputName + kPageEnd);
    job.openAfter = suffix.isEmpty() && number <= 0;
    job.fileBase = outputName;
    job.fileExt = kPageExtension;
    job.subRegion = number > 0 ? templateKey : QString();
    if (!flag)
        AddVisitPage(name, outputName, &job);
    return WriteListPages(job);
}
