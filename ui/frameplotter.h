// FramePlot: the drawing worker of the graph's picture at any size (plotframe.h), in the shape of
// the plot worker (graphworker.h): the window states what to show, a long-lived thread below
// normal priority computes the picture's lines and texts and has the GUI thread paint them into
// the window's own image, in batches between repaint points (DrawingPass), and a new request
// makes it start over at its next check point.
//
// What the curves are made of (frameData, a pass over every sample) is built on the worker from
// copies of the variables taken on the GUI thread at the start of the first pass for a selection
// and view, and kept while only the visible range, the size or the labels change: a zoom, pan or
// resize step then costs only its columns. The labels are laid out on the GUI thread, in the
// font the picture is painted with: in the pass's first hand-over when the data is kept, else in
// one more once the worker has built it.
#pragma once

#include "ui/drawingpass.h"
#include "ui/plotframe.h"
#include "ui/workerthread.h"

#include <QFont>

#include <cstdint>
#include <memory>

class QImage;
class QWidget;
class FramePlot;

// What identifies the curves' data: the variables, a generation the window counts up whenever
// their samples may have changed, and the view's curves.
struct frameDataKey {
    const tdspvar* first = nullptr;
    const tdspvar* second = nullptr;
    std::uint64_t generation = 0;
    graphView view;
    friend bool operator==(const frameDataKey&, const frameDataKey&) = default;
};

class FrameWorker : public DrawingPass {
public:
    FrameWorker(FramePlot& plot, DrawingThreads& threads);
    ~FrameWorker() override;

protected:
    void beginPass() override;
    void computePass() override;
    void paint(const drawBatch& batch) override;
    void passEnded() override;

private:
    class stepSink;

    FramePlot& plot_;
    frameRequest request_;
    QFont font_;
    frameDataKey built_;       // the key of data_
    bool dataCopied_ = false;  // the copies below are to be built into data_
    tdspvar first_, second_;
    bool hasSecond_ = false;
    std::shared_ptr<const frameData> data_;
    // The scales and labels of the pass, laid out in its first hand-over when the data is kept.
    frameLayout layout_;
    frameLabels labels_;
    bool laidOut_ = false;
    void layOut(); // GUI thread, while the worker waits
};

class FramePlot {
public:
    // `image` is what the picture goes into (resized to each request's size); `view` (may be
    // null) is repainted to show it. Made on the GUI thread.
    FramePlot(QImage* image, QWidget* view, threadStarter starter = {});
    ~FramePlot();
    FramePlot(const FramePlot&) = delete;
    FramePlot& operator=(const FramePlot&) = delete;

    // Asks for the picture of `first` (and `second`, may be null) as `request` says, in `font`
    // (already scaled to the picture's pixels). Throws threadStartError when no thread starts.
    void request(tdspvarPtr first, tdspvarPtr second, std::uint64_t generation, const frameRequest& request,
                 const QFont& font);
    void abort() { worker_.stop(); }
    bool busy() const { return worker_.busy(); }
    // The data of the last finished pass with its key (GUI thread), for pictures made on the spot.
    const std::shared_ptr<const frameData>& data() const { return data_; }
    const frameDataKey& dataKey() const { return dataKey_; }

private:
    friend class FrameWorker;
    QImage* image_;
    QWidget* view_;
    tdspvarPtr first_, second_;
    frameDataKey key_;
    frameRequest request_;
    QFont font_;
    std::shared_ptr<const frameData> data_;
    frameDataKey dataKey_;
    DrawingThreads thread_;
    FrameWorker worker_{*this, thread_};
};
