// The peak group's item list: the five columns, the row of a peak (or of one of its stones),
// the row of a survey stone shown among peaks, what a row value names, and map points.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/records/ItemRowValue.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/StoneNumber.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IPointView.h"

#include <algorithm>

namespace {

using Column = CGroupTalvane::ListColumn;

const QString kNameTitle = QStringLiteral("山名");
const QString kHeightTitle = QStringLiteral("標高(m)");
const QString kStonesTitle = QStringLiteral("基石");
const QString kRegionTitle = QStringLiteral("地區");
const QString kClimbedTitle = QStringLiteral("已爬");
const QString kAssignedTitle = QStringLiteral("已設定");
const QString kMarked = QStringLiteral("V");

struct ColumnSpec {
    const QString* title;
    int width;
    ColumnAlign align;
};

// The columns in order, the fifth titled by the caller.
void InsertColumns(IItemList* list, const int (&widths)[Column::kCount], const QString& lastTitle)
{
    const ColumnSpec specs[Column::kCount] = {
        {&kNameTitle, widths[Column::kName], ColumnAlign::Left},
        {&kHeightTitle, widths[Column::kHeight], ColumnAlign::Right},
        {&kStonesTitle, widths[Column::kStones], ColumnAlign::Left},
        {&kRegionTitle, widths[Column::kRegion], ColumnAlign::Left},
        {&lastTitle, widths[Column::kClimbed], ColumnAlign::Left},
    };
    for (int c = 0; c < Column::kCount; ++c)
        list->InsertColumn(c, *specs[c].title, specs[c].width, specs[c].align);
}

constexpr int kDefaultWidths[Column::kCount] = {Column::kNameWidth, Column::kHeightWidth,
                                                Column::kStonesWidth, Column::kRegionWidth,
                                                Column::kClimbedWidth};

// A saved layout is this group's own when it holds all five columns and the third is the
// stones column.
bool IsOwnLayout(const ColumnLayout* layout)
{
    return layout && layout->columns.size() >= Column::kCount
           && layout->columns[Column::kStones].title == kStonesTitle;
}

QString NameText(const TalvaneItemRecord& r)
{
    const QString name2 = FieldText(r.Name2);
    const QString name = FieldText(r.Name);
    return name2.isEmpty() ? name : name + QLatin1Char('(') + name2 + QLatin1Char(')');
}

// One of a peak's three stones with its alias and status.
struct PeakStone {
    const char16_t (&stone)[TalvaneItemRecord::kStoneWidth];
    const char16_t (&alias)[TalvaneItemRecord::kStoneWidth];
    const char16_t (&status)[TalvaneItemRecord::kStoneStatusWidth];
};

PeakStone StoneOf(const TalvaneItemRecord& r, int slot)
{
    switch (slot) {
    case 1:
        return {r.Stone2, r.StoneAlias2, r.StoneStatus2};
    case 2:
        return {r.Stone3, r.StoneAlias3, r.StoneStatus3};
    default:
        return {r.Stone, r.StoneAlias, r.StoneStatus};
    }
}

void AppendStone(QString* text, const PeakStone& s, bool aliasFirst)
{
    AppendNameWithNote(text, FieldText(s.stone), FieldText(s.alias), FieldText(s.status),
                       StoneNote{.formatNumber = false, .aliasFirst = aliasFirst});
}

// The stones column: the row's own stone first (with the alias where the caller wants it),
// then the peak's others in their order.
QString StonesText(const TalvaneItemRecord& r, const CGroupTalvane::RowOptions& o)
{
    QString text;
    if (o.secondStone)
        AppendStone(&text, StoneOf(r, 1), o.aliasFirst);
    else if (o.thirdStone)
        AppendStone(&text, StoneOf(r, 2), o.aliasFirst);
    AppendStone(&text, StoneOf(r, 0), o.aliasFirst);
    if (!o.secondStone)
        AppendStone(&text, StoneOf(r, 1), false);
    if (!o.thirdStone)
        AppendStone(&text, StoneOf(r, 2), false);
    return text;
}

quint32 PeakRowValue(int item, const CGroupTalvane::RowOptions& o)
{
    if (o.secondStone)
        return ItemRowValue::kSecondStone + quint32(item);
    if (o.thirdStone)
        return ItemRowValue::kThirdStone + quint32(item);
    return quint32(item);
}

} // namespace

