#include "ui/plotview.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr qreal kDragStart = 3;         // widget pixels before a press becomes a drag
constexpr double kZoomPerNotch = 1.25;  // one wheel notch (120 eighths of a degree)

} // namespace

PlotView::PlotView(QWidget* parent) : BitmapView(parent)
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFocusPolicy(Qt::WheelFocus);
}

void PlotView::setImageScale(qreal scale)
{
    scale = scale > 0 ? scale : 1;
    if (scale_ != scale) {
        scale_ = scale;
        update();
    }
}

void PlotView::setMarker(std::optional<qreal> x)
{
    if (marker_ != x) {
        marker_ = x;
        update();
    }
}

int PlotView::columnAt(qreal x) const
{
    return static_cast<int>(std::floor(x * scale_));
}

void PlotView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (const QImage* image = bitmap()) {
        if (scale_ == 1)
            painter.drawImage(0, 0, *image); // pixel for pixel
        else
            painter.drawImage(QRectF(0, 0, image->width() / scale_, image->height() / scale_), *image);
    }
    if (marker_) {
        painter.setPen(QPen(QColor(255, 255, 255, 160), 0, Qt::DotLine));
        painter.drawLine(QPointF(*marker_, 0), QPointF(*marker_, height()));
    }
    if (drag_ == drag::rectangle) {
        const qreal left = std::min(pressedAt_.x(), rectangleEnd_);
        painter.fillRect(QRectF(left, 0, std::fabs(rectangleEnd_ - pressedAt_.x()), height()),
                         QColor(255, 255, 255, 48));
    }
}

void PlotView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        drag_ = drag::pressed;
        pressedAt_ = event->position();
        pannedColumns_ = 0;
    }
    BitmapView::mousePressEvent(event);
}

void PlotView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (drag_ == drag::pressed && std::fabs(at.x() - pressedAt_.x()) >= kDragStart)
        drag_ = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier) ? drag::rectangle : drag::panning;
    if (drag_ == drag::panning) {
        const qreal moved = (at.x() - pressedAt_.x()) * scale_;
        const int whole = static_cast<int>(std::trunc(moved - pannedColumns_));
        if (whole != 0) {
            pannedColumns_ += whole;
            emit panned(whole);
        }
    } else if (drag_ == drag::rectangle) {
        rectangleEnd_ = at.x();
        update();
    }
    BitmapView::mouseMoveEvent(event);
}

void PlotView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const drag was = drag_;
    drag_ = drag::none;
    if (was == drag::rectangle) {
        update();
        emit rectangleChosen(columnAt(pressedAt_.x()), columnAt(event->position().x()));
    } else if (was == drag::pressed && rect().contains(event->position().toPoint())) {
        emit clicked(event->position().toPoint());
    }
    QWidget::mouseReleaseEvent(event);
}

void PlotView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit homeAsked();
    drag_ = drag::none;
}

void PlotView::wheelEvent(QWheelEvent* event)
{
    const int eighths = event->angleDelta().y();
    if (eighths == 0)
        return event->ignore();
    emit zoomed(columnAt(event->position().x()), std::pow(kZoomPerNotch, eighths / 120.0));
    event->accept();
}

void PlotView::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Home: emit homeAsked(); return;
    case Qt::Key_Left: emit cursorStepped(-1, shift); return;
    case Qt::Key_Right: emit cursorStepped(1, shift); return;
    default: BitmapView::keyPressEvent(event);
    }
}

void PlotView::contextMenuEvent(QContextMenuEvent* event)
{
    emit menuAsked(event->globalPos());
}
