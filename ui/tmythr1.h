// tmythr1: the thumbnail worker, one object per idle-to-drawing transition of a variable's
// thumbnail. It works out the line segments on its own low-priority thread and has the GUI thread
// draw them into the strip's thumbnail, a batch (the segments up to the next repaint point) per
// synchronous hand-over; it never paints itself. It copies the samples at the start of every pass,
// keeps the variable alive through a shared_ptr until its last pass ends, and ends a pass on the
// GUI thread so that the busy/restart decision never races with redrawThumbnail.
#pragma once

#include "core/udspvar.h"

#include <QPointer>
#include <QRgb>
#include <QThread>

#include <atomic>
#include <vector>

class tdspvarStrip;

class tmythr1 : public QThread {
    Q_OBJECT
public:
    static constexpr QRgb kRealColour = qRgb(255, 255, 255);
    static constexpr QRgb kImaginaryColour = qRgb(255, 255, 127);

    // Creates a worker for the strip's variable and starts it (GUI thread; the variable's busy
    // flag is already set).
    static void startFor(tdspvarStrip* strip);
    // Stops every running worker and waits for it (GUI thread). Drawing stops where it is and
    // the variables are left idle; used when the main window closes.
    static void stopAll();
    static int runningCount();

    ~tmythr1() override;

    // The line the worker hands over next, in thumbnail pixels.
    QRgb colour = kRealColour;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool repaint = false;

protected:
    void run() override;

private:
    struct step {
        QRgb colour;
        int x1, y1, x2, y2;
    };
    enum class handOverKind { startPass, drawBatch, finishPass };

    tmythr1(tdspvarPtr variable, tdspvarStrip* strip);
    // Worker: has the GUI thread run performHandOver and waits for it; false once stopped.
    bool handOver(handOverKind kind);
    Q_INVOKABLE void performHandOver();
    Q_INVOKABLE void retire(); // GUI thread: forgets and deletes the worker after its run
    void startPass();  // GUI thread: clears restart, takes the snapshot, clears the bitmap
    void drawBatch();  // GUI thread: draws the batch into the thumbnail, repaints if asked
    void takeStep();   // worker: appends the step fields to the batch
    void drawPass();   // worker: the segments of one pass; returns early on restart or stop
    void drawPasses(); // worker: passes until one ends with no redraw pending, or a stop

    tdspvarPtr variable_;
    QPointer<tdspvarStrip> strip_; // read on the GUI thread only
    std::atomic<bool> stop_{false};
    // The two threads take turns on these: the worker fills them while the GUI thread runs its
    // event loop, the GUI thread reads them while the worker waits in a hand-over. The atomic
    // counter makes the turn-taking visible to thread checkers, which do not see Qt's own waits.
    handOverKind kind_ = handOverKind::startPass;
    bool again_ = false;
    std::vector<step> batch_;
    bool batchRepaint_ = false;
    std::atomic<unsigned> turn_{0};
    std::atomic<bool> ended_{false}; // the last thing run() does, seen by whoever deletes us
    std::vector<extended> re_;
    std::vector<extended> im_;
    bool complex_ = false;
    extended peak_ = 0;
};
