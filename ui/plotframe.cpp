#include "ui/plotframe.h"

#include "core/numformat.h"
#include "plot/columnspans.h"
#include "plot/pixel.h"
#include "plot/spectrumlevels.h"
#include "ui/drawingcolours.h"
#include "ui/showntexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

constexpr extended kMagnitudeFloor = 1e-998L;  // the classic modulus view's floors
constexpr extended kMinimumFloor = 1e-999L;
constexpr extended kLogValueFloor = 1e-1000L;
constexpr extended kWidestLogSpanDb = 86.858896380650365530L; // 10 natural-log units, in dB
constexpr int kMarginPixels = 4;         // kept free above the curves and above the x labels
constexpr int kLabelInset = 2;           // texts keep this far from the picture's edges
constexpr int kBottomLabelRise = 16;     // the x labels' top above the bottom edge, as the graph's
constexpr int kLegendLineLength = 20;
constexpr int kCheckEvery = 256;         // columns between checkpoints

bool isPhase(curveQuantity q) { return q == curveQuantity::phase; }

int scaled(const frameRequest& r, int pixels)
{
    return static_cast<int>(std::lround(pixels * r.scale));
}

// The part of every curve inside the view: its visible extremes.
minMax visibleExtent(const frameData& data, const frameLayout& layout, bool phases)
{
    minMax extent;
    for (std::size_t k = 0; k < data.curves.size(); ++k) {
        if (isPhase(data.curves[k].quantity) != phases)
            continue;
        const auto& b = layout.boundaries[k];
        extent.take(data.values[k].range(b.front(), b.back()));
    }
    return extent;
}

minMax wholeFinite(const frameData& data)
{
    minMax whole;
    for (std::size_t k = 0; k < data.curves.size(); ++k)
        if (!isPhase(data.curves[k].quantity) && !data.values[k].finiteRange().empty())
            whole.take(data.values[k].finiteRange());
    return whole;
}

extended decibels(extended modulus)
{
    return 20 * std::log10(std::max(modulus, kLogValueFloor));
}

struct printPair {
    QRgb screen, print;
};
constexpr printPair kPrintColours[] = {
    {drawingColours::real, qRgb(0, 0, 0)},
    {drawingColours::secondReal, qRgb(110, 110, 110)},
    {drawingColours::imaginary, qRgb(150, 110, 0)},
    {drawingColours::secondImaginary, qRgb(170, 150, 90)},
    {drawingColours::modulus, qRgb(0, 0, 200)},
    {drawingColours::secondModulus, qRgb(100, 100, 210)},
    {drawingColours::phase, qRgb(200, 0, 0)},
    {drawingColours::secondPhase, qRgb(210, 120, 120)},
    {drawingColours::spectrum, qRgb(0, 80, 190)},
    {drawingColours::secondSpectrum, qRgb(200, 90, 0)},
    {drawingColours::graphGrid, qRgb(160, 160, 160)},
    {drawingColours::levelGrid, qRgb(215, 215, 215)},
    {drawingColours::phaseReference, qRgb(225, 150, 150)},
};

QString xTitle(const frameData& data)
{
    if (data.frequencies)
        return shownText(frequencyTitle(data.frequencies->unit()));
    return QCoreApplication::translate("PlotFrame", "Esantion");
}

QString yTitle(const frameLayout& layout)
{
    switch (layout.yKind) {
    case frameYKind::decibels: return QString::fromUtf8(kLevelTitle.data(), static_cast<qsizetype>(kLevelTitle.size()));
    case frameYKind::logMagnitude: return QCoreApplication::translate("PlotFrame", "Modul [dB]");
    case frameYKind::magnitude: return QCoreApplication::translate("PlotFrame", "Modul");
    case frameYKind::values: break;
    }
    return QCoreApplication::translate("PlotFrame", "Valoare");
}

} // namespace

std::shared_ptr<const frameData> makeFrameData(const graphView& view, const tdspvar& first,
                                               const tdspvar* second,
                                               const std::function<bool()>& interrupted)
{
    auto data = std::make_shared<frameData>();
    data->view = view;
    data->curves = curvesOf(view, first, second);
    data->counts[0] = shownCount(view, first);
    data->counts[1] = second ? shownCount(view, *second) : 0;
    if (view.spectrum)
        data->frequencies = spectrumAxisOf(first, view.layout);
    for (const plotCurve& curve : data->curves) {
        if (interrupted && interrupted())
            return nullptr;
        const tdspvar& v = curve.variable == 1 ? first : *second;
        data->values.emplace_back(curveValues(v, curve.quantity, view.layout));
    }
    return data;
}

