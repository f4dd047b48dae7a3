// VariableStrip: the strip that shows one signal variable in the main window's workspace column.
// It paints the variable's lower-case name, its description and its thumbnail (a 128 x 28 plot
// owned by the strip), and reports plain clicks and pop-up requests to the main window. It holds
// the variable for as long as the variable is in the workspace; the main window places it.
#pragma once

#include "core/variable.h"

#include <QImage>
#include <QWidget>

class VariableStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 32;
    static constexpr int kThumbnailWidth = 128;
    static constexpr int kThumbnailHeight = 28;

    VariableStrip(tdspvarPtr variable, QWidget* parent);

    const tdspvarPtr& variable() const { return variable_; }
    QImage& thumbnail() { return thumbnail_; }
    const QImage& thumbnail() const { return thumbnail_; }

    // Black background with the green grid: lines at y = 0, 9, 18, 27 and x = 0, 9, ..., 126.
    static void clearThumbnail(QImage& image);
    // The variable's thumbnail starter: clears the bitmap and starts a new drawing worker.
    void startThumbnail();
    // The variable left the workspace: the strip lets go of it, hides, and is deleted later
    // (it may be inside one of its own event handlers right now).
    void detach();

signals:
    void clicked(VariableStrip* strip);
    void popupRequested(VariableStrip* strip, const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    tdspvarPtr variable_;
    QImage thumbnail_;
    bool pressed_ = false; // a plain left press is waiting for its release (which is a click)
};
