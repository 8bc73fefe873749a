// Painting the last layout: markers (the selected one last, on top), numbers and names, in the
// painter's font (the control's) and its default black, on a transparent background.
#include "ui/views/MapView.h"

#include <QPainter>

#include <cmath>

namespace {

// Markers are copied from images while the painter only moves by whole pixels and does not
// smooth edges: the copy then has exactly the pixels of the filled triangle.
bool CanCopyMarkers(const QPainter& painter)
{
    const QTransform t = painter.deviceTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx())
           && t.dy() == std::floor(t.dy()) && !painter.testRenderHint(QPainter::Antialiasing);
}

} // namespace

QPolygon CMapView::Triangle(const MapPoint& point) const
{
    const MapRect& r = point.markerRect;
    const int cx = r.left + kMarkerHalf;
    const int cy = r.top + kMarkerHalf;
    return QPolygon({QPoint(cx, cy - kMarkerHalf), QPoint(cx + kMarkerHalf, cy + kMarkerHalf),
                     QPoint(cx - kMarkerHalf, cy + kMarkerHalf)});
}

QRgb CMapView::MarkerColour(int index) const
{
    if (index == selectedIndex_)
        return kSelectedColour;
    return points_[size_t(index)].visitCount > 0 ? kVisitedColour : kUnvisitedColour;
}

const QImage& CMapView::MarkerSprite(QRgb colour)
{
    QImage& sprite = markerSprites_[colour];
    if (sprite.isNull()) {
        // The triangle's corners lie on the square's edges: one pixel more holds them all.
        const int side = 2 * kMarkerHalf + 1;
        sprite = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        sprite.fill(Qt::transparent);
        QPainter painter(&sprite);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(colour));
        MapPoint at;
        at.markerRect = {0, 0, 2 * kMarkerHalf, 2 * kMarkerHalf};
        painter.drawPolygon(Triangle(at), Qt::OddEvenFill);
    }
    return sprite;
}

void CMapView::Paint(QPainter& painter, const QRect& client)
{
    (void)client;
    painter.save();
    PaintMarkers(painter);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    PaintNumbers(painter);
    PaintNames(painter, painter.fontMetrics().ascent());
    painter.restore();
}

void CMapView::PaintMarkers(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    const bool copy = CanCopyMarkers(painter);
    const auto paintMarker = [&](int index) {
        const MapPoint& p = points_[size_t(index)];
        if (!p.markerDrawn)
            return;
        if (copy) {
            painter.drawImage(p.markerRect.left, p.markerRect.top, MarkerSprite(MarkerColour(index)));
            return;
        }
        painter.setBrush(QColor::fromRgb(MarkerColour(index)));
        painter.drawPolygon(Triangle(p), Qt::OddEvenFill);
    };
    for (int i = 0; i < PointCount(); ++i) {
        if (i != selectedIndex_)
            paintMarker(i);
    }
    // The selected point comes last, over any marker it overlaps.
    if (selectedIndex_ >= 0 && selectedIndex_ < PointCount())
        paintMarker(selectedIndex_);
}

void CMapView::PaintNumbers(QPainter& painter)
{
    if (painter.font() != numberFont_) {
        numberFont_ = painter.font();
        numberTexts_ = {};
    }
    for (const MapPoint& p : points_) {
        if (!p.markerDrawn || !p.HasNumber())
            continue;
        QStaticText& text = numberTexts_[size_t(p.number)];
        if (text.text().isEmpty()) {
            text.setTextFormat(Qt::PlainText);
            text.setText(QString::number(p.number));
        }
        // A static text stands with its top-left corner at the point.
        painter.drawStaticText(p.numberAt, text);
    }
}

void CMapView::PaintNames(QPainter& painter, int ascent) const
{
    for (const MapPoint& p : points_) {
        if (!p.labelDrawn)
            continue;
        if (p.labelLineStep == 0) {
            painter.drawText(QPoint(p.labelRect.left, p.labelRect.top + ascent), p.name);
            continue;
        }
        // One character per line; a surrogate pair is one character.
        int line = 0;
        for (qsizetype i = 0; i < p.name.size(); ++line) {
            const qsizetype units =
                p.name[i].isHighSurrogate() && i + 1 < p.name.size() && p.name[i + 1].isLowSurrogate() ? 2 : 1;
            painter.drawText(QPoint(p.labelRect.left, p.labelRect.top + line * p.labelLineStep + ascent),
                             p.name.mid(i, units));
            i += units;
        }
    }
}
