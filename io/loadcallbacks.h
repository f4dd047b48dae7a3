// loadCallbacks: what the file readers and the writer need from the user interface.
// Reading a state file or a PC-DSP file may have to ask for another name when a name is refused,
// and every file command reports its errors in the application's error box. The GUI implements
// this interface with the name-correction dialog and a message box; tests and the fuzzers answer
// from a script. Every call comes on the thread that called the reader or the writer.
#pragma once

#include <string>

// What a dialog is closed with: OK or Cancel for every dialog of the program, and Skip or Ignore
// All for the name-correction dialog while a state file or an import is read. The numbers are the
// dialogs' result codes.
enum class dialogAnswer { ok = 1, cancel = 2, skip = 5, ignoreAll = 9 };

class loadCallbacks {
public:
    virtual ~loadCallbacks() = default;

    // Shows the name-correction dialog with `proposed` in its field; `allowSkip` also offers Skip
    // and Ignore All (only the state-file reader sets it). Returns ok with the text as typed in
    // `typedName` (the dialog enables OK only for a name the workspace accepts), cancel, or with
    // allowSkip skip or ignoreAll. Any other answer counts as Cancel.
    virtual dialogAnswer askName(const std::string& proposed, bool allowSkip, std::string& typedName) = 0;

    // Shows `message` in the application's error box, e.g. "File not found".
    virtual void showError(const std::string& message) = 0;
};
