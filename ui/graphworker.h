// The graph window's plot: the request record (PlotRequest) and its drawing worker (GraphWorker).
// The window states what to show; a low-priority worker computes every line and label of the
// plot and hands them, in batches between repaint points, to the GUI thread, which alone paints
// into the plot bitmap. A new request while drawing makes the worker start over at its next
// check point, and abort makes it stop there; the worker draws from copies of the samples taken
// on the GUI thread at the start of each pass, so the variables may change meanwhile.
#pragma once

#include "core/variable.h"
#include "ui/plotscale.h"
#include "ui/workerthread.h"

#include <QRgb>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QImage;
class QWidget;
class GraphWorker;

// One drawing step: a line from (x1, y1) to (x2, y2), or a text with its top-left at (x1, y1).
struct plotStep {
    QRgb colour = 0;
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    std::uint8_t penstyle = 0; // 0 solid, 1 dashed
    bool repaint = false;      // repaint the view once this step is drawn
    bool isText = false;
    std::string text;
};

// What one pass draws: the requested variables and mode word as they were at the start of the
// pass, and copies of their samples.
struct plotPassInput {
    tdspvarPtr first;
    tdspvarPtr second;
    int mode = 0;
    tdspvar firstSamples;
    tdspvar secondSamples;
    char decimalSeparator = '.';
};

class PlotRequest {
public:
    // `bitmap` is the image the plot goes into; `view` (may be null) is repainted to show it.
    // Made on the GUI thread, which performs every hand-over.
    PlotRequest(QImage* bitmap, QWidget* view);
    ~PlotRequest(); // stops the worker and waits for it
    PlotRequest(const PlotRequest&) = delete;
    PlotRequest& operator=(const PlotRequest&) = delete;

    // Asks for a plot of `first` (and `second`, which may be null) in the given mode word.
    void request(tdspvarPtr first, tdspvarPtr second, int mode);
    // Makes a running pass stop at its next check point; what it drew stays in the bitmap.
    void abort() { abort_ = true; }
    bool busy() const { return busy_; }
    // Passes begun since construction (a restart begins a new one).
    int passCount() const { return passCount_; }
    // Curve segments of the first variable handed over to the GUI thread since construction.
    std::int64_t segmentsDrawn() const { return segmentsDrawn_; }

private:
    friend class GraphWorker;
    // The hand-overs, run on the GUI thread while the worker waits.
    void beginPass(plotPassInput& input);
    void perform(const std::vector<plotStep>& steps, std::int64_t segments);
    bool endPass();

    QImage* bitmap_;
    QWidget* view_;
    tdspvarPtr requestedFirst_;
    tdspvarPtr requestedSecond_;
    int requestedMode_ = 0;
    std::atomic<bool> busy_{false};
    std::atomic<bool> restart_{false};
    std::atomic<bool> abort_{false};
    std::atomic<bool> stop_{false}; // the request is going away: no more hand-overs
    std::unique_ptr<GraphWorker> worker_;
    int passCount_ = 0;
    std::int64_t segmentsDrawn_ = 0;
};

class GraphWorker {
public:
    explicit GraphWorker(PlotRequest& request);
    // Starts the passes on a thread below normal priority.
    void start();
    WorkerThread& thread() { return thread_; }

private:
    void run();
    // Runs `step` on the GUI thread and waits; false when the request is being destroyed.
    bool handOver(const std::function<void()>& step);
    // The drawing of one pass; returns early when a check point ends it.
    void drawPass();
    // Restart, abort or stop pending: hands over what was collected and returns true.
    bool checkPoint();
    // Hands over the collected steps, if any.
    void flush();
    void line(QRgb colour, int x1, int y1, int x2, int y2, bool repaint = false);
    void text(QRgb colour, int x, int y, std::string value);
    bool drawGrid();
    // The heights of a variable's two curves at position t: modulus and phase, or imaginary
    // and real part (the first unused for real data in the cartesian view).
    struct curvePoint {
        int first = 0;
        int second = 0;
    };
    curvePoint pointAt(const tdspvar& variable, extended t) const;
    // The lines of one segment of variable `number` (1 or 2) between two points.
    void drawSegment(int number, int x1, int x2, curvePoint from, curvePoint to, bool repaint);

    PlotRequest& request_;
    plotPassInput input_;
    plotScale scale_;
    plotFlags flags_;
    std::uint8_t penstyle_ = 0;
    std::vector<plotStep> batch_;
    std::int64_t batchSegments_ = 0;
    WorkerThread thread_;
};
