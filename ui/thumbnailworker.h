// ThumbnailWorker: the thumbnail worker, one object per idle-to-drawing transition of a variable's
// thumbnail. It works out the line segments on its own below-normal thread and has the GUI thread
// draw them into the strip's thumbnail through GuiHandOver, a batch (the segments up to the next
// repaint point) per synchronous hand-over; it never paints itself. It copies the samples at the
// start of every pass, keeps the variable alive through a shared_ptr until its last pass ends, and
// ends a pass on the GUI thread so that the busy/restart decision never races with redrawThumbnail.
// The object lives on the GUI thread, which deletes it (joining its thread) once it is done.
#pragma once

#include "core/variable.h"
#include "ui/workerthread.h"

#include <QObject>
#include <QPointer>
#include <QRgb>

#include <atomic>
#include <functional>
#include <vector>

class VariableStrip;

class ThumbnailWorker : public QObject {
    Q_OBJECT
public:
    static constexpr QRgb kRealColour = qRgb(255, 255, 255);
    static constexpr QRgb kImaginaryColour = qRgb(255, 255, 127);

    // Creates a worker for the strip's variable and starts it (GUI thread; the variable's busy
    // flag is already set).
    static void startFor(VariableStrip* strip);
    // Stops every worker and waits for it (GUI thread). Drawing stops where it is and the
    // variables are left idle; used when the main window closes.
    static void stopAll();
    // Workers whose drawing has not ended yet (GUI thread).
    static int runningCount();

    ~ThumbnailWorker() override;

    // The line the worker hands over next, in thumbnail pixels.
    QRgb colour = kRealColour;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool repaint = false;

private:
    struct step {
        QRgb colour;
        int x1, y1, x2, y2;
    };

    ThumbnailWorker(tdspvarPtr variable, VariableStrip* strip);
    // Worker: runs `action` on the GUI thread and waits for it; false (not run) once stopped.
    bool handOver(const std::function<void()>& action);
    void startPass();  // GUI thread: clears restart, takes the snapshot, clears the bitmap
    void drawBatch();  // GUI thread: draws the batch into the thumbnail, repaints if asked
    void finishPass(); // GUI thread: the variable's end of pass; retires the worker when done
    void takeStep();   // worker: appends the step fields to the batch
    void drawPass();   // worker: the segments of one pass; returns early on restart or stop
    void drawPasses(); // worker: passes until one ends with no redraw pending, or a stop

    tdspvarPtr variable_;
    QPointer<VariableStrip> strip_; // GUI thread only
    std::atomic<bool> stop_{false};
    bool retired_ = false;         // GUI thread only: the last pass has ended
    // The two threads take turns on these: the worker fills them while the GUI thread is free,
    // the GUI thread reads them in a hand-over while the worker waits.
    bool again_ = false;
    std::vector<step> batch_;
    bool batchRepaint_ = false;
    std::vector<extended> re_;
    std::vector<extended> im_;
    bool complex_ = false;
    extended peak_ = 0;
    WorkerThread thread_;
};
