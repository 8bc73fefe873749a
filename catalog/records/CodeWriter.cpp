// Appending codes to item files and records.
#include "catalog/records/CodeWriter.h"

#include "catalog/GroupBase.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/TextParsers.h"
#include "catalog/window/IItemList.h"
#include "platform/Profile.h"

namespace code_writer {

namespace {

const QString kMarked = QStringLiteral("V");
const QString kVisitKey = QStringLiteral("Visit");

// Atlas pages run from 1 to this.
constexpr int kMaxAtlasPage = 999;
// Date texts read a year up to this as no year at all; such an ROC year is written in the
// Gregorian era, which the reader turns back into the ROC year.
constexpr int kLastUnreadRocYear = 80;
constexpr int kRocEraOffset = 1911;

} // namespace

bool IsAtlasCode(int code)
{
    const int kind = AtlasRefKind(code);
    const int volume = AtlasRefVolume(code);
    const int page = AtlasRefPage(code);
    return code > 0 && (kind == kAtlasKindBlueSky || kind == kAtlasKindQuill) && volume >= 1 &&
           volume <= kAtlasVolumeCount && page >= 1 && page <= kMaxAtlasPage &&
           AtlasRefCode(kind, volume, page) == code;
}

bool AtlasValueText(int code, QString* text)
{
    if (!IsAtlasCode(code))
        return false;
    return AtlasRefKind(code) == kAtlasKindBlueSky ? FormatAtlasRefInParens(code, text)
                                                   : FormatAtlasRefDashed(code, text);
}

QString MateDateText(int code)
{
    const int date = code % CGroupTalvane::kMateCodeFactor;
    const int year = date / CGroupTalvane::kMateYearFactor;
    const int month = date / CGroupTalvane::kMateMonthFactor % CGroupTalvane::kMateMonthFactor;
    const int day = date % CGroupTalvane::kMateMonthFactor;
    if (year < CGroupTalvane::kMinMateYear)
        return QString();
    const int written = year <= kLastUnreadRocYear ? year + kRocEraOffset : year;
    const QString text = QStringLiteral("%1/%2/%3").arg(written).arg(month).arg(day);
    int y = 0, m = 0, d = 0;
    if (!ParseDateText(text, &y, &m, &d) || y != year || m != month || d != day)
        return QString();
    return text;
}

bool AppendCode(CGroupBase& group, IItemList* list, int row, int item,
                int32_t (&codes)[kMaxCodes], int position, int code, const QString& key,
                const QString& value, int column)
{
    const QString path = group.ItemPath(item);
    if (position < 0 || position >= kMaxCodes || path.isEmpty() ||
        !group.ReadItemText(path, key).isEmpty() ||
        !platform::WriteProfileString(path, group.Key(), key, value))
        return false;
    codes[position] = code;
    if (position + 1 < kMaxCodes)
        codes[position + 1] = 0;
    list->SetCellText(row, column, kMarked);
    return true;
}

bool AppendVisit(CGroupBase& group, IItemList* list, int row, int item,
                 int32_t (&visits)[kMaxCodes], int walkNumber, int column)
{
    if (walkNumber <= 0)
        return false;
    const CodeScan scan = ScanCodes(visits, walkNumber, [](int) { return false; });
    if (scan.held || scan.length >= kMaxCodes)
        return false;
    return AppendCode(group, list, row, item, visits, scan.length, walkNumber,
                      FormatNumberedKey(kVisitKey, scan.length + 1), QString::number(walkNumber),
                      column);
}

} // namespace code_writer
