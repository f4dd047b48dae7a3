// The preview plotter: draws the sample buffer into the plot bitmap for the generation and
// processing dialogs. There is one plotter per program, with one long-lived drawing thread below
// normal priority; its PreviewWorker computes each pass (peak, scaling, segments) and has the
// GUI thread paint it in batches (DrawingPass). A pass copies the samples it was given at its
// start (on the GUI thread), so callers may rewrite them as soon as they have called start()
// again. All public functions are for the GUI thread only.
#pragma once

#include "core/extended.h"
#include "dsp/samplebuffer.h"
#include "ui/drawingpass.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class QImage;
class BitmapView;
class PreviewPlotter;

// Fills the bitmap black and draws the preview grid: green lines every 16 pixels, the zero line
// (y = 144) and the left edge in bright green. Also the empty picture at program start.
void drawEmptyPreviewGrid(QImage& bitmap);

// What the preview shows of the samples.
enum class previewMode {
    real = 0,      // the real parts in white
    cartesian = 1, // real parts in white over imaginary parts in light yellow
    polar = 2,     // modulus in blue and phase in red
};

// The preview's pass: the peak as text, then the curves of the chosen mode, from its own copy of
// the buffer.
class PreviewWorker : public DrawingPass {
public:
    PreviewWorker(PreviewPlotter& plotter, DrawingThreads& thread);
    ~PreviewWorker() override;

protected:
    void beginPass() override;
    void computePass() override;
    void paint(const drawBatch& batch) override;
    void passEnded() override;

private:
    PreviewPlotter& plotter_;
    // The pass's inputs, copied on the GUI thread at its start.
    std::vector<complexValue> samples_;
    previewMode mode_ = previewMode::real;
    std::uint64_t request_ = 0; // the start() this pass answers
    char decimalSeparator_ = '.';
    extended peak_ = 0; // the peak this pass found before its first batch; read as they are painted
};

class PreviewPlotter : public QObject {
    Q_OBJECT
public:
    // The program's plotter. It draws the samples its latest start() was given into plotBitmap().
    static PreviewPlotter& instance();
    ~PreviewPlotter() override;

    // Read at the start of each pass.
    void setPreviewMode(previewMode mode) { mode_ = mode; }
    previewMode currentMode() const { return mode_; }

    // Remembers the display to repaint and the samples to draw, and asks for a pass over them as
    // they are now: a busy plotter starts over at its next segment, an idle one starts a pass. A
    // pending stop request is withdrawn. The caller may rewrite the samples (on the GUI thread)
    // and start again; each pass copies them when it begins.
    void start(BitmapView* display, std::shared_ptr<const sampleBuffer> samples);
    // Ends the running pass at its next segment; steps not yet painted are dropped.
    void stop() { worker_.stop(); }

    bool busy() const { return worker_.busy(); }
    // The progress value (0 .. 100) that the dialogs' gauges show; the sampling worker writes
    // it too.
    std::atomic<int>& progress() { return progress_; }
    // The largest sample modulus (at least 1e-10) of the buffer as of the latest start(): the
    // peak that pass handed back, or, while it has not got that far, the same computed here.
    extended peak() const;
    // The samples the latest start() was given (none before the first).
    const sampleBuffer& samples() const;

    // Stops the pass and its thread and waits until they have ended, without painting anything
    // more. Safe to call at any time; the plotter can be started again afterwards. Used on exit.
    void shutdown();

private:
    friend class PreviewWorker;
    PreviewPlotter();

    std::atomic<int> progress_{0};
    previewMode mode_ = previewMode::real;
    std::uint64_t requests_ = 0; // start() calls so far
    extended peak_ = 1e-10L;
    bool peakCurrent_ = false; // peak_ belongs to the latest start()
    QPointer<BitmapView> display_;
    std::shared_ptr<const sampleBuffer> samples_;
    DrawingThreads thread_{1};
    PreviewWorker worker_{*this, thread_};
};
