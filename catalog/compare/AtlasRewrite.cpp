#include "catalog/compare/AtlasRewrite.h"

#include "catalog/GroupBase.h"
#include "catalog/compare/AtlasKeys.h"
#include "catalog/compare/AtlasProgress.h"
#include "catalog/text/TextParsers.h"
#include "platform/Profile.h"

namespace {

constexpr int kPageDigits = 3;

// Rewrites one item's matching keys; false when a write failed.
bool RewriteItemKeys(const QString& path, const QString& section, const QString& oldText,
                     const QString& newText, int* written)
{
    for (int k = 1; k <= kMaxAtlasKeysPerItem; ++k) {
        const QString key = FormatNumberedKey(kBlueSkyKeyPattern, k);
        const QString value = platform::GetProfileString(path, section, key);
        if (value.isEmpty())
            return true;
        if (value != oldText)
            continue;
        if (!platform::WriteProfileString(path, section, key, newText))
            return false;
        ++*written;
    }
    return true;
}

} // namespace

QString RewriteOldStyleReference(const QString& reference, const GuideEntry& page)
{
    const QString oldName = kOldStyleBlueSkyName.toString() + QStringLiteral("[%1]").arg(page.volume);
    const QString newName = QStringLiteral("(%1%2)").arg(
        page.volumeText, QStringLiteral("%1").arg(page.page, kPageDigits, 10, QLatin1Char('0')));
    QString text = reference;
    return text.replace(oldName, newName);
}

AtlasRewriteResult RewriteAtlasKeys(const CGroupBase& group, const QString& oldText,
                                    const QString& newText, AtlasProgress* progress)
{
    AtlasRewriteResult result;
    for (int item = 0; item < group.ItemCount() && !result.failed; ++item) {
        if (progress)
            progress->Step(item + 1);
        result.failed = !RewriteItemKeys(group.ItemPath(item), group.Key(), oldText, newText,
                                         &result.written);
    }
    if (progress)
        progress->ShowLast();
    return result;
}
