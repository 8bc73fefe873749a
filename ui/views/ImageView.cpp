#include "ui/views/ImageView.h"

void CImageView::Reset()
{
    CMapView::Reset();
}

void CImageView::Draw(CStaticMapView* control)
{
    CMapView::Draw(control);
}

std::optional<quint32> CImageView::HitTest(int x, int y) const
{
    (void)x, (void)y;
    return std::nullopt;
}

bool CImageView::GetTipText(int x, int y, QString* text) const
{
    (void)x, (void)y, (void)text;
    return false;
}

bool CImageView::SelectItem(quint32 key)
{
    (void)key;
    return false;
}

bool CImageView::Drag(int x0, int y0, int x1, int y1)
{
    (void)x0, (void)y0, (void)x1, (void)y1;
    return false;
}

void CImageView::ZoomAt(double newZoom, int x, int y)
{
    (void)newZoom, (void)x, (void)y;
}

void CImageView::Paint(QPainter& painter, const QRect& client)
{
    (void)painter, (void)client;
}

bool CImageView::LoadImages(int item, const QString& name, const QString& family,
                            const QString& line)
{
    (void)item, (void)name, (void)family, (void)line;
    return false;
}
