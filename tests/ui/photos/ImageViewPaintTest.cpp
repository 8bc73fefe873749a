// Painting the photo grid: cells cut at the client's edges show the right part of the photo,
// thumbnails are decoded at the power of two above the row height and never above the photo's
// size, cells show a frame until their thumbnail arrives, and the view survives a reset or its
// end while decodes run. The screenshots photos-grid.png and photos-zoomed.png are written to
// the build folder.
#include "PhotoFiles.h"
#include "ui/views/ImageView.h"
#include "ui/views/StaticMapView.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using namespace photo_test;

const QString kFamily = QStringLiteral("蘭科");
const QString kPlant = QStringLiteral("白及");
constexpr int kPhotoWidth = 800;
constexpr int kPhotoHeight = 600;
constexpr QRgb kBackground = 0xFFFFFFFF;

QImage Render(CImageView& view, const QSize& client)
{
    QImage image(client, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    view.Paint(painter, image.rect());
    return image;
}

// One quartered 800 x 600 photo in a 400 x 300 client: scale 0.5, the photo fills the client.
struct QuarteredPhoto {
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;
    PhotoProgram program;
    CImageView view;

    explicit QuarteredPhoto(Encoding encoding = Encoding::Baseline)
    {
        program.Photo(QStringLiteral("植物/蘭科/白及.jpg"), Quartered(kPhotoWidth, kPhotoHeight),
                      encoding);
        EXPECT_TRUE(view.LoadImages(0, kPlant, kFamily, QString()));
    }
    QImage Draw()
    {
        view.LayOutPhotos(QSize(kWidth, kHeight));
        view.WaitForThumbnails();
        return Render(view, QSize(kWidth, kHeight));
    }
};

struct CutCase {
    const char* what;
    Encoding encoding;
    int dx;  // the drag, in client pixels
    int dy;
};

// Test names show the case.
void PrintTo(const CutCase& c, std::ostream* out) { *out << c.what; }

class ImageViewCutCell : public ::testing::TestWithParam<CutCase> {};

TEST_P(ImageViewCutCell, ShowsTheRightQuarters)
{
    const CutCase& c = GetParam();
    QuarteredPhoto photo(c.encoding);
    photo.view.LayOutPhotos(QSize(QuarteredPhoto::kWidth, QuarteredPhoto::kHeight));
    ASSERT_TRUE(photo.view.Drag(0, 0, c.dx, c.dy));
    const QImage shown = photo.Draw();
    // Client pixel (x, y) shows photo pixel ((x - dx) * 2, (y - dy) * 2); points near a quarter's
    // border or the cell's edge are not sampled (JPEG and smoothing blur them).
    constexpr int kMargin = 8;
    int sampled = 0;
    for (int y = 4; y < QuarteredPhoto::kHeight; y += 9) {
        for (int x = 4; x < QuarteredPhoto::kWidth; x += 9) {
            const double px = (x - c.dx) * 2.0;
            const double py = (y - c.dy) * 2.0;
            const QColor got = shown.pixelColor(x, y);
            const bool inside = px >= 0 && px < kPhotoWidth && py >= 0 && py < kPhotoHeight;
            const bool nearEdge = std::abs(px - kPhotoWidth / 2) < 2 * kMargin
                                  || std::abs(py - kPhotoHeight / 2) < 2 * kMargin
                                  || std::abs(px) < 2 * kMargin || std::abs(py) < 2 * kMargin
                                  || std::abs(px - kPhotoWidth) < 2 * kMargin
                                  || std::abs(py - kPhotoHeight) < 2 * kMargin;
            if (nearEdge)
                continue;
            ++sampled;
            if (!inside) {
                ASSERT_EQ(got.rgb(), kBackground) << c.what << " at " << x << "," << y;
                continue;
            }
            const QColor want =
                QuarterColour(QuarterAt(px, py, kPhotoWidth, kPhotoHeight), c.encoding);
            ASSERT_TRUE(Near(got, want)) << c.what << " at " << x << "," << y << ": "
                                         << got.name().toStdString() << " for "
                                         << want.name().toStdString();
        }
    }
    EXPECT_GT(sampled, 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageViewCutCell,
    ::testing::Values(CutCase{"cut at the left", Encoding::Baseline, -150, 0},
                      CutCase{"cut at the top", Encoding::Progressive, 0, -110},
                      CutCase{"cut at the right", Encoding::Grayscale, 170, 0},
                      CutCase{"cut at the bottom", Encoding::Baseline, 0, 120},
                      CutCase{"cut at the top left", Encoding::Progressive, -130, -90},
                      CutCase{"cut at the bottom right", Encoding::Baseline, 90, 70}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ImageViewPaint, GrayscalePhotoKeepsItsShades)
{
    QuarteredPhoto photo(Encoding::Grayscale);
    const QImage shown = photo.Draw();
    // Each quarter in its shade of gray: equal channels.
    for (int q = 0; q < 4; ++q) {
        const QColor got = shown.pixelColor(100 + (q % 2) * 200, 75 + (q / 2) * 150);
        EXPECT_EQ(got.red(), got.green()) << q;
        EXPECT_EQ(got.green(), got.blue()) << q;
        EXPECT_TRUE(Near(got, QuarterColour(q, Encoding::Grayscale), 8)) << q;
    }
}

TEST(ImageViewPaint, DecodesAtThePowerOfTwoAboveTheRowHeight)
{
    QuarteredPhoto photo;
    photo.Draw();
    // The row is 300 pixels high on screen: decoded 512 high, 800 * 512 / 600 wide.
    ThumbnailLoader::Statistics stats = photo.view.DecodeStatistics();
    EXPECT_EQ(stats.decodes, 1);
    EXPECT_EQ(stats.largestHeight, 512);
    EXPECT_EQ(stats.largestWidth, 683);
    // A redraw decodes nothing more.
    photo.Draw();
    EXPECT_EQ(photo.view.DecodeStatistics().decodes, 1);
    // One zoom step: 450 high on screen, still 512.
    ASSERT_TRUE(photo.view.ZoomIn());
    photo.Draw();
    EXPECT_EQ(photo.view.DecodeStatistics().decodes, 1);
}

TEST(ImageViewPaint, NothingIsDecodedAbovePhotoSizeAtTheLargestZoom)
{
    QuarteredPhoto photo;
    photo.view.LayOutPhotos(QSize(QuarteredPhoto::kWidth, QuarteredPhoto::kHeight));
    // Zoomed in about the middle of the green quarter: photo (600, 150), client (300, 75).
    while (photo.view.ZoomWheel(true, 300, 75)) {
    }
    ASSERT_DOUBLE_EQ(photo.view.Zoom(), 256);
    const QImage shown = photo.Draw();
    const ThumbnailLoader::Statistics stats = photo.view.DecodeStatistics();
    EXPECT_LE(stats.largestWidth, kPhotoWidth);
    EXPECT_LE(stats.largestHeight, kPhotoHeight);
    EXPECT_EQ(stats.largestHeight, kPhotoHeight);
    // The cell is 102,400 pixels wide (each edge cut to a whole pixel); the client shows green
    // only.
    EXPECT_NEAR(photo.view.Image(0).cellRect.Width(), 400 * 256, 1);
    for (const QPoint at : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 299), QPoint(399, 299),
                            QPoint(200, 150)})
        EXPECT_TRUE(Near(shown.pixelColor(at), kQuarterColours[1], 24)) << at.x() << "," << at.y();
    // The cache holds at most 128 MiB.
    EXPECT_LE(photo.view.Thumbnails().CachedBytes(), qint64(128) << 20);
}

TEST(ImageViewPaint, ThumbnailLevelsStayWithinTheBounds)
{
    const QSize photo(4000, 3000);
    EXPECT_EQ(ThumbnailLoader::LevelFor(1, photo), 1);
    EXPECT_EQ(ThumbnailLoader::LevelFor(8, photo), 8);
    EXPECT_EQ(ThumbnailLoader::LevelFor(9, photo), 16);
    EXPECT_EQ(ThumbnailLoader::LevelFor(2049, photo), 3000);
    EXPECT_EQ(ThumbnailLoader::LevelFor(1'000'000, photo), 3000);
    EXPECT_EQ(ThumbnailLoader::LevelFor(100, QSize(60, 40)), 40);
    EXPECT_EQ(ThumbnailLoader::LevelFor(100, QSize()), 0);
    // A photo too large for the cache's share is decoded a power of two lower: 15000 and 8192
    // high take 1.2 GB and 358 MB, 4096 high 5461 x 4096 x 4 = 89 MB, over the 64 MiB share;
    // 2048 high is 20000 * 2048 / 15000 = 2730.7, rounded to 2731 wide: 22 MB.
    const QSize huge(20000, 15000);
    EXPECT_EQ(ThumbnailLoader::LevelFor(20000, huge), 2048);
    EXPECT_EQ(ThumbnailLoader::WidthAt(2048, huge), 2731);
    EXPECT_EQ(ThumbnailLoader::WidthAt(4096, huge), 5461);
}

TEST(ImageViewPaint, FramesCellsUntilTheirThumbnailArrives)
{
    PhotoProgram program;
    program.Photo(QStringLiteral("植物/蘭科/白及1.jpg"), Plain(100, 100, Qt::red));
    // Cut in its scan data: a size in the header, but no whole picture.
    const QByteArray whole = JpegBytes(Quartered(100, 100), Encoding::Baseline);
    program.File(QStringLiteral("植物/蘭科/白及2.jpg"), whole.left(whole.size() * 2 / 3));
    CImageView view;
    ASSERT_TRUE(view.LoadImages(0, kPlant, kFamily, QString()));
    view.LayOutPhotos(QSize(200, 100));
    ASSERT_EQ(view.Columns(), 2);
    const QImage before = Render(view, QSize(200, 100));
    // A gray frame round the empty cell.
    const QColor frame = before.pixelColor(0, 0);
    EXPECT_NE(frame.rgb(), kBackground);
    EXPECT_TRUE(frame.red() == frame.green() && frame.green() == frame.blue()) << frame.name().toStdString();
    EXPECT_EQ(before.pixel(50, 50), kBackground);
    view.WaitForThumbnails();
    const QImage after = Render(view, QSize(200, 100));
    EXPECT_TRUE(Near(after.pixelColor(50, 50), Qt::red));
    // The cut photo shows whatever part could be decoded, or its frame; it answers hit tests.
    EXPECT_EQ(view.HitTest(150, 50), std::optional<quint32>(0));
}

TEST(ImageViewPaint, SurvivesResetAndDestructionWhileDecoding)
{
    PhotoProgram program;
    const QImage large = Quartered(2000, 1500);
    for (int n = 0; n < 24; ++n)
        program.Photo(QStringLiteral("植物/蘭科/白及%1.jpg").arg(n), large);
    {
        CImageView view;
        ASSERT_TRUE(view.LoadImages(0, kPlant, kFamily, QString()));
        view.LayOutPhotos(QSize(400, 300));
        view.Reset();
        ASSERT_TRUE(view.LoadImages(0, kPlant, kFamily, QString()));
        view.LayOutPhotos(QSize(300, 300));
        view.WaitForThumbnails();
        EXPECT_EQ(view.Thumbnails().Pending(), 0);
    }
    {
        CStaticMapView control;
        control.resize(400, 300);
        auto view = std::make_unique<CImageView>();
        ASSERT_TRUE(view->LoadImages(0, kPlant, kFamily, QString()));
        view->Draw(&control);
        view.reset();
        // Results queued before the end are dropped with it.
        QCoreApplication::processEvents();
    }
}

TEST(ImageViewPaint, Screenshots)
{
    PhotoProgram program;
    const char* names[] = {"台灣一葉蘭", "白及", "石斛蘭", "金線蓮", "綬草", "鶴頂蘭", "風蘭",
                           "春蘭", "根節蘭"};
    for (int n = 0; n < 9; ++n) {
        QImage photo = Quartered(n % 3 == 1 ? 480 : 640, n % 3 == 1 ? 640 : 480);
        QPainter painter(&photo);
        QFont font = painter.font();
        font.setPixelSize(56);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(photo.rect(), Qt::AlignCenter, QString::number(n + 1));
        painter.end();
        program.Photo(QStringLiteral("植物/蘭科/%1.jpg").arg(QString::fromUtf8(names[n])), photo,
                      Encoding(n % 3));
    }
    CStaticMapView control;
    control.resize(440, 340);
    CImageView view;
    control.SetListener(&view);
    for (int n = 0; n < 9; ++n)
        view.LoadImages(n, QString::fromUtf8(names[n]), kFamily, QString());
    view.Draw(&control);
    view.WaitForThumbnails();
    EXPECT_TRUE(control.grab().save(QStringLiteral(TALVANE_BUILD_DIR "/photos-grid.png")));
    for (int i = 0; i < 3; ++i)
        view.ZoomWheel(true, 60, 60);
    view.Draw(&control);
    view.WaitForThumbnails();
    EXPECT_TRUE(control.grab().save(QStringLiteral(TALVANE_BUILD_DIR "/photos-zoomed.png")));
}

} // namespace
