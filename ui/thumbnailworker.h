// ThumbnailWorker: the thumbnail of one variable's strip and its drawing. It owns the 128 x 28
// picture the strip shows and the thumbnail protocol's state: busy while a pass runs, restart
// when a redraw comes in meanwhile, and release when the strip lets go during a pass; the
// variable is then held until that pass ends, and no further pass starts. A pass computes its
// segments from a copy of the samples taken at its start and has the GUI thread draw them, the
// segments up to the next repaint point per hand-over (DrawingPass).
//
// ThumbnailPool: the few long-lived low-priority drawing threads that all thumbnails share,
// which take them in the order they were asked for, and the thumbnails that use them. The main
// window owns it and hands it to the strips; it must outlive every strip.
//
// Made, used and deleted on the GUI thread; the strip creates a worker and releases it.
#pragma once

#include "core/variable.h"
#include "ui/drawingpass.h"

#include <QImage>
#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;
class ThumbnailWorker;

class ThumbnailPool {
public:
    // Drawing threads shared by all thumbnails: while the GUI thread paints what one handed
    // over, the others compute, and the hand-overs that wait are served in one wake-up.
    static constexpr int kThreads = 8;

    // The threads are made by `starter` (empty: pthread_create) when the first thumbnail asks.
    explicit ThumbnailPool(threadStarter starter = {});
    ~ThumbnailPool();
    ThumbnailPool(const ThumbnailPool&) = delete;
    ThumbnailPool& operator=(const ThumbnailPool&) = delete;

    // Stops every pass and waits for the threads. Drawing stops where it is and the thumbnails
    // are left idle; released ones go now. Used when the main window closes.
    void shutdown();
    // Thumbnails whose drawing has not ended yet.
    int runningCount() const;

private:
    friend class ThumbnailWorker;
    DrawingThreads threads_;
    std::vector<ThumbnailWorker*> workers_; // every worker not yet deleted
};

class ThumbnailWorker : public QObject, public DrawingPass {
    Q_OBJECT
public:
    static constexpr int kWidth = 128;
    static constexpr int kHeight = 28;

    ThumbnailWorker(tdspvarPtr variable, ThumbnailPool& pool);
    ~ThumbnailWorker() override;

    const QImage& image() const { return image_; }
    // The widget repainted as the picture grows (the strip), or none.
    void setView(QWidget* view) { view_ = view; }
    // The variable's samples changed: while a pass runs this only notes a restart; otherwise the
    // picture is cleared here and a pass is queued. Throws threadStartError when no drawing
    // thread can be started; the picture then shows the empty grid.
    void redraw();
    // The strip lets go: the worker goes at once when idle, else when its running pass ends.
    void release();

    // Black background with the green grid: lines at y = 0, 9, 18, 27 and x = 0, 9, ..., 126.
    static void clearPicture(QImage& image);

protected:
    void beginPass() override;
    void computePass() override;
    void paint(const drawBatch& batch) override;
    void passEnded() override;

private:
    friend class ThumbnailPool;
    ThumbnailPool& pool_;
    tdspvarPtr variable_;
    QImage image_;
    QPointer<QWidget> view_;
    bool released_ = false;
    // The pass's copy of the samples, taken on the GUI thread at its start.
    std::vector<extended> re_;
    std::vector<extended> im_;
    bool complex_ = false;
    extended peak_ = 0;
};
