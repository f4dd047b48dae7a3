// The result code a dialog's done() takes and exec() returns for each answer (dialogAnswer, the
// one list of them, which the file readers use too), and the answer a code stands for.
#pragma once

#include "io/loadcallbacks.h"

inline int resultCode(dialogAnswer answer)
{
    return static_cast<int>(answer);
}

// Any code that is not one of the answers (a dialog closed by other means) counts as Cancel.
inline dialogAnswer answerOf(int code)
{
    for (const dialogAnswer a : {dialogAnswer::ok, dialogAnswer::skip, dialogAnswer::ignoreAll})
        if (code == resultCode(a))
            return a;
    return dialogAnswer::cancel;
}
