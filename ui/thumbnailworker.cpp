#include "ui/thumbnailworker.h"

#include "plot/pixel.h"
#include "ui/drawingcolours.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {

constexpr extended kPeakGuard = 1e-100L;   // keeps 13 / peak defined
constexpr extended kHalfHeight = 13;        // a sample equal to the peak lands 13 above the middle
constexpr extended kMiddleLine = 14;        // y of a zero sample
constexpr int kGridPitch = 9;
constexpr int kRepaintStep = 10;            // repaint every 10 segments ...
constexpr int kLongVariable = 1024;         // ... or every N div 128 above this many samples
constexpr int kRepaintsPerLongPass = 128;
// Thin lines whose end point is left to the next segment.
constexpr paintStyle kStyle{0, Qt::FlatCap, false};

} // namespace

ThumbnailPool::ThumbnailPool(threadStarter starter) : threads_(kThreads, std::move(starter)) {}

ThumbnailPool::~ThumbnailPool()
{
    shutdown();
}

void ThumbnailPool::shutdown()
{
    const std::vector<ThumbnailWorker*> workers = workers_;
    threads_.shutdown(); // withdraws every pass that is queued or drawing
    for (ThumbnailWorker* worker : workers)
        if (worker->released_)
            delete worker;
}

int ThumbnailPool::runningCount() const
{
    return static_cast<int>(std::count_if(workers_.begin(), workers_.end(),
                                          [](const ThumbnailWorker* w) { return w->busy(); }));
}

ThumbnailWorker::ThumbnailWorker(tdspvarPtr variable, ThumbnailPool& pool)
    : DrawingPass(pool.threads_),
      pool_(pool),
      variable_(std::move(variable)),
      image_(kWidth, kHeight, QImage::Format_RGB32)
{
    clearPicture(image_);
    pool_.workers_.push_back(this);
}

ThumbnailWorker::~ThumbnailWorker()
{
    withdraw();
    std::erase(pool_.workers_, this);
}

void ThumbnailWorker::clearPicture(QImage& image)
{
    image.fill(drawingColours::background);
    QPainter painter(&image);
    QPen pen(QColor::fromRgb(drawingColours::thumbnailGrid), 0);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    for (int y = 0; y < kHeight; y += kGridPitch)
        painter.drawLine(0, y, kWidth, y);
    for (int x = 0; x < kWidth; x += kGridPitch)
        painter.drawLine(x, 0, x, kHeight);
}

void ThumbnailWorker::redraw()
{
    if (released_)
        return;
    if (!busy()) {
        clearPicture(image_);
        if (view_)
            view_->update();
    }
    request();
}

void ThumbnailWorker::release()
{
    view_ = nullptr;
    if (!busy()) {
        delete this;
        return;
    }
    released_ = true;
    stop(); // passEnded() lets the variable go and deletes the worker
}

void ThumbnailWorker::beginPass()
{
    const tdspvar& v = *variable_;
    re_ = v.real();
    complex_ = v.isComplex();
    im_.clear();
    if (complex_) {
        im_ = v.imag();
        im_.resize(re_.size());
    }
    peak_ = v.peak();
    clearPicture(image_);
    if (view_)
        view_->update();
}

void ThumbnailWorker::computePass()
{
    const int n = static_cast<int>(re_.size());
    if (n <= 2)
        return;
    const extended k = kHalfHeight / (peak_ + kPeakGuard);
    const int repaintStep = n > kLongVariable ? n / kRepaintsPerLongPass : kRepaintStep;
    const extended dx = static_cast<extended>(kWidth) / (n - 1);
    // A sample that is not a number has no pixel: the lines to it are left out.
    const auto yOf = [k](extended v) { return roundedPixel(kMiddleLine - k * v); };

    int xBefore = 0;
    std::optional<int> reBefore = yOf(re_[0]);
    std::optional<int> imBefore = yOf(complex_ ? im_[0] : 0);
    for (int i = 1; i < n; ++i) {
        if (interrupted())
            return;
        const int x = *roundedPixel(i * dx);
        if (complex_) {
            const std::optional<int> yIm = yOf(im_[static_cast<std::size_t>(i)]);
            if (imBefore && yIm)
                line(drawingColours::imaginary, xBefore, *imBefore, x, *yIm);
            imBefore = yIm;
        }
        const std::optional<int> yRe = yOf(re_[static_cast<std::size_t>(i)]);
        if (reBefore && yRe)
            line(drawingColours::real, xBefore, *reBefore, x, *yRe);
        reBefore = yRe;
        xBefore = x;
        if (i == n - 1 || i % repaintStep == 0) {
            markRepaint();
            if (i != n - 1 && !handOver())
                return;
        }
    }
}

void ThumbnailWorker::paint(const drawBatch& batch)
{
    paintSteps(image_, batch.steps, kStyle, QApplication::font());
    if (batch.repaint && view_)
        view_->update();
}

void ThumbnailWorker::passEnded()
{
    if (released_) {
        variable_.reset(); // the released variable goes now, on the GUI thread
        deleteLater();     // the destructor waits for the thread to let go of this worker
    }
}
