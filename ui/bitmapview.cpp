#include "ui/bitmapview.h"

#include "ui/plotbitmap.h"

#include <QMouseEvent>
#include <QPainter>

BitmapView::BitmapView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kPlotWidth, kPlotHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void BitmapView::setBitmap(const QImage* bitmap)
{
    if (bitmap_ == bitmap)
        return; // its drawer repaints the view when the picture changes
    bitmap_ = bitmap;
    update();
}

void BitmapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (bitmap_)
        painter.drawImage(0, 0, *bitmap_);
}

void BitmapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QWidget::mousePressEvent(event);
}

void BitmapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        const QPoint position = event->position().toPoint();
        if (rect().contains(position))
            emit clicked(position);
    }
    QWidget::mouseReleaseEvent(event);
}

void BitmapView::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}
