#include "io/statescanner.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kEndOfFileMark = 26;

bool isWhite(char c) { return static_cast<unsigned char>(c) <= 32; }

} // namespace

stateScanner::stateScanner(std::string_view text) : p_(text.data()), end_(p_ + text.size()), ended_(true)
{
    if (const std::size_t mark = text.find(kEndOfFileMark); mark != std::string_view::npos)
        end_ = p_ + mark;
}

stateScanner::stateScanner(inputFile& file, std::size_t chunkBytes)
    : file_(&file), chunk_(new char[chunkBytes > 0 ? chunkBytes : 1]), chunkBytes_(chunkBytes > 0 ? chunkBytes : 1)
{
}

bool stateScanner::refill()
{
    if (ended_)
        return false;
    const std::size_t got = file_->read(chunk_.get(), chunkBytes_);
    if (file_->failed())
        readError_ = file_->errorMessage();
    p_ = chunk_.get();
    end_ = p_ + got;
    if (const void* mark = std::memchr(p_, kEndOfFileMark, got)) {
        end_ = static_cast<const char*>(mark);
        ended_ = true;
    }
    if (got < chunkBytes_)
        ended_ = true;
    return p_ != end_;
}

bool stateScanner::atEnd()
{
    return !more();
}

void stateScanner::skipWhite()
{
    while (more()) {
        while (p_ != end_ && isWhite(*p_))
            ++p_;
        if (p_ != end_)
            return;
    }
}

std::string_view stateScanner::token()
{
    skipWhite();
    const char* start = p_;
    while (p_ != end_ && !isWhite(*p_))
        ++p_;
    if (p_ != end_ || file_ == nullptr || ended_)
        return {start, static_cast<std::size_t>(p_ - start)};
    // The chunk ends inside the token: carry it over, keeping what can matter.
    carried_.assign(start, std::min<std::size_t>(static_cast<std::size_t>(p_ - start), kLongestKeptToken));
    while (refill()) {
        start = p_;
        while (p_ != end_ && !isWhite(*p_))
            ++p_;
        carried_.append(start, std::min<std::size_t>(static_cast<std::size_t>(p_ - start),
                                                     kLongestKeptToken - std::min(carried_.size(), kLongestKeptToken)));
        if (p_ != end_)
            break;
    }
    return carried_;
}

// Runs to the end of the line, handing every piece of it to keep(start, end), and consumes the
// line end: CR, CR LF or a lone LF.
template <typename Keep> void stateScanner::line(Keep keep)
{
    while (more()) {
        const char* start = p_;
        while (p_ != end_ && *p_ != '\r' && *p_ != '\n')
            ++p_;
        keep(start, p_);
        if (p_ == end_)
            continue;
        if (*p_++ == '\r' && more() && *p_ == '\n')
            ++p_;
        return;
    }
}

std::string_view stateScanner::restOfLine()
{
    if (file_ == nullptr) { // one piece, in place
        const char* first = p_;
        const char* last = p_;
        line([&last](const char*, const char* stop) { last = stop; });
        return {first, static_cast<std::size_t>(last - first)};
    }
    carried_.clear();
    line([this](const char* start, const char* stop) { carried_.append(start, stop); });
    return carried_;
}

void stateScanner::skipLine()
{
    line([](const char*, const char*) {});
}
