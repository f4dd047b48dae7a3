// The import callbacks of the io tests: names and errors answered by a scriptedCallbacks, and the
// question about a file longer than a variable recorded and answered with `keep`.
#pragma once

#include "io/signalimport.h"
#include "scriptedcallbacks.h"

struct scriptedImportCallbacks : importCallbacks {
    struct question {
        std::int64_t available;
        std::int64_t kept;
        int sampleRate;
    };
    scriptedCallbacks script;
    bool keep = false;
    std::vector<question> questions;

    dialogAnswer askName(const std::string& proposed, bool allowSkip, std::string& typedName) override
    {
        return script.askName(proposed, allowSkip, typedName);
    }
    void showError(const std::string& message) override { script.showError(message); }
    bool keepFirstPart(std::int64_t available, std::int64_t kept, int sampleRate) override
    {
        questions.push_back({available, kept, sampleRate});
        return keep;
    }
};
