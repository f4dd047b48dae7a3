// tworkspace: the ordered collection of the program's signal variables, and the only way to
// change one. It adds, replaces, renames and removes variables, each call a whole change that it
// announces once to its listener and whose replaced part it hands to its recorder (the undo
// history), and it owns the naming rules (normalise, validate, reserved words) and the write
// guard that keeps a background run from reading samples while they change.
// The main window shows it as a column of strips and listens to it through `workspaceListener`;
// the registry itself knows no widgets and keeps no view state (which strip is selected or
// current is the window's business).
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

// Why a name typed for a new variable is refused, the first reason that applies in this order.
enum class nameRefusal {
    none,            // accepted
    empty,           // nothing typed
    taken,           // another variable has it (compared without regard to case)
    reserved,        // a function name of the formulas
    badCharacter,    // holds a character beyond A-Z, a-z, 0-9 and '_'
    startsWithDigit, // formulas would read it as a number
};

// What the main window needs to mirror the registry on screen. Each change of the workspace
// comes as exactly one call, after the change is made.
class workspaceListener {
public:
    virtual ~workspaceListener() = default;
    // A variable came in at position `index`, with its samples.
    virtual void variableCreated(const tdspvarPtr& variable, int index) = 0;
    virtual void variableRemoved(const tdspvarPtr& variable, int index) = 0;
    virtual void samplesChanged(const tdspvarPtr& variable) = 0;
    // Its name or its info (description, sample rate) changed.
    virtual void detailsChanged(const tdspvarPtr& variable) = 0;
    // Called when the count goes from 0 to 1 or from 1 to 0.
    virtual void emptinessChanged(bool empty) = 0;
};

// What the undo history hears of each change: what the change replaced, after the change is made
// and before the listener is told. Replaced samples are handed over by moving them out of the
// variable, never copied; a removed variable is handed over itself, with its position.
class workspaceRecorder {
public:
    virtual ~workspaceRecorder() = default;
    virtual void variableAdded(const tdspvarPtr& variable, int index) = 0;
    virtual void variableRemoved(const tdspvarPtr& variable, int index) = 0;
    virtual void samplesReplaced(const tdspvarPtr& variable, signalSamples previous) = 0;
    virtual void nameReplaced(const tdspvarPtr& variable, std::string previous) = 0;
    virtual void infoReplaced(const tdspvarPtr& variable, variableInfo previous) = 0;
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

    void setListener(workspaceListener* listener) { listener_ = listener; }
    void setBackgroundReader(backgroundReader* reader) { reader_ = reader; }
    void setRecorder(workspaceRecorder* recorder) { recorder_ = recorder; }

    const std::vector<tdspvarPtr>& variables() const { return variables_; }
    int variableCount() const { return static_cast<int>(variables_.size()); }
    // The variable's position in workspace order, -1 when it is not in the workspace.
    int indexOf(const tdspvar& variable) const;

    // The query is compared without regard to case but is not normalised; the last match wins.
    tdspvarPtr findVariable(std::string_view name) const;
    bool nameIsValid(std::string_view text) const;
    // The stricter check of a name typed by hand for a new variable: besides what nameIsValid
    // refuses (after normalising), the text itself must be a name formulas can use, as it stands.
    // Names read from files keep going through nameIsValid alone, so stored files load as before.
    nameRefusal refusalOf(std::string_view text) const;
    static bool isReservedName(std::string_view normalisedName);

    // Every name in workspace order, in lower case.
    void variableNameList(std::vector<std::string>& list) const;

    // ---- the changes; each is announced once, and each replaces what it changes as a whole ----

    // Appends a variable with its samples and info, the name stored exactly as given (a creator
    // checks it with nameIsValid first). No guard is needed: a background run holds the variables
    // it reads and knows none made after it started.
    tdspvarPtr add(std::string name, signalSamples samples, variableInfo info = {});
    // Gives a variable of the workspace new samples (its display peak theirs, or computed). The
    // write guard runs first, so no background run reads them while they change. Ignored for a
    // variable that is not in the workspace.
    void replaceSamples(const tdspvarPtr& variable, signalSamples samples);
    // Stores a new name exactly as given, or new info.
    void rename(const tdspvarPtr& variable, std::string name);
    void setInfo(const tdspvarPtr& variable, variableInfo info);
    // Takes the variable out; its memory goes with the last shared_ptr to it.
    void removeVariable(const tdspvarPtr& variable);
    // Puts a variable that was removed back at `index` (clamped to the ends), the same object
    // with its name, info and samples, announced as a new one. Ignored for a variable that is
    // in the workspace.
    void restoreVariable(const tdspvarPtr& variable, int index);

private:
    // Stops the background reader, if any, before samples change in place.
    void guardSampleWrite();
    // Puts an added or restored variable at `index` and announces it.
    void insertAt(const tdspvarPtr& variable, int index);

    std::vector<tdspvarPtr> variables_;
    workspaceListener* listener_ = nullptr;
    backgroundReader* reader_ = nullptr;
    workspaceRecorder* recorder_ = nullptr;
};
