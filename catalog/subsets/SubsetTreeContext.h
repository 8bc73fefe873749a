#pragma once
// The parent nodes that subsets remember while their group fills the subset tree: the last
// top-level region node (a sub-region goes under it) and the last heading title node (the
// other titles of its set go under it). The group resets both when it starts a filling, so a
// node of an earlier filling, whose handle names no node any more, never becomes a parent.
#include "catalog/window/ISubsetTree.h"

struct SubsetTreeContext {
    TreeNode lastRegionNode = kNoTreeNode;
    TreeNode lastTitleNode = kNoTreeNode;
};
