#include "ReportProgram.h"

#include "catalog/GroupTable.h"
#include "catalog/compare/WalkReportIndex.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

namespace fuzz {

namespace {

const QString kOnlineDir = QStringLiteral("http://walks.example.org/");
const QString kOldCopy = QStringLiteral("<html><body>舊的</body></html>\r\n");

// Settings files are kept as the owner's machine keeps them: UTF-16LE with a byte-order mark.
const QStringList kSettings = {
    u"[DataGroup]"_qs, u"BaseFolder=data"_qs, u"Group1=山"_qs,
    u"[Template]"_qs, u"OnlineDir=http://walks.example.org/"_qs,
    u"[Region]"_qs, u"RegionList=甲縣,乙縣"_qs, u"甲縣=甲鄉"_qs, u"乙縣=乙鄉,A&B"_qs,
    u"[DisplayName]"_qs, u"Convert1=甲鄉,甲<東>"_qs,
};

struct PeakFile {
    const char16_t* name;
    QStringList lines;
};

const PeakFile kPeaks[] = {
    {u"p1", {u"Name=高山"_qs, u"Height=3000"_qs, u"Region=甲縣甲鄉,乙縣乙鄉"_qs, u"Visit1=5"_qs,
             u"Visit2=3"_qs, u"BlueSky1=(八012)高山"_qs}},
    {u"p2", {u"Name=低&山"_qs, u"Height=1000"_qs, u"Region=乙縣A&B村"_qs, u"Visit1=7"_qs,
             u"Visit2=3"_qs}},
    {u"p3", {u"Name=中山"_qs, u"Height=2000"_qs, u"Region=甲縣甲鄉"_qs, u"Visit1=5"_qs,
             u"BlueSky1=(十二100)中山"_qs}},
};

const char kWalkPage[] =
    "<html><body><table>\r\n"
    "<tr><td align=center>3</td><td><a href=\"r3.htm\">三號</a></td><td align=center>甲</td>"
    "<td>1990/3/3</td></tr>\r\n"
    "<tr><td align=center>5</td><td><a href=\"http://other.example.org/r5.htm\">五&amp;號</a></td>"
    "<td align=center>乙</td><td>1991/5/5</td></tr>\r\n"
    "<tr><td align=center>7</td><td><font color=\"#808080\">&#9679;</font> 七號 </td>"
    "<td align=center>乙</td><td>1992/7/7</td></tr>\r\n"
    "</table></body></html>\r\n";

const char kAtlasPage[] =
    "<html><body><table>\r\n"
    "<tr><td align=center>1</td><td><a href=\"http://sky.example.org/8-12.htm\">高山 </a></td>"
    "<td align=center>八</td><td align=center>012</td></tr>\r\n"
    "<tr><td align=center>2</td><td><a href=\"http://sky.example.org/12-100.htm?a=1&amp;b=2\">中山</a></td>"
    "<td align=center>十二</td><td align=center>100</td></tr>\r\n"
    "</table></body></html>\r\n";

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();  // the program folder is needed by every input
}

QByteArray Utf16Lines(const QStringList& lines)
{
    QByteArray bytes("\xFF\xFE", 2);
    const QString text = lines.join(u"\r\n"_qs) + u"\r\n"_qs;
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace

ReportProgram& ReportProgram::Get()
{
    static ReportProgram program;
    return program;
}

ReportProgram::ReportProgram() : dir(QDir::tempPath() + u"/talvane-fuzz-program-XXXXXX"_qs)
{
    if (!dir.isValid())
        std::abort();
    WriteFiles();
    Activate();
    peaks = table->GetGroup(0, nullptr);
    if (!peaks)
        std::abort();
    ReadHtmlTableRowsToList(In(u"data/walk2.htm"_qs), &walks, kOnlineDir);
    visits = BuildWalkVisitTable(*peaks, walks);
    regionIndex = std::make_shared<const WalkReportIndex>(*peaks, visits);
}

ReportProgram::~ReportProgram() = default;

QString ReportProgram::In(const QString& relative) const
{
    return dir.path() + u'/' + relative;
}

QString ReportProgram::WriteFile(const QString& relative, QByteArrayView bytes) const
{
    const QString path = In(relative);
    WriteBytes(path, bytes.toByteArray());
    return path;
}

void ReportProgram::WriteFiles() const
{
    WriteBytes(In(u"峰嵐錄.txt"_qs), Utf16Lines(kSettings));
    WriteBytes(In(u"Local.txt"_qs), Utf16Lines({u"[Template]"_qs, u"WalkIndexFile=data/walk2.htm"_qs}));
    for (const PeakFile& peak : kPeaks)
        WriteBytes(In(u"data/山/"_qs + QString::fromUtf16(peak.name) + u".txt"_qs),
                   Utf16Lines(QStringList{u"[Talvane]"_qs} + peak.lines));
    WriteBytes(In(u"data/walk2.htm"_qs), QByteArray(kWalkPage));
    WriteBytes(In(u"data/guide2.htm"_qs), QByteArray(kAtlasPage));
    WriteBytes(In(u"data/gps/w3.gdb"_qs), QByteArray("gdb"));
}

void ReportProgram::Activate()
{
    if (table && platform::ProgramFolder() == programFolder && MainSettingsPath() == settingsPath)
        return;
    platform::ClearProfileCache();
    DisplayNameConversions::Program().Reset();
    platform::SetProgramFolder(dir.path());
    if (!table)
        table = std::make_unique<CGroupTable>();
    table->LoadSettings();
    settingsPath = MainSettingsPath();
    programFolder = platform::ProgramFolder();
}

void ReportProgram::Prepare()
{
    Activate();
    QDir(In(u"data/walk3"_qs)).removeRecursively();
    QDir(In(u"data/walk4"_qs)).removeRecursively();
    QDir(In(u"out"_qs)).removeRecursively();
    WriteBytes(In(u"copies/walk3b.htm"_qs), kOldCopy.toUtf8());
    WriteBytes(In(u"copies/w4_b.htm"_qs), QByteArray());
    QFile::remove(In(u"copies/walk3a.htm"_qs));
    QFile::remove(In(u"copies/w4_a.htm"_qs));
}

WalkReportInput ReportProgram::ReportInput() const
{
    WalkReportInput input;
    input.group = peaks;
    input.walks = &walks;
    input.visits = &visits;
    input.cities = {u"甲縣"_qs, u"乙縣"_qs};
    input.dataFolder = In(u"data"_qs);
    input.onlineDir = kOnlineDir;
    input.walk3CopyPattern = In(u"copies/walk3%c.htm"_qs);
    input.walk4CopyPattern = In(u"copies/w4_%c.htm"_qs);
    input.atlasFile = In(u"data/guide2.htm"_qs);
    input.regionIndex = regionIndex;
    return input;
}

} // namespace fuzz
