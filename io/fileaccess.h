// File access shared by the state-file and PC-DSP code: reading a whole file or a part of it,
// writing a file so that a failure never damages the previous version, and the short English
// texts the program shows for system errors ("File not found", "File access denied", "Disk
// full", ...). A missing folder is "Path not found", not "File not found"; a failure while a file
// is read or written adds a line that names the file ("Disk full\nWriting to the file /a/b.var
// failed."). Standard library and POSIX only; messages go back to the caller, never to a window.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// The error-box text for a system error code (errno); `writing` picks the wording of the
// generic read or write failure.
std::string ioErrorMessage(int errorCode, bool writing);

// The error of a path that names nothing: ENOENT when its folder exists (the file is missing),
// ENOTDIR when the folder does not.
int missingPathError(const std::string& path);

// `path` made absolute against the current folder; unchanged if that fails.
std::string fullPath(const std::string& path);

// A regular file opened for binary reading. Anything else (a folder, a device, a pipe) is refused
// with "File access denied", so a reader never blocks or reads without end.
class inputFile {
public:
    inputFile() = default;
    inputFile(const inputFile&) = delete;
    inputFile& operator=(const inputFile&) = delete;
    ~inputFile();

    bool open(const std::string& path);
    // Size in bytes, taken when the file was opened.
    std::uint64_t size() const { return size_; }
    // Reads up to `count` bytes; fewer at the end of the file or on an error (see failed()).
    std::size_t read(char* buffer, std::size_t count);
    bool failed() const { return failed_; }
    // The text for the last failure of open() or read().
    const std::string& errorMessage() const { return message_; }

private:
    bool fail(int errorCode);

    int fd_ = -1;
    std::uint64_t size_ = 0;
    bool failed_ = false;
    std::string path_; // for the message of a failed read
    std::string message_;
};

// The bytes of a whole file, in one block that is not zero-filled before it is read into.
class fileContents {
public:
    std::string_view view() const { return {data_.get(), size_}; }
    std::size_t size() const { return size_; }

private:
    friend bool readWholeFile(const std::string&, fileContents&, std::string&);
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
};

// Reads a whole regular file into `contents` with one read of the size it has when opened (a file
// that shrinks meanwhile gives what is there); false with `message` set on failure.
bool readWholeFile(const std::string& path, fileContents& contents, std::string& message);

// Writes a new version of a file without ever leaving a damaged one.
// Where the folder allows it, the bytes go to a temporary file beside the target, which is flushed
// to the disk and then renamed over it: until commit() succeeds the target is untouched. Where the
// folder refuses new files but the target exists and may be written, the target is written in
// place while its old bytes are held in memory; a failed write or a writer destroyed before
// commit() puts them back. A read-only target is refused as it would be when written in place, a
// symbolic link keeps pointing at the file it named, and a refusal says what was refused.
//
// Every unfinished writer is listed where abandonUnfinishedSaves() finds it, so a process ended
// by a signal leaves neither a temporary file nor a half-written target behind.
class atomicFileWriter {
public:
    explicit atomicFileWriter(const std::string& path);
    atomicFileWriter(const atomicFileWriter&) = delete;
    atomicFileWriter& operator=(const atomicFileWriter&) = delete;
    ~atomicFileWriter();

    bool open();
    bool write(const char* data, std::size_t size);
    bool commit();
    const std::string& errorMessage() const { return message_; }
    // Whether open() fell back to writing the target in place.
    bool writesInPlace() const { return inPlace_; }

private:
    bool fail(int errorCode);
    bool failWriting(int errorCode); // fail() with a line naming the target
    bool refuse(int errorCode, const std::string& what);
    bool openInPlace();
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    bool inPlace_ = false;
    std::unique_ptr<char[]> oldBytes_; // in place: the target as it was
    std::size_t oldSize_ = 0;
    int slot_ = -1; // the entry in the list of unfinished saves, -1 when not listed
    std::string message_;
};

// A text writer hands its text to a sink in pieces and stops when the sink returns false.
using textSink = std::function<bool(std::string_view)>;
using textWriter = std::function<void(const textSink&)>;

// Writes the text of `writeText` through an atomicFileWriter; false with `message` set when the
// file could not be written (the old one is then as it was).
bool saveText(const std::string& path, const textWriter& writeText, std::string& message);
// The whole text of `writeText` in memory.
std::string collectText(const textWriter& writeText);

// Deletes the temporary file of every unfinished save and gives every target written in place its
// old bytes back. Async-signal-safe: made for a signal handler that ends the process right after.
void abandonUnfinishedSaves() noexcept;
