// The shared walk-date table and the rule for the date texts of the walk index page.
#include "catalog/subsets/visits/WalkDates.h"

#include "catalog/text/LocalPages.h"
#include "catalog/text/TextParsers.h"

namespace {

constexpr char16_t kDateSeparator = u'/';

} // namespace

WalkDate ParseWalkDate(QStringView text)
{
    WalkDate date;
    date.year = ParseDecimalPrefix(text);
    const qsizetype first = text.indexOf(kDateSeparator);
    if (first < 0)
        return date;
    date.month = ParseDecimalPrefix(text.mid(first + 1));
    const qsizetype second = text.indexOf(kDateSeparator, first + 1);
    if (second >= 0)
        date.day = ParseDecimalPrefix(text.mid(second + 1));
    return date;
}

WalkDates& WalkDates::Program()
{
    static WalkDates table;
    return table;
}

int WalkDates::Ensure()
{
    if (rows > 0)
        return rows;
    return EnsureFrom(WalkIndexFile());
}

int WalkDates::EnsureFrom(const QString& path)
{
    if (rows > 0 || path.isEmpty())
        return rows;
    WalkIndex index;
    const int read = ReadHtmlTableRows(path, &index);
    if (read <= 0)
        return rows;
    dates = std::move(index.dates);
    rows = read;
    return rows;
}

WalkDate WalkDates::DateOf(int walk) const
{
    if (walk < 1 || walk >= kMaxWalks || std::size_t(walk) >= dates.size())
        return {};
    return ParseWalkDate(dates[std::size_t(walk)]);
}

void WalkDates::Reset()
{
    dates.clear();
    rows = 0;
}
