// The results the program's dialogs close with, as done() takes them and exec() returns them:
// OK and Cancel for every dialog, Skip and Ignore All for the name-correction dialog while a
// state file is read. They are the answers the file readers expect from that dialog.
#pragma once

#include "io/loadcallbacks.h"

namespace dialogResult {

enum code : int { ok = 1, cancel = 2, skip = 5, ignoreAll = 9 };

static_assert(ok == loadCallbacks::answerOk && cancel == loadCallbacks::answerCancel &&
              skip == loadCallbacks::answerSkip && ignoreAll == loadCallbacks::answerIgnoreAll);

} // namespace dialogResult
