// The graph window's plot: the request record (PlotRequest) and its drawing pass (GraphWorker).
// The window states what to show; the worker, on a long-lived thread below normal priority,
// computes every line and label of the plot and has the GUI thread paint them into the plot
// bitmap, in batches between repaint points (DrawingPass). A new request while drawing makes the
// worker start over at its next check point, and abort makes it stop there; each pass draws from
// copies of the samples taken on the GUI thread at its start, so the variables may change
// meanwhile.
#pragma once

#include "core/variable.h"
#include "plot/axisticks.h"
#include "plot/plotscale.h"
#include "ui/drawingpass.h"
#include "ui/workerthread.h"

#include <cstdint>
#include <optional>
#include <vector>

class QImage;
class QWidget;
class PlotRequest;

// What one pass draws: the requested variables and mode as they were at the start of the pass,
// and copies of their samples.
struct plotPassInput {
    tdspvarPtr first;
    tdspvarPtr second;
    plotMode mode;
    tdspvar firstSamples;
    tdspvar secondSamples;
    char decimalSeparator = '.';
    // The x axis's grid lines and labels, measured in the painter's own font.
    std::vector<gridMark> xMarks;
};

class GraphWorker : public DrawingPass {
public:
    GraphWorker(PlotRequest& request, DrawingThreads& thread);
    ~GraphWorker() override;

protected:
    void beginPass() override;
    void computePass() override;
    void paint(const drawBatch& batch) override;
    void passEnded() override;

private:
    // The heights of a variable's two curves at position t: modulus and phase, or imaginary
    // and real part (the first unused for real data in the cartesian view); none where the value
    // is not a number.
    struct curvePoint {
        std::optional<int> first;
        std::optional<int> second;
    };
    curvePoint pointAt(const tdspvar& variable, extended t) const;
    // The lines of one segment of variable `number` (1 or 2) between two points.
    void drawSegment(int number, int x1, int x2, curvePoint from, curvePoint to);
    void segment(QRgb colour, int x1, std::optional<int> y1, int x2, std::optional<int> y2);
    // The labels, the phase reference lines and the vertical grid; false when interrupted.
    bool drawAxes();

    PlotRequest& request_;
    plotPassInput input_;
    plotScale scale_;
    plotFlags flags_;
};

class PlotRequest {
public:
    // `bitmap` is the image the plot goes into; `view` (may be null) is repainted to show it;
    // `starter` makes the drawing thread (empty: pthread_create). Made on the GUI thread, which
    // performs every hand-over.
    PlotRequest(QImage* bitmap, QWidget* view, threadStarter starter = {});
    ~PlotRequest(); // stops the worker and its thread and waits for them
    PlotRequest(const PlotRequest&) = delete;
    PlotRequest& operator=(const PlotRequest&) = delete;

    // Asks for a plot of `first` (and `second`, which may be null) in the given mode. A pending
    // abort is withdrawn. Throws threadStartError when the drawing
    // thread cannot be started; the bitmap then stays as it is.
    void request(tdspvarPtr first, tdspvarPtr second, plotMode mode);
    // Makes a running pass stop at its next check point; what it drew stays in the bitmap.
    void abort() { worker_.stop(); }
    bool busy() const { return worker_.busy(); }

private:
    friend class GraphWorker;
    QImage* bitmap_;
    QWidget* view_;
    tdspvarPtr requestedFirst_;
    tdspvarPtr requestedSecond_;
    plotMode requestedMode_;
    DrawingThreads thread_;
    GraphWorker worker_{*this, thread_};
};