void CGroupTalvane::SetupItemColumns(IItemList* list, const ColumnLayout* layout)
{
    std::fill(std::begin(sortDescending), std::end(sortDescending), false);
    if (!list)
        return;
    const bool own = IsOwnLayout(layout);
    int widths[Column::kCount];
    for (int c = 0; c < Column::kCount; ++c)
        widths[c] = own ? layout->columns[c].width : kDefaultWidths[c];
    InsertColumns(list, widths, kClimbedTitle);
}

void CGroupTalvane::SetupAssignColumns(IItemList* list)
{
    std::fill(std::begin(sortDescending), std::end(sortDescending), false);
    if (list)
        InsertColumns(list, kDefaultWidths, kAssignedTitle);
}

bool CGroupTalvane::InsertItemRow(IItemList* list, int row, int item)
{
    return InsertItemRowAt(list, row, item, RowOptions{});
}

bool CGroupTalvane::InsertItemRowAt(IItemList* list, int row, int item, const RowOptions& o)
{
    const TalvaneItemRecord* r = Record(item);
    if (!list || !r)
        return false;
    const int at = list->InsertRow(row, NameText(*r), PeakRowValue(item, o));
    if (at < 0)
        return false;
    list->SetCellText(at, Column::kHeight, QString::number(r->Height));
    list->SetCellText(at, Column::kStones, StonesText(*r, o));
    list->SetCellText(at, Column::kRegion, ConvertDisplayName(FieldText(r->Region)));
    const bool marked = o.markGiven ? o.mark : CountVisits(item) >= 1;
    list->SetCellText(at, Column::kClimbed, marked ? kMarked : QString());
    return true;
}

bool CGroupTalvane::InsertTalvaneRow(IItemList* list, int row, const CGroupBase* stones,
                                     int stone, bool aliasFirst)
{
    const StoneItemRecord* s = stones ? stones->ItemAs<StoneItemRecord>(stone) : nullptr;
    if (!list || !s)
        return false;
    const quint32 value = ItemRowValue::kStoneGroup + quint32(stone);
    const int at = list->InsertRow(row, FieldText(s->Name), value);
    if (at < 0)
        return false;
    QString stonesText;
    AppendNameWithNote(&stonesText, FieldText(s->Stone), FieldText(s->StoneAlias),
                       FieldText(s->StoneStatus),
                       StoneNote{.formatNumber = false, .aliasFirst = aliasFirst});
    list->SetCellText(at, Column::kHeight, QString::number(s->Height));
    list->SetCellText(at, Column::kStones, stonesText);
    list->SetCellText(at, Column::kRegion, ConvertDisplayName(FieldText(s->Region)));
    list->SetCellText(at, Column::kClimbed, s->Visits[0] >= 1 ? kMarked : QString());
    return true;
}

CGroupTalvane::RowRecord CGroupTalvane::ResolveRow(quint32 value, const CGroupBase* stones) const
{
    const ItemRowValue v = ItemRowValue::Decode(value);
    switch (v.kind) {
    case ItemRowValue::Kind::Item:
        return {Record(v.index), nullptr, 0};
    case ItemRowValue::Kind::SecondStone:
        return {Record(v.index), nullptr, 1};
    case ItemRowValue::Kind::ThirdStone:
        return {Record(v.index), nullptr, 2};
    case ItemRowValue::Kind::StoneGroup:
        return {nullptr, stones ? stones->ItemAs<StoneItemRecord>(v.index) : nullptr, 0};
    case ItemRowValue::Kind::None:
        break;
    }
    return {};
}

int CGroupTalvane::GetDefaultSortColumn()
{
    return Column::kStones;
}

bool CGroupTalvane::ShowItemOnMap(IPointView* view, int item)
{
    return ShowItemOnMapAt(view, item, 0);
}

bool CGroupTalvane::ShowItemOnMapAt(IPointView* view, int item, int number,
                                    std::optional<quint32> key)
{
    const TalvaneItemRecord* r = Record(item);
    if (!view || !r)
        return false;
    return view->AddItem(r->Longitude, r->Attitude, key.value_or(quint32(item)), FieldText(r->Name),
                         FormatTalvaneDescription(*r), CountVisits(item), number);
}
