// File access shared by the state-file and PC-DSP code: reading a whole file or a part of it,
// writing a file so that a failure never damages the previous version, and the short English
// texts the program shows for system errors ("File not found", "File access denied", "Disk
// full", ...). Standard library and POSIX only; messages go back to the caller, never to a window.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

// The error-box text for a system error code (errno); `writing` picks the wording of the
// generic read or write failure.
std::string ioErrorMessage(int errorCode, bool writing);

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
    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
    bool failed_ = false;
    std::string message_;
};

// Reads a whole regular file into `contents`; false with `message` set on failure.
bool readWholeFile(const std::string& path, std::string& contents, std::string& message);

// Writes a new version of a file without ever leaving a damaged one: the bytes go to a temporary
// file in the same folder, which is flushed to the disk and then renamed over the target. Until
// commit() succeeds the target is untouched; a writer destroyed before that removes its
// temporary file. A read-only target is refused as it would be when written in place, and a
// symbolic link keeps pointing at the file it named.
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

private:
    bool fail(int errorCode);
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    bool targetExisted_ = false;
    std::string message_;
};
