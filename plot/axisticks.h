// Ticks and labels of a plot axis, and which of the graph's x-axis labels stay clear of the
// sample count printed at the axis's right end. Ticks fall on "nice" values (1, 2 or 5 times a
// power of ten; a decibel axis steps by 10 or 20 dB wherever its span allows) and their labels
// use the program's number format with five significant digits.
//
// Labels never overlap: the caller hands in a measure of a text as the painter will draw it, and
// the step grows until every label keeps one digit's extent of clear space from its neighbours.
// The measure is called synchronously on the calling thread; it must be usable there (a font
// metrics object made from the font the painter will use, for instance).
#pragma once

#include "core/extended.h"
#include "plot/plotscale.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Where a text's ink lies along the axis when its origin is at 0, both ends included: the ink
// columns for a horizontal axis, the rows for a vertical one. An empty text has right < left.
struct textInk {
    int left = 0;
    int right = -1;
};
using textInkMeasure = std::function<textInk(std::string_view)>;

enum class tickKind { linear, decibel };

// One axis: the values at its two ends and its length in pixels. The frequency axis of a
// spectrum view zoomed to a view range runs from axis.frequencyAt(view.first()) to
// axis.frequencyAt(view.first() + view.count()) over view.columns() pixels, which puts every
// tick where viewRange::pixelOf puts its position; its level axis runs from the top of the
// followVisible range at pixel 0 down to the bottom, with tickKind::decibel.
struct axisLayout {
    extended atStart = 0;       // the value at pixel 0 (a vertical axis may put its top here)
    extended atEnd = 1;         // the value at pixel `pixels`
    int pixels = 0;
    tickKind kind = tickKind::linear;
    int minimumSpacing = 40;    // ticks at least this many pixels apart
    char decimalSeparator = '.';
};

struct axisTick {
    extended value = 0;
    int pixel = 0;       // the tick's position along the axis
    std::string label;
    int labelOrigin = 0; // where to draw the label: centred on the tick, moved inside the axis
};

// The ticks of an axis in increasing pixel order; none when the axis has no length or its ends
// are not finite, one when both ends are equal.
std::vector<axisTick> axisTicks(const axisLayout& axis, const textInkMeasure& ink);

// The graph's vertical grid lines along its x axis, each with the label it carries, if any.
struct gridMark {
    int x = 0;
    std::string label; // empty: the line has no label
};

// The grid of the graph's x axis for a pass's scale (only its count, logX and xFactor are read,
// so the marks may be computed before the pass scans any sample, on the GUI thread with the
// painter's own font metrics): on a logarithmic axis the step table's values
// 1, 2, 5, 10 ... up to the label limit, on a linear one every multiple of the grid step, labelled
// at most every 40 pixels. A label whose ink would come within one digit's extent of the count
// label (the sample count at the right end) is left out; its grid line stays.
std::vector<gridMark> xGridMarks(const plotScale& scale, const textInkMeasure& ink);

// Where the count label's text begins: at kEdgeLabelX, moved left as far as its ink must to end
// inside the plot (the painter's rule for a text with a right limit of kWidth).
int countLabelOrigin(std::string_view count, const textInkMeasure& ink);
