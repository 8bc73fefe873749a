#pragma once
// 搜尋航跡: the track of a trail chosen among the free tracks of its group's all-in-one GPS
// file, by name and point count; 地圖定位... hands the track over with the waypoints that name
// it and the tracks related to it.
#include "ui/dialogs/pickers/PickerDialogBase.h"

class CGroupTrail;
class GPSTrackSet;
struct TrailItemRecord;

class CDlgFindTrack : public CPickerDialogBase {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 141;

    struct ListColumn {
        static constexpr int kName = 0, kPoints = 1;
        static constexpr int kNameWidth = 160;
        static constexpr int kPointsWidth = 80;
    };

    explicit CDlgFindTrack(QWidget* parent = nullptr);

    // Set by the creator before the dialog runs (not owned).
    CGroupTrail* group = nullptr;
    // The group's track set as the creator saw it; the entries are read from the group's set
    // at each use, and from this one only without a group.
    GPSTrackSet* trackSet = nullptr;

    void OnInitDialog() override;

protected:
    CGroupBase* PickerGroup() const override;
    int EntryCount() const override;
    QString EntryName(int index) const override;
    bool EntryUsed(int index) const override;
    void SetEntryCells(int row, int index) override;
    bool LoadGpsFile() override;
    bool AddToGdb(CGDBFile* gdb, int index) const override;
    QString ExportFileName() const override;

private:
    const GPSTrackSet* Set() const;
    const TrailItemRecord* Record() const;
};
