// What the imports of outside signals (sound files, text columns) share: the question asked when
// a file is longer than a variable can be, and the last step of every import, which settles the
// names of all new variables first and only then creates them, so that a cancelled import leaves
// the workspace exactly as it was. Each import reads and checks its whole file before it asks
// anything. Runs on the calling (GUI) thread.
#pragma once

#include "core/variable.h"
#include "core/workspace.h"
#include "io/loadcallbacks.h"

#include <cstdint>
#include <string>
#include <vector>

class importCallbacks : public loadCallbacks {
public:
    // The file holds `available` samples per variable, more than a variable can hold; true keeps
    // the first `kept` of them, false cancels the import. `sampleRate` is 0 when the file has
    // none (text columns).
    virtual bool keepFirstPart(std::int64_t available, std::int64_t kept, int sampleRate) = 0;
};

// One variable that an import will create once every name is settled.
struct pendingVariable {
    std::string name; // proposed; made a valid name by settleNames (importedName)
    std::string description;
    double sampleRate = 0; // in Hz, the file's; 0 when it has none (text columns)
    bool isComplex = false;
    std::vector<extended> re;
    std::vector<extended> im; // re.size() entries when complex
    // The largest sample magnitude when the reader has it already; negative: not known.
    extended peak = -1;
};

// The name a file's base name gives, "VOICE" for "/home/student/voice.wav": accents folded and
// normalised; "SIGNAL" when nothing of it is left. Readers add their suffixes to it, and
// settleNames makes the whole a valid name.
std::string baseNameOf(const std::string& path);

// Makes each proposed name a name formulas can use (importedName: accents folded, normalised, a
// letter in front of a leading digit or a function name) and checks it against the workspace and
// against the names settled before it in the same file. A refused name goes to loadCallbacks::askName, with Skip
// and Ignore All offered when there is more than one variable; a typed name is taken as typed and
// checked again. Skipped variables are removed from `pending`. False when the user cancelled.
bool settleNames(std::vector<pendingVariable>& pending, const tworkspace& workspace,
                 loadCallbacks& callbacks);

// Adds the variables to the workspace in order, moving the samples in, each display peak the
// reader's (never below 1e-10) or computed, each with its description and sample rate (a rate a
// variable may not carry is left out). Returns the new variables.
std::vector<tdspvarPtr> addVariables(std::vector<pendingVariable>& pending, tworkspace& workspace);
