// A file in memory that the fuzz targets hand to the program's file readers by path, so that a
// target goes through the same open, size check and read calls as the program, without a disk.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

class memoryFile {
public:
    memoryFile() : fd_(::memfd_create("kelmo-fuzz", MFD_CLOEXEC)) {}
    ~memoryFile() { ::close(fd_); }
    memoryFile(const memoryFile&) = delete;
    memoryFile& operator=(const memoryFile&) = delete;

    // Replaces the file's contents; false (the fuzz target then skips the input) on a failure.
    bool assign(const std::uint8_t* data, std::size_t size)
    {
        if (fd_ < 0 || ::ftruncate(fd_, 0) != 0)
            return false;
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};
