#include "ui/plotbitmap.h"

QImage makePlotBitmap()
{
    QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}
