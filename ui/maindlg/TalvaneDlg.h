#pragma once
// The main dialog: the group list, the subset tree, the item list or the map in its place, the
// status texts and the command buttons, laid out from its template. It owns the views and the
// window-side services that the catalog reaches through its interfaces.
#include "catalog/GroupTable.h"
#include "catalog/window/IMainWindow.h"
#include "catalog/window/RowMenuCommands.h"
#include "gps/GPSFileManager.h"
#include "ui/views/ImageView.h"
#include "ui/views/MapView.h"
#include "ui/adapters/QtClock.h"
#include "ui/adapters/QtItemList.h"
#include "ui/adapters/QtKeyboard.h"
#include "ui/adapters/QtListBox.h"
#include "ui/adapters/QtMessageBox.h"
#include "ui/adapters/QtPopupMenu.h"
#include "ui/adapters/QtStatusText.h"
#include "ui/adapters/QtSubsetTree.h"
#include "ui/framework/TemplateDialog.h"
#include "ui/adapters/QtDialogRunner.h"
#include "ui/maindlg/IMainDialogs.h"

#include "platform/Shell.h"

#include <QIcon>
#include <QRect>

#include <array>
#include <memory>

class CGroupBase;
class CSubsetBase;
class CStaticMapView;
class QAbstractButton;
class QListWidget;
class QTreeWidget;

class CTalvaneDlg : public CTemplateDialog, public IMainWindow {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 102;
    static constexpr int kIconId = 128;
    // String of the about entry, and the command it issues.
    static constexpr int kAboutStringId = 101;
    static constexpr int kIdAbout = 16;

    // Control ids.
    static constexpr int kGroupList = 1000;
    static constexpr int kItemList = 1002;
    static constexpr int kStatusCount = 1005;
    static constexpr int kSummary = 1006;
    static constexpr int kEditData = 1007;
    static constexpr int kUpdateDatabase = 1009;
    static constexpr int kCompareList = 1010;
    static constexpr int kCompareWalks = 1011;
    static constexpr int kRecordMap = 1021;
    static constexpr int kCompareAtlas = 1022;
    static constexpr int kMateItinerary = 1035;
    static constexpr int kAddPlant = 1040;
    static constexpr int kRegionStats = 1062;
    static constexpr int kSearch = 1070;
    static constexpr int kOtherCommands = 1071;
    static constexpr int kSubsetTree = 1072;
    static constexpr int kShowMap = 1073;
    static constexpr int kZoomIn = 1074;
    static constexpr int kZoomOut = 1075;
    static constexpr int kMapControl = 1076;
    static constexpr int kZoomReset = 1077;
    static constexpr int kListCommands = 1078;
    static constexpr int kUpdateCounts = 1079;
    // Commands of the record menu that a group pops up for a row.
    static constexpr int kFirstRecordCommand = 2000;
    static constexpr int kLastRecordCommand = 2399;
    // Commands of the groups' row menus.
    static constexpr int kLocate = RowMenuCommand::kLocate;
    static constexpr int kLocate5K = RowMenuCommand::kLocate5K;
    static constexpr int kLocate10K = RowMenuCommand::kLocate10K;
    static constexpr int kLocateOnline = RowMenuCommand::kLocateOnline;
    static constexpr int kFindSameName = RowMenuCommand::kFindSameName;
    static constexpr int kFirstGotoRegion = RowMenuCommand::kFirstRegion;
    static constexpr int kLastGotoRegion = kFirstGotoRegion + RowMenuCommand::kRegions - 1;
    static constexpr int kFirstGotoStone = RowMenuCommand::kFirstStone;
    static constexpr int kLastGotoStone = kFirstGotoStone + RowMenuCommand::kStones - 1;
    // Commands of the dialog's own popup menus and commands no control issues.
    static constexpr int kCompareFirstAtlas = 1030;
    static constexpr int kCompareSecondAtlas = 1031;
    static constexpr int kFirstHikerWalks = 1900;   // one per companion
    static constexpr int kLastHikerWalks = 1914;
    static constexpr int kOutputList = 1008;
    static constexpr int kLocateAll = 1015;
    static constexpr int kSyncWaypoints = 1017;
    static constexpr int kOutputSortedHtml = 1019;
    static constexpr int kOutputCurrentHtml = 1020;
    static constexpr int kOpenWalkGps = 1063;
    // Radii of the locate commands, in hundredths of a degree.
    static constexpr int kRadius5K = 5;
    static constexpr int kRadius10K = 10;
    // Texts of a row's first column taken as search text, in code units.
    static constexpr int kMaxSearchText = 260;

