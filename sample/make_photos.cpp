// Draws the sample catalog's plant photos: for each argument "path<TAB>width<TAB>height<TAB>label"
// a small JPEG under the given data folder with a coloured scene (sky, hillside, a flower in the
// plant's own colour) and the plant's label and file name written on it.
//
//   sample_photos <data folder> <photo>...
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>

namespace {

constexpr int kJpegQuality = 85;
constexpr int kPetals = 6;
constexpr double kFlowerShare = 0.22;  // flower radius as a share of the shorter side
constexpr double kHorizonShare = 0.62; // hillside top as a share of the height
constexpr int kLabelMargin = 8;

struct PhotoOrder {
    QString path;
    int width = 0;
    int height = 0;
    QString label;
};

bool ParseOrder(const QString& text, PhotoOrder* order)
{
    const QStringList parts = text.split(QLatin1Char('\t'));
    if (parts.size() != 4)
        return false;
    bool okWidth = false, okHeight = false;
    order->path = parts[0];
    order->width = parts[1].toInt(&okWidth);
    order->height = parts[2].toInt(&okHeight);
    order->label = parts[3];
    return okWidth && okHeight && order->width > 0 && order->height > 0 && !order->path.isEmpty();
}

// A stable hue per label, so a plant keeps its colour across its photos.
int HueOf(const QString& text)
{
    uint hash = 2166136261u;
    for (const QChar c : text)
        hash = (hash ^ c.unicode()) * 16777619u;
    return int(hash % 360u);
}

void PaintScene(QPainter& p, const QSize& size, int hue, int variant)
{
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv((hue + 180 + variant * 20) % 360, 60, 235));
    sky.setColorAt(1, QColor::fromHsv((hue + 200) % 360, 30, 255));
    p.fillRect(QRect(QPoint(0, 0), size), sky);
    QPainterPath hill;
    const double horizon = size.height() * kHorizonShare;
    hill.moveTo(0, horizon);
    hill.cubicTo(size.width() * 0.3, horizon - 40 - variant * 10, size.width() * 0.6, horizon + 30,
                 size.width(), horizon - 10);
    hill.lineTo(size.width(), size.height());
    hill.lineTo(0, size.height());
    hill.closeSubpath();
    p.fillPath(hill, QColor::fromHsv(110 + variant * 8, 150, 140));
}

void PaintFlower(QPainter& p, const QSize& size, int hue, int variant)
{
    const double radius = std::min(size.width(), size.height()) * kFlowerShare;
    const QPointF centre(size.width() * (0.5 + 0.08 * (variant % 3 - 1)), size.height() * 0.45);
    p.setPen(QPen(QColor::fromHsv(120, 180, 90), 4));
    p.drawLine(centre, QPointF(centre.x(), size.height()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromHsv(hue, 170, 230));
    for (int i = 0; i < kPetals; ++i) {
        const double angle = 2 * M_PI * i / kPetals + variant * 0.3;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.55;
        p.drawEllipse(at, radius * 0.45, radius * 0.3);
    }
    p.setBrush(QColor::fromHsv((hue + 40) % 360, 200, 250));
    p.drawEllipse(centre, radius * 0.25, radius * 0.25);
}

// The label on a dark band at the bottom, the file name small beneath it.
void PaintLabel(QPainter& p, const QSize& size, const QString& label, const QString& fileName)
{
    QFont big(QStringLiteral("Noto Sans CJK TC"));
    big.setPixelSize(std::max(14, size.width() / 14));
    QFont small(big);
    small.setPixelSize(std::max(10, size.width() / 26));
    const int bandHeight = QFontMetrics(big).height() + QFontMetrics(small).height() + 2 * kLabelMargin;
    const QRect band(0, size.height() - bandHeight, size.width(), bandHeight);
    p.fillRect(band, QColor(0, 0, 0, 150));
    p.setPen(Qt::white);
    p.setFont(big);
    const QRect text = band.adjusted(kLabelMargin, kLabelMargin / 2, -kLabelMargin, -kLabelMargin / 2);
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop, label);
    p.setFont(small);
    p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, QFontMetrics(small).elidedText(fileName, Qt::ElideMiddle, text.width()));
}

bool DrawPhoto(const QString& folder, const PhotoOrder& order, int variant)
{
    const QSize size(order.width, order.height);
    QImage image(size, QImage::Format_RGB32);
    const int hue = HueOf(order.label);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        PaintScene(p, size, hue, variant);
        PaintFlower(p, size, hue, variant);
        PaintLabel(p, size, order.label, QFileInfo(order.path).fileName());
    }
    const QString path = QDir(folder).filePath(order.path);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QImageWriter writer(path, "jpg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "sample_photos: %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: sample_photos <data folder> <path\\twidth\\theight\\tlabel>...\n");
        return 2;
    }
    for (int i = 2; i < args.size(); ++i) {
        PhotoOrder order;
        if (!ParseOrder(args[i], &order)) {
            std::fprintf(stderr, "sample_photos: bad photo description %s\n", qPrintable(args[i]));
            return 2;
        }
        if (!DrawPhoto(args[1], order, i))
            return 1;
    }
    return 0;
}
