#include "ui/previewworker.h"

#include "core/numformat.h"
#include "dsp/samplebuffer.h"
#include "ui/guihandover.h"
#include "ui/localenumber.h"
#include "ui/plotbitmap.h"
#include "ui/bitmapview.h"

#include <QApplication>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

const QRgb kGridGreen = qRgb(0, 160, 0);
const QRgb kGridBright = qRgb(0, 255, 80);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kLightYellow = qRgb(255, 255, 127);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);

constexpr int kGridStep = 16;
constexpr int kZeroLine = kPlotHeight / 2;                 // 144
constexpr extended kYScaleSpan = kPlotHeight / 2.0L - 2;  // 142.5 pixels for the peak
constexpr extended kPixelsPerRadian = 40;
constexpr int kRepaintEvery = 256;
constexpr extended kPeakFloor = 1e-10L;

// Rounds to the nearest pixel, halves to even. Values that are not finite give no pixel, and
// huge ones are pulled in far enough that the painter still clips them correctly.
bool toPixel(extended value, int& pixel)
{
    if (!std::isfinite(value))
        return false;
    value = std::clamp(value, -1e6L, 1e6L);
    pixel = static_cast<int>(std::nearbyint(value));
    return true;
}

// The largest sample modulus, at least 1e-10. A NaN never wins; an infinity does (and then
// flattens every finite sample onto the zero line).
extended samplesPeak(const complexValue* values, std::size_t count)
{
    extended peak = kPeakFloor;
    for (std::size_t i = 0; i < count; ++i) {
        const extended modulus = std::sqrt(values[i].re * values[i].re + values[i].im * values[i].im);
        if (modulus > peak)
            peak = modulus;
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
    bitmap.fill(Qt::black);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int k = 0; k <= h / kGridStep; ++k) {
        painter.setPen(QColor(k == h / (2 * kGridStep) ? kGridBright : kGridGreen));
        painter.drawLine(0, k * kGridStep, w, k * kGridStep);
    }
    for (int k = 0; k <= w / kGridStep; ++k) {
        painter.setPen(QColor(k == 0 ? kGridBright : kGridGreen));
        painter.drawLine(k * kGridStep, 0, k * kGridStep, h);
    }
}

// ---- the worker ------------------------------------------------------------------------------

void PreviewWorker::start()
{
    thread_.start([this] { run(); }, WorkerThread::priority::belowNormal);
}

bool PreviewWorker::handOver(const std::function<void()>& step)
{
    return GuiHandOver::instance().run(step, plotter_.cancelHandOver_);
}

bool PreviewWorker::flush(std::vector<previewStep>& steps)
{
    const bool ok = handOver([&] { plotter_.paintSteps(steps, peak_, request_); });
    steps.clear();
    return ok;
}

void PreviewWorker::run()
{
    std::vector<previewStep> steps;
    char decimalSeparator = '.';
    for (;;) {
        steps.clear();
        if (!handOver([&] {
                plotter_.beginPass(samples_, mode_, request_);
                decimalSeparator = localeDecimalSeparator();
            }))
            return;

        const int n = static_cast<int>(samples_.size());
        const extended peak = samplesPeak(samples_.data(), samples_.size());
        peak_ = peak;
        steps.push_back({kWhite, 1, 1, 1, 1, false,
                         QString::fromStdString(formatGeneral(peak, 15, decimalSeparator))});

        bool restarted = false;
        bool stopped = false;
        if (n >= 2) {
            const extended yscale = kYScaleSpan / peak;
            const extended xstep = static_cast<extended>(kPlotWidth) / (n - 1);
            auto x = [&](int i) { return static_cast<int>(std::nearbyint(i * xstep)); };
            auto scaled = [&](extended v, int& y) { return toPixel(kZeroLine - yscale * v, y); };
            auto phase = [&](const complexValue& z, int& y) {
                return toPixel(kZeroLine - kPixelsPerRadian * std::atan2(z.im, z.re), y);
            };
            auto line = [&](QRgb colour, int i, bool okFrom, int yFrom, bool okTo, int yTo,
                            bool repaint) {
                if (okFrom && okTo)
                    steps.push_back({colour, x(i - 1), yFrom, x(i), yTo, repaint, {}});
            };

            for (int i = 1; i < n; ++i) {
                plotter_.progress_ = static_cast<int>(static_cast<std::int64_t>(i) * 100 / (n - 1));
                if (plotter_.restart_) {
                    restarted = true;
                    break;
                }
                if (plotter_.stop_) {
                    stopped = true;
                    break;
                }
                const bool repaint = i % kRepaintEvery == 0 || i == n - 1;
                const complexValue& a = samples_[i - 1];
                const complexValue& b = samples_[i];
                int ya = 0, yb = 0;
                if (mode_ == 2) {
                    const bool okA = scaled(std::sqrt(a.re * a.re + a.im * a.im), ya);
                    const bool okB = scaled(std::sqrt(b.re * b.re + b.im * b.im), yb);
                    line(kBlue, i, okA, ya, okB, yb, false);
                    const bool pA = phase(a, ya);
                    const bool pB = phase(b, yb);
                    line(kRed, i, pA, ya, pB, yb, repaint);
                } else {
                    if (mode_ == 1) {
                        const bool okA = scaled(a.im, ya);
                        const bool okB = scaled(b.im, yb);
                        line(kLightYellow, i, okA, ya, okB, yb, repaint);
                    }
                    const bool okA = scaled(a.re, ya);
                    const bool okB = scaled(b.re, yb);
                    line(kWhite, i, okA, ya, okB, yb, repaint);
                }
                if (repaint && i < n - 1 && !flush(steps))
                    return;
            }
            if (!restarted && !stopped && mode_ == 2)
                steps.push_back({kRed, 36, 16, 36, 16, false, QStringLiteral("+2pi")});
        }

        if (restarted) {
            if (!flush(steps))
                return;
            continue;
        }
        bool again = false;
        if (!handOver([&] {
                plotter_.paintSteps(steps, peak_, request_);
                again = plotter_.endPass();
            }))
            return;
        if (!again)
            return;
    }
}

