#include "ui/plotbitmap.h"

QImage& plotBitmap()
{
    static QImage bitmap = [] {
        QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    }();
    return bitmap;
}