    // The controls that follow the window's size, in the order of the stored initial rectangles.
    static constexpr std::array<int, 18> kResizeIds = {
        kItemList,    kMapControl,   kSubsetTree,    kSummary,        kStatusCount,
        kUpdateDatabase, kRecordMap, kEditData,      kOtherCommands,  kCompareWalks,
        kCompareAtlas, kCompareList, kMateItinerary, kAddPlant,       kRegionStats,
        kSearch,      kListCommands, kUpdateCounts};
    // Positions in kResizeIds (and the stored rectangles) of the controls with a rule of their own;
    // every control from kFirstMovingSlot on only moves.
    static constexpr size_t kListSlot = 0;
    static constexpr size_t kTreeSlot = 2;
    static constexpr size_t kSummarySlot = 3;
    static constexpr size_t kFirstMovingSlot = 4;
    // Widths of the first columns of the item list, kept to scale them on resize.
    static constexpr int kStoredColumns = 10;
    // Extra width goes one tenth to the left-hand column of controls, the rest to the list.
    static constexpr int kLeftShareDivisor = 10;
    static constexpr double kMaxColumnFactor = 2.0;

    // The profile section of the dialog's state: the selected group's entry, and the tree data
    // (subset index + 1) and shown text of the selected subset.
    static constexpr char kProfileSection[] = "TalvaneDlg";
    static constexpr char kSelGroupKey[] = "SelGroup";
    static constexpr char kSelSubsetDataKey[] = "SelSubsetData";
    static constexpr char kSelSubsetTextKey[] = "SelSubsetText";

    // The key of the survey-stone group, the target of a stone jump.
    static constexpr char kStoneGroupKey[] = "Stone";

    explicit CTalvaneDlg(QWidget* parent = nullptr);
    ~CTalvaneDlg() override;

    // IMainWindow.
    CGPSFile* OpenGpsFile(const QString& path, QString* damagedFormat = nullptr) override;
    void SelectSubsetByName(const QString& name) override;
    void GotoStone(const QString& name) override;
    IPointView* CurrentView() override { return currentView_; }

    // The widths of columns 0 to 9 of the item list are stored (0 for missing columns); the
    // resize rule scales from them.
    void StoreColumnWidths();
    const std::array<int, kStoredColumns>& ColumnWidths() const { return columnWidths_; }
    QRect InitialClient() const { return initialClient_; }

    CMapView* CurrentMapView() const { return currentView_; }
    CGroupBase* CurrentGroup() const { return currentGroup_; }
    int CurrentSubset() const { return currentSubset_; }
    QtSubsetTree& SubsetTree() { return subsetTree_; }
    CStaticMapView* MapControl() const { return mapControl_; }
    QtItemList& ItemList() { return itemList_; }
    QtListBox& GroupList() { return groupList_; }
    CGroupTable& GroupTable() { return groupTable_; }

    // The resize rule for a new client size.
    void OnSize(int width, int height);
    // The check box 1073: the map control in place of the item list, or the reverse.
    void OnBnClickedShowMap();
    // A wheel turn at a global position; true when it was over the shown map.
    bool OnMouseWheel(int delta, const QPoint& globalPos);
    // A click on the map at a client point of the map control.
    void OnStnClickedMap(const QPoint& client);
    // Selects the first row of the item list that carries key and runs the row handling; false
    // when no row carries it.
    bool SelectRowOfKey(quint32 key);

    // Shows the subset of the tree's selected node: its list, count, statistics and points.
    void RefreshSubset();
    // A click on a column title of the item list: the group (or its subset) sorts by it.
    void OnLvnColumnclickItemList(int column);
    // Selects every subset in turn, so that each count is refreshed in Cache.txt and the tree.
    void OnBnClickedUpdateCounts();
    // The commands that stay disabled once a group was shown; the add-plant button is hidden.
    void DisableGroupButtons();

    // Row commands of records (TalvaneDlgRecords.cpp), each on the single selected row of the
    // shown group: the record menu (1021), one of its entries, the item file (1007).
    void OnBnClickedRecordMap();
    void OnRecordMenu(int commandId);
    void OnBnClickedEditData();

    // Commands on the selected row and the search (TalvaneDlgCommands.cpp).
    void OnBnClickedSearch();
    void OnBnClickedOtherFunctions();
    void OnLocate(int radius, bool online);
    void OnFindSameName();
    void OnGotoRegion(int commandId);
    void OnGotoStone(int commandId);
    void OnBnClickedCompareList();

    // The commands of the buttons the dialog keeps disabled, their popup menus and the
    // commands no control issues (TalvaneDlgPopups.cpp).
    void OnBnClickedCompareWalks();
    void OnBnClickedCompareRouteMaps();
    void OnCompareAtlas(int mode);
    void OnBnClickedHikerWalks();
    void OnHikerWalksMenu(int commandId);
    void OnBnClickedRegionStatistics();
    void OnBnClickedListFunctions();
    void OnOutputList();
    void OnOutputCurrentHtml();
    void OnOutputSortedHtml();
    void OnLocateAll();
    void OnOpenWalkGps();
    void OnSyncWaypoints();

    // Rebuilding the groups and adding a plant (TalvaneDlgUpdate.cpp).
    void OnBnClickedUpdateDatabase();
    void OnBnClickedAddPlant();

