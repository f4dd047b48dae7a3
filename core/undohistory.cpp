#include "core/undohistory.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

std::size_t samplesBytes(const std::vector<extended>& re, const std::vector<extended>& im)
{
    return (re.capacity() + im.capacity()) * sizeof(extended);
}

const std::string kNoLabel;

} // namespace

void undoHistory::beginStep(std::string label)
{
    if (replaying_ || depth_++ > 0)
        return;
    open_ = step{};
    open_.label = std::move(label);
}

void undoHistory::endStep()
{
    if (replaying_ || depth_ == 0 || --depth_ > 0)
        return;
    step s = std::move(open_);
    open_ = step{};
    if (lostInCommand_) {
        lostInCommand_ = false;
        notify(historyEvent::lost);
    } else if (!s.changes.empty()) {
        commit(std::move(s));
    }
}

// A new step: what could be redone is gone, and the oldest steps go while over the budget.
void undoHistory::commit(step s)
{
    s.before = state_;
    s.after = state_ = nextState_++;
    try {
        push(undo_, std::move(s));
    } catch (const std::bad_alloc&) {
        lose();
        notify(historyEvent::lost);
        return;
    }
    while (!redo_.empty())
        dropFront(redo_);
    keepWithinBudget();
    notify(historyEvent::changed);
}

const std::string& undoHistory::undoLabel() const
{
    return undo_.empty() ? kNoLabel : undo_.back().label;
}

const std::string& undoHistory::redoLabel() const
{
    return redo_.empty() ? kNoLabel : redo_.back().label;
}

replayOutcome undoHistory::undo(tworkspace& workspace)
{
    return replay(undo_, redo_, workspace, false);
}

replayOutcome undoHistory::redo(tworkspace& workspace)
{
    return replay(redo_, undo_, workspace, true);
}

void undoHistory::setBudget(std::size_t bytes)
{
    budget_ = bytes;
    keepWithinBudget();
}

void undoHistory::clear()
{
    undo_.clear();
    redo_.clear();
    kept_ = 0;
    notify(historyEvent::changed);
}

// ---- what the workspace hands over ----

void undoHistory::variableAdded(const tdspvarPtr& variable, int index)
{
    change c{changeKind::added, variable};
    c.index = index;
    record(std::move(c));
}

void undoHistory::variableRemoved(const tdspvarPtr& variable, int index)
{
    change c{changeKind::removed, variable};
    c.index = index;
    c.bytes = samplesBytes(variable->real(), variable->imag()) + variable->name().capacity() +
              variable->description().capacity();
    record(std::move(c));
}

void undoHistory::samplesReplaced(const tdspvarPtr& variable, signalSamples previous)
{
    change c{changeKind::samples, variable};
    c.bytes = samplesBytes(previous.re, previous.im);
    c.samples = std::move(previous);
    record(std::move(c));
}

void undoHistory::nameReplaced(const tdspvarPtr& variable, std::string previous)
{
    change c{changeKind::name, variable};
    c.bytes = previous.capacity();
    c.name = std::move(previous);
    record(std::move(c));
}

void undoHistory::infoReplaced(const tdspvarPtr& variable, variableInfo previous)
{
    change c{changeKind::info, variable};
    c.bytes = previous.description.capacity();
    c.info = std::move(previous);
    record(std::move(c));
}

// The workspace has changed already, so nothing here may throw back into it: running out of
// memory empties the history instead (and the workspace counts as changed).
void undoHistory::record(change c)
{
    try {
        if (replaying_ || depth_ > 0) {
            if (lostInCommand_)
                return;
            open_.bytes += c.bytes;
            open_.changes.push_back(std::move(c));
            return;
        }
        step own;
        own.bytes = c.bytes;
        own.changes.push_back(std::move(c));
        commit(std::move(own));
    } catch (const std::bad_alloc&) {
        lose();
        if (depth_ > 0 || replaying_)
            lostInCommand_ = true;
        else
            notify(historyEvent::lost);
    }
}

void undoHistory::lose()
{
    undo_.clear();
    redo_.clear();
    open_.changes.clear();
    open_.changes.shrink_to_fit();
    kept_ = 0;
    state_ = nextState_++; // no step leads back to any earlier state
}

// ---- undo and redo ----

