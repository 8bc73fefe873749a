#pragma once
// 搜尋航點: the waypoint of a point item chosen among the free waypoints of its group's
// all-in-one GPS file, by name, altitude and comment.
#include "ui/dialogs/pickers/PickerDialogBase.h"

class GPSWayPointSet;

class CDlgFindWayPoint : public CPickerDialogBase {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 132;

    struct ListColumn {
        static constexpr int kName = 0, kAltitude = 1, kComment = 2;
        static constexpr int kNameWidth = 120;
        static constexpr int kAltitudeWidth = 70;
        static constexpr int kCommentWidth = 240;
    };

    explicit CDlgFindWayPoint(QWidget* parent = nullptr);

    // Set by the creator before the dialog runs (not owned).
    CGroupBase* group = nullptr;
    // The group's waypoint set as the creator saw it; the entries are read from the group's
    // set at each use, and from this one only when the group hands out none.
    GPSWayPointSet* waypointSet = nullptr;

    void OnInitDialog() override;

    // The altitude cell: the metres truncated to an integer; empty when the value is not a
    // number or does not fit an integer.
    static QString AltitudeText(double metres);
    // A peak's waypoint is not offered for a term naming the mountain: the name is at least two
    // characters longer than the term, ends in 峰, and the term holds 山.
    static bool IsSummitOfOtherPeak(const QString& name, const QString& term);

protected:
    CGroupBase* PickerGroup() const override { return group; }
    int EntryCount() const override;
    QString EntryName(int index) const override;
    bool EntryUsed(int index) const override;
    bool ExcludedFor(const QString& name, const QString& term) const override;
    void SetEntryCells(int row, int index) override;
    bool LoadGpsFile() override;
    bool AddToGdb(CGDBFile* gdb, int index) const override;
    QString ExportFileName() const override;

private:
    const GPSWayPointSet* Set() const;
};
