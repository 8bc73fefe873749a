#pragma once
// Photo fixtures written by the tests themselves: JPEGs in the three encodings a camera or an
// editor produces (baseline, progressive, grayscale), a photo of four coloured quarters whose
// pixels tell which part of it is shown, and the damaged files a photo folder may hold. A
// program folder of its own makes Local.txt and the data folder the test's.
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

namespace photo_test {

enum class Encoding { Baseline, Progressive, Grayscale };

// The quarters of a quartered photo: top left, top right, bottom left, bottom right.
inline const QColor kQuarterColours[4] = {QColor(220, 30, 30), QColor(30, 200, 30),
                                          QColor(30, 30, 220), QColor(230, 220, 30)};

inline QByteArray JpegBytes(const QImage& image, Encoding encoding)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(encoding == Encoding::Progressive);
    const QImage source = encoding == Encoding::Grayscale
                              ? image.convertToFormat(QImage::Format_Grayscale8)
                              : image.convertToFormat(QImage::Format_RGB32);
    writer.write(source);
    return bytes;
}

inline QImage Plain(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline QImage Quartered(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = width / 2;
    const int h = height / 2;
    painter.fillRect(0, 0, w, h, kQuarterColours[0]);
    painter.fillRect(w, 0, width - w, h, kQuarterColours[1]);
    painter.fillRect(0, h, w, height - h, kQuarterColours[2]);
    painter.fillRect(w, h, width - w, height - h, kQuarterColours[3]);
    return image;
}

// The colour a quarter is written in: a grayscale photo holds its shade of gray as the
// fixture's conversion made it.
inline QColor QuarterColour(int quarter, Encoding encoding)
{
    if (encoding != Encoding::Grayscale)
        return kQuarterColours[quarter];
    return Plain(1, 1, kQuarterColours[quarter]).convertToFormat(QImage::Format_Grayscale8).pixelColor(0, 0);
}

// The quarter (0 to 3) that holds the photo point (x, y) of a photo of that size.
inline int QuarterAt(double x, double y, int width, int height)
{
    return (x >= width / 2 ? 1 : 0) + (y >= height / 2 ? 2 : 0);
}

// True when two colours differ by at most tolerance in each channel (JPEG and smoothing blur).
inline bool Near(QColor a, QColor b, int tolerance = 48)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

// The number of colour components of a JPEG's frame header (SOF0 to SOF2); 0 when none.
inline int JpegComponents(const QByteArray& bytes)
{
    for (qsizetype i = 0; i + 9 < bytes.size(); ++i) {
        const uchar marker = uchar(bytes[i + 1]);
        if (uchar(bytes[i]) == 0xFF && marker >= 0xC0 && marker <= 0xC2)
            return uchar(bytes[i + 9]);
    }
    return 0;
}

// The marker of a progressive frame (SOF2) is present.
inline bool IsProgressive(const QByteArray& bytes)
{
    return bytes.contains(QByteArray("\xFF\xC2", 2));
}

// A temporary program folder with its settings: the data folder is the program folder, and
// Local.txt, when written, is UTF-16LE as a Windows editor saves it.
struct PhotoProgram {
    TempDir dir;

    PhotoProgram()
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        dir.write(QStringLiteral("峰嵐錄.txt"),
                  Utf16LeWithBom(QStringLiteral("[DataGroup]\r\nGroup1=植物\r\n")));
        CGroupTable table;
        table.LoadSettings();
    }

    void SetImageDir(const QString& imageDir) const
    {
        dir.write(QStringLiteral("Local.txt"),
                  Utf16LeWithBom(QStringLiteral("[Plant]\r\nImageDir=%1\r\n").arg(imageDir)));
    }

    // Writes a photo at folder/name under the program folder; returns its path.
    QString Photo(const QString& relative, const QImage& image,
                  Encoding encoding = Encoding::Baseline) const
    {
        return dir.write(relative, JpegBytes(image, encoding));
    }
    QString File(const QString& relative, const QByteArray& bytes) const
    {
        return dir.write(relative, bytes);
    }
};

} // namespace photo_test
