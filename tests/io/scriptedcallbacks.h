// A loadCallbacks that answers the name questions from a script and records every call, and a
// temporary folder that removes itself: the common ground of the io tests.
#pragma once

#include "io/loadcallbacks.h"

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

struct scriptedCallbacks : loadCallbacks {
    struct reply {
        dialogAnswer answer;
        std::string typed;
    };
    std::deque<reply> replies;       // Cancel once the script runs out
    std::vector<std::string> asked;  // the proposed names, in order
    std::vector<bool> skipOffered;
    std::vector<std::string> errors;

    dialogAnswer askName(const std::string& proposed, bool allowSkip, std::string& typedName) override
    {
        asked.push_back(proposed);
        skipOffered.push_back(allowSkip);
        if (replies.empty())
            return dialogAnswer::cancel;
        const reply r = replies.front();
        replies.pop_front();
        typedName = r.typed;
        return r.answer;
    }
    void showError(const std::string& message) override { errors.push_back(message); }
};

struct temporaryFolder {
    std::filesystem::path path;
    temporaryFolder()
    {
        static int serial = 0;
        path = std::filesystem::temp_directory_path() /
               ("kelmo-io-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::create_directories(path);
    }
    ~temporaryFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path, ec);
    }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
