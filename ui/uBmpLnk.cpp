#include "ui/uBmpLnk.h"

#include "ui/plotbitmap.h"

#include <QMouseEvent>
#include <QPainter>

tBmpLnk::tBmpLnk(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kPlotWidth, kPlotHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void tBmpLnk::setBitmap(const QImage* bitmap)
{
    bitmap_ = bitmap;
    update();
}

void tBmpLnk::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (bitmap_)
        painter.drawImage(0, 0, *bitmap_);
}

void tBmpLnk::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QWidget::mousePressEvent(event);
}

void tBmpLnk::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        const QPoint position = event->position().toPoint();
        if (rect().contains(position))
            emit clicked(position);
    }
    QWidget::mouseReleaseEvent(event);
}

void tBmpLnk::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}