frameLayout layoutFrame(const frameData& data, const frameRequest& request)
{
    frameLayout layout;
    const int width = std::max(request.size.width(), 1);
    const int height = std::max(request.size.height(), 1);
    layout.marginTop = std::min(scaled(request, kMarginPixels), height / 8);
    layout.marginBottom = std::min(scaled(request, kBottomLabelRise + kMarginPixels), height / 4);
    const graphView& view = data.view;
    layout.logX = !view.spectrum && view.classic.logX;
    const std::vector<std::int64_t> first =
        layout.logX ? logBoundaries(data.counts[0], width) : linearBoundaries(request.range);
    for (const plotCurve& curve : data.curves)
        layout.boundaries.push_back(curve.variable == 1 ? first
                                                        : scaledBoundaries(first, data.counts[0], data.counts[1]));
    const extended start = request.range.first();
    const extended end = start + request.range.count();
    layout.xStart = data.frequencies ? data.frequencies->frequencyAt(start) : start;
    layout.xEnd = data.frequencies ? data.frequencies->frequencyAt(end) : end;

    const plotFlags flags = plotPassFlags(view.classic, nullptr, nullptr);
    const minMax visible = visibleExtent(data, layout, false);
    if (view.spectrum) {
        layout.yKind = frameYKind::decibels;
        const valueSpan span = followVisible(visible, wholeFinite(data), yFollow::decibels);
        layout.top = span.high;
        layout.bottom = span.low;
    } else if (view.classic.logY) {
        layout.yKind = frameYKind::logMagnitude;
        const extended high = visible.empty() || !std::isfinite(visible.high) ? kMagnitudeFloor
                                                                              : std::max(visible.high, kMagnitudeFloor);
        const extended low = visible.empty() ? kMinimumFloor : std::max(visible.low, kMinimumFloor);
        layout.top = decibels(high);
        layout.bottom = std::max(decibels(low), layout.top - kWidestLogSpanDb);
        if (!(layout.top - layout.bottom > 1e-9L * std::fabs(layout.top))) // a constant modulus
            layout.bottom = layout.top - kWidestLogSpanDb;
    } else {
        layout.yKind = flags.modulusView || view.classic.polar ? frameYKind::magnitude : frameYKind::values;
        const valueSpan span = followVisible(visible, wholeFinite(data),
                                             layout.yKind == frameYKind::magnitude ? yFollow::magnitude : yFollow::values);
        layout.top = span.high;
        layout.bottom = span.low;
    }
    return layout;
}

std::optional<int> frameY(const frameLayout& layout, const frameRequest& request, curveQuantity quantity,
                          extended value)
{
    const int height = request.size.height();
    const int far = 4 * height + 1000;
    if (isPhase(quantity)) // as the graph draws it: 40 pixels a radian in 289 rows
        return roundedPixel(height / 2 - value * plotGeometry::kPhaseScale * height / plotGeometry::kHeight,
                            -far, far);
    if (layout.yKind == frameYKind::logMagnitude)
        value = decibels(value);
    const extended rows = height - 1 - layout.marginTop - layout.marginBottom;
    return roundedPixel(layout.marginTop + (layout.top - value) / (layout.top - layout.bottom) * rows, -far, far);
}

QRgb frameBackground(const frameRequest& request)
{
    return request.forPrint ? qRgb(255, 255, 255) : drawingColours::background;
}

QRgb frameColour(const frameRequest& request, QRgb screenColour)
{
    if (!request.forPrint)
        return screenColour;
    for (const printPair& p : kPrintColours)
        if ((p.screen & 0xffffffu) == (screenColour & 0xffffffu))
            return p.print;
    return qRgb(0, 0, 0);
}

