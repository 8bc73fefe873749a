// The group table: settings files, group list, cached counts and the group factory.
#include "catalog/GroupTable.h"

#include "catalog/GroupBase.h"
#include "catalog/window/IListBox.h"
#include "catalog/window/IMessageBox.h"
#include "catalog/window/IStatusText.h"
#include "platform/DirList.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Tick.h"

#include <QThread>

#include <algorithm>
#include <climits>

namespace {

const QString kSettingsFileName = QStringLiteral("峰嵐錄.txt");
const QString kLocalFileName = QStringLiteral("Local.txt");
const QString kCacheFileName = QStringLiteral("Cache.txt");
const QString kMappingFileName = QStringLiteral("Mapping.txt");
const QString kDataGroupSection = QStringLiteral("DataGroup");
const QString kBaseFolderKey = QStringLiteral("BaseFolder");
const QString kGroupKey = QStringLiteral("Group%1");
const QString kStoneLevelSection = QStringLiteral("StoneLevel");
const QString kLevelKey = QStringLiteral("Level%1");
const QString kItemCountKey = QStringLiteral("NumOfItems");
const QString kItemPattern = QStringLiteral("*.txt");
const QString kCountFormat = QStringLiteral("%1 (%2)");
const QString kProgressFormat = QStringLiteral("%1...");
const QString kLongPathFormat = QStringLiteral("下列 %1 個項目檔的路徑太長，未載入：\n%2");
const QString kMoreFiles = QStringLiteral("……");
const QString kFullGroupStart = QStringLiteral("[");
const QString kFullGroupMiddle = QStringLiteral("]項目超過 ");
const QString kFullGroupEnd = QStringLiteral(" 個，其餘的項目未載入！");

// "name (count)": both substituted at once, so that a '%' in a folder name stays as it is.
QString WithCount(const QString& name, int count)
{
    return kCountFormat.arg(name, QString::number(count));
}

struct CatalogPaths {
    QString settings;
    QString local;
    QString data;
};

CatalogPaths& Paths()
{
    static CatalogPaths paths;
    return paths;
}

} // namespace

const QString& MainSettingsPath() { return Paths().settings; }
const QString& LocalSettingsPath() { return Paths().local; }
const QString& DataFolder() { return Paths().data; }
QString CacheFilePath() { return platform::JoinPath(DataFolder(), kCacheFileName); }
QString MappingFilePath() { return platform::JoinPath(DataFolder(), kMappingFileName); }

QString TempGpsFilePath(const QString& fileName)
{
    const QString program = platform::ProgramFolder();
    const QString folder = platform::IsWritableFolder(program) ? program
                                                               : platform::FallbackTempFolder();
    return platform::JoinPath(folder, fileName);
}

bool GetExeFolder(QString* folder)
{
    *folder = platform::ProgramFolder();
    return true;
}

bool GetFileWriteTime(const QString& path, platform::FileTime* time)
{
    return platform::GetFileWriteTime(path, time);
}

CGroupTable::CGroupTable() : groupClasses(ProgramGroupClasses()) {}

CGroupTable::~CGroupTable() = default;

bool CGroupTable::LoadSettings()
{
    QString program;
    GetExeFolder(&program);
    CatalogPaths& paths = Paths();
    paths.settings = platform::JoinPath(program, kSettingsFileName);
    paths.local = platform::JoinPath(program, kLocalFileName);
    const QString base = platform::GetProfileString(paths.settings, kDataGroupSection, kBaseFolderKey);
    // A relative data folder lies under the program folder.
    paths.data = base.isEmpty() ? program : platform::JoinPath(program, base);

    groupCount = 0;
    for (int n = 1; n <= kMaxGroups && groupCount < kGroupsRead; ++n) {
        const QString name = platform::GetProfileString(paths.settings, kDataGroupSection, kGroupKey.arg(n));
        if (name.isEmpty())
            break;
        folderName[std::size_t(groupCount++)] = name;
    }
    levelCount = 0;
    for (int n = 1; n <= kMaxLevels; ++n) {
        const QString words = platform::GetProfileString(paths.settings, kStoneLevelSection, kLevelKey.arg(n));
        if (words.isEmpty())
            break;
        levelName[std::size_t(levelCount)] = words;
        // Empty words are skipped: an empty word would begin every text.
        QStringList split = words.split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (split.size() > kMaxLevelWords)
            split.resize(kMaxLevelWords);
        levelWords[std::size_t(levelCount++)] = split;
    }
    return true;
}

