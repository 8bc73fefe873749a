#pragma once
// 比對路線圖: every page of one route-map atlas (mode 0 the BlueSky atlas, mode 1 岫禾圖集) with
// the items of the group that refer to it; a page is assigned to items through the group's
// search, 比對資料... pairs the BlueSky references of the item files with the atlas, and
// 新增地圖... adds a page to 岫禾圖集's index.
#include "catalog/compare/AtlasProgress.h"
#include "catalog/text/GuideEntry.h"
#include "ui/adapters/QtItemList.h"
#include "ui/adapters/QtStatusText.h"
#include "ui/framework/TemplateDialog.h"

#include <QList>

class CGroupBase;
class IInputDialogs;
class IMainWindow;
class ItemCodeIndex;

class CDlgCompareGuide : public CTemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 133;

    static constexpr int kList = 1023;         // one row per page; row data = entry index
    static constexpr int kEntryCount = 1005;
    static constexpr int kCompareData = 1025;  // 比對資料... (mode 0)
    static constexpr int kProgress = 1024;
    static constexpr int kAddGuide = 1032;     // 新增地圖... (mode 1)
    static constexpr int kItemsWithRef = 1080;
    static constexpr int kPageTitle = 1006;
    static constexpr int kOpenGuide = 1021;    // 路線圖...
    static constexpr int kSearch = 1070;       // 搜尋...
    static constexpr int kFilter = 1068;
    static constexpr int kFilterTrips = 1069;  // 過濾行程

    // List columns: volume, page, title, the items that refer to the page.
    static constexpr int kVolumeWidth = 60;
    static constexpr int kPageWidth = 40;
    static constexpr int kTitleWidth = 310;
    static constexpr int kNamesWidth = 160;

    // group: the group shown by the opener (not owned); inputs: runs 新增路線圖.
    CDlgCompareGuide(CGroupBase* group, IInputDialogs* inputs, QWidget* parent = nullptr);

    int mode = 0;  // 0 the BlueSky atlas, 1 岫禾圖集; set before OnInitDialog

    bool OnInitDialog();
    int DoModal();

    // Reads the atlas of the mode (mode 1 rebuilds a missing or empty index from the item
    // files) and lists every page.
    void LoadAtlas();
    // The references of the item files under the two key patterns (see ReadAtlasKeys of
    // catalog/compare/AtlasKeys.h), progress in static 1024; returns their number.
    int ReadAtlasKeys(QList<GuideEntry>* entries, QStringView keyPattern, QStringView linkPattern);

    void OnGuideListItemChanged();
    void OnSearch();
    void OnOpenGuide();
    void OnCompareData();
    void OnAddGuide();
    void OnFilterTrips();

    QtItemList& List() { return list_; }
    int EntryCount() const { return int(entries_.size()); }
    const QList<GuideEntry>& Entries() const { return entries_; }

private:
    void InsertColumns();
    // Deletes every row, then one row per entry whose title holds filter_ (all when empty).
    void FillRows();
    void InsertEntryRow(int entry, const ItemCodeIndex& holders);
    // The names of the items that refer to an entry's page; empty when it forms no code.
    QString ReferringNames(const GuideEntry& entry) const;
    // The main dialog, which carries out a jump chosen in the group's search; may be null.
    IMainWindow* MainWindow() const;
    // The entry of the one selected row, -1 otherwise.
    int SelectedEntry(int* row = nullptr) const;
    void SelectRow(int row);
    void SetText(int id, const QString& text);
    void Enable(int id, bool enabled);

    CGroupBase* group_;
    IInputDialogs* inputs_;
    QList<GuideEntry> entries_;
    QString filter_;
    QtItemList list_{nullptr};
    QtStatusText progressText_{nullptr};
};
