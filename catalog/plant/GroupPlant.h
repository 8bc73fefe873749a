#pragma once
// The plant group (植物): one PlantItemRecord per plant file (name, second name, family), shown
// as photos in the image view, with a subset per family of the settings' family list and the
// subsets of plants named with a family word outside that family. A plant file's web pages
// (Blog%d titles, Link%d addresses) make its record menu. Rows carry the item index. The group
// also adds plants, families and web pages for the add-plant command.
#include "catalog/GroupBase.h"
#include "catalog/PlantOperations.h"
#include "catalog/records/PlantItemRecord.h"

class CGroupPlant : public CGroupBase, public IPlantOperations {
public:
    struct ListColumn {
        static constexpr int kName = 0, kClass = 1;
        static constexpr int kNameWidth = 120;
        static constexpr int kClassWidth = 80;
    };
    // The numbered [Plant] NotClass%d keys of the main settings file that are read.
    static constexpr int kMaxNotClassKeys = 500;
    // The web pages of a plant file: Blog%d / Link%d with 1 to kMaxLinks.
    static constexpr int kMaxLinks = 30;
    // Record-menu commands: page n of a plant is kFirstLinkCommand + n - 1.
    static constexpr int kFirstLinkCommand = 2000;
    static constexpr int kLastLinkCommand = kFirstLinkCommand + kMaxLinks - 1;

    CGroupPlant();
    ~CGroupPlant() override;

    // Set-up and loading (GroupPlant.cpp, GroupPlantLoad.cpp). Init adds one subset per family
    // of the family list (in its order), then one per [Plant] NotClass%d word; true. A file is
    // a plant when its [Plant] Name is not empty.
    bool Init(const QString& settingsFile, CGroupTable* table, const QString& folder) override;
    bool LoadItemFile(const QString& path, const platform::FileTime& writeTime) override;
    bool TakeCachedItem(int position) override;
    const std::byte* GetItemRecord(int item) const override;
    int FillItemList(IItemList* list, int unused = 0) override;
    bool HasFeature(int feature) override;

    // The list and the summary (GroupPlantList.cpp).
    void SetupItemColumns(IItemList* list, const ColumnLayout* layout) override;
    bool InsertItemRow(IItemList* list, int row, int item) override;
    bool ShowRowSummary(IStatusText* window, IItemList* list, int row) override;
    bool ShowItemOnMap(IPointView* view, int item) override;
    // "Name(Name2) [Class]", or "Name [Class]" without a second name; empty outside the items.
    QString PlantLine(int item) const;

    // Row commands (GroupPlantCommands.cpp): the item file in the editor, the web pages of the
    // record menu, the plant search dialog.
    bool EditItemFile(IItemList* list, int row) override;
    bool HasRecordLinks(IItemList* list, int row) override;
    bool PopupRecordMenu(IItemList* list, int row) override;
    bool OpenRecordLink(IItemList* list, int row, int commandId) override;
    bool RunFindDialog(IMainWindow* parent, CSubsetBase* subset, QString* searchText,
                       int walkNumber, int atlasCode) override;

    // The add-plant operations (GroupPlantWriters.cpp). Each writes the file before it changes
    // a record, and writes nothing when it answers false.
    bool NormalizeClass(QString* family) override;
    bool AddClass(const QString& family) override;
    bool HasItem(const QString& family, const QString& name) override;
    bool AddItem(const QString& family, const QString& name) override;
    bool AddBlogLink(const QString& family, const QString& name, const QString& title,
                     const QString& link) override;

    // The record of a plant; null outside the items.
    const PlantItemRecord* Record(int item) const;
    // The item a row names; -1 for a missing row or a value naming no item.
    int ItemOfRow(IItemList* list, int row) const;

private:
    // The steps of Init, in the order they run.
    void AddFamilies();
    void AddNotFamilies();
    // The item file of the row's plant; empty when the row names none.
    QString RowPath(IItemList* list, int row) const;
    // The first plant of the family whose Name or Name2 is name; -1 when none.
    int FindPlant(const QString& family, const QString& name) const;
    // The first page number whose Blog%d and Link%d are both empty; -1 when all are used.
    int FreePageNumber(const QString& path) const;
};