QString CGroupTable::FolderName(int index) const
{
    return index >= 0 && index < groupCount ? folderName[std::size_t(index)] : QString();
}

QString CGroupTable::GroupFolder(int index) const
{
    return platform::JoinPath(DataFolder(), FolderName(index));
}

int CGroupTable::CachedItemCount(int index) const
{
    if (index < 0 || index >= groupCount)
        return 0;
    return platform::GetProfileInt(CacheFilePath(), folderName[std::size_t(index)], kItemCountKey, 0);
}

bool CGroupTable::WriteItemCount(int index, int count)
{
    if (index < 0 || index >= groupCount)
        return false;
    QStringList sections{folderName[std::size_t(index)]};
    if (const CGroupBase* g = group[std::size_t(index)].get(); g && g->DisplayName() != sections[0]
        && !g->DisplayName().isEmpty())
        sections << g->DisplayName();
    bool ok = true;
    const QString cache = CacheFilePath();
    for (const QString& section : sections)
        if (platform::GetProfileInt(cache, section, kItemCountKey, 0) != count)
            ok = platform::WriteProfileString(cache, section, kItemCountKey, QString::number(count)) && ok;
    return ok;
}

bool CGroupTable::FillGroupList(IListBox* list, int savedIndex) const
{
    if (!list)
        return false;
    list->DeleteAll();
    for (int i = 0; i < groupCount; ++i) {
        const int count = CachedItemCount(i);
        const QString& name = folderName[std::size_t(i)];
        list->AddString(count > 0 ? WithCount(name, count) : name);
    }
    if (savedIndex >= 0)
        list->SetCurrentSelection(savedIndex < groupCount ? savedIndex : 0);
    return true;
}

void CGroupTable::SetListEntryCount(IListBox* list, int entry, int count) const
{
    if (!list || entry < 0 || entry >= list->Count())
        return;
    const QString old = list->Text(entry);
    QString name;
    if (entry < groupCount) {
        name = folderName[std::size_t(entry)];
    } else {
        // An entry the table does not know: its name is the text before the count suffix.
        const qsizetype open = old.indexOf(QStringLiteral(" ("));
        name = open > 0 && old.indexOf(QLatin1Char(')'), 1) > 0 ? old.left(open) : old;
    }
    const QString text = count >= 1 ? WithCount(name, count) : name;
    if (text == old)
        return;
    list->DeleteString(entry);
    list->InsertString(entry, text);
    list->SetCurrentSelection(entry);
}

CGroupBase* CGroupTable::BuiltGroup(int index) const
{
    return index >= 0 && index < groupCount ? group[std::size_t(index)].get() : nullptr;
}

void CGroupTable::FreeGroups()
{
    for (auto& g : group)
        g.reset();
}

CGroupBase* CGroupTable::GetGroup(int index, IStatusText* status)
{
    if (index < 0 || index >= groupCount)
        return nullptr;
    if (CGroupBase* built = group[std::size_t(index)].get())
        return built;
    statusWindow = status;
    const QString folder = GroupFolder(index);
    const QList<platform::DirEntry> files = platform::FindFiles(folder, kItemPattern);
    std::unique_ptr<CGroupBase> made =
        CreateGroupFor(index, files.isEmpty() ? QString() : files.first().path);
    if (!made)
        return nullptr;
    made->Init(MainSettingsPath(), this, folder);
    if (files.isEmpty())
        FillFromCache(made.get());
    else
        LoadFiles(made.get(), files);
    made->OnLoaded();
    ReportLongPaths(*made);
    ReportFullGroup(*made, index);
    group[std::size_t(index)] = std::move(made);
    return group[std::size_t(index)].get();
}

std::unique_ptr<CGroupBase> CGroupTable::CreateGroupFor(int index, const QString& firstFile) const
{
    for (const GroupClassEntry& entry : groupClasses) {
        if (!entry.create)
            continue;
        if (firstFile.isEmpty()) {
            if (entry.fallbackPosition == index)
                return entry.create();
            continue;
        }
        std::unique_ptr<CGroupBase> candidate = entry.create();
        if (candidate && candidate->HasNameKey(firstFile))
            return candidate;
    }
    return nullptr;
}

