// DrawingPass: the drawing protocol of every plot the program shows (thumbnails, previews, the
// graph), written once. A pass computes the lines and texts of one picture on a worker thread
// and has the GUI thread paint them, a batch at a time; the worker never paints. Each pass
// begins with a hand-over in which the surface copies what it will draw (so the GUI thread may
// change the data as soon as that hand-over has run) and clears its picture; a pass that ends
// has everything it collected painted first, so the picture holds exactly what the pass drew.
// The batches between the beginning and the end are posted: the worker goes on computing while
// the GUI thread paints them in order, and waits only while a few of its batches are still
// unpainted. So neither thread waits for the other at every repaint point, and the GUI thread
// paints what has piled up in one go, its views repainting once for it. The GUI thread asks for
// a pass with request(): an idle surface is queued for its drawing thread, a busy one starts
// over at its next check point with a fresh copy. stop() ends the running pass at its next check
// point. What follows a pass is decided on the GUI thread, so a request can never slip between
// the end of a pass and the test for a restart. A subclass only computes its own points: it
// implements beginPass(), computePass() and paint().
//
// DrawingThreads: long-lived threads below normal priority that wait on a condition for
// surfaces to draw, one surface at a time each (one thread per plot, one shared by all the
// thumbnails), and the one road from them to the GUI thread: a queue, under the threads' mutex,
// of the batches their surfaces post and of the hand-overs a worker waits for, which the GUI
// thread serves when a wake-up signal (threadplumbing.h) tells it to. The threads start with the
// first request and end in shutdown(); when none can be started, request() throws
// threadStartError and the surface stays idle.
#pragma once

#include "ui/drawsteps.h"
#include "ui/threadplumbing.h"
#include "ui/workerthread.h"

#include <QPointer>
#include <QSocketNotifier>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class DrawingThreads;

class DrawingPass {
public:
    explicit DrawingPass(DrawingThreads& threads) : threads_(threads) {}
    virtual ~DrawingPass();
    DrawingPass(const DrawingPass&) = delete;
    DrawingPass& operator=(const DrawingPass&) = delete;

    // ---- GUI thread ----
    // Asks for a pass over the data as it is now; withdraws a pending stop. Throws
    // threadStartError when an idle surface finds no drawing thread running and none can be
    // started; the surface is then as idle as before.
    void request();
    // Ends the running pass at its next check point.
    void stop() { stop_ = true; }
    bool busy() const { return busy_; }
    // Ends the running pass without another hand-over and waits until its thread has let go of
    // this surface; nothing more is painted. A subclass calls it first in its destructor. The
    // surface can be requested again afterwards.
    void withdraw();

protected:
    // ---- GUI thread ----
    // In a hand-over while the worker waits, the first step of every pass: copy what the pass
    // draws, clear the picture.
    virtual void beginPass() = 0;
    // Paints a batch; its `repaint` asks for the picture's view to be repainted. A posted batch
    // is painted while the worker goes on, so this reads the batch and what the worker leaves
    // alone during a pass, nothing the worker changes.
    virtual void paint(const drawBatch& batch) = 0;
    // In a hand-over: a pass has ended and none follows (it completed or was stopped).
    virtual void passEnded() {}

    // ---- worker thread ----
    // One pass, from the copy beginPass() took. Returns early when a check point says so.
    virtual void computePass() = 0;
    // Check point: true when the pass must end now (a restart or a stop is pending).
    bool interrupted() const { return restart_ || stop_ || withdrawn_; }
    void line(QRgb colour, int x1, int y1, int x2, int y2, bool dashed = false);
    void text(QRgb colour, int x, int y, QString value, int rightLimit = 0);
    // Asks for a repaint once the batch is painted.
    void markRepaint() { batch_.repaint = true; }
    // Posts the batch for painting and goes on; waits while kPostedLimit batches of this surface
    // are unpainted. False when the surface is being withdrawn.
    bool handOver();
    // Runs `action` on the GUI thread, after every batch posted before, and waits; false (not
    // run) when being withdrawn.
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
    std::atomic<bool> restart_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> withdrawn_{false}; // hand-overs are refused
    // The worker fills this and posts it; at the end of a pass the GUI thread paints what is
    // left of it in a hand-over while the worker waits.
    drawBatch batch_;
    int posted_ = 0; // batches posted and not yet painted; guarded by the threads' mutex
};

class DrawingThreads {
public:
    // Unpainted batches a surface may have posted before its worker waits, and how far the GUI
    // thread brings them down before it lets the worker go on: the worker then computes several
    // batches at a time while the GUI thread paints.
    static constexpr int kPostedLimit = 16;
    static constexpr int kPostedResume = kPostedLimit / 2;

    // `count` threads, made by `starter` (empty: pthread_create).
    explicit DrawingThreads(int count = 1, threadStarter starter = {});
    ~DrawingThreads();
    DrawingThreads(const DrawingThreads&) = delete;
    DrawingThreads& operator=(const DrawingThreads&) = delete;

    // GUI thread: withdraws every surface still queued or drawing, then ends the threads.
    void shutdown();

private:
    friend class DrawingPass;
    struct postedBatch {
        DrawingPass* pass;
        drawBatch batch;
    };
    // A hand-over a worker waits for: `action` runs on the GUI thread, after the batches its pass
    // posted before.
    struct pendingCall {
        DrawingPass* pass;
        const std::function<void()>* action;
        bool done = false; // run, or dropped because the pass is being withdrawn
        bool ran = false;
    };

    void enqueue(DrawingPass* pass); // starts the threads on first use; throws threadStartError
    void startThreads();             // GUI thread: those missing, while at least one can start
    void letGo(DrawingPass* pass);   // out of the queues, hand-overs refused; waits while a thread draws it
    void serve();                    // a thread's body
    // Worker: queues the batch for the GUI thread; false when the pass is being withdrawn.
    bool post(DrawingPass& pass, drawBatch&& batch);
    // Worker: runs `action` on the GUI thread and waits; false (not run) when being withdrawn.
    bool call(DrawingPass& pass, const std::function<void()>& action);
    // GUI thread, woken by the signal: runs the hand-overs that wait, then paints the batches
    // posted so far, in order.
    void serveGuiThread();
    // GUI thread: paints the batches `pass` posted so far, in order.
    void paintPostedOf(DrawingPass& pass);
    // Under the mutex: one batch of `pass` is painted or dropped.
    void batchDone(DrawingPass& pass);

    const int count_;
    const threadStarter starter_;
    std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable released_;
    std::condition_variable room_;   // a worker waits here for its batches to be painted
    std::condition_variable called_; // and here for its hand-overs to run
    std::deque<DrawingPass*> queue_;
    std::vector<DrawingPass*> drawing_;
    std::deque<postedBatch> posted_;
    std::deque<pendingCall*> calls_;
    bool quit_ = false;
    std::vector<std::unique_ptr<WorkerThread>> threads_; // GUI thread only
    // Wakes the GUI thread for posted batches and hand-overs; the notifier is made there with
    // the threads.
    threadPlumbing::wakeUpSignal wakeUp_;
    QPointer<QSocketNotifier> notifier_;
};
