// undoHistory: the undo and redo of the workspace. It hears every change as the workspace's
// recorder and keeps only what each change replaced: the old samples of an overwrite (moved out of
// the variable, not copied), an old name or info, a removed variable itself with its position, or
// the mere fact that a variable came in. The changes of one user command form one step (the caller
// brackets the command with beginStep/endStep); a change heard outside a command is a step of its
// own. Undoing a step plays its changes backwards through the workspace's own calls, and what those
// calls replace becomes the redo step, so both directions are one mechanism, and views follow
// through the workspace's announcements. Samples kept are counted against a byte budget; the
// oldest steps go first. It assumes it is the workspace's only recorder, on the GUI thread.
#pragma once

#include "core/workspace.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// How an undo or a redo went.
enum class replayOutcome {
    applied,
    nothing, // no step to undo or redo, or a command is still open
    refused, // the workspace no longer matches the step: it was dropped, nothing changed
};

// What the history tells its owner, who shows the state of the menu items and the notes.
enum class historyEvent {
    changed,       // a step came, went or moved; labels and cleanliness may differ
    oldestDropped, // steps were forgotten to stay within the budget
    lost,          // memory ran out while a change was written down; the history was emptied
};

class undoHistory : public workspaceRecorder {
public:
    static constexpr std::size_t kDefaultBudget = std::size_t{256} << 20;

    explicit undoHistory(std::size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}
    undoHistory(const undoHistory&) = delete;
    undoHistory& operator=(const undoHistory&) = delete;

    void setObserver(std::function<void(historyEvent)> observer) { observer_ = std::move(observer); }

    // A user command begins and ends; nested pairs belong to the outermost one. A command that
    // changed nothing leaves no step.
    void beginStep(std::string label);
    void endStep();

    bool canUndo() const { return depth_ == 0 && !undo_.empty(); }
    bool canRedo() const { return depth_ == 0 && !redo_.empty(); }
    const std::string& undoLabel() const;
    const std::string& redoLabel() const;
    replayOutcome undo(tworkspace& workspace);
    replayOutcome redo(tworkspace& workspace);

    // Whether the workspace is as it was when markClean() was last called (at the start, or after
    // a save or a load); undoing back to that point counts.
    bool isClean() const { return state_ == clean_; }
    void markClean() { clean_ = state_; }

    // Bytes of samples, names and descriptions that only the history keeps alive.
    std::size_t keptBytes() const { return kept_; }
    std::size_t undoSteps() const { return undo_.size(); }
    void setBudget(std::size_t bytes);
    void clear();

    // workspaceRecorder
    void variableAdded(const tdspvarPtr& variable, int index) override;
    void variableRemoved(const tdspvarPtr& variable, int index) override;
    void samplesReplaced(const tdspvarPtr& variable, signalSamples previous) override;
    void nameReplaced(const tdspvarPtr& variable, std::string previous) override;
    void infoReplaced(const tdspvarPtr& variable, variableInfo previous) override;

private:
    enum class changeKind { added, removed, samples, name, info };
    // One change, as what puts it back: the variable to take out again (added), the variable to
    // put back at `index` (removed), or the samples, name or info to give it again.
    struct change {
        change(changeKind k, tdspvarPtr v) : kind(k), variable(std::move(v)) {}
        changeKind kind;
        tdspvarPtr variable;
        int index = 0;
        signalSamples samples;
        std::string name;
        variableInfo info;
        std::size_t bytes = 0;
    };
    // The workspace goes from state `before` to state `after` through `changes`, in order.
    struct step {
        std::string label;
        std::vector<change> changes;
        std::size_t bytes = 0;
        std::uint64_t before = 0;
        std::uint64_t after = 0;
    };

    void record(change c);
    void commit(step s);
    // Forgets every step after running out of memory; the workspace counts as changed.
    void lose();
    // Plays `from` backwards onto the workspace; `to` receives the changes that play it forwards
    // again. A failure part way leaves both halves consistent around a new state and rethrows.
    replayOutcome replay(std::deque<step>& from, std::deque<step>& to, tworkspace& workspace, bool forwards);
    static bool applicable(const step& s, const tworkspace& workspace);
    static void apply(change& c, tworkspace& workspace);
    void push(std::deque<step>& stack, step s);
    void dropFront(std::deque<step>& stack);
    void keepWithinBudget();
    void notify(historyEvent event) const;

    std::deque<step> undo_; // the last is undone first
    std::deque<step> redo_; // the last is redone first
    step open_;             // the command's step while one is open, or the replay's
    int depth_ = 0;
    bool replaying_ = false;
    bool lostInCommand_ = false; // memory ran out during the open command or replay
    std::uint64_t state_ = 0;
    std::uint64_t clean_ = 0;
    std::uint64_t nextState_ = 1;
    std::size_t kept_ = 0;
    std::size_t budget_;
    std::function<void(historyEvent)> observer_;
};