replayOutcome undoHistory::replay(std::deque<step>& from, std::deque<step>& to, tworkspace& workspace,
                                  bool forwards)
{
    if (depth_ > 0 || replaying_ || from.empty())
        return replayOutcome::nothing;
    if (!applicable(from.back(), workspace)) {
        // The workspace has moved away from this step (a change it never heard of): neither this
        // step nor those that lead on from it can be played any more.
        while (!from.empty())
            dropFront(from);
        notify(historyEvent::changed);
        return replayOutcome::refused;
    }
    step s = std::move(from.back());
    from.pop_back();
    kept_ -= s.bytes;
    open_ = step{};
    open_.label = s.label;
    replaying_ = true;
    try {
        for (auto it = s.changes.rbegin(); it != s.changes.rend(); ++it)
            apply(*it, workspace);
    } catch (...) {
        // What was played (each played change left one change in open_) goes across; the rest
        // stays, and both meet at a state of their own.
        replaying_ = false;
        const std::uint64_t middle = nextState_++;
        const auto playedCount = static_cast<std::ptrdiff_t>(std::min(s.changes.size(), open_.changes.size()));
        s.changes.erase(s.changes.end() - playedCount, s.changes.end());
        s.bytes = 0;
        for (const change& c : s.changes)
            s.bytes += c.bytes;
        step played = std::move(open_);
        open_ = step{};
        played.before = forwards ? s.before : middle;
        played.after = forwards ? middle : s.after;
        (forwards ? s.before : s.after) = middle;
        state_ = middle;
        if (lostInCommand_) {
            lostInCommand_ = false;
            notify(historyEvent::lost);
            throw;
        }
        if (!s.changes.empty())
            push(from, std::move(s));
        if (!played.changes.empty())
            push(to, std::move(played));
        keepWithinBudget();
        notify(historyEvent::changed);
        throw;
    }
    replaying_ = false;
    step played = std::move(open_);
    open_ = step{};
    state_ = forwards ? s.after : s.before;
    if (lostInCommand_) {
        lostInCommand_ = false;
        notify(historyEvent::lost);
        return replayOutcome::applied;
    }
    played.before = s.before;
    played.after = s.after;
    try {
        push(to, std::move(played));
    } catch (const std::bad_alloc&) {
        lose();
        notify(historyEvent::lost);
        return replayOutcome::applied;
    }
    keepWithinBudget();
    notify(historyEvent::changed);
    return replayOutcome::applied;
}

// Plays the changes backwards on a picture of which variables are in the workspace: each must find
// its variable where it expects it, and a variable put back must not meet another of its name.
bool undoHistory::applicable(const step& s, const tworkspace& workspace)
{
    std::vector<std::pair<const tdspvar*, bool>> present; // the changes made so far in the picture
    const auto isIn = [&](const tdspvar* v) {
        for (auto it = present.rbegin(); it != present.rend(); ++it)
            if (it->first == v)
                return it->second;
        return workspace.indexOf(*v) >= 0;
    };
    for (auto it = s.changes.rbegin(); it != s.changes.rend(); ++it) {
        const tdspvar* v = it->variable.get();
        if (!v)
            return false;
        if (it->kind == changeKind::removed) {
            const tdspvarPtr namesake = workspace.findVariable(v->name());
            if (isIn(v) || (namesake && isIn(namesake.get())))
                return false;
            present.emplace_back(v, true);
        } else if (!isIn(v)) {
            return false;
        } else if (it->kind == changeKind::added) {
            present.emplace_back(v, false);
        }
    }
    return true;
}

void undoHistory::apply(change& c, tworkspace& workspace)
{
    switch (c.kind) {
    case changeKind::added:
        workspace.removeVariable(c.variable);
        break;
    case changeKind::removed:
        workspace.restoreVariable(c.variable, c.index);
        break;
    case changeKind::samples:
        workspace.replaceSamples(c.variable, std::move(c.samples));
        break;
    case changeKind::name:
        workspace.rename(c.variable, std::move(c.name));
        break;
    case changeKind::info:
        workspace.setInfo(c.variable, std::move(c.info));
        break;
    }
}

// ---- the budget ----

void undoHistory::push(std::deque<step>& stack, step s)
{
    const std::size_t bytes = s.bytes;
    stack.push_back(std::move(s));
    kept_ += bytes;
}

void undoHistory::dropFront(std::deque<step>& stack)
{
    kept_ -= stack.front().bytes;
    stack.pop_front();
}

void undoHistory::keepWithinBudget()
{
    bool dropped = false;
    while (kept_ > budget_ && !undo_.empty()) {
        dropFront(undo_);
        dropped = true;
    }
    while (kept_ > budget_ && !redo_.empty()) {
        dropFront(redo_);
        dropped = true;
    }
    if (dropped)
        notify(historyEvent::oldestDropped);
}

void undoHistory::notify(historyEvent event) const
{
    if (observer_)
        observer_(event);
}
