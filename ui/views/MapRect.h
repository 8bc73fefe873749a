#pragma once
// A client rectangle of the map: left and top lie inside it, right and bottom outside, so two
// rectangles that only touch do not intersect and one with right <= left holds nothing.
#include <QRect>

#include <algorithm>

struct MapRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    // True when the two share at least one pixel.
    bool Intersects(const MapRect& other) const
    {
        return std::max(left, other.left) < std::min(right, other.right)
               && std::max(top, other.top) < std::min(bottom, other.bottom);
    }
    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    bool operator==(const MapRect&) const = default;
};
