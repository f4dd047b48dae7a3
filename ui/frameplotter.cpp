#include "ui/frameplotter.h"

#include <QFontMetrics>
#include <QImage>
#include <QWidget>

namespace {

constexpr int kStepsPerBatch = 4096; // lines between repaints of a long picture

} // namespace

// The worker's steps go into the pass's batches.
class FrameWorker::stepSink : public frameSink {
public:
    explicit stepSink(FrameWorker& worker) : worker_(worker) {}
    void line(QRgb colour, int x1, int y1, int x2, int y2, bool dashed) override
    {
        worker_.line(colour, x1, y1, x2, y2, dashed);
        ++steps_;
    }
    void text(QRgb colour, int x, int y, const QString& text) override
    {
        worker_.text(colour, x, y, text);
        ++steps_;
    }
    bool checkpoint() override
    {
        if (worker_.interrupted())
            return false;
        if (steps_ < kStepsPerBatch)
            return true;
        steps_ = 0;
        worker_.markRepaint();
        return worker_.handOver();
    }

private:
    FrameWorker& worker_;
    int steps_ = 0;
};

// ---- the request, GUI side ----

FramePlot::FramePlot(QImage* image, QWidget* view, threadStarter starter)
    : image_(image), view_(view), thread_(1, std::move(starter))
{
}

FramePlot::~FramePlot()
{
    worker_.withdraw();
}

void FramePlot::request(tdspvarPtr first, tdspvarPtr second, std::uint64_t generation,
                        const frameRequest& request, const QFont& font)
{
    key_ = {first.get(), second.get(), generation, request.view};
    first_ = std::move(first);
    second_ = std::move(second);
    request_ = request;
    font_ = font;
    worker_.request();
}

// ---- the worker ----

FrameWorker::FrameWorker(FramePlot& plot, DrawingThreads& threads) : DrawingPass(threads), plot_(plot) {}

FrameWorker::~FrameWorker()
{
    withdraw();
}

void FrameWorker::beginPass()
{
    request_ = plot_.request_;
    font_ = plot_.font_;
    // The samples are copied only for a new selection or view; a zoom keeps what was built.
    if (!(plot_.key_ == built_) || !data_) {
        first_ = plot_.first_ ? *plot_.first_ : tdspvar();
        hasSecond_ = plot_.second_ != nullptr;
        second_ = hasSecond_ ? *plot_.second_ : tdspvar();
        built_ = plot_.key_;
        data_.reset();
        dataCopied_ = true;
    }
    QImage& image = *plot_.image_;
    if (image.size() != request_.size)
        image = QImage(request_.size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(frameBackground(request_));
    laidOut_ = false;
    if (data_)
        layOut();
}

void FrameWorker::layOut()
{
    layout_ = layoutFrame(*data_, request_);
    labels_ = labelFrame(*data_, request_, layout_, painterInk(font_), QFontMetrics(font_).height());
    plot_.data_ = data_;
    plot_.dataKey_ = built_;
    laidOut_ = true;
}

void FrameWorker::computePass()
{
    if (!data_) {
        data_ = makeFrameData(request_.view, first_, hasSecond_ ? &second_ : nullptr, [this] { return interrupted(); });
        if (!data_)
            return;
        first_ = tdspvar(); // the data holds what is drawn
        second_ = tdspvar();
    }
    if (!laidOut_ && (!onGuiThread([this] { layOut(); }) || !laidOut_))
        return;
    if (interrupted())
        return;
    stepSink sink(*this);
    frameSteps(*data_, request_, layout_, labels_, sink);
    markRepaint();
}

void FrameWorker::paint(const drawBatch& batch)
{
    paintSteps(*plot_.image_, batch.steps, {0, Qt::SquareCap, true, frameBackground(request_)}, font_);
    if (batch.repaint && plot_.view_)
        plot_.view_->update();
}

void FrameWorker::passEnded()
{
    if (plot_.view_)
        plot_.view_->update();
}
