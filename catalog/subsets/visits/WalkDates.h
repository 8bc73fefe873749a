#pragma once
// The dates of the owner's walks, read from the walk index page ([Template] WalkIndexFile of
// "Local.txt") and shared by every re-visit subset of the run. A page that gave no rows is read
// again at the next use; once rows were read they stay for the run.
#include "catalog/text/HtmlTableReader.h"

#include <QString>
#include <QStringView>

#include <compare>
#include <vector>

// A walk date as a (year, month, day) triple, compared part by part and never turned into a
// calendar date (so 29 February of any year compares). A year of 0 or less means no date.
struct WalkDate {
    int year = 0;
    int month = 0;
    int day = 0;

    bool Known() const { return year > 0; }
    auto operator<=>(const WalkDate&) const = default;
};

// A date text "year/month/day": the decimal number at the start, the one after the first "/"
// and the one after the second "/", as written (no era conversion); a missing part is 0.
WalkDate ParseWalkDate(QStringView text);

class WalkDates {
public:
    // Walks 1 up to kMaxWalks - 1 have a place in the table; any other number has no date.
    static constexpr int kMaxWalks = WalkIndex::kMaxWalks;

    // The table of the run.
    static WalkDates& Program();

    // Reads the walk index page when no rows are held; the number of rows held.
    int Ensure();
    // The date of a walk; year 0 when the walk has none or lies outside the table.
    WalkDate DateOf(int walk) const;
    int RowCount() const { return rows; }
    // Reads the page at path when no rows are held (an empty path reads nothing).
    int EnsureFrom(const QString& path);
    // Forgets the table; the next use reads the page again.
    void Reset();

private:
    std::vector<QString> dates;
    int rows = 0;
};