// An item whose path does not fit its record is refused; the user learns which ones.
void CGroupTable::ReportLongPaths(const CGroupBase& g) const
{
    const QStringList& paths = g.LongPathFiles();
    if (paths.isEmpty() || !windowServices.messageBox)
        return;
    QStringList listed = paths.mid(0, kLongPathsListed);
    if (paths.size() > kLongPathsListed)
        listed << kMoreFiles;
    windowServices.messageBox->Show(kLongPathFormat.arg(paths.size()).arg(listed.join(QLatin1Char('\n'))),
                                    MessageIcon::Exclamation);
}

// A group holds at most CGroupBase::kMaxItems items; the files beyond are not loaded.
void CGroupTable::ReportFullGroup(const CGroupBase& g, int index) const
{
    if (g.RefusedAsFull() == 0 || !windowServices.messageBox)
        return;
    windowServices.messageBox->Show(kFullGroupStart + FolderName(index) + kFullGroupMiddle
                                        + QString::number(CGroupBase::kMaxItems) + kFullGroupEnd,
                                    MessageIcon::Exclamation);
}

void CGroupTable::FillFromCache(CGroupBase* g)
{
    for (int position = 0; g->TakeCachedItem(position); ++position) {
    }
}

void CGroupTable::LoadFiles(CGroupBase* g, const QList<platform::DirEntry>& files)
{
    quint32 lastShown = platform::TickCount();
    int count = 0;
    for (const platform::DirEntry& file : files) {
        g->LoadItemFileParsedOnce(file.path, file.writeTime);
        ++count;
        if (statusWindow && platform::TickCount() - lastShown > kProgressIntervalMs) {
            statusWindow->SetText(kProgressFormat.arg(count));
            lastShown = platform::TickCount();
            QThread::yieldCurrentThread();
        }
    }
    if (statusWindow && count > 0)
        statusWindow->SetText(kProgressFormat.arg(count));
}

namespace {

// The number after a level word: a run of letters is skipped, then blanks, an optional sign
// and decimal digits are read (saturating); 0 when no digits follow.
int NumberAfterWord(QStringView rest)
{
    qsizetype i = 0;
    while (i < rest.size()) {
        const char32_t c = rest[i].isHighSurrogate() && i + 1 < rest.size()
                               ? QChar::surrogateToUcs4(rest[i], rest[i + 1])
                               : char32_t(rest[i].unicode());
        if (!QChar::isLetter(c))
            break;
        i += c > 0xFFFF ? 2 : 1;
    }
    while (i < rest.size() && rest[i].isSpace())
        ++i;
    bool negative = false;
    if (i < rest.size() && (rest[i] == u'+' || rest[i] == u'-'))
        negative = rest[i++] == u'-';
    qint64 value = 0;
    for (; i < rest.size() && rest[i] >= u'0' && rest[i] <= u'9'; ++i)
        value = std::min<qint64>(value * 10 + (rest[i].unicode() - u'0'), qint64(1) << 31);
    value = negative ? -value : value;
    return int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

} // namespace

bool CGroupTable::MatchLevel(const QString& text, int* level, int* position, int* number) const
{
    for (int l = 0; l < levelCount; ++l) {
        const QStringList& words = levelWords[std::size_t(l)];
        for (int w = 0; w < words.size(); ++w) {
            if (!text.startsWith(words[w]))
                continue;
            *level = l;
            *position = w;
            *number = text.size() == words[w].size() ? 0 : NumberAfterWord(QStringView(text).mid(words[w].size()));
            return true;
        }
    }
    return false;
}

int CGroupTable::GetStoneLevel(const QString& text, int* wordNumber, int* number) const
{
    int level = 0, position = 0, value = 0;
    if (MatchLevel(text, &level, &position, &value)) {
        *wordNumber = position + 1;
        *number = value;
        return level + 1;
    }
    *wordNumber = 0;
    *number = 0;
    return text == QStringLiteral("無") ? kLevelNone : kLevelUnknown;
}

bool CGroupTable::ParseStoneName(const QString& text, QString* word, int* number) const
{
    int level = 0, position = 0, value = 0;
    if (MatchLevel(text, &level, &position, &value)) {
        *word = levelWords[std::size_t(level)][position];
        *number = value;
        return true;
    }
    word->clear();
    *number = 0;
    return false;
}

bool CGroupTable::MatchStoneLevel(int level, int position, QString* word) const
{
    if (level < 0 || level >= levelCount || position < 0)
        return false;
    const QStringList& words = levelWords[std::size_t(level)];
    if (position >= words.size())
        return false;
    *word = words[position];
    return true;
}
