// viewRange: which samples of a curve a zoomable graph shows in its pixel columns, and how the
// wheel, a drag, a rectangle and Home change them. The visible part is the samples
// [first, first + count), always whole samples inside the curve; its columns share them as
// columnBoundary does, so an envelope drawn column by column covers each visible sample once.
//
// Zooming stops at one sample per column: a zoom past it stops there, so a curve shorter than
// the width is only ever shown whole. Every change keeps the visible part inside the curve: a
// pan stops at either end, a zoom around a point near an end shifts to stay inside. Samples are
// counted in shown positions, so a spectrum view zooms over its layout's positions the same way.
//
// followVisible gives the y range of the visible part: its minimum to maximum for values, 0 to
// its peak for moduli, and the peak down to the floor for decibel levels.
#pragma once

#include "core/extended.h"
#include "plot/minmaxpyramid.h"
#include "plot/spectrumlevels.h"

#include <cstdint>

class viewRange {
public:
    // `samples` in the curve, `columns` pixel columns (at least one is assumed). Shows all.
    explicit viewRange(std::int64_t samples = 0, int columns = 1);

    std::int64_t first() const { return first_; }
    std::int64_t count() const { return count_; }
    std::int64_t samples() const { return samples_; }
    int columns() const { return columns_; }
    bool wholeCurve() const { return count_ == samples_; }
    // One sample per column (or the whole of a shorter curve): no further zoom in.
    bool finest() const { return count_ == smallestCount(); }

    // The first sample of a column; column `columns()` gives the end of the visible part.
    std::int64_t columnStart(int column) const;
    // The x (in columns, fractional) where a sample position lies, and the position at an x.
    extended pixelOf(extended position) const;
    extended positionAt(extended pixel) const;

    // Home (or a double click): the whole curve.
    void home();
    // The window was resized: the visible part stays as far as the new width allows.
    void setColumns(int columns);
    // Wheel zoom: the sample under `pixel` stays there; a factor above 1 zooms in. A factor that
    // is not a positive finite number changes nothing.
    void zoomAround(int pixel, extended factor);
    // Drag: the curve follows the mouse, so a drag to the right by dx shows earlier samples.
    void panByPixels(int dx);
    // Rectangle zoom to the columns from `fromPixel` to `toPixel` (either order, both shown),
    // widened about its middle to one sample per column where it is narrower. A caller that
    // means a click rather than a rectangle should not call it for a drag of a few pixels.
    void zoomToPixels(int fromPixel, int toPixel);

private:
    std::int64_t smallestCount() const;
    // Shows `count` samples from `first`, both rounded, limited and kept inside the curve.
    void show(extended first, extended count);

    std::int64_t samples_ = 0;
    int columns_ = 1;
    std::int64_t first_ = 0;
    std::int64_t count_ = 0;
};

enum class yFollow { values, magnitude, decibels };

struct valueSpan {
    extended low = 0;
    extended high = 1;
};

// The y range for the visible part's extremes `visible` (a pyramid's range over the visible
// samples; for decibels only its maximum counts). Infinite extremes fall back on the whole
// curve's finite ones, and a range without extent is widened so that the curve is drawn in the
// middle rather than on an edge: a constant c shows from c - |c| to c + |c| (from -1 to 1 for 0).
valueSpan followVisible(const minMax& visible, const minMax& wholeFinite, yFollow kind,
                        extended decibelRange = kDefaultDecibelRange);
