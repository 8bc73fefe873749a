#include "ui/views/photos/PhotoGrid.h"

#include <algorithm>
#include <cmath>

namespace {

// The height of the row of columns photos starting at first: the lowest of them.
qint64 RowHeight(const std::vector<PhotoGrid::Size>& sizes, size_t first, int columns)
{
    const size_t end = std::min(sizes.size(), first + size_t(columns));
    qint64 height = sizes[first].height;
    for (size_t i = first + 1; i < end; ++i)
        height = std::min(height, sizes[i].height);
    return height;
}

// A photo's width at a row height, in whole photo pixels.
qint64 CellWidth(const PhotoGrid::Size& size, qint64 rowHeight)
{
    return rowHeight * size.width / size.height;
}

} // namespace

int PhotoGrid::MaxColumns(size_t count)
{
    return int(std::sqrt(double(count))) + 1;
}

PhotoGrid::Size PhotoGrid::Measure(const std::vector<Size>& sizes, int columns)
{
    Size grid;
    for (size_t first = 0; first < sizes.size(); first += size_t(columns)) {
        const qint64 rowHeight = RowHeight(sizes, first, columns);
        const size_t end = std::min(sizes.size(), first + size_t(columns));
        qint64 rowWidth = 0;
        for (size_t i = first; i < end; ++i)
            rowWidth += CellWidth(sizes[i], rowHeight);
        grid.width = std::max(grid.width, rowWidth);
        grid.height += rowHeight;
    }
    return grid;
}

PhotoGrid::Result PhotoGrid::Arrange(const std::vector<Size>& sizes, double clientAspect)
{
    Result result;
    if (sizes.empty())
        return result;
    // Without a winner (an aspect far beyond any client's) the photos still stand one per row.
    int best = 1;
    double bestDifference = kStartDifference;
    const int maxColumns = MaxColumns(sizes.size());
    for (int m = 1; m <= maxColumns; ++m) {
        const Size grid = Measure(sizes, m);
        const double difference = std::fabs(double(grid.width) / double(grid.height) - clientAspect);
        if (difference < bestDifference) {
            best = m;
            bestDifference = difference;
        }
    }
    Place(sizes, best, &result);
    return result;
}

void PhotoGrid::Place(const std::vector<Size>& sizes, int columns, Result* result)
{
    result->columns = columns;
    result->cells.resize(sizes.size());
    qint64 y = 0;
    for (size_t first = 0; first < sizes.size(); first += size_t(columns)) {
        const qint64 rowHeight = RowHeight(sizes, first, columns);
        const size_t end = std::min(sizes.size(), first + size_t(columns));
        qint64 x = 0;
        for (size_t i = first; i < end; ++i) {
            const qint64 width = CellWidth(sizes[i], rowHeight);
            result->cells[i] = Cell{x, y, width, rowHeight};
            x += width;
        }
        result->width = std::max(result->width, x);
        y += rowHeight;
    }
    result->height = y;
}
