#include "ui/views/MapCollisionGrid.h"

#include <algorithm>

MapCollisionGrid::MapCollisionGrid(int clientWidth, int clientHeight)
    : columns_(std::max(1, (clientWidth + kCellSize - 1) / kCellSize)),
      rows_(std::max(1, (clientHeight + kCellSize - 1) / kCellSize)),
      cells_(size_t(columns_) * size_t(rows_))
{
}

bool MapCollisionGrid::CellRange(const MapRect& rect, int* col0, int* row0, int* col1,
                                 int* row1) const
{
    if (rect.IsEmpty() || rect.right <= 0 || rect.bottom <= 0)
        return false;
    // Right and bottom lie outside: the last pixel is one before them.
    *col0 = std::max(0, rect.left) / kCellSize;
    *row0 = std::max(0, rect.top) / kCellSize;
    *col1 = std::min(columns_ - 1, (rect.right - 1) / kCellSize);
    *row1 = std::min(rows_ - 1, (rect.bottom - 1) / kCellSize);
    return *col0 <= *col1 && *row0 <= *row1;
}

void MapCollisionGrid::Add(int index, const MapRect& rect)
{
    int col0, row0, col1, row1;
    if (!CellRange(rect, &col0, &row0, &col1, &row1))
        return;
    const int entry = int(entries_.size());
    entries_.push_back(Entry{index, rect});
    for (int row = row0; row <= row1; ++row)
        for (int col = col0; col <= col1; ++col)
            cells_[size_t(row) * size_t(columns_) + size_t(col)].push_back(entry);
}

bool MapCollisionGrid::Collides(int index, const MapRect& candidate) const
{
    int col0, row0, col1, row1;
    if (!CellRange(candidate, &col0, &row0, &col1, &row1))
        return false;
    for (int row = row0; row <= row1; ++row) {
        for (int col = col0; col <= col1; ++col) {
            for (int entry : cells_[size_t(row) * size_t(columns_) + size_t(col)]) {
                const Entry& e = entries_[size_t(entry)];
                if (e.index != index && candidate.Intersects(e.rect))
                    return true;
            }
        }
    }
    return false;
}
