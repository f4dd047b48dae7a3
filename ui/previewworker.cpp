#include "ui/previewworker.h"

#include "core/numformat.h"
#include "plot/pixel.h"
#include "ui/bitmapview.h"
#include "ui/drawingcolours.h"
#include "ui/localenumber.h"
#include "ui/plotbitmap.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

constexpr int kGridStep = 16;
constexpr int kZeroLine = kPlotHeight / 2;                 // 144
constexpr extended kYScaleSpan = kPlotHeight / 2.0L - 2;  // 142.5 pixels for the peak
constexpr extended kPixelsPerRadian = 40;
constexpr int kRepaintEvery = 256;
constexpr extended kPeakFloor = 1e-10L;
constexpr int kPeakDigits = 15;
constexpr int kPeakTextX = 1, kPeakTextY = 1;
constexpr int kTurnTextX = 36, kTurnTextY = 16; // "+2pi" beside the top of the phase scale
constexpr paintStyle kStyle{1, Qt::SquareCap, false};

// The largest sample modulus, at least 1e-10. A NaN never wins; an infinity does (and then
// flattens every finite sample onto the zero line).
extended samplesPeak(const complexValue* values, std::size_t count)
{
    extended peak = kPeakFloor;
    for (std::size_t i = 0; i < count; ++i) {
        const extended m = complexModulus(values[i]);
        if (m > peak)
            peak = m;
    }
    return peak;
}

// The samples of the buffer that a pass draws: its count, within its storage.
std::size_t usableCount(const sampleBuffer& buffer)
{
    return static_cast<std::size_t>(
        std::clamp(buffer.count, 0, static_cast<int>(buffer.values.size())));
}

} // namespace

void drawEmptyPreviewGrid(QImage& bitmap)
{
    const int w = bitmap.width();
    const int h = bitmap.height();
    bitmap.fill(drawingColours::background);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int k = 0; k <= h / kGridStep; ++k) {
        painter.setPen(QColor(k == h / (2 * kGridStep) ? drawingColours::previewAxis : drawingColours::previewGrid));
        painter.drawLine(0, k * kGridStep, w, k * kGridStep);
    }
    for (int k = 0; k <= w / kGridStep; ++k) {
        painter.setPen(QColor(k == 0 ? drawingColours::previewAxis : drawingColours::previewGrid));
        painter.drawLine(k * kGridStep, 0, k * kGridStep, h);
    }
}

// ---- the worker ------------------------------------------------------------------------------

PreviewWorker::PreviewWorker(PreviewPlotter& plotter, DrawingThreads& thread)
    : DrawingPass(thread), plotter_(plotter)
{
}

PreviewWorker::~PreviewWorker()
{
    withdraw();
}

void PreviewWorker::beginPass()
{
    const sampleBuffer& buffer = plotter_.samples();
    samples_.assign(buffer.values.begin(),
                    buffer.values.begin() + static_cast<std::ptrdiff_t>(usableCount(buffer)));
    mode_ = plotter_.mode_;
    decimalSeparator_ = localeDecimalSeparator();
    drawEmptyPreviewGrid(plotter_.bitmap_);
}

void PreviewWorker::computePass()
{
    using namespace drawingColours;
    const int n = static_cast<int>(samples_.size());
    const extended peak = samplesPeak(samples_.data(), samples_.size());
    text(real, kPeakTextX, kPeakTextY, QString::fromStdString(formatGeneral(peak, kPeakDigits, decimalSeparator_)));
    if (n < 2)
        return;

    const extended yscale = kYScaleSpan / peak;
    const extended xstep = static_cast<extended>(kPlotWidth) / (n - 1);
    const auto scaled = [&](extended v) { return roundedPixel(kZeroLine - yscale * v); };
    // Each sample's pixels are computed once: the end of one segment is the start of the next.
    // The first curve is the modulus or the imaginary parts, the second the phase or the real
    // parts.
    struct point {
        int x;
        std::optional<int> first;
        std::optional<int> second;
    };
    const auto pointAt = [&](int i) -> point {
        const complexValue& z = samples_[static_cast<std::size_t>(i)];
        const int x = *roundedPixel(i * xstep);
        if (mode_ == previewMode::polar)
            return {x, scaled(complexModulus(z)),
                    roundedPixel(kZeroLine - kPixelsPerRadian * std::atan2(z.im, z.re))};
        return {x, mode_ == previewMode::cartesian ? scaled(z.im) : std::nullopt, scaled(z.re)};
    };
    // A segment with an end that is not a number is left out.
    const auto segment = [&](QRgb colour, const point& a, const point& b, std::optional<int> point::*y) {
        if (a.*y && b.*y)
            line(colour, a.x, *(a.*y), b.x, *(b.*y));
    };
    const QRgb firstColour = mode_ == previewMode::polar ? modulus : imaginary;
    const QRgb secondColour = mode_ == previewMode::polar ? phase : real;
    point from = pointAt(0);
    for (int i = 1; i < n; ++i) {
        // Only the gauge reads it, so no ordering is needed.
        plotter_.progress_.store(static_cast<int>(static_cast<std::int64_t>(i) * 100 / (n - 1)),
                                 std::memory_order_relaxed);
        if (interrupted())
            return;
        const point to = pointAt(i);
        segment(firstColour, from, to, &point::first); // none in the real mode
        segment(secondColour, from, to, &point::second);
        from = to;
        if (i % kRepaintEvery == 0 || i == n - 1) {
            markRepaint();
            if (i < n - 1 && !handOver())
                return;
        }
    }
    if (mode_ == previewMode::polar)
        text(phase, kTurnTextX, kTurnTextY, QStringLiteral("+2pi"));
}

void PreviewWorker::paint(const drawBatch& batch)
{
    // A stopped preview paints nothing more: the bitmap may be shown by another window now.
    if (stopRequested() || batch.steps.empty())
        return;
    BitmapView* display = plotter_.display_.data();
    paintSteps(plotter_.bitmap_, batch.steps, kStyle, display ? display->font() : QApplication::font());
    if (batch.repaint && display)
        display->update();
}

void PreviewWorker::passEnded()
{
    // Also shows a pass without any curve (a single sample).
    if (plotter_.display_ && !stopRequested())
        plotter_.display_->update();
}

// ---- the plotter (GUI thread) ----------------------------------------------------------------

PreviewPlotter::PreviewPlotter(QImage& bitmap, threadStarter starter, QObject* parent)
    : QObject(parent), bitmap_(bitmap), thread_(1, std::move(starter))
{
}

PreviewPlotter::~PreviewPlotter()
{
    shutdown();
}

void PreviewPlotter::start(BitmapView* display, std::shared_ptr<const sampleBuffer> samples)
{
    display_ = display;
    samples_ = std::move(samples);
    progress_ = 0; // the pass counts up from its first segment
    worker_.request();
}

void PreviewPlotter::shutdown()
{
    worker_.withdraw();
    thread_.shutdown();
}

const sampleBuffer& PreviewPlotter::samples() const
{
    return samples_ ? *samples_ : none_;
}