    // The dialogs the commands open; tests put a recording fake in place (not owned).
    void SetDialogs(IMainDialogs* dialogs) { dialogs_ = dialogs; }
    IMainDialogs* Dialogs() const { return dialogs_; }
    // The box of the dialog's own messages; tests put a recording fake in place (not owned).
    void SetMessageBox(IMessageBox* box) { messages_ = box; }
    // The popup menus at the cursor: the dialog's own and the groups' row and record menus;
    // tests put a fake in place (not owned; null restores the dialog's own).
    void SetPopupMenu(IPopupMenu* menu);

public slots:
    // Selection change of the group list; also posted once at initialisation.
    void OnLbnSelchangeGroupList();
    // Row handling of the item list, for a user's selection or after a row is selected by program.
    void OnLvnItemchangedItemList();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Clicks and Enter on the group list (see ConnectGroupList).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The subset saved in the profile, read at the first group selection.
    struct SavedSubset {
        int data = 0;  // tree data: subset index + 1; 0 = none
        QString text;  // the node's text as it was shown
    };

    void BuildControls();
    void ConnectControls();
    // Selection handling: the tree, the list's column titles and the update-counts button.
    void ConnectSelection();
    // The group list: a selection change, and a click or Enter on the selected entry.
    void ConnectGroupList();
    void ConnectRecordCommands();
    void ConnectRowCommands();
    void ConnectPopupCommands();
    void ConnectUpdateCommands();
    // Shows a plant added from a blog entry: its family's subset, and its row selected.
    void ShowPlant(const QString& family, const QString& name);
    // The row a row command acts on: the one selected row while a group is shown; false when
    // there is none.
    bool CommandRow(int* row) const;
    // The item a row's value stands for, as the peak list maps its stone rows; -1 for none.
    int RowItem(int row) const;
    // The selected subset's three tables (as listed, by column 1, by column 2) under title.
    void WriteSortedTables(const QString& title, int subset, int number, const QString& templateKey);
    // The region subsets of the same level among the children of a region node, each shown and
    // written in turn.
    void WriteRegionChildren(TreeNode node, const QString& title);
    SavedSubset TakeSavedSubset();
    // The node of the saved subset when it still stands for the same subset; kNoTreeNode when not.
    TreeNode RestorableNode(const SavedSubset& saved);
    // Points marked by another group's subset are forgotten: their keys name that group's items.
    void ForgetOtherGroupsPoints(const CGroupBase* group);
    // The whole group in the item list, its count cached and shown.
    void ShowWholeGroup(int entry);
    void EnableGroupButtons();
    void ShowSubsetStatus(int rows, int visited);
    void MarkSubsetOnView(CSubsetBase* subset);
    // Selects the tree node of a subset and shows it; false when the subset has no node.
    bool ShowSubsetNode(int subset);
    // The entry of the survey-stone group, else the first entry; -1 without groups.
    int StoneGroupEntry();
    void EnableItem(int id, bool enabled);
    void OnInitDialog();
    // Tells the user that the main settings file is missing, unreadable or names no group.
    void ReportUnusableSettings();
    // The window services handed to the groups.
    WindowServices Services();
    void OnZoom(bool (CMapView::*step)());
    // Columns 0 to 9 at their stored widths, widened with the list by up to twice.
    void ScaleColumns(int rightShare);
    void OnAbout();
    bool IsMapShown() const;
    QWidget* Item(int id) const { return GetDlgItem(id); }

    CGroupTable groupTable_;
    CGroupBase* currentGroup_ = nullptr;
    int currentSubset_ = -1;
    CGPSFileManager gpsFiles_;
    QRect initialClient_;
    std::array<QRect, kResizeIds.size()> initialRects_{};
    std::array<int, kStoredColumns> columnWidths_{};
    CMapView mapView_;
    CStaticMapView* mapControl_ = nullptr;
    bool restoreSubset_ = false;
    CImageView imageView_;
    CMapView* currentView_ = &mapView_;
    // The view that holds a subset's points, and the group whose items they are.
    CMapView* markedView_ = nullptr;
    const CGroupBase* markedGroup_ = nullptr;
    QIcon icon_;
    // The selected entry of the group list when the last mouse press on it began.
    int groupPressEntry_ = -1;

    QListWidget* groupListWidget_ = nullptr;
    QTreeWidget* itemListWidget_ = nullptr;
    QTreeWidget* subsetTreeWidget_ = nullptr;
    QtListBox groupList_{nullptr};
    QtItemList itemList_{nullptr};
    QtSubsetTree subsetTree_{nullptr};
    QtStatusText statusCount_{nullptr};
    QtStatusText summary_{nullptr};
    QtMessageBox messageBox_{this};
    IMessageBox* messages_ = &messageBox_;
    QtPopupMenu popupMenu_;
    IPopupMenu* popup_ = &popupMenu_;
    QtKeyboard keyboard_;
    QtClock clock_;
    platform::DesktopShell shell_;
    QtDialogRunner dialogRunner_{this};
    std::unique_ptr<IMainDialogs> ownDialogs_;
    IMainDialogs* dialogs_ = nullptr;
};
