#include "ui/views/StaticMapView.h"

#include "ui/views/MapView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

CStaticMapView::CStaticMapView(QWidget* parent) : QFrame(parent)
{
    setMouseTracking(false);
}

void CStaticMapView::ShowView(CMapView* view)
{
    shown_ = view;
    update();
}

QRect CStaticMapView::ClientRect() const
{
    return QRect(QPoint(0, 0), contentsRect().size());
}

QPoint CStaticMapView::ToClient(const QPoint& widgetPoint) const
{
    return widgetPoint - contentsRect().topLeft();
}

QString CStaticMapView::CutTipText(const QString& text)
{
    constexpr int kMaxChars = kTipBufferChars - 1;
    if (text.size() <= kMaxChars)
        return text;
    int length = kMaxChars;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

QString CStaticMapView::TipTextAt(const QPoint& client) const
{
    QString text;
    if (!listener_ || !listener_->HitTest(client.x(), client.y()))
        return text;
    if (!listener_->GetTipText(client.x(), client.y(), &text))
        return QString();
    return CutTipText(text);
}

bool CStaticMapView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QFrame::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = TipTextAt(ToClient(help->pos()));
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    tipText_ = text;
    QToolTip::showText(help->globalPos() + QPoint(kTipOffsetX, kTipOffsetY), text, this);
    return true;
}

void CStaticMapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressPoint_ = ToClient(event->position().toPoint());
        releasePoint_ = pressPoint_;
    }
    QFrame::mousePressEvent(event);
}

void CStaticMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    releasePoint_ = ToClient(event->position().toPoint());
    QFrame::mouseReleaseEvent(event);
    bool panned = false;
    if (listener_ && pressPoint_ != releasePoint_) {
        panned = listener_->Drag(pressPoint_.x(), pressPoint_.y(), releasePoint_.x(),
                                 releasePoint_.y());
        if (panned)
            listener_->Draw(this);
    }
    if (!panned && ClientRect().contains(releasePoint_))
        emit clicked(releasePoint_);
}

void CStaticMapView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (!shown_)
        return;
    QPainter painter(this);
    const QRect contents = contentsRect();
    painter.setClipRect(contents);
    painter.translate(contents.topLeft());
    shown_->Paint(painter, ClientRect());
}
