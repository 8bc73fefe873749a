#pragma once
// The map control of the main dialog: a sunken frame that the current view paints into. A left
// press and release at different points is a drag that pans the listening view; a release that
// pans nothing is a click, reported through clicked(). Tooltips come from the listening view.
#include <QFrame>
#include <QPoint>
#include <QString>

class CMapView;

class CStaticMapView : public QFrame {
    Q_OBJECT
public:
    // Tooltip texts are cut to fit this many characters with their terminator.
    static constexpr int kTipBufferChars = 80;
    // The tooltip stands this far right of and below the cursor.
    static constexpr int kTipOffsetX = 10;
    static constexpr int kTipOffsetY = 20;

    explicit CStaticMapView(QWidget* parent = nullptr);

    // The view that receives drags and tooltip requests; null for none.
    void SetListener(CMapView* listener) { listener_ = listener; }
    CMapView* Listener() const { return listener_; }

    // Makes view the one painted into the control and repaints.
    void ShowView(CMapView* view);
    CMapView* ShownView() const { return shown_; }

    // The client area (inside the frame) in client coordinates, and the conversion to them.
    QRect ClientRect() const;
    QPoint ToClient(const QPoint& widgetPoint) const;

    QPoint PressPoint() const { return pressPoint_; }
    QPoint ReleasePoint() const { return releasePoint_; }

    // The tooltip for a client point: the listener's text, cut to fit; empty when no point is hit.
    QString TipTextAt(const QPoint& client) const;
    // The last tooltip text handed out.
    QString LastTipText() const { return tipText_; }

    // text cut to fit the tooltip buffer, never splitting a surrogate pair.
    static QString CutTipText(const QString& text);

signals:
    // A left click (press and release without a pan) at a client point.
    void clicked(const QPoint& client);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint pressPoint_;
    QPoint releasePoint_;
    CMapView* listener_ = nullptr;
    CMapView* shown_ = nullptr;
    QString tipText_;
};
