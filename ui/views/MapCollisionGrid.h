#pragma once
// The drawn markers and placed names of a map, sorted into square cells of the client area, so
// that a candidate name rectangle is tested only against the rectangles that share a cell with
// it. Every rectangle that intersects a candidate inside the client shares a cell with it, so
// the answer is that of testing every rectangle.
#include "ui/views/MapRect.h"

#include <vector>

class MapCollisionGrid {
public:
    // Side of a cell in pixels: about one marker, so that a marker touches at most four cells.
    static constexpr int kCellSize = 24;

    MapCollisionGrid(int clientWidth, int clientHeight);

    // Adds the rectangle of point index (its marker or its name); an empty one takes no part.
    void Add(int index, const MapRect& rect);
    // True when candidate intersects a rectangle added for any other point than index.
    bool Collides(int index, const MapRect& candidate) const;

private:
    struct Entry {
        int index;
        MapRect rect;
    };
    // The cells a rectangle reaches, clipped to the grid; false when it reaches none.
    bool CellRange(const MapRect& rect, int* col0, int* row0, int* col1, int* row1) const;

    int columns_;
    int rows_;
    std::vector<Entry> entries_;
    std::vector<std::vector<int>> cells_;  // entry numbers, row by row
};
