// The photo grid in the view: which photos it holds (the damaged ones left out), its fit into
// the client, zoom and drag with their whole-pixel rule, hit tests and tooltips.
#include "PhotoFiles.h"
#include "ui/views/ImageView.h"

#include <gtest/gtest.h>

namespace {

using namespace photo_test;

const QString kFamily = QStringLiteral("蘭科");
const QString kPlant = QStringLiteral("白及");

QString PhotoName(int n)
{
    return QStringLiteral("植物/蘭科/白及%1.jpg").arg(n, 2, 10, QLatin1Char('0'));
}

// Nine 64 x 64 photos in all three encodings, optionally with the damaged files of a folder.
void WriteNine(const PhotoProgram& program, bool damaged)
{
    const Encoding encodings[] = {Encoding::Baseline, Encoding::Progressive, Encoding::Grayscale};
    for (int n = 1; n <= 9; ++n)
        program.Photo(PhotoName(n), Plain(64, 64, QColor::fromHsv((n - 1) * 40, 200, 200)),
                      encodings[n % 3]);
    if (!damaged)
        return;
    const QByteArray whole = JpegBytes(Plain(64, 64, Qt::gray), Encoding::Baseline);
    program.File(QStringLiteral("植物/蘭科/白及00空.jpg"), QByteArray());
    program.File(QStringLiteral("植物/蘭科/白及02截.jpg"), whole.left(20));
    program.File(QStringLiteral("植物/蘭科/白及05文.jpg"), QByteArray("not a photo\r\n"));
}

TEST(ImageViewGrid, WrittenFixturesHaveTheirEncodings)
{
    const QImage photo = Plain(16, 16, Qt::red);
    EXPECT_FALSE(IsProgressive(JpegBytes(photo, Encoding::Baseline)));
    EXPECT_TRUE(IsProgressive(JpegBytes(photo, Encoding::Progressive)));
    EXPECT_EQ(JpegComponents(JpegBytes(photo, Encoding::Baseline)), 3);
    EXPECT_EQ(JpegComponents(JpegBytes(photo, Encoding::Grayscale)), 1);
}

TEST(ImageViewGrid, OnePhotoStandsAloneCentred)
{
    PhotoProgram program;
    program.Photo(PhotoName(1), Plain(400, 200, Qt::red));
    CImageView view;
    ASSERT_TRUE(view.LoadImages(0, kPlant, kFamily, QStringLiteral("白及 [蘭科]")));
    view.LayOutPhotos(QSize(200, 200));
    EXPECT_EQ(view.Columns(), 1);
    EXPECT_EQ(view.LayoutWidth(), 400);
    EXPECT_EQ(view.LayoutHeight(), 200);
    // Scale 0.5: the photo is 200 x 100, centred in height.
    EXPECT_DOUBLE_EQ(view.Scale(), 0.5);
    EXPECT_EQ(view.Image(0).cellRect, (MapRect{0, 50, 200, 150}));
}

TEST(ImageViewGrid, NinePhotosMakeThreeColumns)
{
    PhotoProgram program;
    WriteNine(program, false);
    CImageView view;
    ASSERT_TRUE(view.LoadImages(0, kPlant, kFamily, QString()));
    ASSERT_EQ(view.ImageCount(), 9);
    view.LayOutPhotos(QSize(192, 192));
    EXPECT_EQ(view.Columns(), 3);
    EXPECT_EQ(view.LayoutWidth(), 192);
    EXPECT_EQ(view.LayoutHeight(), 192);
    for (int i = 0; i < 9; ++i) {
        const int x = (i % 3) * 64;
        const int y = (i / 3) * 64;
        EXPECT_EQ(view.Image(i).cellRect, (MapRect{x, y, x + 64, y + 64})) << i;
        EXPECT_TRUE(view.Image(i).drawn) << i;
    }
}

TEST(ImageViewGrid, DamagedFilesAreLeftOut)
{
    PhotoProgram program;
    WriteNine(program, true);
    CImageView view;
    ASSERT_TRUE(view.LoadImages(0, kPlant, kFamily, QString()));
    ASSERT_EQ(view.ImageCount(), 12);
    view.LayOutPhotos(QSize(192, 192));
    EXPECT_EQ(view.Columns(), 3);
    EXPECT_EQ(view.LayoutWidth(), 192);
    int k = 0;
    for (int i = 0; i < view.ImageCount(); ++i) {
        const ImageItem& image = view.Image(i);
        const bool damaged = image.fileName.size() > 8;
        EXPECT_EQ(image.laidOut, !damaged) << image.fileName.toStdString();
        EXPECT_EQ(image.drawn, !damaged) << image.fileName.toStdString();
        if (damaged) {
            EXPECT_EQ(image.pixelHeight, 0);
            continue;
        }
        const int x = (k % 3) * 64;
        const int y = (k / 3) * 64;
        EXPECT_EQ(image.cellRect, (MapRect{x, y, x + 64, y + 64})) << k;
        ++k;
    }
    EXPECT_EQ(k, 9);
}

TEST(ImageViewGrid, LaysOutOncePerResetAndReadsHeadersOnce)
{
    PhotoProgram program;
    WriteNine(program, true);
    CImageView view;
    view.LoadImages(0, kPlant, kFamily, QString());
    view.LayOutPhotos(QSize(192, 192));
    const int opened = view.SizeReader().FilesOpened();
    EXPECT_EQ(opened, 12);
    // A new client size fits again but keeps the rows.
    view.LayOutPhotos(QSize(600, 100));
    EXPECT_EQ(view.Columns(), 3);
    EXPECT_DOUBLE_EQ(view.Scale(), 100.0 / 192);
    view.Reset();
    view.LoadImages(0, kPlant, kFamily, QString());
    view.LayOutPhotos(QSize(600, 100));
    EXPECT_EQ(view.SizeReader().FilesOpened(), opened);
    // With the new aspect, 600 / 100, four columns come closest: 256 / 192.
    EXPECT_EQ(view.Columns(), 4);
    // A changed file is read again.
    program.Photo(PhotoName(1), Plain(128, 64, Qt::red));
    view.Reset();
    view.LoadImages(0, kPlant, kFamily, QString());
    view.LayOutPhotos(QSize(600, 100));
    EXPECT_EQ(view.SizeReader().FilesOpened(), opened + 1);
    EXPECT_EQ(view.Image(1).pixelWidth, 128);
}

TEST(ImageViewGrid, NoZoomOrDragWithoutALayout)
{
    PhotoProgram program;
    program.Photo(PhotoName(1), Plain(64, 64, Qt::red));
    program.File(QStringLiteral("植物/蘭科/白及空.jpg"), QByteArray());
    CImageView view;
    EXPECT_FALSE(view.ZoomIn());
    EXPECT_FALSE(view.ZoomWheel(true, 10, 10));
    EXPECT_FALSE(view.Drag(0, 0, 100, 100));

    // Only damaged photos: nothing laid out, nothing to zoom.
    ASSERT_TRUE(view.LoadImages(0, QStringLiteral("白及空"), kFamily, QString()));
    view.LayOutPhotos(QSize(200, 200));
    EXPECT_FALSE(view.HasFit());
    EXPECT_FALSE(view.ZoomIn());
    EXPECT_FALSE(view.Drag(0, 0, 100, 100));
    EXPECT_FALSE(view.HitTest(100, 100).has_value());

    // A photo, but an empty client.
    view.Reset();
    ASSERT_TRUE(view.LoadImages(0, kPlant, kFamily, QString()));
    view.LayOutPhotos(QSize(0, 0));
    EXPECT_FALSE(view.ZoomOut());
    EXPECT_FALSE(view.Drag(0, 0, 100, 100));
    view.LayOutPhotos(QSize(200, 200));
    EXPECT_TRUE(view.ZoomIn());
    view.LayOutPhotos(QSize(200, 0));
    EXPECT_FALSE(view.ZoomIn());
    EXPECT_FALSE(view.Image(0).drawn);
}

// An 800 x 600 photo in a 400 x 300 client: scale 0.5, origin (0, 0).
struct HalfScale {
    PhotoProgram program;
    CImageView view;

