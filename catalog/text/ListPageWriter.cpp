#include "catalog/text/ListPageWriter.h"

#include "catalog/GroupBase.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/ListHtmlWriter.h"
#include "catalog/text/WalkListHtmlWriter.h"
#include "catalog/window/IClock.h"
#include "catalog/window/WindowServices.h"
#include "platform/Shell.h"

namespace {

std::function<bool(const ListPageJob&)>& TestWriter()
{
    static std::function<bool(const ListPageJob&)> writer;
    return writer;
}

const WindowServices* ServicesOf(const ListPageJob& job)
{
    return job.group ? job.group->Services() : nullptr;
}

QDate Today(const WindowServices* services)
{
    if (services && services->clock)
        return services->clock->LocalNow().date();
    return QDate::currentDate();
}

ListPageTexts TextsOf(const ListPageJob& job, const WindowServices* services)
{
    return ListPageTexts{job.title, job.fileText, job.fileBase, job.fileExt, job.subRegion,
                         Today(services)};
}

bool WriteVisitPage(const ListPageJob& job, const ListPageTexts& texts,
                    const WindowServices* services)
{
    WalkListHtmlInput input;
    input.templatePath = job.visitTemplateFile;
    input.list = job.list;
    input.outPath = job.visitOutputFile;
    input.texts = texts;
    input.peaks = dynamic_cast<const CGroupTalvane*>(job.group);
    input.walkIndexPath = job.walkIndexFile;
    input.reportPrefix = job.onlineDir;
    input.gpsFolder = job.gpsDir;
    input.onlineGpsFolder = job.onlineGpsDir;
    input.messageBox = services ? services->messageBox : nullptr;
    return WriteWalkListHtml(input);
}

} // namespace

void SetListPageWriterForTests(std::function<bool(const ListPageJob&)> writer)
{
    TestWriter() = std::move(writer);
}

bool WriteListPages(const ListPageJob& job)
{
    if (TestWriter())
        return TestWriter()(job);
    const WindowServices* services = ServicesOf(job);
    const ListPageTexts texts = TextsOf(job, services);
    const bool listWritten = WriteListHtml({job.templateFile, job.list, job.outputFile, texts});
    const bool visitWritten = job.visitTemplateFile.isEmpty() || WriteVisitPage(job, texts, services);
    if (listWritten && job.openAfter && services && services->shell)
        services->shell->Open(job.outputFile);
    return listWritten && visitWritten;
}
