#pragma once
// What the waypoint and track search dialogs share: a template dialog over one item of a group
// that lists the entries of the group's all-in-one GPS file no item claims yet, matched by the
// search terms; 確認 records the chosen entry in the mapping file and returns it, 地圖定位...
// records it and hands it to the GPS software in a temporary GDB file, 編輯資料... opens the
// item file. Rows carry the entry index; the entries are read from the group's set at each
// use, and a row whose index no longer names the entry it showed does nothing.
#include "ui/adapters/QtItemList.h"
#include "ui/adapters/QtStatusText.h"
#include "ui/framework/TemplateDialog.h"

#include <QStringList>

class CGDBFile;
class CGroupBase;
class QTreeWidget;

class CPickerDialogBase : public CTemplateDialog {
    Q_OBJECT
public:
    // Control ids.
    static constexpr int kSearchEdit = 1009;
    static constexpr int kSearch = 1070;
    static constexpr int kList = 1002;
    static constexpr int kConfirm = 1016;
    static constexpr int kLocate = 1013;
    static constexpr int kEditData = 1007;
    static constexpr int kSummary = 1006;

    // Set by the creator before the dialog runs.
    int item = -1;          // the item in the group
    QString mappingPath;    // Mapping.txt of the data folder
    // The outcome: the confirmed entry's index, -1 until a confirm.
    int result = -1;

    // Columns, the item's description and search text; searches that text.
    virtual void OnInitDialog() = 0;
    // OnInitDialog, then the dialog runs modally.
    int DoModal();

    void OnSearch();
    // Enables 確認 and 地圖定位... once exactly one row is selected.
    void OnListItemChanged();
    void OnConfirm();
    void OnLocateOnMap();
    void OnEditData();

    QtItemList& List() { return list_; }

protected:
    explicit CPickerDialogBase(int templateId, QWidget* parent);

    // The group and its entries as they stand now.
    virtual CGroupBase* PickerGroup() const = 0;
    virtual int EntryCount() const = 0;
    // The entry's name; empty outside the entries.
    virtual QString EntryName(int index) const = 0;
    // An item of the group claims the entry by its own name.
    virtual bool EntryUsed(int index) const = 0;
    // The term finds the entry's name but the entry is still not listed for it.
    virtual bool ExcludedFor(const QString& name, const QString& term) const;
    // The columns after the name, for the row of an entry.
    virtual void SetEntryCells(int row, int index) = 0;
    // Loads (or reloads) the group's GPS file; false when there is none.
    virtual bool LoadGpsFile() = 0;
    // Adds the entry to a GDB file being built; false when it could not be added.
    virtual bool AddToGdb(CGDBFile* gdb, int index) const = 0;
    // The file name of the temporary GDB file in the data folder.
    virtual QString ExportFileName() const = 0;

    // Columns: (title, width in pixels, right-aligned).
    struct Column {
        QString title;
        int width = 0;
        bool right = false;
    };
    void SetupColumns(const QList<Column>& columns);
    // The search text: name, and a blank and name2 when name2 is not empty; then the search.
    void StartSearch(const QString& name, const QString& name2);
    void EnableItem(int id, bool enabled);

    QTreeWidget* listWidget_ = nullptr;
    QtItemList list_{nullptr};
    QtStatusText summary_{nullptr};

private:
    void ConnectCommands();
    void ListMatches(const QString& term);
    // The entry of the single selected row, when the row still names it; -1 otherwise.
    int SelectedEntry() const;
    // [GPS] <item file's base name> = <entry name> of the mapping file; a write that fails is
    // reported with its reason.
    bool WriteMapping(int index) const;
};
