// The plot bitmap: one 384 x 289 off-screen image for the whole program, drawn by the preview
// plotter and by the graph window's plot worker, shown through BitmapView controls. Only the GUI
// thread paints into it.
#pragma once

#include "plot/plotscale.h"

#include <QImage>

inline constexpr int kPlotWidth = plotGeometry::kWidth;
inline constexpr int kPlotHeight = plotGeometry::kHeight;

QImage& plotBitmap();
