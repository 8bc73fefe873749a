#pragma once
// A series subset: the peaks whose Name or Name2 holds a word of a series kept in section
// [Serial] of the main settings file, such as the numerals one to ten. Sorting its first column
// orders the peaks by series position; for the numeral series, by the number the name spells.
#include "catalog/subsets/SubsetBase.h"

#include <QString>
#include <QStringList>

class CGroupTalvane;
class CSubsetSerial;

// The list sort of the series by the rows' item data: the value of a row is 0 for item data
// above 59999, else WordValue of the peak's Name, or when that is 0, of its Name2. The order of
// the two values, reversed when the next sort is descending.
int CompareSerialRows(quint32 data1, quint32 data2, const CSubsetSerial* subset);

class CSubsetSerial : public CSubsetBase {
public:
    // The words of a series that are read; later ones are ignored.
    static constexpr int kMaxWords = 20;
    // The numeral series: list positions 1 to 9 the digits, 10 to 13 the words for ten,
    // hundred, thousand and ten thousand. Words after position 13 have no numeral value.
    static constexpr int kNumeralWords = 13;
    static constexpr int kTenPosition = 10;
    static constexpr int kTenValue = 10;
    static constexpr int kHundredValue = 100, kThousandValue = 1000, kTenThousandValue = 10000;
    // A value is kValueFactor * the number, + kNotAtStart when the word is not at the start of
    // the name, + kSecondName when the name is the peak's Name2.
    static constexpr int kValueFactor = 4, kNotAtStart = 2, kSecondName = 1;
    // The item data above which a row names no peak of the series.
    static constexpr quint32 kLastPeakRow = 59999;

    CSubsetSerial(const QString& key, CGroupTalvane* group);

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;
    // Column 0: sorts by series order, ascending at the first call, reversed at each next one.
    // Any other column: declines, so that the group sorts.
    bool SortItemList(IItemList* list, int column) override;
    int MarkOnMap(IPointView* view) override;

    // Reads the words of the series afresh from the settings file; their count.
    int ReadWords();
    // The sort value of a name by the words last read; 0 when it holds none of them.
    int WordValue(const QString& name, bool isSecondName) const;

    const QString& Key() const { return key; }
    const QStringList& Words() const { return words; }
    bool Ascending() const { return ascending; }
    // The sort value of a row by its item data (see CompareSerialRows); 0 when it names no peak.
    int RowValue(quint32 data) const;

private:
    bool IsNumeralSeries() const;
    // The words that count for WordValue: all of them, or the numerals of the numeral series.
    int ValuedWordCount() const;
    // The position (from 1) of the first valued word standing at at inside name; 0 when none.
    int WordAt(const QString& name, qsizetype at) const;
    // The number a numeral series name spells around the word of position found at s.
    int NumeralNumber(const QString& name, int found, qsizetype s) const;
    int AfterNumber(const QString& name, int v, int d, qsizetype s) const;
    int BeforeNumber(const QString& name, int v, int d, qsizetype s) const;
    bool HoldsWord(const QString& name) const;

    QString key;
    CGroupTalvane* group;
    bool ascending = false;
    QStringList words;
};
