// Every colour the program draws its plots and strips with, named once.
#pragma once

#include <QRgb>

namespace drawingColours {

// Curves of a first (or only) variable.
inline constexpr QRgb real = qRgb(255, 255, 255);      // white
inline constexpr QRgb imaginary = qRgb(255, 255, 127); // light yellow
inline constexpr QRgb modulus = qRgb(0, 0, 255);       // blue
inline constexpr QRgb phase = qRgb(255, 0, 0);         // red
// Curves of the graph's second variable.
inline constexpr QRgb secondReal = qRgb(153, 153, 153);
inline constexpr QRgb secondImaginary = qRgb(153, 153, 73);
inline constexpr QRgb secondModulus = qRgb(0, 0, 153);
inline constexpr QRgb secondPhase = qRgb(153, 0, 0);

inline constexpr QRgb background = qRgb(0, 0, 0);

// The spectrum view's levels of the first and the second variable, and the zoomed graph's
// horizontal grid.
inline constexpr QRgb spectrum = qRgb(0, 200, 255);
inline constexpr QRgb secondSpectrum = qRgb(255, 160, 0);
inline constexpr QRgb levelGrid = qRgb(0, 96, 0);

// The strip and its thumbnail.
inline constexpr QRgb thumbnailGrid = qRgb(0, 128, 0);
inline constexpr QRgb selectedStrip = qRgb(0, 128, 128);

// The previews' grid.
inline constexpr QRgb previewGrid = qRgb(0, 160, 0);
inline constexpr QRgb previewAxis = qRgb(0, 255, 80); // the zero line and the left edge

// The graph's grid, right edge and linear X labels, and its dashed phase reference lines.
inline constexpr QRgb graphGrid = qRgb(0, 128, 0);
inline constexpr QRgb phaseReference = qRgb(204, 64, 64);

} // namespace drawingColours
