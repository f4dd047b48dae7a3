#include "ui/graphworker.h"

#include "ui/drawingcolours.h"
#include "ui/drawsteps.h"
#include "ui/localenumber.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

using namespace plotGeometry;

namespace {

// Curve colours of the first and the second variable.
constexpr QRgb kRealColour[2] = {drawingColours::real, drawingColours::secondReal};
constexpr QRgb kImagColour[2] = {drawingColours::imaginary, drawingColours::secondImaginary};
constexpr QRgb kModulusColour[2] = {drawingColours::modulus, drawingColours::secondModulus};
constexpr QRgb kPhaseColour[2] = {drawingColours::phase, drawingColours::secondPhase};
// Texts on a black box, as on a palette bitmap.
constexpr paintStyle kStyle{0, Qt::SquareCap, true};
constexpr bool kDashed = true;

void copySamples(tdspvar& to, const tdspvar* from)
{
    to = from ? *from : tdspvar();
}

} // namespace

// ---- the request, GUI side ----

PlotRequest::PlotRequest(QImage* bitmap, QWidget* view, threadStarter starter)
    : bitmap_(bitmap), view_(view), thread_(1, std::move(starter))
{
}

PlotRequest::~PlotRequest()
{
    worker_.withdraw();
}

void PlotRequest::request(tdspvarPtr first, tdspvarPtr second, plotMode mode)
{
    requestedFirst_ = std::move(first);
    requestedSecond_ = std::move(second);
    requestedMode_ = mode;
    worker_.request();
}

// ---- the worker ----

GraphWorker::GraphWorker(PlotRequest& request, DrawingThreads& thread)
    : DrawingPass(thread), request_(request)
{
}

GraphWorker::~GraphWorker()
{
    withdraw();
}

void GraphWorker::beginPass()
{
    input_.first = request_.requestedFirst_;
    input_.second = request_.requestedSecond_;
    input_.mode = request_.requestedMode_;
    copySamples(input_.firstSamples, input_.first.get());
    copySamples(input_.secondSamples, input_.second.get());
    input_.decimalSeparator = localeDecimalSeparator();
    // Only the count and the kind of the x axis matter for its marks.
    const plotFlags axis{.logX = input_.mode.logX};
    input_.xMarks = xGridMarks(makePlotScale(plotRange{}, axis, input_.firstSamples.sampleCount()),
                               painterInk(request_.view_ ? request_.view_->font() : QApplication::font()));
    request_.bitmap_->fill(drawingColours::background);
}

void GraphWorker::paint(const drawBatch& batch)
{
    QWidget* view = request_.view_;
    paintSteps(*request_.bitmap_, batch.steps, kStyle, view ? view->font() : QApplication::font());
    if (batch.repaint && view)
        view->update();
}

void GraphWorker::passEnded()
{
    if (request_.view_)
        request_.view_->update();
}

void GraphWorker::computePass()
{
    const tdspvar& first = input_.firstSamples;
    const tdspvar* second = input_.second ? &input_.secondSamples : nullptr;
    flags_ = plotPassFlags(input_.mode, &first, second);
    const std::int64_t n1 = first.sampleCount();

    plotRange range;
    scanPlotRange(first, flags_, range);
    if (second)
        scanPlotRange(*second, flags_, range);
    scale_ = makePlotScale(range, flags_, n1);
    if (interrupted())
        return;

    // An empty first variable has no axis to draw on: only the right edge and its 0 are shown.
    if (n1 > 0 && !drawAxes())
        return;

    if (interrupted())
        return;
    line(drawingColours::graphGrid, kWidth - 1, 0, kWidth - 1, kHeight - 1);
    // The count moves left as far as it must to show all its digits.
    text(drawingColours::graphGrid, kEdgeLabelX, kBottomLabelY, QString::number(n1), kWidth);
    if (interrupted())
        return;

    // Each point is computed once: the end of one segment is the start of the next.
    curvePoint from[2] = {pointAt(first, 0), second ? pointAt(*second, 0) : curvePoint{}};
    for (std::int64_t w = 0; w + 2 <= n1; ++w) {
        const int x1 = plotX(scale_, w);
        const int x2 = plotX(scale_, w + 1);
        const extended t2 = static_cast<extended>(w + 1) / static_cast<extended>(n1);
        if (interrupted())
            return;
        if (second) {
            const curvePoint to = pointAt(*second, t2);
            drawSegment(2, x1, x2, from[1], to);
            from[1] = to;
            if (interrupted())
                return;
        }
        const curvePoint to = pointAt(first, t2);
        drawSegment(1, x1, x2, from[0], to);
        from[0] = to;
        if (w == n1 - 2 || w % kRepaintEvery == 0) {
            markRepaint();
            if (w != n1 - 2 && !handOver()) // the last batch goes with the end of the pass
                return;
        }
    }
}

bool GraphWorker::drawAxes()
{
    using namespace drawingColours;
    const QRgb labelColour = flags_.modulusView ? modulus : real;
    const char sep = input_.decimalSeparator;
    text(labelColour, 2, 2, QString::fromStdString(yRangeLabel(scale_.maximum, flags_.logY, sep)));
    text(labelColour, 2, kMinimumLabelY, QString::fromStdString(yRangeLabel(scale_.minimum, flags_.logY, sep)));
    if (flags_.modulusView)
        for (const extended value : {kPi, -kPi, extended(0)}) {
            const int y = phaseY(value).value_or(kMiddle);
            line(phaseReference, 0, y, kWidth, y, kDashed);
        }

    // The first line of the axis is solid, the others dashed; labels are white on a logarithmic
    // axis and green on a linear one.
    const QRgb labelInk = scale_.logX ? real : graphGrid;
    bool firstLine = true;
    for (const gridMark& mark : input_.xMarks) {
        if (interrupted())
            return false;
        line(graphGrid, mark.x, 0, mark.x, kHeight - 1, !firstLine);
        firstLine = false;
        if (!mark.label.empty())
            text(labelInk, mark.x, kBottomLabelY, QString::fromStdString(mark.label));
    }
    return true;
}

GraphWorker::curvePoint GraphWorker::pointAt(const tdspvar& v, extended t) const
{
    if (flags_.modulusView)
        return {plotY(scale_, v.interpolatedModulus(0, t)), phaseY(v.interpolatedPhase(0, t))};
    return {flags_.complexData ? plotY(scale_, v.interpolatedImagPart(0, t)) : std::nullopt,
            plotY(scale_, v.interpolatedRealPart(0, t))};
}

void GraphWorker::segment(QRgb colour, int x1, std::optional<int> y1, int x2, std::optional<int> y2)
{
    // A point that is not a number leaves a gap.
    if (y1 && y2)
        line(colour, x1, *y1, x2, *y2);
}

void GraphWorker::drawSegment(int number, int x1, int x2, curvePoint from, curvePoint to)
{
    const std::size_t k = number == 1 ? 0 : 1;
    if (flags_.modulusView) {
        segment(kModulusColour[k], x1, from.first, x2, to.first);
        segment(kPhaseColour[k], x1, from.second, x2, to.second);
        return;
    }
    if (flags_.complexData)
        segment(kImagColour[k], x1, from.first, x2, to.first);
    segment(kRealColour[k], x1, from.second, x2, to.second);
}
