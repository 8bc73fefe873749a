#pragma once
// 山友行程表: one hiking companion's trips, read from the companion's own file, latest first,
// each beside the peaks the owner visited with that companion on the trip's date. A trip's
// peaks are assigned through the peak search; new trips are added to the companion's file.
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/HikingEntry.h"
#include "ui/adapters/QtItemList.h"
#include "ui/framework/TemplateDialog.h"

#include <QList>

class IInputDialogs;
class QTreeWidget;

class CDlgCompareHiking : public CTemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 136;

    static constexpr int kList = 1036;         // the trips; row value = entry index
    static constexpr int kTripCount = 1005;
    static constexpr int kAddTrip = 1038;
    static constexpr int kVisitedCount = 1024; // peaks with a visit with this companion
    static constexpr int kTripTitle = 1006;    // title of the selected trip
    static constexpr int kOpenRecord = 1037;
    static constexpr int kFindPeaks = 1012;

    // The list's columns.
    static constexpr int kTitleColumn = 0, kDateColumn = 1, kPeaksColumn = 2;
    static constexpr int kTitleWidth = 410, kDateWidth = 80, kPeaksWidth = 160;
    // Characters of a trip title shown in 1006.
    static constexpr int kMaxShownTitle = 259;

    // group: the peak group; companion: an index into its companions; inputs: where the trip
    // of 新增行程... is typed (none of them owned).
    CDlgCompareHiking(CGroupTalvane* group, int companion, IInputDialogs* inputs,
                      QWidget* parent = nullptr);

    // The trips, the caption with the companion's title, and today's date in Local.txt
    // [Hiking] under the companion's title; false for a companion the group does not have.
    bool OnInitDialog();
    // OnInitDialog, then the dialog runs modally.
    int DoModal();
    // Reads the companion's file again and shows its trips, the first one selected.
    void FillList();

    // The handlers.
    void OnListItemChanged();
    void OnFindPeaks();
    void OnOpenRecord();
    void OnAddTrip();

    QtItemList& List() { return list_; }
    int EntryCount() const { return int(entries_.size()); }
    const QList<HikingEntry>& Entries() const { return entries_; }

private:
    const HikingMate* Mate() const;
    // The entry of the single selected row, with the row; null without one.
    const HikingEntry* SelectedEntry(int* row) const;
    // The rows, row i showing entry i with the peaks of its date; selects row select.
    void ShowRows(int select);
    void SortEntries();
    void ShowCounts();
    void WriteOpeningDate();
    // Whether a typed trip may be added: it parses, its date reads as a date and no other trip
    // has the same date text.
    bool AcceptTrip(const QString& trip, HikingEntry* entry) const;
    // Tells the owner which key of the companion's file stops its reading, to be mended first.
    void ReportUnreadableTrip(const HikingMate& mate, const QString& key) const;
    void SetText(int id, const QString& text);

    CGroupTalvane* group_;
    int companion_;
    IInputDialogs* inputs_;
    QTreeWidget* listWidget_ = nullptr;
    QtItemList list_{nullptr};
    QList<HikingEntry> entries_;
};
