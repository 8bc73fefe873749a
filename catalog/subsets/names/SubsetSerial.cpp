// A series subset: its words, its peaks and the series sort.
#include "catalog/subsets/names/SubsetSerial.h"

#include "catalog/subsets/names/PeakNameListing.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/window/IItemList.h"
#include "platform/Profile.h"

namespace {

const QString kSerialSection = QStringLiteral("Serial");
const QString kNumeralKey = QStringLiteral("數字");

using S = CSubsetSerial;

// The numeral value of the word at list position p (from 1) of the numeral series.
int NumeralValue(int p)
{
    switch (p) {
    case S::kTenPosition + 1:
        return S::kHundredValue;
    case S::kTenPosition + 2:
        return S::kThousandValue;
    case S::kTenPosition + 3:
        return S::kTenThousandValue;
    default:
        return p;
    }
}

bool StandsAt(const QString& name, const QString& word, qsizetype at)
{
    return at >= 0 && at + word.size() <= name.size() &&
           QStringView(name).sliced(at, word.size()) == word;
}

int ThreeWay(int a, int b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

CSubsetSerial::CSubsetSerial(const QString& key, CGroupTalvane* group)
    : CSubsetBase(kTypeSerial, kFolderBasic, key + u'山', group ? group->Key() : QString()),
      key(key), group(group)
{
}

int CSubsetSerial::ReadWords()
{
    words.clear();
    if (!group)
        return 0;
    const QString text = platform::GetProfileString(group->SettingsFile(), kSerialSection, key);
    return SplitList(text, &words, kMaxWords);
}

bool CSubsetSerial::HoldsWord(const QString& name) const
{
    for (const QString& word : words)
        if (name.contains(word))
            return true;
    return false;
}

int CSubsetSerial::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    ReadWords();
    return PeakNameListing(group, [this](const QString& n) { return HoldsWord(n); })
        .Fill(list, columns);
}

int CSubsetSerial::MarkOnMap(IPointView* view)
{
    ReadWords();
    return PeakNameListing(group, [this](const QString& n) { return HoldsWord(n); }).Mark(view);
}

bool CSubsetSerial::SortItemList(IItemList* list, int column)
{
    if (column != 0 || !list)
        return false;
    ascending = !ascending;
    list->SortRows([this](quint32 a, quint32 b) { return CompareSerialRows(a, b, this); });
    return true;
}

int CSubsetSerial::RowValue(quint32 data) const
{
    if (data > kLastPeakRow || !group)
        return 0;
    QString name, name2;
    group->GetItemNames(int(data), &name, &name2);
    const int value = WordValue(name, false);
    return value != 0 ? value : WordValue(name2, true);
}

int CompareSerialRows(quint32 data1, quint32 data2, const CSubsetSerial* subset)
{
    if (!subset)
        return 0;
    const int order = ThreeWay(subset->RowValue(data1), subset->RowValue(data2));
    return subset->Ascending() ? order : -order;
}

bool CSubsetSerial::IsNumeralSeries() const
{
    return key == kNumeralKey;
}

int CSubsetSerial::ValuedWordCount() const
{
    const int count = int(words.size());
    return IsNumeralSeries() ? qMin(count, kNumeralWords) : count;
}

int CSubsetSerial::WordAt(const QString& name, qsizetype at) const
{
    for (int i = 0; i < ValuedWordCount(); ++i)
        if (StandsAt(name, words[i], at))
            return i + 1;
    return 0;
}

int CSubsetSerial::WordValue(const QString& name, bool isSecondName) const
{
    for (int i = 0; i < ValuedWordCount(); ++i) {
        const qsizetype s = name.indexOf(words[i]);
        if (s < 0)
            continue;
        const int number = IsNumeralSeries() ? NumeralNumber(name, i + 1, s) : i + 1;
        return kValueFactor * number + (s > 0 ? kNotAtStart : 0) +
               (isSecondName ? kSecondName : 0);
    }
    return 0;
}

// The first word in list order standing right after the found word, or (when the found word is
// not at the start) right before it, decides how the two combine.
int CSubsetSerial::NumeralNumber(const QString& name, int found, qsizetype s) const
{
    const int v = NumeralValue(found);
    for (int i = 0; i < ValuedWordCount(); ++i) {
        const int d = NumeralValue(i + 1);
        if (StandsAt(name, words[i], s + 1))
            return AfterNumber(name, v, d, s);
        if (s > 0 && StandsAt(name, words[i], s - 1))
            return BeforeNumber(name, v, d, s);
    }
    return v;
}

// A word after the found one: 二十 is 2 × 10, 二十三 is 2 × 10 + 3, 三百 is 3 × 100.
int CSubsetSerial::AfterNumber(const QString& name, int v, int d, qsizetype s) const
{
    if (d == kTenValue) {
        const int next = WordAt(name, s + 2);
        if (next > 0 && next < kTenPosition)
            d = NumeralValue(next);
    }
    if (v < kTenValue)
        return d >= kTenValue ? v * d : v * kTenValue + d;
    return d < kTenValue ? v + d : v;
}

// A word before the found one: 十三 read from 三 is 10 + 3, 五十一 read from 一 is 5 × 10 + 1.
int CSubsetSerial::BeforeNumber(const QString& name, int v, int d, qsizetype s) const
{
    if (d == kTenValue) {
        const int e = s - 1 > 0 ? WordAt(name, s - 2) : 0;
        if (e > 0 && e < kTenPosition)
            return v < kTenValue ? v + NumeralValue(e) * kTenValue : NumeralValue(e) * v;
        return v < kTenValue ? v + kTenValue : kTenValue;
    }
    if (d < kTenValue)
        return v < kTenValue ? v + d * kTenValue : d * v;
    return v < kTenValue ? v + d : d;
}
