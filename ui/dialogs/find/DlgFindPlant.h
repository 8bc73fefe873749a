#pragma once
// 搜尋植物: plants of the plant group found by a part of either name, the selected plant's summary
// and item file; in pick mode it returns the selected plant's name and family (確認), and it
// always can return a new name and family typed by the user (新增).
#include "ui/dialogs/find/FindDialogBase.h"

class CGroupBase;
struct PlantItemRecord;

class CDlgFindPlant : public CFindDialogBase {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 138;

    // Control ids beside the shared ones.
    static constexpr int kSearch = 1070;
    static constexpr int kConfirm = 1016;
    static constexpr int kNewName = 1043;
    static constexpr int kNewFamily = 1044;
    static constexpr int kAddPlant = 1040;

    // group: the plant group the opener shows (not owned); the dialog does nothing without one.
    explicit CDlgFindPlant(CGroupBase* group, QWidget* parent = nullptr);

    // Set by the opener before the dialog opens: 確認 returns the selected plant.
    bool pickMode = false;
    // The outcome of 確認 or 新增 (the dialog then ends with OK).
    QString resultName;
    QString resultFamily;

    void OnInitDialog() override;

    void OnSearch();
    void OnEditData();
    void OnConfirm();
    void OnAddPlant();
    void OnListItemChanged() override;

    // A name or family typed for a new plant names its item file and photo folder: it must not
    // be empty, a path step ("." or "..") or hold a path separator or a control character.
    static bool IsUsableFileName(const QString& text);

private:
    void ConnectCommands();
    // The plant record of an item; null when the group holds no plant records.
    const PlantItemRecord* Plant(int item) const;
    // The plant of the single selected row; null when not exactly one row is selected.
    const PlantItemRecord* SelectedPlant(int* row) const;
};
