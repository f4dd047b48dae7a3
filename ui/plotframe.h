// The graph's picture at any size: the zoomed or resized classic views and the spectrum view, on
// the screen at its device pixel ratio and in the pictures Ctrl+S exports. The plot worker's
// picture of the whole curve at the default size stays what it always was (graphworker.h); this
// one draws the visible part of each curve column by column as its min-to-max span
// (plot/columnspans.h), with labelled ticks on both axes (plot/axisticks.h), the y axis following
// the visible part (plot/viewrange.h), and, on request, axis titles and a legend, in the screen's
// colours or, for print, dark on white.
//
// A picture is made in three steps: frameData, what the curves are made of, built once for a
// selection and view (the heavy part, a pass over every sample) and kept while only the range or
// the size changes; frameLayout, the columns and scales of one picture; frameLabels, the ticks
// and titles laid out in the painter's font, which needs the GUI thread. Then frameSteps() hands
// every line and text to a sink. Nothing here paints; coordinates are the picture's pixels.
#pragma once

#include "plot/axisticks.h"
#include "plot/minmaxpyramid.h"
#include "plot/viewrange.h"
#include "ui/drawsteps.h"
#include "ui/plotcurves.h"

#include <QSize>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct frameRequest {
    graphView view;
    viewRange range;     // over the first variable's shown positions; its columns are the width
    QSize size;          // the picture's pixels
    qreal scale = 1;     // texts and offsets grow with it: the screen's device pixel ratio
    bool forPrint = false; // dark on white
    bool titles = false;   // axis titles (always in the spectrum view)
    bool legend = false;   // the legend inside the picture
    char decimalSeparator = '.';
};

// The curves' values for every shown position, as min/max pyramids; immutable once built.
struct frameData {
    graphView view;
    std::vector<plotCurve> curves;
    std::vector<minMaxPyramid> values; // one per curve
    std::int64_t counts[2] = {0, 0};   // shown positions of the first and second variable
    std::optional<spectrumAxis> frequencies; // the first variable's, in the spectrum view
};

// Builds the data; `interrupted` is asked between curves, and a null result means it said yes.
std::shared_ptr<const frameData> makeFrameData(const graphView& view, const tdspvar& first,
                                               const tdspvar* second,
                                               const std::function<bool()>& interrupted = {});

enum class frameYKind { values, magnitude, logMagnitude, decibels };

struct frameLayout {
    std::vector<std::vector<std::int64_t>> boundaries; // per curve, width + 1 each
    frameYKind yKind = frameYKind::values;
    extended top = 1, bottom = -1; // the y axis's values (dB on logarithmic ones) at its ends
    int marginTop = 0;             // pixels kept free above the top value
    int marginBottom = 0;          // and below the bottom one: the x labels' row
    bool logX = false;
    extended xStart = 0, xEnd = 1; // the x axis's values at its ends (linear x)
};
frameLayout layoutFrame(const frameData& data, const frameRequest& request);

struct frameText {
    std::string text;
    int x = 0, y = 0; // top-left
};
struct frameLabels {
    std::vector<frameText> texts;     // tick labels, titles and legend names
    std::vector<int> xGrid, yGrid;    // the ticks' pixels
    struct legendLine {
        QRgb colour;
        int x1, x2, y;
    };
    std::vector<legendLine> legend;
};
// Lays the labels out. `ink` measures a text along a line as the painter draws it; `textHeight`
// is the font's line height in pixels.
frameLabels labelFrame(const frameData& data, const frameRequest& request, const frameLayout& layout,
                       const textInkMeasure& ink, int textHeight);

// Where frameSteps() puts its steps. checkpoint() is called between pieces of work; false ends
// the picture there.
class frameSink {
public:
    virtual ~frameSink() = default;
    virtual void line(QRgb colour, int x1, int y1, int x2, int y2, bool dashed) = 0;
    virtual void text(QRgb colour, int x, int y, const QString& text) = 0;
    virtual bool checkpoint() = 0;
};

// Hands over the picture's steps in drawing order; false when a checkpoint ended it.
bool frameSteps(const frameData& data, const frameRequest& request, const frameLayout& layout,
                const frameLabels& labels, frameSink& sink);

// The picture's background and a screen colour as the picture shows it.
QRgb frameBackground(const frameRequest& request);
QRgb frameColour(const frameRequest& request, QRgb screenColour);

// The y of a curve's value, none for NaN; far outside the picture for infinities.
std::optional<int> frameY(const frameLayout& layout, const frameRequest& request, curveQuantity quantity,
                          extended value);
