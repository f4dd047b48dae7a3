// ThumbnailWorker: the thumbnail of one variable's strip and its drawing. It owns the 128 x 28
// picture the strip shows and the thumbnail protocol's state: busy while a pass runs, restart
// when a redraw comes in meanwhile, and release when the strip lets go during a pass; the
// variable is then held until that pass ends, and no further pass starts. All thumbnails share
// a few long-lived low-priority drawing threads, which take them in the order they were asked
// for. A pass computes its segments from a copy of the samples taken at its start and has the
// GUI thread draw them, the segments up to the next repaint point per hand-over (DrawingPass).
// Made, used and deleted on the GUI thread; the strip creates it and releases it.
#pragma once

#include "core/variable.h"
#include "ui/drawingpass.h"

#include <QImage>
#include <QObject>
#include <QPointer>

class QWidget;

class ThumbnailWorker : public QObject, public DrawingPass {
    Q_OBJECT
public:
    static constexpr int kWidth = 128;
    static constexpr int kHeight = 28;
    // Drawing threads shared by all thumbnails: while the GUI thread paints what one handed
    // over, the others compute, and the hand-overs that wait are served in one wake-up.
    static constexpr int kThreads = 8;

    explicit ThumbnailWorker(tdspvarPtr variable);
    ~ThumbnailWorker() override;

    const QImage& image() const { return image_; }
    // The widget repainted as the picture grows (the strip), or none.
    void setView(QWidget* view) { view_ = view; }
    // The variable's samples changed: while a pass runs this only notes a restart; otherwise the
    // picture is cleared here and a pass is queued.
    void redraw();
    // The strip lets go: the worker goes at once when idle, else when its running pass ends.
    void release();
    // Redraws asked for so far.
    int redrawCount() const { return redraws_; }

    // Black background with the green grid: lines at y = 0, 9, 18, 27 and x = 0, 9, ..., 126.
    static void clearPicture(QImage& image);
    // Stops every pass and waits for the thread (GUI thread). Drawing stops where it is and the
    // thumbnails are left idle; released variables go now. Used when the main window closes.
    static void stopAll();
    // Thumbnails whose drawing has not ended yet.
    static int runningCount();

protected:
    void beginPass() override;
    void computePass() override;
    void paint(const drawBatch& batch) override;
    void passEnded() override;

private:
    tdspvarPtr variable_;
    QImage image_;
    QPointer<QWidget> view_;
    bool released_ = false;
    int redraws_ = 0;
    // The pass's copy of the samples, taken on the GUI thread at its start.
    std::vector<extended> re_;
    std::vector<extended> im_;
    bool complex_ = false;
    extended peak_ = 0;
};