    HalfScale()
    {
        program.Photo(PhotoName(1), Quartered(800, 600));
        EXPECT_TRUE(view.LoadImages(0, kPlant, kFamily, QStringLiteral("白及 [蘭科]")));
        view.LayOutPhotos(QSize(400, 300));
        EXPECT_DOUBLE_EQ(view.Scale(), 0.5);
        EXPECT_DOUBLE_EQ(view.OriginX(), 0);
        EXPECT_DOUBLE_EQ(view.OriginY(), 0);
    }
};

TEST(ImageViewGrid, ZoomRoundsThePointUnderTheCursorToAWholePixel)
{
    HalfScale grid;
    CImageView& view = grid.view;
    view.ZoomAt(1.5, 101, 51);
    // trunc(101 / 0.5 + 0 + 0.5) - 101 / 0.75, trunc(51 / 0.5 + 0.5) - 51 / 0.75.
    EXPECT_DOUBLE_EQ(view.OriginX(), 202 - 101 / 0.75);
    EXPECT_DOUBLE_EQ(view.OriginY(), 102 - 51 / 0.75);
    EXPECT_DOUBLE_EQ(view.Zoom(), 1.5);
    view.ResetZoom();
    EXPECT_DOUBLE_EQ(view.OriginX(), 0);
    EXPECT_DOUBLE_EQ(view.Zoom(), 1);
}

TEST(ImageViewGrid, ZoomStepsStopAtTheLimits)
{
    HalfScale grid;
    CImageView& view = grid.view;
    int steps = 0;
    while (view.ZoomIn())
        ++steps;
    // 1.5^13 < 256 < 1.5^14.
    EXPECT_EQ(steps, 14);
    EXPECT_DOUBLE_EQ(view.Zoom(), 256);
    view.ResetZoom();
    EXPECT_TRUE(view.ZoomOut());
    EXPECT_DOUBLE_EQ(view.Zoom(), 0.8);
    EXPECT_FALSE(view.ZoomOut());
}

TEST(ImageViewGrid, DragPansWithoutTurningTheYAxis)
{
    HalfScale grid;
    CImageView& view = grid.view;
    EXPECT_FALSE(view.Drag(0, 0, 19, -19));
    EXPECT_DOUBLE_EQ(view.OriginX(), 0);
    EXPECT_TRUE(view.Drag(0, 0, 40, -20));
    EXPECT_DOUBLE_EQ(view.OriginX(), -80);
    EXPECT_DOUBLE_EQ(view.OriginY(), 40);
    view.LayOutPhotos(QSize(400, 300));
    // The cell moved right and up with the drag; its top, -40 * 0.5 + 0.5, is cut towards 0.
    EXPECT_EQ(view.Image(0).cellRect, (MapRect{40, -19, 440, 280}));
}

TEST(ImageViewGrid, HitTestTellsNothingFromKeyZero)
{
    PhotoProgram program;
    program.Photo(PhotoName(1), Plain(100, 100, Qt::red));
    program.Photo(QStringLiteral("植物/蘭科/石斛蘭.jpg"), Plain(100, 100, Qt::blue));
    CImageView view;
    ASSERT_TRUE(view.LoadImages(0, kPlant, kFamily, QStringLiteral("白及 [蘭科]")));
    ASSERT_TRUE(view.LoadImages(7, QStringLiteral("石斛蘭"), kFamily, QStringLiteral("石斛蘭 [蘭科]")));
    // Two squares side by side, 200 x 100, in a 400 x 100 client: cells at x 100 to 300.
    view.LayOutPhotos(QSize(400, 100));
    ASSERT_EQ(view.Columns(), 2);
    EXPECT_EQ(view.HitTest(150, 50), std::optional<quint32>(0));
    EXPECT_EQ(view.HitTest(250, 50), std::optional<quint32>(7));
    EXPECT_EQ(view.HitTest(50, 50), std::nullopt);
    EXPECT_EQ(view.HitTest(300, 50), std::nullopt);
    QString tip;
    EXPECT_TRUE(view.GetTipText(150, 50, &tip));
    EXPECT_EQ(tip, QStringLiteral("白及 [蘭科]"));
    EXPECT_FALSE(view.GetTipText(399, 50, &tip));

    EXPECT_TRUE(view.SelectItem(7));
    EXPECT_EQ(view.SelectedIndex(), 1);
    EXPECT_TRUE(view.SelectItem(0));
    EXPECT_EQ(view.SelectedIndex(), 0);
    EXPECT_FALSE(view.SelectItem(5));
    EXPECT_EQ(view.SelectedIndex(), 0);
}

} // namespace
