// The preview plotter: draws the sample buffer into the plot bitmap for the generation and
// processing dialogs. There is one plotter per program; each idle-to-drawing transition creates a
// new `PreviewWorker` worker thread (one level below normal priority), which computes the drawing steps
// and hands them in batches to the GUI thread (GuiHandOver), where they are painted. The worker copies the
// buffer at the start of every pass (on the GUI thread), so callers may rewrite the buffer as soon
// as they have called start() again. All public functions are for the GUI thread only.
#pragma once

#include "core/extended.h"
#include "dsp/samplebuffer.h"

#include <QObject>
#include <QPointer>
#include <QRgb>
#include <QString>

#include "ui/workerthread.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QImage;
class BitmapView;

// Fills the bitmap black and draws the preview grid: green lines every 16 pixels, the zero line
// (y = 144) and the left edge in bright green. Also the empty picture at program start.
void drawEmptyPreviewGrid(QImage& bitmap);

// One drawing step as the worker hands it over: a line from (x1, y1) to (x2, y2), or a text with
// its top-left corner at (x1, y1). `repaint` asks for the display to be repainted after it.
struct previewStep {
    QRgb colour = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool repaint = false;
    QString text; // non-empty for a text step
};

class PreviewPlotter;

// The worker of one busy period of the plotter. It computes a pass (peak, scaling, segments)
// from its own snapshot on its own thread and never paints; see PreviewPlotter for the protocol.
class PreviewWorker {
public:
    explicit PreviewWorker(PreviewPlotter& plotter) : plotter_(plotter) {}
    void start();
    WorkerThread& thread() { return thread_; }

private:
    void run();
    bool handOver(const std::function<void()>& step);
    bool flush(std::vector<previewStep>& steps);

    PreviewPlotter& plotter_;
    WorkerThread thread_;
    // The pass's inputs, copied on the GUI thread at the start of every pass.
    std::vector<complexValue> samples_;
    int mode_ = 0;
    std::uint64_t request_ = 0; // the start() this pass answers
    extended peak_ = 0; // the peak this pass found, read by the GUI thread during hand-overs
};

class PreviewPlotter : public QObject {
    Q_OBJECT
public:
    // The program's plotter. It draws the samples its latest start() was given into plotBitmap().
    static PreviewPlotter& instance();
    ~PreviewPlotter() override;

    // 0 real (white), 1 complex cartesian (real white, imaginary light yellow), 2 complex polar
    // (modulus blue, phase red). Read at the start of each pass.
    void setPreviewMode(int mode) { mode_ = mode; }
    int previewMode() const { return mode_; }

    // Remembers the display to repaint and the samples to draw, and asks for a pass over them as
    // they are now: a busy plotter starts over at its next segment, an idle one starts a new
    // worker. A pending stop request is withdrawn. The caller may rewrite the samples (on the GUI
    // thread) and start again; each pass copies them when it begins.
    void start(BitmapView* display, std::shared_ptr<const sampleBuffer> samples);
    // Ends the running pass at its next segment; steps not yet painted are dropped.
    void stop() { stop_ = true; }

    bool busy() const { return busy_; }
    // The progress value (0 .. 100) that the dialogs' gauges show; the sampling worker writes
    // it too.
    std::atomic<int>& progress() { return progress_; }
    // The largest sample modulus (at least 1e-10) of the samples as of the latest start(): the
    // peak that pass handed back, or, while it has not got that far, the same computed here.
    extended peak() const;
    // The samples the latest start() was given (none before the first).
    const sampleBuffer& samples() const;

    // Stops the worker and waits until it has ended, without painting anything more. Safe to call
    // at any time; the plotter can be started again afterwards. Used on exit.
    void shutdown();

private:
    friend class PreviewWorker;
    PreviewPlotter();

    // Hand-over targets, run on the GUI thread while the worker waits.
    void beginPass(std::vector<complexValue>& samples, int& mode, std::uint64_t& request);
    void paintSteps(const std::vector<previewStep>& steps, extended peak, std::uint64_t request);
    bool endPass(); // true when another pass must follow

    std::atomic<bool> busy_{false};
    std::atomic<bool> restart_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> cancelHandOver_{false}; // set only to end a worker on shutdown
    std::atomic<int> progress_{0};
    int mode_ = 0;
    std::uint64_t requests_ = 0; // start() calls so far
    extended peak_ = 1e-10L;
    bool peakCurrent_ = false; // peak_ belongs to the latest start()
    QPointer<BitmapView> display_;
    std::shared_ptr<const sampleBuffer> samples_;
    std::unique_ptr<PreviewWorker> worker_;
};
