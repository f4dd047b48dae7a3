#include "ui/thumbnailworker.h"

#include "ui/guihandover.h"
#include "ui/variablestrip.h"

#include <QLine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr extended kPeakGuard = 1e-100L;   // keeps 13 / peak defined
constexpr extended kHalfHeight = 13;        // a sample equal to the peak lands 13 above the middle
constexpr extended kMiddleLine = 14;        // y of a zero sample
constexpr int kRepaintStep = 10;            // repaint every 10 segments ...
constexpr int kLongVariable = 1024;         // ... or every N div 128 above this many samples
constexpr int kRepaintsPerLongPass = 128;
constexpr int kFarAway = 1000000;           // lines to points beyond this are clipped anyway

// Rounds to the nearest integer with ties to the even neighbour (the default rounding mode).
int roundToPixel(extended v)
{
    if (v >= kFarAway)
        return kFarAway;
    if (v <= -kFarAway)
        return -kFarAway;
    return static_cast<int>(std::nearbyint(v));
}

std::vector<ThumbnailWorker*>& liveWorkers() // every worker object not yet deleted; GUI thread only
{
    static std::vector<ThumbnailWorker*> workers;
    return workers;
}

} // namespace

ThumbnailWorker::ThumbnailWorker(tdspvarPtr variable, VariableStrip* strip)
    : variable_(std::move(variable)), strip_(strip)
{
}

ThumbnailWorker::~ThumbnailWorker()
{
    GuiHandOver::instance().stopAndWait(thread_, stop_);
    auto& workers = liveWorkers();
    workers.erase(std::remove(workers.begin(), workers.end(), this), workers.end());
}

void ThumbnailWorker::startFor(VariableStrip* strip)
{
    if (!strip || !strip->variable())
        return;
    GuiHandOver::instance(); // made on the GUI thread before any worker asks for it
    auto* worker = new ThumbnailWorker(strip->variable(), strip);
    liveWorkers().push_back(worker);
    worker->thread_.start([worker] { worker->drawPasses(); }, WorkerThread::priority::belowNormal);
}

void ThumbnailWorker::stopAll()
{
    const std::vector<ThumbnailWorker*> workers = liveWorkers();
    for (ThumbnailWorker* worker : workers)
        worker->stop_ = true;
    for (ThumbnailWorker* worker : workers) {
        GuiHandOver::instance().stopAndWait(worker->thread_, worker->stop_);
        if (worker->variable_) {
            worker->variable_->restart = false;
            worker->variable_->busy = false;
        }
        delete worker;
    }
}

int ThumbnailWorker::runningCount()
{
    const auto& workers = liveWorkers();
    return static_cast<int>(
        std::count_if(workers.begin(), workers.end(), [](const ThumbnailWorker* w) { return !w->retired_; }));
}

bool ThumbnailWorker::handOver(const std::function<void()>& action)
{
    return GuiHandOver::instance().run(action, stop_);
}

void ThumbnailWorker::finishPass()
{
    drawBatch();
    again_ = variable_->finishThumbnailPass();
    if (!again_) {
        variable_.reset(); // a released variable goes now, on the GUI thread
        retired_ = true;
        deleteLater();     // the destructor joins the thread, which returns right after this
    }
}

void ThumbnailWorker::startPass()
{
    // Segments of a pass that a restart cut short would be cleared at once: drop them.
    batch_.clear();
    batchRepaint_ = false;
    variable_->restart = false;
    const tdspvar& v = *variable_;
    re_ = v.re;
    complex_ = v.isComplex;
    im_.clear();
    if (complex_) {
        im_ = v.im;
        im_.resize(re_.size());
    }
    peak_ = v.peak;
    if (VariableStrip* strip = strip_.data()) {
        VariableStrip::clearThumbnail(strip->thumbnail());
        strip->update();
    }
}

void ThumbnailWorker::takeStep()
{
    batch_.push_back({colour, x1, y1, x2, y2});
}

void ThumbnailWorker::drawBatch()
{
    VariableStrip* strip = strip_.data();
    if (strip && !batch_.empty()) {
        QPainter painter(&strip->thumbnail());
        QPen pen(QColor::fromRgb(batch_.front().colour), 0);
        pen.setCapStyle(Qt::FlatCap); // the end point is left to the next segment
        std::vector<QLine> lines;
        lines.reserve(batch_.size());
        for (std::size_t first = 0; first < batch_.size();) {
            // Consecutive lines of one colour go to the painter together; the order stays.
            const QRgb c = batch_[first].colour;
            std::size_t last = first;
            lines.clear();
            while (last < batch_.size() && batch_[last].colour == c) {
                const step& s = batch_[last++];
                lines.emplace_back(s.x1, s.y1, s.x2, s.y2);
            }
            pen.setColor(QColor::fromRgb(c));
            painter.setPen(pen);
            painter.drawLines(lines.data(), static_cast<int>(lines.size()));
            first = last;
        }
    }
    if (strip && batchRepaint_)
        strip->update();
    batch_.clear();
    batchRepaint_ = false;
}

void ThumbnailWorker::drawPass()
{
    const int n = static_cast<int>(re_.size());
    if (n <= 2)
        return;
    const extended k = kHalfHeight / (peak_ + kPeakGuard);
    const int repaintStep = n > kLongVariable ? n / kRepaintsPerLongPass : kRepaintStep;
    const extended dx = static_cast<extended>(VariableStrip::kThumbnailWidth) / (n - 1);
    const auto yOf = [k](extended v) { return kMiddleLine - k * v; };

    int xBefore = 0;
    extended reBefore = yOf(re_[0]);
    extended imBefore = complex_ ? yOf(im_[0]) : 0;
    for (int i = 1; i < n; ++i) {
        if (stop_ || variable_->restart || variable_->releasePending)
            return;
        const int x = roundToPixel(i * dx);
        repaint = i == n - 1 || i % repaintStep == 0;
        x1 = xBefore;
        x2 = x;
        // A sample that is not a number breaks the line instead of drawing it anywhere.
        if (complex_) {
            const extended yIm = yOf(im_[static_cast<std::size_t>(i)]);
            if (!std::isnan(imBefore) && !std::isnan(yIm)) {
                colour = kImaginaryColour;
                y1 = roundToPixel(imBefore);
                y2 = roundToPixel(yIm);
                takeStep();
            }
            imBefore = yIm;
        }
        const extended yRe = yOf(re_[static_cast<std::size_t>(i)]);
        if (!std::isnan(reBefore) && !std::isnan(yRe)) {
            colour = kRealColour;
            y1 = roundToPixel(reBefore);
            y2 = roundToPixel(yRe);
            takeStep();
        }
        batchRepaint_ = batchRepaint_ || repaint;
        reBefore = yRe;
        xBefore = x;
        if (repaint && i != n - 1 && !handOver([this] { drawBatch(); }))
            return;
    }
}

void ThumbnailWorker::drawPasses()
{
    for (;;) {
        if (!handOver([this] { startPass(); }))
            return;
        drawPass();
        if (stop_)
            return;
        // A redraw asked for during the pass starts the next one at once (busy stays set);
        // a release ends the drawing.
        if (variable_->restart && !variable_->releasePending)
            continue;
        if (!handOver([this] { finishPass(); }) || !again_)
            return;
    }
}