// ---- the plotter (GUI thread) ----------------------------------------------------------------

PreviewPlotter& PreviewPlotter::instance()
{
    static PreviewPlotter plotter;
    return plotter;
}

PreviewPlotter::PreviewPlotter()
{
    GuiHandOver::instance(); // made on the GUI thread, before any worker asks for it
}

PreviewPlotter::~PreviewPlotter()
{
    shutdown();
}

void PreviewPlotter::start(BitmapView* display, std::shared_ptr<const sampleBuffer> samples)
{
    ++requests_;
    peakCurrent_ = false;
    display_ = display;
    samples_ = std::move(samples);
    stop_ = false;
    if (busy_) {
        restart_ = true;
        return;
    }
    busy_ = true;
    restart_ = false;
    if (worker_)
        worker_->thread().join(); // its pass has ended; it is only returning
    cancelHandOver_ = false;
    worker_ = std::make_unique<PreviewWorker>(*this);
    worker_->start();
}

void PreviewPlotter::shutdown()
{
    stop_ = true;
    if (worker_) {
        GuiHandOver::instance().stopAndWait(worker_->thread(), cancelHandOver_);
        worker_.reset();
    }
    busy_ = false;
    restart_ = false;
    stop_ = false;
    cancelHandOver_ = false;
}

extended PreviewPlotter::peak() const
{
    if (peakCurrent_)
        return peak_;
    const sampleBuffer& buffer = samples();
    return samplesPeak(buffer.values.data(), usableCount(buffer));
}

const sampleBuffer& PreviewPlotter::samples() const
{
    static const sampleBuffer none;
    return samples_ ? *samples_ : none;
}

void PreviewPlotter::beginPass(std::vector<complexValue>& samples, int& mode, std::uint64_t& request)
{
    restart_ = false;
    const sampleBuffer& buffer = this->samples();
    samples.assign(buffer.values.begin(),
                   buffer.values.begin() + static_cast<std::ptrdiff_t>(usableCount(buffer)));
    mode = mode_;
    request = requests_;
    if (!stop_)
        drawEmptyPreviewGrid(plotBitmap());
}

void PreviewPlotter::paintSteps(const std::vector<previewStep>& steps, extended peak,
                                std::uint64_t request)
{
    if (request == requests_) {
        peak_ = peak;
        peakCurrent_ = true;
    }
    if (stop_ || steps.empty())
        return;
    QPainter painter(&plotBitmap());
    painter.setRenderHint(QPainter::Antialiasing, false);
    bool repaint = false;
    for (const previewStep& step : steps) {
        painter.setPen(QColor(step.colour));
        if (step.text.isEmpty()) {
            painter.drawLine(step.x1, step.y1, step.x2, step.y2);
            repaint = repaint || step.repaint;
        } else {
            QFont font = display_ ? display_->font() : QApplication::font();
            font.setStyleStrategy(QFont::NoAntialias);
            painter.setFont(font);
            painter.drawText(QRect(step.x1, step.y1, kPlotWidth, kPlotHeight),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, step.text);
        }
    }
    painter.end();
    if (repaint && display_)
        display_->update();
}

bool PreviewPlotter::endPass()
{
    // The end of a pass is decided here, on the GUI thread, so that a start() can never slip in
    // between clearing `busy` and testing `restart` and leave two workers drawing.
    if (display_ && !stop_)
        display_->update(); // also shows a pass without any curve (a single sample)
    stop_ = false;
    if (restart_)
        return true;
    busy_ = false;
    return false;
}
