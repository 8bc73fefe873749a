#pragma once
// The arrangement of photos in rows of equal height: photos in their order, a fixed number per
// row, each row as high as its lowest photo and each photo as wide as its aspect gives at that
// height. The number per row is the one whose grid comes closest to the aspect of the client.
#include <QtGlobal>

#include <vector>

class PhotoGrid {
public:
    // The difference of aspects a number of columns must beat to be chosen; ties keep the
    // smaller number.
    static constexpr double kStartDifference = 12345;

    struct Size {
        qint64 width = 0;
        qint64 height = 0;
    };
    // A photo's cell in photo pixels, x to the right and y downwards.
    struct Cell {
        qint64 x = 0;
        qint64 y = 0;
        qint64 width = 0;
        qint64 height = 0;
    };
    struct Result {
        int columns = 0;  // 0: nothing to arrange
        qint64 width = 0;
        qint64 height = 0;
        std::vector<Cell> cells;  // one per photo, in their order
    };

    // Arranges photos of the given sizes (each at least 1 by 1) for a client of the aspect
    // width / height.
    static Result Arrange(const std::vector<Size>& sizes, double clientAspect);

    // The width and height of the grid of columns photos per row.
    static Size Measure(const std::vector<Size>& sizes, int columns);
    // The number of columns tried at most: the whole square root of the count, plus one.
    static int MaxColumns(size_t count);

private:
    static void Place(const std::vector<Size>& sizes, int columns, Result* result);
};
