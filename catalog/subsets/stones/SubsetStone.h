#pragma once
// The subset of a stone class (type 1): the peaks and survey stones whose stone number (or alias)
// begins with the class word. Rows come from the peak group when any peak matches (stones then in
// peak columns), else from the stone group; row commands go to the group whose rows are shown.
#include "catalog/subsets/stones/SubsetStoneRows.h"

class CSubsetStone : public CSubsetStoneRows {
public:
    // Built by the stone group (stone group set, section "Stone", display name and folder by the
    // word) or by the peak group (peak group set, section "Talvane", the same display name rule,
    // folder 0).
    CSubsetStone(const QString& word, CGroupStone* stones);
    CSubsetStone(const QString& word, CGroupTalvane* peaks);

    // "%s字基石" for one character, the word itself from five characters or with 石 or 點,
    // else "%s基石".
    static QString DisplayNameOf(const QString& word);
    // kFolderWater when the word holds 水源, 水資會, 水建會 or 北水, else kFolderBasic.
    static int FolderOf(const QString& word);

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;
    bool HasRecordLinks(IItemList* list, int row) override;
    bool PopupRecordMenu(IItemList* list, int row) override;
    bool OpenRecordLink(IItemList* list, int row, int commandId) override;
    bool LocateRow(IItemList* list, int row, int radius, bool online) override;
    bool OpenWalkGps(IItemList* list, int row) override;
    bool ExportWaypoints(IItemList* list) override;
    bool SyncWaypoints(IItemList* list) override;
    bool WriteHtmlTable(IItemList* list, const QString& title, const QString& suffix, int number,
                        const QString& templateKey) override;
    bool MatchesKey(const QString& key) const override;
    int MarkOnMap(IPointView* view) override;

    const QString& Word() const { return word; }

private:
    // The first of a peak's Stone, Stone2, Stone3, StoneAlias, StoneAlias2, StoneAlias3 that
    // begins with the word; of a stone its Stone, else its StoneAlias.
    std::optional<StoneMatch> MatchPeak(const TalvaneItemRecord& peak) const;
    std::optional<StoneMatch> MatchStone(const StoneItemRecord& stone) const;
    // Runs operation on the peak group when it shows rows, then on the stone group; the last
    // answer (false when neither is known).
    template <class Operation>
    bool ForBothGroups(Operation operation);

    QString word;
};
