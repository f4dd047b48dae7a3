#include "io/fileaccess.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <new>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#define KELMO_HAVE_FSYNC 1
#endif

namespace fs = std::filesystem;

std::string ioErrorMessage(int errorCode, bool writing)
{
    switch (errorCode) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return "Path not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case ENOMEM:
        return "Not enough memory";
    case 0:
    case EIO:
        return writing ? "Disk write error" : "Disk read error";
    default:
        break;
    }
    std::string text = std::generic_category().message(errorCode);
    if (text.empty())
        return writing ? "Disk write error" : "Disk read error";
    return text;
}

std::string fullPath(const std::string& path)
{
    std::error_code ec;
    const fs::path p = fs::absolute(fs::path(path), ec);
    return ec ? path : p.string();
}

// --- reading ---

inputFile::~inputFile()
{
    if (file_)
        std::fclose(file_);
}

bool inputFile::open(const std::string& path)
{
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (fs::exists(st) && !fs::is_regular_file(st)) {
        failed_ = true;
        message_ = ioErrorMessage(EACCES, false);
        return false;
    }
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        failed_ = true;
        message_ = ioErrorMessage(errno ? errno : ENOENT, false);
        return false;
    }
    if (std::fseek(file_, 0, SEEK_END) == 0) {
        const long end = std::ftell(file_);
        size_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
    }
    std::rewind(file_);
    return true;
}

std::size_t inputFile::read(char* buffer, std::size_t count)
{
    if (!file_ || count == 0)
        return 0;
    errno = 0;
    const std::size_t n = std::fread(buffer, 1, count, file_);
    if (n < count && std::ferror(file_)) {
        failed_ = true;
        message_ = ioErrorMessage(errno, false);
    }
    return n;
}

bool readWholeFile(const std::string& path, std::string& contents, std::string& message)
{
    inputFile in;
    if (!in.open(path)) {
        message = in.errorMessage();
        return false;
    }
    try {
        contents.clear();
        // The size is a hint only: the file may change while it is read.
        constexpr std::size_t kChunk = std::size_t{1} << 20;
        contents.reserve(static_cast<std::size_t>(in.size()));
        std::size_t used = 0;
        for (;;) {
            contents.resize(used + kChunk);
            const std::size_t n = in.read(contents.data() + used, kChunk);
            used += n;
            if (n < kChunk)
                break;
        }
        contents.resize(used);
    } catch (const std::bad_alloc&) {
        contents = std::string();
        message = ioErrorMessage(ENOMEM, false);
        return false;
    }
    if (in.failed()) {
        message = in.errorMessage();
        return false;
    }
    return true;
}

// --- writing ---

atomicFileWriter::atomicFileWriter(const std::string& path) : target_(path) {}

atomicFileWriter::~atomicFileWriter() { discard(); }

void atomicFileWriter::discard()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::error_code ec;
        fs::remove(temporary_, ec);
        temporary_.clear();
    }
}

bool atomicFileWriter::fail(int errorCode)
{
    message_ = ioErrorMessage(errorCode, true);
    discard();
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
    targetExisted_ = fs::exists(fs::symlink_status(target_, ec));
    if (targetExisted_) {
        // The same refusal as writing in place: a read-only file or a folder is not replaced.
        errno = 0;
        std::FILE* probe = std::fopen(target_.c_str(), "r+b");
        if (!probe)
            return fail(errno ? errno : EACCES);
        std::fclose(probe);
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
        errno = 0;
        file_ = std::fopen(candidate.c_str(), "wbx");
        if (file_) {
            temporary_ = candidate;
            return true;
        }
        if (errno != EEXIST)
            return fail(errno ? errno : EACCES);
    }
    return fail(EEXIST);
}

bool atomicFileWriter::write(const char* data, std::size_t size)
{
    if (!file_)
        return false;
    errno = 0;
    if (std::fwrite(data, 1, size, file_) != size)
        return fail(errno);
    return true;
}

bool atomicFileWriter::commit()
{
    if (!file_)
        return false;
    errno = 0;
    if (std::fflush(file_) != 0)
        return fail(errno);
#ifdef KELMO_HAVE_FSYNC
    if (::fsync(::fileno(file_)) != 0 && errno != EINVAL && errno != EROFS)
        return fail(errno);
#endif
    std::FILE* f = file_;
    file_ = nullptr;
    errno = 0;
    if (std::fclose(f) != 0)
        return fail(errno);

    std::error_code ec;
    if (targetExisted_) {
        const fs::perms old = fs::status(target_, ec).permissions();
        if (!ec)
            fs::permissions(temporary_, old, ec);
    }
    fs::rename(temporary_, target_, ec);
    if (ec)
        return fail(ec.value());
    temporary_.clear();
    return true;
}
