// DrawingPass: the drawing protocol of every plot the program shows (thumbnails, previews, the
// graph), written once. A pass computes the lines and texts of one picture on a worker thread
// and has the GUI thread paint them, a batch at a time, through GuiHandOver; the worker never
// paints. Each pass begins with a hand-over in which the surface copies what it will draw (so the
// GUI thread may change the data as soon as that hand-over has run) and clears its picture; a
// pass that ends hands what it collected over first, so the picture holds exactly what the pass
// drew. The GUI thread asks for a pass with request(): an idle surface is queued for its drawing
// thread, a busy one starts over at its next check point with a fresh copy. stop() ends the
// running pass at its next check point. What follows a pass is decided on the GUI thread, so a
// request can never slip between the end of a pass and the test for a restart. A subclass only
// computes its own points: it implements beginPass(), computePass() and paint().
//
// DrawingThreads: long-lived threads below normal priority that wait on a condition for
// surfaces to draw, one surface at a time each (one thread per plot, one shared by all the
// thumbnails). They start with the first request and end in shutdown().
#pragma once

#include "ui/drawsteps.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class DrawingThreads;
class WorkerThread;

class DrawingPass {
public:
    explicit DrawingPass(DrawingThreads& threads) : threads_(threads) {}
    virtual ~DrawingPass();
    DrawingPass(const DrawingPass&) = delete;
    DrawingPass& operator=(const DrawingPass&) = delete;

    // ---- GUI thread ----
    // Asks for a pass over the data as it is now; withdraws a pending stop.
    void request();
    // Ends the running pass at its next check point.
    void stop() { stop_ = true; }
    bool busy() const { return busy_; }
    // Passes begun so far (a restart begins a new one).
    int passCount() const { return passes_; }
    // Ends the running pass without another hand-over and waits until its thread has let go of
    // this surface; nothing more is painted. A subclass calls it first in its destructor. The
    // surface can be requested again afterwards.
    void withdraw();

protected:
    // ---- GUI thread, inside hand-overs while the worker waits ----
    // The first step of every pass: copy what the pass draws, clear the picture.
    virtual void beginPass() = 0;
    // Paints a batch; `repaint` asks for the picture's view to be repainted.
    virtual void paint(const std::vector<drawStep>& steps, bool repaint) = 0;
    // A pass has ended and none follows (it completed or was stopped).
    virtual void passEnded() {}

    // ---- worker thread ----
    // One pass, from the copy beginPass() took. Returns early when a check point says so.
    virtual void computePass() = 0;
    // Check point: true when the pass must end now (a restart or a stop is pending).
    bool interrupted() const { return restart_ || stop_ || withdrawn_; }
    void line(QRgb colour, int x1, int y1, int x2, int y2, bool dashed = false);
    void text(QRgb colour, int x, int y, QString value, int rightLimit = 0);
    // Asks for a repaint once the batch is painted.
    void markRepaint() { repaint_ = true; }
    // Hands the batch over now; false when the surface is being withdrawn.
    bool handOver();
    // Runs `action` on the GUI thread and waits; false (not run) when being withdrawn.
    bool onGuiThread(const std::function<void()>& action);

    // Either thread: the running pass has been asked to stop.
    bool stopRequested() const { return stop_; }

private:
    friend class DrawingThreads;
    void drawPasses();  // worker: passes until one ends with nothing pending
    bool startPass();   // GUI thread: false when a stop came first (the pass then ends)
    bool endPass();     // GUI thread: true when a new pass has begun
    void settle();      // GUI thread: idle again

    DrawingThreads& threads_;
    bool busy_ = false; // GUI thread only
    int passes_ = 0;    // GUI thread only
    std::atomic<bool> restart_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> withdrawn_{false}; // hand-overs are refused
    // The worker fills these while the GUI thread is free of them; the GUI thread reads them in
    // a hand-over while the worker waits.
    std::vector<drawStep> batch_;
    bool repaint_ = false;
};

class DrawingThreads {
public:
    explicit DrawingThreads(int count = 1);
    ~DrawingThreads();
    DrawingThreads(const DrawingThreads&) = delete;
    DrawingThreads& operator=(const DrawingThreads&) = delete;

    // GUI thread: withdraws every surface still queued or drawing, then ends the threads.
    void shutdown();

private:
    friend class DrawingPass;
    void enqueue(DrawingPass* pass); // starts the threads on first use
    void letGo(DrawingPass* pass);   // out of the queue; waits while a thread draws it
    void serve();                    // a thread's body

    const int count_;
    std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable released_;
    std::deque<DrawingPass*> queue_;
    std::vector<DrawingPass*> drawing_;
    bool quit_ = false;
    std::vector<std::unique_ptr<WorkerThread>> threads_;
};
