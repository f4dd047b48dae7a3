// VariableStrip: the strip that shows one signal variable in the main window's workspace column.
// It paints the variable's lower-case name, its description and its thumbnail (a 128 x 28 plot
// drawn by the strip's ThumbnailWorker), in teal while it is selected; a plain click toggles that
// mark, and a pop-up request is reported. It holds the variable for as long as the variable is in
// the workspace; the strip list places it, and asks it to redraw its thumbnail when the
// variable's samples change.
#pragma once

#include "core/variable.h"

#include <QImage>
#include <QWidget>

class ThumbnailPool;
class ThumbnailWorker;

class VariableStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 32;

    // The thumbnail is drawn by the threads of `thumbnails`, which outlives the strip.
    VariableStrip(tdspvarPtr variable, ThumbnailPool& thumbnails, QWidget* parent);
    ~VariableStrip() override;

    const tdspvarPtr& variable() const { return variable_; }
    // The thumbnail's picture; an empty image once detached.
    const QImage& thumbnail() const;

    // The variable's samples changed: its thumbnail is drawn again. Throws threadStartError when
    // no drawing thread can be started.
    void redrawThumbnail();
    // The mark a plain click toggles; the strip is painted again.
    bool isSelected() const { return selected_; }
    void toggleSelection();
    // The variable left the workspace: the strip lets go of it (a thumbnail pass that is running
    // holds it until the pass ends), hides, and is deleted later (it may be inside one of its own
    // event handlers right now).
    void detach();

signals:
    void popupRequested(VariableStrip* strip, const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    tdspvarPtr variable_;
    ThumbnailWorker* thumbnail_; // released by the strip, never deleted by it
    QImage detached_;            // what thumbnail() gives without a worker
    bool pressed_ = false; // a plain left press is waiting for its release (which is a click)
    bool selected_ = false;
};
