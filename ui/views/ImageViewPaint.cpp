// Painting the visible cells: each from its thumbnail, scaled to the cell by the painter and
// cut to the client area, or as a frame until the thumbnail has arrived.
#include "ui/views/ImageView.h"

#include <QPainter>

ThumbnailLoader::Photo CImageView::PhotoOf(const ImageItem& image)
{
    return ThumbnailLoader::Photo{image.path, image.fileSize, image.writeTime,
                                  QSize(int(image.pixelWidth), int(image.pixelHeight))};
}

int CImageView::LevelOf(const ImageItem& image) const
{
    return ThumbnailLoader::LevelFor(ScreenRowHeight(image),
                                     QSize(int(image.pixelWidth), int(image.pixelHeight)));
}

void CImageView::QueueThumbnails()
{
    for (const ImageItem& image : images_) {
        if (image.drawn && !image.cellRect.IsEmpty())
            thumbnails_.Request(PhotoOf(image), LevelOf(image));
    }
}

void CImageView::Paint(QPainter& painter, const QRect& client)
{
    if (!fitValid_)
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ImageItem& image : images_) {
        if (image.drawn)
            PaintCell(painter, client, image);
    }
    painter.restore();
}

void CImageView::PaintCell(QPainter& painter, const QRect& client, const ImageItem& image)
{
    const QRect cell = image.cellRect.ToQRect();
    const QRect visible = cell & client;
    if (visible.isEmpty())
        return;
    const QImage* thumbnail = thumbnails_.Find(PhotoOf(image), LevelOf(image));
    if (!thumbnail) {
        painter.save();
        painter.setClipRect(visible, Qt::IntersectClip);
        painter.setPen(QColor::fromRgb(kFrameColour));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.restore();
        return;
    }
    // Only the visible part of the thumbnail is drawn: no image of the cell's size is made. The
    // cell's own edges are taken unclamped, so a cell reaching far off the client maps right.
    const double left = ScreenPosition(double(image.gridX), originX_);
    const double top = ScreenPosition(double(image.gridY), originY_);
    const double width = ScreenPosition(double(image.gridX + image.gridWidth), originX_) - left;
    const double height = ScreenPosition(double(image.gridY + image.gridHeight), originY_) - top;
    const double sx = thumbnail->width() / width;
    const double sy = thumbnail->height() / height;
    const QRectF source((visible.left() - left) * sx, (visible.top() - top) * sy,
                        visible.width() * sx, visible.height() * sy);
    painter.drawImage(QRectF(visible), *thumbnail, source);
}
