#pragma once
// 比對行程表: the owner's walks from the walk index page, newest first, each beside the items of
// the current group visited on it. The group's search records visits for the selected walk; for
// the peak group, 輸出網頁 writes the walk3 and walk4 report pages.
#include "catalog/compare/WalkReportWriter.h"
#include "catalog/text/HtmlTableReader.h"
#include "ui/adapters/QtItemList.h"
#include "ui/framework/TemplateDialog.h"

class CGroupBase;
class IMainWindow;
class QTreeWidget;

class CDlgCompareWalk : public CTemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 130;

    // The list and the 輸出網頁 button share one id: each is reached by its type.
    static constexpr int kList = 1008;
    static constexpr int kWriteWebPages = 1008;
    static constexpr int kTitle = 1006;        // the selected walk's title
    static constexpr int kOpenRecord = 1018;   // 行程記錄...
    static constexpr int kSearch = 1070;       // 搜尋...
    static constexpr int kVisitCount = 1024;   // the number of items with a visit
    static constexpr int kFilter = 1068;
    static constexpr int kFilterTrips = 1069;  // 過濾行程

    // Columns of the list.
    static constexpr int kNumberColumn = 0;
    static constexpr int kTitleColumn = 1;
    static constexpr int kDateColumn = 2;
    static constexpr int kVisitedColumn = 3;

    // group: the group shown by the opener (not owned).
    explicit CDlgCompareWalk(CGroupBase* group, QWidget* parent = nullptr);

    // The columns and rows, and the filter preset with the group's name; false without a group.
    bool OnInitDialog();
    // OnInitDialog, then the dialog runs modally.
    int DoModal();

    // Lists every walk of the index, newest first.
    void FillList();
    // Exactly one row selected: its title shown, 搜尋... and 行程記錄... enabled.
    void OnListItemChanged();
    // The group's search for the selected walk; a recorded visit refreshes its row and the count.
    void OnSearch();
    // Opens the selected walk's report page.
    void OnOpenRecord();
    // Lists again the walks whose title contains the filter text (all when it is empty).
    void OnFilterTrips();
    // For the peak group: the walk3 pages, then, when they were written, the walk4 pages.
    void OnWriteWebPages();
    bool WriteWalk3Pages(const WalkReportInput& input);
    bool WriteWalk4Pages(const WalkReportInput& input);

    QtItemList& List() { return list_; }
    const WalkIndex& Walks() const { return walks_; }

private:
    void InsertColumns();
    // Reads the walk index again and lists the walks whose title contains filter.
    void ListWalks(const QString& filter);
    void AddWalkRow(int walk, const QString& visitedNames);
    QString VisitedNames(int walk) const;
    void ShowVisitCount();
    // The main dialog, which carries out a jump chosen in the group's search; may be null.
    IMainWindow* MainWindow() const;
    // The walk of the one selected row; 0 unless exactly one row is selected.
    int SelectedWalk(int* row = nullptr) const;
    void EnableItem(int id, bool enabled);

    CGroupBase* group_;
    QTreeWidget* listWidget_ = nullptr;
    QtItemList list_{nullptr};
    WalkIndex walks_;
};
