#include "io/fileaccess.h"

#include "io/iotexts.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <new>
#include <system_error>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

std::string ioErrorMessage(int errorCode, bool writing)
{
    switch (errorCode) {
    case ENOENT:
        return KELMO_TEXT("Texts", "File not found");
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return KELMO_TEXT("Texts", "Path not found");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return KELMO_TEXT("Texts", "File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return KELMO_TEXT("Texts", "Disk full");
    case EMFILE:
    case ENFILE:
        return KELMO_TEXT("Texts", "Too many open files");
    case ENOMEM:
        return KELMO_TEXT("Texts", "Not enough memory");
    case 0:
    case EIO:
        return writing ? KELMO_TEXT("Texts", "Disk write error") : KELMO_TEXT("Texts", "Disk read error");
    default:
        break;
    }
    std::string text = std::generic_category().message(errorCode);
    if (text.empty())
        return writing ? KELMO_TEXT("Texts", "Disk write error") : KELMO_TEXT("Texts", "Disk read error");
    return text;
}

int missingPathError(const std::string& path)
{
    std::error_code ec;
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() || fs::is_directory(parent, ec) ? ENOENT : ENOTDIR;
}

std::string fullPath(const std::string& path)
{
    std::error_code ec;
    const fs::path p = fs::absolute(fs::path(path), ec);
    return ec ? path : p.string();
}

namespace {

// Writes all `size` bytes at the descriptor's position, or at `offset` when it is not negative,
// going on after an interrupted call; false with errno set.
bool writeAll(int fd, const char* data, std::size_t size, off_t offset = -1) noexcept
{
    while (size > 0) {
        const ssize_t n = offset < 0 ? ::write(fd, data, size) : ::pwrite(fd, data, size, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
        if (offset >= 0)
            offset += n;
    }
    return true;
}

// Gives a target written in place its old bytes back.
bool restoreInPlace(int fd, const char* bytes, std::size_t size) noexcept
{
    return writeAll(fd, bytes, size, 0) && ::ftruncate(fd, static_cast<off_t>(size)) == 0;
}

// --- the list of unfinished saves, which abandonUnfinishedSaves() reads from a signal handler ---

constexpr int kSaveSlots = 8;
constexpr std::size_t kSlotPathBytes = 4096;
enum slotState : int { slotFree, slotFilling, slotArmed };
static_assert(std::atomic<int>::is_always_lock_free);

struct unfinishedSave {
    std::atomic<int> state{slotFree};
    char temporary[kSlotPathBytes] = {}; // the temporary file to delete; empty for a save in place
    int fd = -1;                         // in place: the target, which gets `oldBytes` back
    const char* oldBytes = nullptr;
    std::size_t oldSize = 0;
};

unfinishedSave unfinishedSaves[kSaveSlots];

// Lists a save; -1 when the list is full or the path too long (that save is then only not
// cleaned up after a signal).
int listSave(const std::string& temporary, int fd, const char* oldBytes, std::size_t oldSize)
{
    if (temporary.size() >= kSlotPathBytes)
        return -1;
    for (int k = 0; k < kSaveSlots; ++k) {
        unfinishedSave& s = unfinishedSaves[k];
        int expected = slotFree;
        if (!s.state.compare_exchange_strong(expected, slotFilling))
            continue;
        std::memcpy(s.temporary, temporary.c_str(), temporary.size() + 1);
        s.fd = fd;
        s.oldBytes = oldBytes;
        s.oldSize = oldSize;
        s.state.store(slotArmed, std::memory_order_release);
        return k;
    }
    return -1;
}

void unlistSave(int& slot)
{
    if (slot >= 0)
        unfinishedSaves[slot].state.store(slotFree, std::memory_order_release);
    slot = -1;
}

bool isRefusal(int errorCode)
{
    return errorCode == EACCES || errorCode == EPERM || errorCode == EROFS;
}

} // namespace

void abandonUnfinishedSaves() noexcept
{
    for (unfinishedSave& s : unfinishedSaves) {
        if (s.state.load(std::memory_order_acquire) != slotArmed)
            continue;
        if (s.temporary[0] != '\0')
            ::unlink(s.temporary);
        else if (s.fd >= 0)
            restoreInPlace(s.fd, s.oldBytes, s.oldSize);
    }
}

// --- reading ---

inputFile::~inputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool inputFile::fail(int errorCode)
{
    failed_ = true;
    message_ = ioErrorMessage(errorCode, false);
    if (fd_ >= 0) // the file was open: say which one could not be read
        message_ += "\n" + fillText(kReadingFailedText, {path_});
    return false;
}

bool inputFile::open(const std::string& path)
{
    // Without blocking, so that a pipe or a device cannot hold the program up; then only a
    // regular file is kept.
    path_ = path;
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) {
        const int error = errno ? errno : ENOENT;
        return fail(error == ENOENT ? missingPathError(path) : error);
    }
    struct stat st {};
    const int statError = ::fstat(fd_, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EACCES;
    if (statError != 0) {
        ::close(fd_);
        fd_ = -1;
        return fail(statError);
    }
    size_ = st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    return true;
}

std::size_t inputFile::read(char* buffer, std::size_t count)
{
    std::size_t done = 0;
    while (fd_ >= 0 && done < count) {
        const ssize_t n = ::read(fd_, buffer + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(errno);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool readWholeFile(const std::string& path, fileContents& contents, std::string& message)
{
    inputFile in;
    if (!in.open(path)) {
        message = in.errorMessage();
        return false;
    }
    if (in.size() >= SIZE_MAX) {
        message = ioErrorMessage(ENOMEM, false);
        return false;
    }
    const auto size = static_cast<std::size_t>(in.size());
    std::unique_ptr<char[]> data(new (std::nothrow) char[size > 0 ? size : 1]);
    if (!data) {
        message = ioErrorMessage(ENOMEM, false);
        return false;
    }
    const std::size_t got = in.read(data.get(), size);
    if (in.failed()) {
        message = in.errorMessage();
        return false;
    }
    contents.data_ = std::move(data);
    contents.size_ = got;
    return true;
}

// --- writing ---

atomicFileWriter::atomicFileWriter(const std::string& path) : target_(path) {}

atomicFileWriter::~atomicFileWriter() { discard(); }

void atomicFileWriter::discard()
{
    if (inPlace_) {
        // The old bytes go back before the save leaves the list and before the file is closed.
        restoreInPlace(fd_, oldBytes_.get(), oldSize_);
        inPlace_ = false;
        unlistSave(slot_);
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        std::error_code ec;
        fs::remove(temporary_, ec);
        temporary_.clear();
    }
    unlistSave(slot_);
}

bool atomicFileWriter::fail(int errorCode)
{
    message_ = ioErrorMessage(errorCode, true);
    discard();
    return false;
}

bool atomicFileWriter::failWriting(int errorCode)
{
    fail(errorCode);
    message_ += "\n" + fillText(kWritingFailedText, {target_.string()});
    return false;
}

bool atomicFileWriter::refuse(int errorCode, const std::string& what)
{
    fail(errorCode);
    if (isRefusal(errorCode))
        message_ += "\n" + what;
    return false;
}

bool atomicFileWriter::open()
{
    std::error_code ec;
    if (fs::is_symlink(target_, ec)) {
        const fs::path resolved = fs::canonical(target_, ec);
        if (!ec)
            target_ = resolved;
    }
    const std::string writingRefused = fillText(kWritingRefusedText, {target_.string()});
    struct stat st {};
    const bool targetExists = ::stat(target_.c_str(), &st) == 0;
    if (targetExists) {
        if (S_ISDIR(st.st_mode))
            return fail(EISDIR);
        if (!S_ISREG(st.st_mode))
            return fail(EACCES);
        // The same refusal as writing in place: a read-only file is not replaced.
        const int probe = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (probe < 0) {
            const int error = errno;
            return refuse(error, writingRefused);
        }
        ::close(probe);
    }

    static std::atomic<unsigned> counter{0};
    const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = ".";
        name.append(target_.filename().string());
        name.append(".");
        name.append(std::to_string((stamp + counter.fetch_add(1)) % 1000000007ULL));
        name.append(".tmp");
        const fs::path candidate = folder / name;
        fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            temporary_ = candidate;
            slot_ = listSave(candidate.string(), -1, nullptr, 0);
            // A replaced file keeps its permissions.
            if (targetExists && ::fchmod(fd_, st.st_mode & 07777) != 0)
                return fail(errno);
            return true;
        }
        const int error = errno;
        if (error == EEXIST)
            continue;
        if ((error == EACCES || error == EPERM) && targetExists)
            return openInPlace(); // the folder takes no new file, the file itself may be written
        if (error == ENOENT)
            return fail(ENOTDIR); // the folder is missing, not the file
        return refuse(error, fillText(kFolderRefusedText, {folder.string()}));
    }
    return fail(EEXIST);
}

bool atomicFileWriter::openInPlace()
{
    fd_ = ::open(target_.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
        const int error = errno;
        return refuse(error, fillText(kWritingRefusedText, {target_.string()}));
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        return fail(errno);
    const auto size = static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0);
    oldBytes_.reset(new (std::nothrow) char[size > 0 ? size : 1]);
    if (!oldBytes_)
        return fail(ENOMEM);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd_, oldBytes_.get() + got, size - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(errno);
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    oldSize_ = got;
    inPlace_ = true; // from here on a failure puts the old bytes back
    slot_ = listSave(std::string(), fd_, oldBytes_.get(), oldSize_);
    return true;
}

bool atomicFileWriter::write(const char* data, std::size_t size)
{
    if (fd_ < 0)
        return false;
    if (!writeAll(fd_, data, size))
        return failWriting(errno);
    return true;
}

bool atomicFileWriter::commit()
{
    if (fd_ < 0)
        return false;
    if (inPlace_) {
        const off_t end = ::lseek(fd_, 0, SEEK_CUR);
        if (end < 0 || ::ftruncate(fd_, end) != 0)
            return failWriting(errno);
    }
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS)
        return failWriting(errno);
    if (inPlace_) {
        // The new bytes are on the disk: nothing to put back any more.
        inPlace_ = false;
        unlistSave(slot_);
        ::close(fd_);
        fd_ = -1;
        return true;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return failWriting(errno);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        return failWriting(errno);
    temporary_.clear();
    unlistSave(slot_);
    return true;
}

bool saveText(const std::string& path, const textWriter& writeText, std::string& message)
{
    atomicFileWriter file(path);
    bool written = file.open();
    if (written) {
        writeText([&](std::string_view piece) {
            written = file.write(piece.data(), piece.size());
            return written;
        });
        written = written && file.commit();
    }
    if (!written)
        message = file.errorMessage();
    return written;
}

std::string collectText(const textWriter& writeText)
{
    std::string text;
    writeText([&](std::string_view piece) {
        text.append(piece);
        return true;
    });
    return text;
}
