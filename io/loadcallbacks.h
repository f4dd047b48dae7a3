// loadCallbacks: what the file readers and the writer need from the user interface.
// Reading a state file or a PC-DSP file may have to ask for another name when a name is refused,
// and every file command reports its errors in the application's error box. The GUI implements
// this interface with the name-correction dialog and a message box; tests and the fuzzers answer
// from a script. Every call comes on the thread that called the reader or the writer.
#pragma once

#include <string>

class loadCallbacks {
public:
    // The name-correction dialog's results.
    static constexpr int answerOk = 1;
    static constexpr int answerCancel = 2;
    static constexpr int answerSkip = 5;
    static constexpr int answerIgnoreAll = 9;

    virtual ~loadCallbacks() = default;

    // Shows the name-correction dialog with `proposed` in its field; `allowSkip` also offers Skip
    // and Ignore All (only the state-file reader sets it). Returns answerOk with the text as typed
    // in `typedName` (the dialog enables OK only for a name the workspace accepts), answerCancel,
    // or with allowSkip answerSkip or answerIgnoreAll. Any other value counts as Cancel.
    virtual int askName(const std::string& proposed, bool allowSkip, std::string& typedName) = 0;

    // Shows `message` in the application's error box, e.g. "File not found".
    virtual void showError(const std::string& message) = 0;
};
