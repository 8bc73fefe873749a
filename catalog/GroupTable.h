#pragma once
// The main dialog's table of data groups: the settings files beside the program, the data
// folder, the group folders and survey-stone levels named in the main settings file, the group
// list with cached item counts, and the group factory that builds a group on first selection.
#include "catalog/window/WindowServices.h"
#include "platform/DirList.h"
#include "platform/FileTime.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class CGroupBase;
class IListBox;
class IStatusText;

// One group class the factory can build. The factory tries the classes in list order on a
// folder's first item file; fallbackPosition is the group-list entry (0, 1 or 2) for which the
// class is built when the folder holds no item files (-1: none).
struct GroupClassEntry {
    std::function<std::unique_ptr<CGroupBase>()> create;
    int fallbackPosition = -1;
};

// The program's group classes, in the order the factory tries them: peaks, survey stones,
// trails, old trails, waterfalls, plants. Every group class registers here.
QList<GroupClassEntry> ProgramGroupClasses();

// Paths set by CGroupTable::LoadSettings and read across the catalog.
const QString& MainSettingsPath();  // the program folder + "峰嵐錄.txt"
const QString& LocalSettingsPath(); // the program folder + "Local.txt"
const QString& DataFolder();        // [DataGroup] BaseFolder, or the program folder
// "Cache.txt" in the data folder: the cached counts.
QString CacheFilePath();
// "Mapping.txt" in the data folder: [GPS] item-file base name = waypoint or track name.
QString MappingFilePath();
// Where a temporary GPS file for the GPS software goes: the program folder, or the user's
// runtime or temporary folder when the program folder is not writable.
QString TempGpsFilePath(const QString& fileName);

// The program folder; always true.
bool GetExeFolder(QString* folder);
// A file's last-write time; false when it does not exist.
bool GetFileWriteTime(const QString& path, platform::FileTime* time);

class CGroupTable {
public:
    static constexpr int kMaxGroups = 10;      // room in the table
    static constexpr int kGroupsRead = 3;      // groups read from the settings
    static constexpr int kMaxLevels = 9;
    static constexpr int kMaxLevelWords = 32;
    // Level results of GetStoneLevel for a text that no level word begins.
    static constexpr int kLevelNone = 11;      // the text is exactly "無"
    static constexpr int kLevelUnknown = 10;
    // Item files named in the report of refused long paths; the rest are counted.
    static constexpr int kLongPathsListed = 5;
    // Least time between two progress texts while a group loads.
    static constexpr qint64 kProgressIntervalMs = 100;

    CGroupTable();
    ~CGroupTable();
    CGroupTable(const CGroupTable&) = delete;
    CGroupTable& operator=(const CGroupTable&) = delete;

    // Reads the settings beside the program: paths, data folder, groups, stone levels.
    bool LoadSettings();
    // Fills the group list, selecting the saved entry (entry 0 when it is out of range; none
    // when it is negative); false without a list.
    bool FillGroupList(IListBox* list, int savedIndex) const;
    // The group of an entry, built and loaded on first use; null for an index outside the
    // table or a folder that no group class accepts.
    CGroupBase* GetGroup(int index, IStatusText* status);
    // A group already built, or null; builds nothing.
    CGroupBase* BuiltGroup(int index) const;
    void FreeGroups();

    // Survey-stone levels: the level (1-based) whose word begins text, with the word's 1-based
    // position and the number after it; kLevelNone / kLevelUnknown when no word matches.
    int GetStoneLevel(const QString& text, int* wordNumber, int* number) const;
    // The word at a 0-based position of a 0-based level.
    bool MatchStoneLevel(int level, int position, QString* word) const;
    // As GetStoneLevel, yielding the matching word; false and an empty word when none matches.
    bool ParseStoneName(const QString& text, QString* word, int* number) const;

    // Rewrites a group-list entry with a new count: "name (count)", or the bare name for a
    // count below 1; the entry is replaced (and selected again) only when its text changes.
    void SetListEntryCount(IListBox* list, int entry, int count) const;
    // The cached item count of an entry's group, read under its folder name.
    int CachedItemCount(int index) const;
    // Records a group's item count under its folder name (and under its display name where the
    // two differ), each only when it changed.
    bool WriteItemCount(int index, int count);

    int GroupCount() const { return groupCount; }
    QString FolderName(int index) const;
    QString GroupFolder(int index) const;
    int LevelCount() const { return levelCount; }
    IStatusText* StatusWindow() const { return statusWindow; }

    // The window services handed to the groups.
    void SetServices(const WindowServices& services) { windowServices = services; }
    const WindowServices& Services() const { return windowServices; }
    // The group classes the factory tries (tests build their own groups).
    void SetGroupClasses(QList<GroupClassEntry> classes) { groupClasses = std::move(classes); }

private:
    std::unique_ptr<CGroupBase> CreateGroupFor(int index, const QString& firstFile) const;
    void LoadFiles(CGroupBase* group, const QList<platform::DirEntry>& files);
    static void FillFromCache(CGroupBase* group);
    void ReportLongPaths(const CGroupBase& group) const;
    // Tells the user once when a load left items out because the group was full.
    void ReportFullGroup(const CGroupBase& group, int index) const;
    // The first level word that begins text: its level and position (0-based) and the number
    // after it; false when none does.
    bool MatchLevel(const QString& text, int* level, int* position, int* number) const;

    int groupCount = 0;
    std::array<QString, kMaxGroups> folderName;
    std::array<std::unique_ptr<CGroupBase>, kMaxGroups> group;
    int levelCount = 0;
    std::array<QString, kMaxLevels> levelName;
    std::array<QStringList, kMaxLevels> levelWords;
    IStatusText* statusWindow = nullptr;
    WindowServices windowServices;
    QList<GroupClassEntry> groupClasses;
};
