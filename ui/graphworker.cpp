#include "ui/graphworker.h"

#include "ui/guihandover.h"
#include "ui/localenumber.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QWidget>

using namespace plotGeometry;

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kGreen = qRgb(0, 128, 0);              // grid, right edge, linear X labels
constexpr QRgb kReferenceColour = qRgb(204, 64, 64);  // the dashed phase lines

// Curve colours of the first and the second variable.
constexpr QRgb kRealColour[2] = {kWhite, qRgb(153, 153, 153)};
constexpr QRgb kImagColour[2] = {qRgb(255, 255, 127), qRgb(153, 153, 73)};
constexpr QRgb kModulusCurveColour[2] = {kBlue, qRgb(0, 0, 153)};
constexpr QRgb kPhaseColour[2] = {qRgb(255, 0, 0), qRgb(153, 0, 0)};

constexpr std::uint8_t kSolid = 0;
constexpr std::uint8_t kDashed = 1;

void copySamples(tdspvar& to, const tdspvar* from)
{
    if (!from) {
        to.resize(0, false);
        return;
    }
    to.isComplex = from->isComplex;
    to.re = from->re;
    to.im = from->im;
}

} // namespace

// ---- the request, GUI side ----

PlotRequest::PlotRequest(QImage* bitmap, QWidget* view) : bitmap_(bitmap), view_(view)
{
    GuiHandOver::instance(); // made on the GUI thread
}

PlotRequest::~PlotRequest()
{
    if (worker_)
        GuiHandOver::instance().stopAndWait(worker_->thread(), stop_);
}

void PlotRequest::request(tdspvarPtr first, tdspvarPtr second, int mode)
{
    requestedFirst_ = std::move(first);
    requestedSecond_ = std::move(second);
    requestedMode_ = mode;
    if (busy_) {
        // A request after an abort (the window closed and opened again while the old pass was
        // still winding down) must be drawn, so it withdraws the abort.
        restart_ = true;
        abort_ = false;
        return;
    }
    if (worker_)
        worker_->thread().join(); // it has taken its last hand-over and is only returning
    busy_ = true;
    restart_ = false;
    abort_ = false;
    worker_ = std::make_unique<GraphWorker>(*this);
    worker_->start();
}

void PlotRequest::beginPass(plotPassInput& input)
{
    restart_ = false;
    ++passCount_;
    input.first = requestedFirst_;
    input.second = requestedSecond_;
    input.mode = requestedMode_;
    copySamples(input.firstSamples, input.first.get());
    copySamples(input.secondSamples, input.second.get());
    input.decimalSeparator = localeDecimalSeparator();
    bitmap_->fill(Qt::black);
}

