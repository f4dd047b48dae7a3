// The state-file reader's view of its text: tokens (runs of bytes above code 32) and lines, read
// either from text already in memory or from a file in chunks through one buffer of a fixed size,
// so that loading a file holds no copy of its text: a token or a line that a chunk boundary cuts
// is carried over into a small buffer of its own. Character 26 ends the text. A file that fails
// to read ends the text there, and the failure's message is kept for the loader to show.
#pragma once

#include "io/fileaccess.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The chunk a file is read in: large enough that the system calls cost nothing beside the parse,
// small enough to stay in the second-level cache.
inline constexpr std::size_t kStateChunkBytes = std::size_t{256} << 10;

class stateScanner {
public:
    explicit stateScanner(std::string_view text);
    // Reads `file` (open) in chunks of `chunkBytes` (at least 1).
    stateScanner(inputFile& file, std::size_t chunkBytes = kStateChunkBytes);

    bool atEnd();
    void skipWhite();
    // The next token; empty at the end of the text. A token longer than any number the reader
    // accepts is cut to kLongestKeptToken bytes, which still reads as no number.
    std::string_view token();
    // The rest of the current line; the line end (CR, CR LF or LF) is consumed.
    std::string_view restOfLine();
    // The same, without keeping the text.
    void skipLine();

    // The message of a failed read, empty when every read succeeded.
    const std::string& readError() const { return readError_; }

    static constexpr std::size_t kLongestKeptToken = 128;

private:
    // Makes at least one unread byte available; false at the end of the text.
    bool more() { return p_ != end_ || refill(); }
    bool refill();
    template <typename Keep> void line(Keep keep);

    const char* p_ = nullptr;
    const char* end_ = nullptr;
    inputFile* file_ = nullptr; // null for text in memory
    std::unique_ptr<char[]> chunk_;
    std::size_t chunkBytes_ = 0;
    bool ended_ = false; // character 26 or the end of the file was met
    std::string carried_; // a token or line cut by a chunk boundary
    std::string readError_;
};

class tworkspace;
class loadCallbacks;

// Loads the state file open as `file` as loadStateFile does (statefile.h), reading it in chunks of
// `chunkBytes`: the samples and one chunk are all the memory it takes.
int loadStateStream(inputFile& file, const std::string& shownPath, tworkspace& workspace,
                    loadCallbacks& callbacks, std::size_t chunkBytes = kStateChunkBytes);
