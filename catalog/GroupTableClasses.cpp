// The group classes of the program, in the order the group factory tries them on a folder's
// first item file: peaks, survey stones, trails, old trails, waterfalls, plants. A folder without
// item files becomes the group its fallback position names (peaks 0, survey stones 1, old
// trails 2). Each group class adds its entry here.
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/plant/GroupPlant.h"
#include "catalog/stone/GroupStone.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/trail/GroupOldTrail.h"
#include "catalog/trail/GroupTrail.h"
#include "catalog/waterfall/GroupWaterfall.h"

namespace {

constexpr int kPeakFallbackPosition = 0;
constexpr int kStoneFallbackPosition = 1;
constexpr int kOldTrailFallbackPosition = 2;
constexpr int kNoFallback = -1;

} // namespace

QList<GroupClassEntry> ProgramGroupClasses()
{
    return {
        {[] { return std::make_unique<CGroupTalvane>(); }, kPeakFallbackPosition},
        {[] { return std::make_unique<CGroupStone>(); }, kStoneFallbackPosition},
        {[] { return std::make_unique<CGroupTrail>(); }, kNoFallback},
        {[] { return std::make_unique<CGroupOldTrail>(); }, kOldTrailFallbackPosition},
        {[] { return std::make_unique<CGroupWaterfall>(); }, kNoFallback},
        {[] { return std::make_unique<CGroupPlant>(); }, kNoFallback},
    };
}
