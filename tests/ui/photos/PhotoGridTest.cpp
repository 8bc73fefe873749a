// Arranging photos in rows: the number per row that brings the grid closest to the client's
// aspect, the rows' heights and widths in whole photo pixels.
#include "ui/views/photos/PhotoGrid.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

std::vector<PhotoGrid::Size> Squares(int count, qint64 side = 100)
{
    return std::vector<PhotoGrid::Size>(size_t(count), PhotoGrid::Size{side, side});
}

struct ColumnCase {
    const char* what;
    int photos;
    double clientAspect;
    int columns;
};

// Test names show the case.
void PrintTo(const ColumnCase& c, std::ostream* out) { *out << c.what; }

class PhotoGridColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(PhotoGridColumns, ChoosesTheClosestAspect)
{
    const ColumnCase& c = GetParam();
    const PhotoGrid::Result grid = PhotoGrid::Arrange(Squares(c.photos), c.clientAspect);
    EXPECT_EQ(grid.columns, c.columns) << c.what;
}

// Nine squares: one, two, three and four columns give the aspects 1/9, 2/5, 1 and 4/3.
INSTANTIATE_TEST_SUITE_P(
    Cases, PhotoGridColumns,
    ::testing::Values(ColumnCase{"one photo: one and two columns tie, the smaller wins", 1, 1.0, 1},
                      ColumnCase{"one photo in a wide control still one", 1, 5.0, 1},
                      ColumnCase{"nine squares in a square control", 9, 1.0, 3},
                      ColumnCase{"nine squares in a wide control", 9, 2.0, 4},
                      ColumnCase{"nine squares in a tall control", 9, 0.4, 2},
                      ColumnCase{"nine squares in a very tall control", 9, 0.1, 1}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(PhotoGrid, MeasuresTheAspectsOfEachColumnCount)
{
    const auto sizes = Squares(9);
    EXPECT_EQ(PhotoGrid::MaxColumns(9), 4);
    EXPECT_EQ(PhotoGrid::MaxColumns(1), 2);
    const std::pair<qint64, qint64> expected[] = {{100, 900}, {200, 500}, {300, 300}, {400, 300}};
    for (int m = 1; m <= 4; ++m) {
        const PhotoGrid::Size grid = PhotoGrid::Measure(sizes, m);
        EXPECT_EQ(grid.width, expected[m - 1].first) << m;
        EXPECT_EQ(grid.height, expected[m - 1].second) << m;
    }
}

TEST(PhotoGrid, RowsTakeTheLowestPhotoAndWholePixelWidths)
{
    // A row of 10 x 3 and 7 x 2 is 2 high: 2 * 10 / 3 = 6 (cut) and 7 wide.
    const std::vector<PhotoGrid::Size> sizes = {{10, 3}, {7, 2}};
    const PhotoGrid::Size row = PhotoGrid::Measure(sizes, 2);
    EXPECT_EQ(row.width, 13);
    EXPECT_EQ(row.height, 2);
    const PhotoGrid::Result grid = PhotoGrid::Arrange(sizes, 13.0 / 2);
    ASSERT_EQ(grid.columns, 2);
    EXPECT_EQ(grid.cells[1].x, 6);
    EXPECT_EQ(grid.cells[1].width, 7);
    EXPECT_EQ(grid.cells[1].height, 2);
}

TEST(PhotoGrid, LargePhotosDoNotOverflow)
{
    // 65000 * 65000 is beyond 32 bits.
    const std::vector<PhotoGrid::Size> sizes = {{65000, 65000}, {65000, 65000}};
    const PhotoGrid::Size row = PhotoGrid::Measure(sizes, 2);
    EXPECT_EQ(row.width, 130000);
    EXPECT_EQ(row.height, 65000);
    const PhotoGrid::Result grid = PhotoGrid::Arrange(sizes, 2.0);
    EXPECT_EQ(grid.columns, 2);
    EXPECT_EQ(grid.width, 130000);
}

TEST(PhotoGrid, CellsFollowInRows)
{
    const PhotoGrid::Result grid = PhotoGrid::Arrange(Squares(5, 50), 3.0 / 2);
    // Five squares, up to three columns: 1/5, 2/3, 3/2 -> three per row, the last row shorter.
    ASSERT_EQ(grid.columns, 3);
    EXPECT_EQ(grid.width, 150);
    EXPECT_EQ(grid.height, 100);
    EXPECT_EQ(grid.cells[3].x, 0);
    EXPECT_EQ(grid.cells[3].y, 50);
    EXPECT_EQ(grid.cells[4].x, 50);
}

TEST(PhotoGrid, NothingToArrange)
{
    const PhotoGrid::Result grid = PhotoGrid::Arrange({}, 1.0);
    EXPECT_EQ(grid.columns, 0);
    EXPECT_EQ(grid.width, 0);
    EXPECT_TRUE(grid.cells.empty());
}

} // namespace
