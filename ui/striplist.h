// StripList: the main window's column of variable strips, one per workspace variable in
// workspace order, and the view state that goes with them: which strips are selected (a plain
// click toggles a strip's mark) and which variable is current (the one the pop-up menu and the
// Variabila menu act on). It places the strips one below the other at a pitch of 33 pixels and
// follows the column's width. A thumbnail that cannot be drawn (no drawing thread could be
// started) leaves its strip with the empty grid, and the error box says so once the change that
// asked for it is over. It assumes it is told every change of the workspace, in order, and that
// the thumbnail pool it is given outlives it.
#pragma once

#include "core/variable.h"

#include <QWidget>

#include <vector>

class ThumbnailPool;
class VariableStrip;

class StripList : public QWidget {
    Q_OBJECT
public:
    // The strip at position k has its top at k * 33 + 1: 32 pixels of strip and 1 of gap.
    static constexpr int kPitch = 33;
    static constexpr int stripTop(int index) { return index * kPitch + 1; }

    explicit StripList(ThumbnailPool& thumbnails, QWidget* parent = nullptr);

    // The workspace's changes, as its listener hears them.
    void insert(const tdspvarPtr& variable, int index);
    void remove(const tdspvarPtr& variable, int index);
    void samplesChanged(const tdspvarPtr& variable);  // the thumbnail is drawn again
    void detailsChanged(const tdspvarPtr& variable);  // the name and description are painted again

    // The strip that shows a variable of the workspace, or nullptr.
    VariableStrip* stripOf(const tdspvar& variable) const;
    // Thumbnails (of strips here or gone) whose drawing has not ended yet.
    int thumbnailsDrawing() const;
    bool isSelected(const tdspvar& variable) const;

    // The variable the pop-up menu was opened on, or the one a Variabila command made current; it
    // stays when its variable is removed (every command that reads it sets it first).
    const tdspvarPtr& current() const { return current_; }
    void setCurrent(tdspvarPtr variable) { current_ = std::move(variable); }

signals:
    // The pop-up menu is asked for on a strip, whose variable is current now.
    void popupRequested(const QPoint& globalPosition);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    void redraw(VariableStrip* strip);

    ThumbnailPool& thumbnails_;
    std::vector<VariableStrip*> strips_; // in workspace order
    tdspvarPtr current_;
    bool failureShown_ = false; // an error box about thumbnails is on its way
};
