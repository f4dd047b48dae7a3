// Arbitrary bytes as the head of a sound file: the frame count a WAV or AIFF header announces is
// read without stepping outside the bytes, and it is -1 or a count a 32-bit size field can give.
#include "io/soundprobe.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view head(reinterpret_cast<const char*>(data), size);
    const std::int64_t frames = announcedFrames(head);
    if (frames < -1 || frames > 0xFFFFFFFFLL)
        __builtin_trap();
    return 0;
}
