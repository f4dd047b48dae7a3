// Name-correction answers scripted by the fuzzer's bytes, for the targets whose readers ask about
// names: each byte picks OK with a fresh (sometimes blank-padded) name, Cancel, Skip or Ignore
// All; once the script is used up every question is cancelled.
#pragma once

#include "io/loadcallbacks.h"

#include <cstddef>
#include <string>
#include <string_view>

template <class Callbacks>
struct scriptedAnswers : Callbacks {
    std::string_view script;
    std::size_t next = 0;
    int askName(const std::string& proposed, bool allowSkip, std::string& typedName) override
    {
        if (next >= script.size())
            return loadCallbacks::answerCancel;
        const auto c = static_cast<unsigned char>(script[next++]);
        switch (c % 4) {
        case 0:
            typedName = proposed + "_" + std::to_string(next) + std::string(c / 64, ' ');
            return loadCallbacks::answerOk;
        case 1:
            return loadCallbacks::answerCancel;
        case 2:
            return allowSkip ? loadCallbacks::answerSkip : loadCallbacks::answerCancel;
        default:
            return allowSkip ? loadCallbacks::answerIgnoreAll : loadCallbacks::answerCancel;
        }
    }
    void showError(const std::string&) override {}
};
