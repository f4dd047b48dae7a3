#include "io/soundprobe.h"

#include <sndfile.h>

#include <algorithm>

namespace {

std::uint32_t littleEndian(std::string_view b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int k = bytes - 1; k >= 0; --k)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(k)]);
    return v;
}

std::uint32_t bigEndian32(std::string_view b, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 4; ++k)
        v = (v << 8) | static_cast<unsigned char>(b[at + k]);
    return v;
}

// Walks the chunks after a 12-byte RIFF or FORM header; `visit(id, data offset, size)` returns
// false to stop.
template <typename ChunkSize, typename Visit>
void walkChunks(std::string_view head, ChunkSize sizeAt, Visit visit)
{
    std::size_t p = 12;
    while (p + 8 <= head.size()) {
        const std::uint32_t size = sizeAt(head, p + 4);
        if (!visit(head.substr(p, 4), p + 8, size))
            return;
        p += 8 + std::size_t{size} + (size & 1);
    }
}

std::int64_t wavFrames(std::string_view head)
{
    std::uint32_t blockAlign = 0;
    std::int64_t frames = -1;
    walkChunks(head, [](std::string_view b, std::size_t at) { return littleEndian(b, at, 4); },
               [&](std::string_view id, std::size_t data, std::uint32_t size) {
                   if (id == "fmt " && data + 14 <= head.size())
                       blockAlign = littleEndian(head, data + 12, 2);
                   if (id != "data")
                       return true;
                   if (blockAlign > 0 && size != 0 && size != 0xFFFFFFFFu)
                       frames = size / blockAlign;
                   return false;
               });
    return frames;
}

std::int64_t aiffFrames(std::string_view head)
{
    std::int64_t frames = -1;
    walkChunks(head, bigEndian32, [&](std::string_view id, std::size_t data, std::uint32_t) {
        if (id != "COMM")
            return true;
        if (data + 6 <= head.size())
            frames = bigEndian32(head, data + 2); // after the 2-byte channel count
        return false;
    });
    return frames;
}

bool libraryHas(int command, int countCommand, int format)
{
    int count = 0;
    sf_command(nullptr, countCommand, &count, sizeof count);
    for (int k = 0; k < count; ++k) {
        SF_FORMAT_INFO info{};
        info.format = k;
        if (sf_command(nullptr, command, &info, sizeof info) == 0 && info.format == format)
            return true;
    }
    return false;
}

bool hasMajor(int format) { return libraryHas(SFC_GET_FORMAT_MAJOR, SFC_GET_FORMAT_MAJOR_COUNT, format); }
bool hasSubtype(int format) { return libraryHas(SFC_GET_FORMAT_SUBTYPE, SFC_GET_FORMAT_SUBTYPE_COUNT, format); }

} // namespace

std::vector<std::string> soundFileExtensions()
{
    struct common {
        const char* extension;
        int major;
        int subtype; // 0: any
    };
    const common commons[] = {
        {"wav", SF_FORMAT_WAV, 0},   {"flac", SF_FORMAT_FLAC, 0}, {"ogg", SF_FORMAT_OGG, SF_FORMAT_VORBIS},
        {"oga", SF_FORMAT_OGG, 0},   {"opus", SF_FORMAT_OGG, SF_FORMAT_OPUS},
        {"mp3", SF_FORMAT_MPEG, SF_FORMAT_MPEG_LAYER_III},
        {"aif", SF_FORMAT_AIFF, 0},  {"aiff", SF_FORMAT_AIFF, 0}, {"aifc", SF_FORMAT_AIFF, 0},
    };
    std::vector<std::string> out;
    for (const common& c : commons)
        if (hasMajor(c.major) && (c.subtype == 0 || hasSubtype(c.subtype)))
            out.emplace_back(c.extension);

    int count = 0;
    sf_command(nullptr, SFC_GET_FORMAT_MAJOR_COUNT, &count, sizeof count);
    for (int k = 0; k < count; ++k) {
        SF_FORMAT_INFO info{};
        info.format = k;
        if (sf_command(nullptr, SFC_GET_FORMAT_MAJOR, &info, sizeof info) != 0 || !info.extension ||
            info.format == SF_FORMAT_RAW)
            continue;
        const std::string extension = info.extension;
        if (!extension.empty() && std::find(out.begin(), out.end(), extension) == out.end())
            out.push_back(extension);
    }
    return out;
}

std::int64_t announcedFrames(std::string_view head)
{
    if (head.size() < 12)
        return -1;
    const std::string_view magic = head.substr(0, 4);
    const std::string_view kind = head.substr(8, 4);
    if (magic == "RIFF" && kind == "WAVE")
        return wavFrames(head);
    if (magic == "FORM" && (kind == "AIFF" || kind == "AIFC"))
        return aiffFrames(head);
    return -1;
}