void PlotRequest::perform(const std::vector<plotStep>& steps, std::int64_t segments)
{
    segmentsDrawn_ += segments;
    QPainter painter(bitmap_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setBackground(Qt::black);
    // Labels are drawn in their exact colours, as on a palette bitmap.
    QFont font = view_ ? view_->font() : painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();
    // A plot uses a handful of pens; each is made once per batch and then only selected.
    std::vector<std::pair<std::uint32_t, QPen>> pens;
    const auto penFor = [&pens](std::uint32_t key, const plotStep& step) -> const QPen& {
        for (const auto& [k, pen] : pens)
            if (k == key)
                return pen;
        QPen pen{QColor(step.colour)};
        pen.setWidth(0);
        pen.setStyle(step.penstyle == kDashed ? Qt::DashLine : Qt::SolidLine);
        return pens.emplace_back(key, pen).second;
    };
    std::uint32_t currentKey = 0xffffffffu;
    bool repaint = false;
    for (const plotStep& step : steps) {
        const std::uint32_t key = (step.colour & 0xffffffu) | (std::uint32_t{step.penstyle} << 24);
        if (key != currentKey) {
            painter.setPen(penFor(key, step));
            currentKey = key;
        }
        if (step.isText) {
            painter.setBackgroundMode(Qt::OpaqueMode);
            painter.drawText(step.x1, step.y1 + ascent, QString::fromStdString(step.text));
            painter.setBackgroundMode(Qt::TransparentMode);
        } else {
            painter.drawLine(step.x1, step.y1, step.x2, step.y2);
            repaint = repaint || step.repaint;
        }
    }
    if (repaint && view_)
        view_->update();
}

bool PlotRequest::endPass()
{
    busy_ = false;
    if (restart_) {
        restart_ = false;
        busy_ = true;
        return true;
    }
    if (view_)
        view_->update();
    abort_ = false;
    return false;
}

// ---- the worker ----

GraphWorker::GraphWorker(PlotRequest& request) : request_(request) {}

void GraphWorker::start()
{
    thread_.start([this] { run(); }, WorkerThread::priority::belowNormal);
}

void GraphWorker::run()
{
    for (;;) {
        if (!request_.abort_) {
            if (!handOver([this] { request_.beginPass(input_); }))
                return;
            drawPass();
        }
        bool anotherPass = false;
        if (!handOver([this, &anotherPass] { anotherPass = request_.endPass(); }) || !anotherPass)
            return;
    }
}

bool GraphWorker::handOver(const std::function<void()>& step)
{
    return GuiHandOver::instance().run(step, request_.stop_);
}

bool GraphWorker::checkPoint()
{
    if (!request_.restart_ && !request_.abort_ && !request_.stop_)
        return false;
    flush();
    return true;
}

void GraphWorker::flush()
{
    if (batch_.empty())
        return;
    handOver([this] { request_.perform(batch_, batchSegments_); });
    batch_.clear();
    batchSegments_ = 0;
}

void GraphWorker::line(QRgb colour, int x1, int y1, int x2, int y2, bool repaint)
{
    plotStep& s = batch_.emplace_back();
    s.colour = colour;
    s.x1 = x1;
    s.y1 = y1;
    s.x2 = x2;
    s.y2 = y2;
    s.penstyle = penstyle_;
    s.repaint = repaint;
}

void GraphWorker::text(QRgb colour, int x, int y, std::string value)
{
    plotStep& s = batch_.emplace_back();
    s.colour = colour;
    s.x1 = x;
    s.y1 = y;
    s.isText = true;
    s.text = std::move(value);
}

void GraphWorker::drawPass()
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
    if (checkPoint())
        return;

    // An empty first variable has no axis to draw on: only the right edge and its 0 are shown.
    if (n1 > 0) {
        penstyle_ = kDashed;
        const QRgb labelColour = flags_.modulusView ? kBlue : kWhite;
        const char sep = input_.decimalSeparator;
        text(labelColour, 2, 2, yRangeLabel(scale_.maximum, flags_.logY, sep));
        text(labelColour, 2, kMinimumLabelY, yRangeLabel(scale_.minimum, flags_.logY, sep));
        if (flags_.modulusView)
            for (const extended phase : {kPi, -kPi, extended(0)}) {
                const int y = phaseY(phase);
                line(kReferenceColour, 0, y, kWidth, y);
            }
        if (drawGrid())
            return;
    }

    if (checkPoint())
        return;
    penstyle_ = kSolid;
    line(kGreen, kWidth - 1, 0, kWidth - 1, kHeight - 1);
    text(kGreen, kEdgeLabelX, kBottomLabelY, std::to_string(n1));
    if (checkPoint())
        return;

    // Each point is computed once: the end of one segment is the start of the next.
    curvePoint from[2] = {pointAt(first, 0), second ? pointAt(*second, 0) : curvePoint{}};
    for (std::int64_t w = 0; w + 2 <= n1; ++w) {
        const int x1 = plotX(scale_, w);
        const int x2 = plotX(scale_, w + 1);
        const extended t2 = static_cast<extended>(w + 1) / static_cast<extended>(n1);
        const bool repaint = w == n1 - 2 || w % kRepaintEvery == 0;
        if (checkPoint())
            return;
        if (second) {
            const curvePoint to = pointAt(*second, t2);
            drawSegment(2, x1, x2, from[1], to, repaint);
            from[1] = to;
            if (checkPoint())
                return;
        }
        const curvePoint to = pointAt(first, t2);
        drawSegment(1, x1, x2, from[0], to, repaint);
        from[0] = to;
        ++batchSegments_;
        if (repaint)
            flush();
    }
    flush();
}

bool GraphWorker::drawGrid()
{
    const std::int64_t n1 = scale_.count;
    int lines = 0;
    const auto gridLine = [&](int x) {
        penstyle_ = lines++ == 0 ? kSolid : kDashed;
        line(kGreen, x, 0, x, kHeight - 1);
    };
    if (scale_.logX) {
        for (int j = 1; j <= kGridStepCount; ++j) {
            const std::int64_t v = gridStepValue(j);
            const int x = plotX(scale_, v - 1);
            if (x > kLabelRightLimit)
                break;
            if (checkPoint())
                return true;
            gridLine(x);
            text(kWhite, x, kBottomLabelY, std::to_string(v));
        }
        return false;
    }
    const std::int64_t step = linearGridStep(n1 + 1);
    int lastLabelX = -100;
    for (std::int64_t a = 0; a < n1 + 1; a += step) {
        const int x = plotX(scale_, a);
        if (checkPoint())
            return true;
        gridLine(x);
        if (x - lastLabelX > 40 && x < kLabelRightLimit) {
            text(kGreen, x, kBottomLabelY, std::to_string(a));
            lastLabelX = x;
        }
    }
    return false;
}

GraphWorker::curvePoint GraphWorker::pointAt(const tdspvar& v, extended t) const
{
    if (flags_.modulusView)
        return {plotY(scale_, v.interpolatedModulus(0, t)), phaseY(v.interpolatedPhase(0, t))};
    return {flags_.complexData ? plotY(scale_, v.interpolatedImagPart(0, t)) : 0,
            plotY(scale_, v.interpolatedRealPart(0, t))};
}

void GraphWorker::drawSegment(int number, int x1, int x2, curvePoint from, curvePoint to, bool repaint)
{
    const std::size_t k = number == 1 ? 0 : 1;
    if (flags_.modulusView) {
        line(kModulusCurveColour[k], x1, from.first, x2, to.first, repaint);
        line(kPhaseColour[k], x1, from.second, x2, to.second, repaint);
        return;
    }
    if (flags_.complexData)
        line(kImagColour[k], x1, from.first, x2, to.first, repaint);
    line(kRealColour[k], x1, from.second, x2, to.second, repaint);
}
