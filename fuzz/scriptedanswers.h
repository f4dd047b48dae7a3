// Name-correction answers scripted by the fuzzer's bytes, for the targets whose readers ask about
// names: each byte picks OK with a fresh (sometimes blank-padded) name, Cancel, Skip or Ignore
// All; once the script is used up every question is cancelled. takeScript() splits a fuzz input
// into the script and the file.
#pragma once

#include "io/loadcallbacks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

template <class Callbacks>
struct scriptedAnswers : Callbacks {
    std::string_view script;
    std::size_t next = 0;

    // For an input of at least one byte: its first byte says how many of the following bytes
    // (0 to 7) are the script; returns the rest, the file.
    std::string_view takeScript(const std::uint8_t* data, std::size_t size)
    {
        const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
        script = input.substr(0, std::min<std::size_t>(data[0] % 8, input.size()));
        next = 0;
        return input.substr(script.size());
    }
    dialogAnswer askName(const std::string& proposed, bool allowSkip, std::string& typedName) override
    {
        if (next >= script.size())
            return dialogAnswer::cancel;
        const auto c = static_cast<unsigned char>(script[next++]);
        switch (c % 4) {
        case 0:
            typedName = proposed + "_" + std::to_string(next) + std::string(c / 64, ' ');
            return dialogAnswer::ok;
        case 1:
            return dialogAnswer::cancel;
        case 2:
            return allowSkip ? dialogAnswer::skip : dialogAnswer::cancel;
        default:
            return allowSkip ? dialogAnswer::ignoreAll : dialogAnswer::cancel;
        }
    }
    void showError(const std::string&) override {}
};
