#pragma once
// Rewrites an old-style BlueSky reference ("藍天圖集[15]雪山") of the item files into the
// reference of the atlas page it was paired with ("(十五045)雪山").
#include "catalog/text/GuideEntry.h"

#include <QString>

class AtlasProgress;
class CGroupBase;

// reference with every "藍天圖集[<page's volume>]" replaced by "(<volume text><page, 3 digits>)".
QString RewriteOldStyleReference(const QString& reference, const GuideEntry& page);

struct AtlasRewriteResult {
    int written = 0;      // keys rewritten
    bool failed = false;  // a write failed; the pass stopped there
};

// Writes newText under every BlueSky%d key of the group's item files whose value equals oldText
// (k = 1 to 30, an empty value ends an item's keys); every other key and byte stays. Progress
// "%d..." through progress (may be null), which shows the last item number at the end.
AtlasRewriteResult RewriteAtlasKeys(const CGroupBase& group, const QString& oldText,
                                    const QString& newText, AtlasProgress* progress);
