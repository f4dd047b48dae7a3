// tworkspace: the ordered collection of the program's signal variables.
// It is the one place where variables are created, looked up by name and removed, and it owns
// the naming rules (normalise, validate, reserved words), the selection marks, the current
// variable that the pop-up and Variabila menus act on, and the write guard that keeps a
// background run from reading samples while they change. The main window shows it as a column
// of strips and listens to it through `workspaceListener`; the registry itself knows no widgets.
#pragma once

#include "core/variable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Keeps only 0-9, A-Z, a-z and '_' and turns a-z into A-Z; the result may be empty.
std::string normaliseName(std::string_view text);
// a-z to A-Z and A-Z to a-z only; every other byte stays as it is.
std::string asciiUpper(std::string_view text);
std::string asciiLower(std::string_view text);

// What the main window needs to mirror the registry on screen.
class workspaceListener {
public:
    virtual ~workspaceListener() = default;
    virtual void variableCreated(const tdspvarPtr& variable, int index) = 0;
    virtual void variableRemoved(const tdspvarPtr& variable, int index) = 0;
    virtual void selectionToggled(const tdspvarPtr& variable) = 0;
    // A variable's samples were filled or changed (see tworkspace::samplesChanged).
    virtual void samplesChanged(const tdspvarPtr& variable) = 0;
    // Called when the count goes from 0 to 1 or from 1 to 0.
    virtual void emptinessChanged(bool empty) = 0;
};

// A computation that reads the workspace's variables on another thread while the program goes
// on: the sampling run of a formula, which may outlive the dialog that started it. It reads
// samples without locks, so it must have stopped before anyone changes them.
class backgroundReader {
public:
    virtual ~backgroundReader() = default;
    // Ends the reading, dropping what is left of it, and returns once no sample is read any more.
    virtual void stopReading() = 0;
};

class tworkspace {
public:
    // The 19 function names of the expression language, in their order.
    static const std::array<std::string_view, 19> reservedNames;
    // Strip pitch in the main window: the strip at position k has its top at k * 33 + 1.
    static constexpr int kStripPitch = 33;
    static constexpr int stripTop(int index) { return index * kStripPitch + 1; }

    void setListener(workspaceListener* listener) { listener_ = listener; }

    const std::vector<tdspvarPtr>& variables() const { return variables_; }
    int variableCount() const { return static_cast<int>(variables_.size()); }
    int indexOf(const tdspvar& variable) const;

    // The query is compared without regard to case but is not normalised; the last match wins.
    tdspvarPtr findVariable(std::string_view name) const;
    bool nameIsValid(std::string_view text) const;
    static bool isReservedName(std::string_view normalisedName);

    // Appends an empty variable with the name stored exactly as given.
    tdspvarPtr createVariable(std::string name);
    // Takes the variable out; its memory goes with the last shared_ptr to it.
    void removeVariable(const tdspvarPtr& variable);
    // Said by whoever filled a new variable or changed one's samples, once the samples, the
    // kind and the display peak are set: the listener shows the variable anew.
    // A variable that is no longer in the workspace is ignored.
    void samplesChanged(const tdspvarPtr& variable);

    // Every name in workspace order, in lower case.
    void variableNameList(std::vector<std::string>& list) const;
    void toggleSelection(const tdspvarPtr& variable);

    tdspvarPtr currentVariable() const { return current_; }
    void setCurrentVariable(tdspvarPtr variable) { current_ = std::move(variable); }
    // "First variable, then X": makes the oldest variable current; false when there is none.
    bool makeFirstVariableCurrent();

    // The write guard. Whoever is about to change the samples of a variable of this workspace in
    // place (editing values, processing into the same variable) calls it first: it stops the
    // background reader, if any, so that no run reads a half-written variable. Creating or
    // removing a variable needs no guard: a run holds the variables it reads through shared
    // pointers and knows none made after it started.
    void guardSampleWrite();
    void setBackgroundReader(backgroundReader* reader) { reader_ = reader; }

private:
    std::vector<tdspvarPtr> variables_;
    tdspvarPtr current_;
    workspaceListener* listener_ = nullptr;
    backgroundReader* reader_ = nullptr;
};
