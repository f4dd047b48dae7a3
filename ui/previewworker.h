// The preview plotter: draws a sample buffer into the plot bitmap for the generation and
// processing dialogs. The main window owns the one plotter and the bitmap it draws into, and
// hands the plotter to both dialogs; it has one long-lived drawing thread below normal priority,
// whose PreviewWorker computes each pass (peak, scaling, segments) and has the GUI thread paint
// it in batches (DrawingPass). A pass copies the samples it was given at its start (on the GUI
// thread), so callers may rewrite them as soon as they have called start() again. All public
// functions are for the GUI thread only.
#pragma once

#include "core/extended.h"
#include "dsp/samplebuffer.h"
#include "ui/drawingpass.h"
#include "ui/workerthread.h"

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
    char decimalSeparator_ = '.';
};

class PreviewPlotter : public QObject {
    Q_OBJECT
public:
    // Draws into `bitmap` (kept by the caller, who shows it) on a thread made by `starter`
    // (empty: pthread_create).
    explicit PreviewPlotter(QImage& bitmap, threadStarter starter = {}, QObject* parent = nullptr);
    ~PreviewPlotter() override;

    // The picture the plotter draws.
    const QImage& bitmap() const { return bitmap_; }
    // Read at the start of each pass.
    void setPreviewMode(previewMode mode) { mode_ = mode; }

    // Remembers the display to repaint and the samples to draw, and asks for a pass over them as
    // they are now: a busy plotter starts over at its next segment, an idle one starts a pass. A
    // pending stop request is withdrawn. The caller may rewrite the samples (on the GUI thread)
    // and start again; each pass copies them when it begins. Throws threadStartError when the
    // plotter's thread cannot be started; the preview then stays as it is.
    void start(BitmapView* display, std::shared_ptr<const sampleBuffer> samples);
    // Ends the running pass at its next segment; steps not yet painted are dropped.
    void stop() { worker_.stop(); }

    bool busy() const { return worker_.busy(); }
    // How far the latest pass has drawn, 0 .. 100: the generation dialog's gauge shows it.
    int progress() const { return progress_.load(std::memory_order_relaxed); }
    // The samples the latest start() was given (none before the first).
    const sampleBuffer& samples() const;

    // Stops the pass and its thread and waits until they have ended, without painting anything
    // more. Safe to call at any time; the plotter can be started again afterwards. Used on exit.
    void shutdown();

private:
    friend class PreviewWorker;

    QImage& bitmap_;
    std::atomic<int> progress_{0};
    previewMode mode_ = previewMode::real;
    QPointer<BitmapView> display_;
    std::shared_ptr<const sampleBuffer> samples_;
    const sampleBuffer none_; // samples() before the first start()
    DrawingThreads thread_;
    PreviewWorker worker_{*this, thread_};
};