frameLabels labelFrame(const frameData& data, const frameRequest& request, const frameLayout& layout,
                       const textInkMeasure& ink, int textHeight)
{
    frameLabels labels;
    const int width = request.size.width();
    const int height = request.size.height();
    const int inset = scaled(request, kLabelInset);
    const int xLabelY = height - scaled(request, kBottomLabelRise);
    const char sep = request.decimalSeparator;

    // The x axis: the graph's step table on a logarithmic one, nice values on a linear one (whole
    // samples only on a sample axis).
    if (layout.logX) {
        const std::int64_t count = data.counts[0];
        const extended factor = count > 0 ? (width - 1) / std::log(static_cast<extended>(count) + 1) : 0;
        for (int j = 1; j <= kGridStepCount && count > 0; ++j) {
            const std::int64_t v = gridStepValue(j);
            const int x = static_cast<int>(std::trunc(std::log(static_cast<extended>(v)) * factor));
            if (x > width - scaled(request, 60))
                break;
            labels.xGrid.push_back(x);
            labels.texts.push_back({std::to_string(v), x, xLabelY});
        }
    } else {
        const axisLayout axis{.atStart = layout.xStart, .atEnd = layout.xEnd, .pixels = width,
                              .minimumSpacing = scaled(request, 50), .decimalSeparator = sep};
        for (const axisTick& t : axisTicks(axis, ink)) {
            if (!data.frequencies && t.value != std::floor(t.value))
                continue;
            labels.xGrid.push_back(t.pixel);
            labels.texts.push_back({t.label, t.labelOrigin, xLabelY});
        }
    }

    // Titles: the y axis's at the top left, the x axis's at the bottom right above its labels.
    int titleBottom = -1;
    if (request.titles || data.view.spectrum) {
        const std::string y = yTitle(layout).toStdString();
        labels.texts.push_back({y, inset, inset});
        titleBottom = inset + textHeight;
        const std::string x = xTitle(data).toStdString();
        labels.texts.push_back({x, width - inset - ink(x).right - 1, xLabelY - textHeight - inset});
    }

    // The y axis: nice values (dB steps of 10 or 20 on logarithmic ones) between the margins,
    // clear of the title and of the x labels.
    const int rows = height - 1 - layout.marginTop - layout.marginBottom;
    const axisLayout axis{.atStart = layout.top, .atEnd = layout.bottom, .pixels = std::max(rows, 1),
                          .kind = layout.yKind == frameYKind::decibels || layout.yKind == frameYKind::logMagnitude
                                      ? tickKind::decibel : tickKind::linear,
                          .minimumSpacing = scaled(request, 40), .decimalSeparator = sep};
    const auto rowsInk = [textHeight](std::string_view) { return textInk{0, textHeight - 1}; };
    for (const axisTick& t : axisTicks(axis, rowsInk)) {
        const int y = t.pixel + layout.marginTop;
        labels.yGrid.push_back(y);
        const int top = std::clamp(y - textHeight / 2, 0, std::max(height - textHeight, 0));
        if (top > titleBottom && top + textHeight < xLabelY)
            labels.texts.push_back({t.label, inset, top});
    }

    // The legend, in the picture only when asked for: a short line and a name per curve, at
    // the top right, the first variable's curves first.
    if (request.legend && data.curves.size() > 1) {
        int widest = 0;
        for (const plotCurve& c : data.curves)
            widest = std::max(widest, ink(c.name.toStdString()).right + 1);
        const int lineLength = scaled(request, kLegendLineLength);
        const int left = width - inset * 3 - widest - lineLength;
        int y = inset;
        for (const plotCurve& c : legendOrder(data.curves)) {
            labels.legend.push_back({c.colour, left, left + lineLength, y + textHeight / 2});
            labels.texts.push_back({c.name.toStdString(), left + lineLength + inset, y});
            y += textHeight;
        }
    }
    return labels;
}

bool frameSteps(const frameData& data, const frameRequest& request, const frameLayout& layout,
                const frameLabels& labels, frameSink& sink)
{
    using namespace drawingColours;
    const int width = request.size.width();
    const int height = request.size.height();
    const auto colour = [&](QRgb c) { return frameColour(request, c); };

    for (const int y : labels.yGrid)
        sink.line(colour(levelGrid), 0, y, width - 1, y, true);
    for (const int x : labels.xGrid)
        sink.line(colour(graphGrid), x, 0, x, height - 1, true);
    sink.line(colour(graphGrid), 0, 0, 0, height - 1, false);
    sink.line(colour(graphGrid), width - 1, 0, width - 1, height - 1, false);
    if (std::any_of(data.curves.begin(), data.curves.end(), [](const plotCurve& c) { return isPhase(c.quantity); }))
        for (const extended phase : {kPi, -kPi, extended(0)}) {
            const int y = frameY(layout, request, curveQuantity::phase, phase).value_or(height / 2);
            sink.line(colour(phaseReference), 0, y, width - 1, y, true);
        }
    if (!sink.checkpoint())
        return false;

    for (std::size_t k = 0; k < data.curves.size(); ++k) {
        const plotCurve& curve = data.curves[k];
        const QRgb ink = colour(curve.colour);
        const auto y = [&](extended v) { return frameY(layout, request, curve.quantity, v); };
        std::optional<int> previous; // the y of the last sample of the column before
        int previousColumn = -1;
        int sinceCheck = 0;
        for (const columnSpan& span : columnSpans(data.values[k], layout.boundaries[k])) {
            const std::optional<int> high = y(span.extent.high);
            const std::optional<int> low = y(span.extent.low);
            const std::optional<int> first = y(span.first);
            if (previous && first)
                sink.line(ink, previousColumn, *previous, span.column, *first, false);
            if (high && low)
                sink.line(ink, span.column, *high, span.column, *low, false);
            previous = y(span.last);
            previousColumn = span.column;
            if (++sinceCheck == kCheckEvery) {
                sinceCheck = 0;
                if (!sink.checkpoint())
                    return false;
            }
        }
        if (!sink.checkpoint())
            return false;
    }

    for (const frameLabels::legendLine& l : labels.legend)
        sink.line(colour(l.colour), l.x1, l.y, l.x2, l.y, false);
    const QRgb textColour = colour(real);
    for (const frameText& t : labels.texts)
        sink.text(textColour, t.x, t.y, QString::fromStdString(t.text));
    return sink.checkpoint();
}
