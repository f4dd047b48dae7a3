// PlotView: the graph window's view of its plot (tBmpLnk1), a bitmap view that follows the
// window's size. It shows its bitmap at the bitmap's own scale (pixels per widget pixel: 1 for
// the plot bitmap, the screen's device pixel ratio for the window's own picture, so that a 2x
// screen gets a sharp picture), the keyboard cursor as a thin line and a zoom rectangle while
// one is drawn over it, and turns the mouse and the keys into requests in the bitmap's columns:
// the wheel zooms around the column under the mouse, a drag pans, a drag with Shift or Ctrl held
// draws a rectangle whose columns to zoom to, a double click or Home asks for the whole curve,
// and Left/Right (Shift: to the next local maximum) move the cursor. Mouse moves are reported as
// by every bitmap view; a click without a drag as well.
#pragma once

#include "ui/bitmapview.h"

#include <optional>

class PlotView : public BitmapView {
    Q_OBJECT
public:
    explicit PlotView(QWidget* parent = nullptr);

    // The bitmap's pixels per widget pixel.
    void setImageScale(qreal scale);
    qreal imageScale() const { return scale_; }
    // The keyboard cursor's x in widget pixels; none hides it.
    void setMarker(std::optional<qreal> x);
    // The bitmap column under a widget x.
    int columnAt(qreal x) const;

signals:
    void zoomed(int column, double factor);  // factor above 1 zooms in
    void panned(int columns);                // the curve follows the mouse by this many columns
    void rectangleChosen(int fromColumn, int toColumn);
    void homeAsked();
    void cursorStepped(int direction, bool toPeak);
    void menuAsked(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class drag { none, pressed, panning, rectangle };

    qreal scale_ = 1;
    std::optional<qreal> marker_;
    drag drag_ = drag::none;
    QPointF pressedAt_;
    qreal pannedColumns_ = 0; // columns moved so far in this drag, emitted as whole ones
    qreal rectangleEnd_ = 0;
};
