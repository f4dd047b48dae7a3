// The plot bitmap: the 384 x 289 off-screen image that the preview plotter and the graph
// window's plot worker draw into, shown through BitmapView controls. The main window makes the
// one the program uses and hands it to both; only the GUI thread paints into it.
#pragma once

#include "plot/plotscale.h"

#include <QImage>

inline constexpr int kPlotWidth = plotGeometry::kWidth;
inline constexpr int kPlotHeight = plotGeometry::kHeight;

// A plot bitmap, all black.
QImage makePlotBitmap();
