// Rebuilding the groups from their item files, and adding a plant from a blog entry: the plant
// that the entry's title names, its family and item file where they are missing, and the entry
// as a link of the plant, which is then shown.
#include "ui/maindlg/TalvaneDlg.h"

#include "catalog/GroupBase.h"
#include "catalog/PlantOperations.h"
#include "catalog/subsets/SubsetBase.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/maindlg/PlantTitle.h"

#include <QTreeWidget>

namespace {

// The blog sites whose titles name a plant: "name(family)" on the third part; on the others the
// bracketed text is searched among the plants.
const QString kSiteNamingPlant = QStringLiteral("嵐間雜記？(part 3)");
const QString kSitesSearched[] = {QStringLiteral("嵐間雜記？(part 2)"), QStringLiteral("嵐間雜記？")};

const QString kMissingFamily = QStringLiteral("植物科別[%1]不存在！");
const QString kMissingPlant = QStringLiteral("植物[%1(%2)]不存在！");

enum class BlogSite { NamingPlant, Searched, Other };

BlogSite SiteOf(const QString& site)
{
    if (site == kSiteNamingPlant)
        return BlogSite::NamingPlant;
    for (const QString& searched : kSitesSearched)
        if (site == searched)
            return BlogSite::Searched;
    return BlogSite::Other;
}

// Runs the add-plant dialog until its title names a plant, keeping what was entered for the next
// run; false when it is cancelled, the site is none of the blog's, or the search is cancelled.
bool AskPlant(IMainDialogs* dialogs, QWidget* parent, CGroupBase* group, AddPlantInput* input,
              PlantTitle* plant)
{
    for (;;) {
        if (!dialogs->AddPlant(parent, input))
            return false;
        const BlogSite site = SiteOf(input->site);
        PlantTitle named;
        if (site == BlogSite::Other)
            return false;
        if (!ParsePlantTitle(input->title, &named) || (site == BlogSite::NamingPlant && named.name.isEmpty()))
            continue;
        if (site == BlogSite::NamingPlant) {
            *plant = named;
            return true;
        }
        // A plant without a family cannot be filed under one.
        return dialogs->FindPlant(parent, group, named.family, &plant->family, &plant->name)
               && !plant->family.isEmpty() && !plant->name.isEmpty();
    }
}

void Tell(IMessageBox* messages, const QString& text)
{
    if (messages)
        messages->Show(text, MessageIcon::Exclamation);
}

// Adds the family to the settings and the plant's item file where they are missing, telling the
// user first; the family becomes the one an alias stands for. True when an item file was created.
bool AddMissing(IPlantOperations* plants, IMessageBox* messages, PlantTitle* plant)
{
    if (!plants->NormalizeClass(&plant->family)) {
        Tell(messages, kMissingFamily.arg(plant->family));
        plants->AddClass(plant->family);
    }
    if (plants->HasItem(plant->family, plant->name))
        return false;
    Tell(messages, kMissingPlant.arg(plant->name, plant->family));
    return plants->AddItem(plant->family, plant->name);
}

// The tree node of a family: the node of that text, else the family subset's node, whose text
// carries the family's count once it was shown.
TreeNode FamilyNode(CGroupBase* group, ISubsetTree* tree, const QString& family)
{
    const TreeNode node = group->FindTreeItemByText(tree, family);
    if (node != kNoTreeNode)
        return node;
    for (int index = 0; index < group->SubsetCount(); ++index) {
        const CSubsetBase* subset = group->Subset(index);
        if (subset && subset->TypeCode() == CSubsetBase::kTypePlantClass && subset->TreeName() == family)
            return group->FindTreeItemBySubset(tree, index);
    }
    return kNoTreeNode;
}

} // namespace

void CTalvaneDlg::ConnectUpdateCommands()
{
    Commands().On(kUpdateDatabase, [this] { OnBnClickedUpdateDatabase(); });
    Commands().On(kAddPlant, [this] { OnBnClickedAddPlant(); });
}

void CTalvaneDlg::OnBnClickedUpdateDatabase()
{
    if (groupList_.CurrentSelection() < 0)
        return;
    // Nothing may refer to the groups once they are freed: neither the shown group and subset
    // nor the points a subset marked, whose group is known by its address.
    currentGroup_ = nullptr;
    currentSubset_ = -1;
    ForgetOtherGroupsPoints(nullptr);
    groupTable_.FreeGroups();

    const TreeNode selected = subsetTree_.SelectedNode();
    const SavedSubset remembered{int(subsetTree_.NodeData(selected)), subsetTree_.NodeText(selected)};
    OnLbnSelchangeGroupList();
    if (!currentGroup_)
        return;
    // By index while that index still names the subset, else by the text it was shown with.
    TreeNode node = RestorableNode(remembered);
    if (node == kNoTreeNode && !remembered.text.isEmpty())
        node = currentGroup_->FindTreeItemByText(&subsetTree_, remembered.text);
    if (node == kNoTreeNode)
        return;
    // The tree's selection change shows the subset.
    subsetTree_.SelectNode(node);
    subsetTreeWidget_->setFocus();
}

void CTalvaneDlg::OnBnClickedAddPlant()
{
    // Only a group that keeps plants can take one.
    if (!dynamic_cast<IPlantOperations*>(currentGroup_) || !dialogs_)
        return;
    AddPlantInput input;
    PlantTitle plant;
    if (!AskPlant(dialogs_, this, currentGroup_, &input, &plant))
        return;
    // Taken again after the dialogs: nothing of the group is kept across them.
    auto* plants = dynamic_cast<IPlantOperations*>(currentGroup_);
    if (!plants)
        return;
    const bool created = AddMissing(plants, messages_, &plant);
    plants->AddBlogLink(plant.family, plant.name, input.site + input.title, input.address);
    // The update frees the groups: from here on only the group taken afresh is used.
    if (created)
        OnBnClickedUpdateDatabase();
    ShowPlant(plant.family, plant.name);
}

void CTalvaneDlg::ShowPlant(const QString& family, const QString& name)
{
    if (!currentGroup_)
        return;
    const TreeNode node = FamilyNode(currentGroup_, &subsetTree_, family);
    if (node != kNoTreeNode) {
        subsetTree_.SelectNode(node);
        RefreshSubset();
    }
    for (int row = 0; row < itemList_.RowCount(); ++row) {
        if (itemList_.CellText(row, 0) != name)
            continue;
        itemList_.SelectRow(row, true);
        itemList_.SetCurrentRow(row);
        itemList_.EnsureVisible(row);
        OnLvnItemchangedItemList();
        return;
    }
}
