// The peak group's one-line texts: the summary of a selected row (a peak, with the title lists
// that name it, or a survey stone shown among peaks), the short summary and the description
// that labels a peak's map point.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/records/ItemRowValue.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/StoneNumber.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/subsets/titles/SubsetTitle.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IStatusText.h"

namespace {

const QString kPartSeparator = QStringLiteral("，");
const QString kMetres = QStringLiteral("m");
const QChar kListComma = u',';
const QChar kSummaryComma = u'、';

// "(Name2)", or empty.
QString Name2Part(const TalvaneItemRecord& r)
{
    const QString name2 = FieldText(r.Name2);
    return name2.isEmpty() ? QString() : QLatin1Char('(') + name2 + QLatin1Char(')');
}

// The three stones with their display numbers, aliases after them, joined by ",".
QString AllStones(const TalvaneItemRecord& r)
{
    const StoneNote note{.formatNumber = true, .aliasFirst = false};
    QString text;
    AppendNameWithNote(&text, FieldText(r.Stone), FieldText(r.StoneAlias),
                       FieldText(r.StoneStatus), note);
    AppendNameWithNote(&text, FieldText(r.Stone2), FieldText(r.StoneAlias2),
                       FieldText(r.StoneStatus2), note);
    AppendNameWithNote(&text, FieldText(r.Stone3), FieldText(r.StoneAlias3),
                       FieldText(r.StoneStatus3), note);
    return text;
}

QString SummaryCommas(QString text)
{
    return text.replace(kListComma, kSummaryComma);
}

// Name, prefix, "，" height "m，" stones: the start of every peak text.
QString PeakLine(const TalvaneItemRecord& r, const QString& prefix, const QString& stones)
{
    return FieldText(r.Name) + prefix + kPartSeparator + QString::number(r.Height) + kMetres
           + kPartSeparator + stones;
}

QString ShortSummary(const TalvaneItemRecord& r)
{
    return PeakLine(r, SummaryCommas(Name2Part(r)), SummaryCommas(AllStones(r)));
}

// " [region]" with the region's display name.
QString RegionPart(const QString& region)
{
    return QStringLiteral(" [") + ConvertDisplayName(region) + QLatin1Char(']');
}

QString StoneSummary(const StoneItemRecord& s)
{
    return FieldText(s.Name) + kPartSeparator + QString::number(s.Height) + kMetres + kPartSeparator
           + FormatStoneNumber(FieldText(s.Stone)) + RegionPart(FieldText(s.Region));
}

// " title" for every title list of the group that names the peak, in subset order.
QString TitlesNaming(const CGroupTalvane& group, const TalvaneItemRecord& r)
{
    QString titles;
    for (int i = 0; i < group.SubsetCount(); ++i) {
        const auto* title = dynamic_cast<const CSubsetTitle*>(group.Subset(i));
        if (!title || title->TypeCode() != CSubsetBase::kTypeTitle)
            continue;
        QStringList entries;
        const int count = title->ReadEntries(&entries);
        if (MatchItemToEntries(r, count, entries))
            titles += QLatin1Char(' ') + title->DisplayName();
    }
    return titles;
}

} // namespace

bool CGroupTalvane::ShowItemSummary(IStatusText* window, int item)
{
    const TalvaneItemRecord* r = Record(item);
    return r && ShowRecordSummary(window, *r);
}

bool CGroupTalvane::ShowRowSummary(IStatusText* window, IItemList* list, int row)
{
    if (!window || !list || row < 0 || row >= list->RowCount())
        return false;
    const quint32 value = list->RowData(row);
    const bool stoneRow = ItemRowValue::Decode(value).kind == ItemRowValue::Kind::StoneGroup;
    const RowRecord r = ResolveRow(value, stoneRow ? FindRelatedGroup() : nullptr);
    if (r.peak)
        return ShowRecordSummary(window, *r.peak);
    window->SetText(r.stone ? StoneSummary(*r.stone) : QString());
    return r.stone != nullptr;
}

bool CGroupTalvane::ShowRecordSummary(IStatusText* window, const TalvaneItemRecord& record)
{
    if (!window)
        return false;
    window->SetText(ShortSummary(record) + RegionPart(FieldText(record.Region))
                    + TitlesNaming(*this, record));
    return true;
}

bool CGroupTalvane::AppendItemSummary(int item, QString* text)
{
    const TalvaneItemRecord* r = Record(item);
    if (!r || !text)
        return false;
    *text = ShortSummary(*r);
    return true;
}

void CGroupTalvane::FormatItemDescription(int item, QString* text)
{
    if (!text)
        return;
    const TalvaneItemRecord* r = Record(item & kItemIndexMask);
    *text = r ? FormatTalvaneDescription(*r) : QString();
}

QString CGroupTalvane::FormatTalvaneDescription(const TalvaneItemRecord& record)
{
    return PeakLine(record, Name2Part(record), AllStones(record));
}
