#include "io/soundmemory.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

soundMemory& memoryOf(void* data) { return *static_cast<soundMemory*>(data); }

sf_count_t length(void* data) { return static_cast<sf_count_t>(memoryOf(data).bytes.size()); }

sf_count_t seek(sf_count_t offset, int whence, void* data)
{
    soundMemory& m = memoryOf(data);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = m.position;
    else if (whence == SEEK_END)
        base = static_cast<sf_count_t>(m.bytes.size());
    const sf_count_t target = base + offset;
    if (target < 0)
        return -1;
    m.position = target;
    return target;
}

sf_count_t read(void* ptr, sf_count_t count, void* data)
{
    soundMemory& m = memoryOf(data);
    const auto size = static_cast<sf_count_t>(m.bytes.size());
    if (count <= 0 || m.position >= size)
        return 0;
    const sf_count_t n = std::min(count, size - m.position);
    std::memcpy(ptr, m.bytes.data() + m.position, static_cast<std::size_t>(n));
    m.position += n;
    return n;
}

sf_count_t write(const void* ptr, sf_count_t count, void* data)
{
    soundMemory& m = memoryOf(data);
    if (count <= 0)
        return 0;
    const auto end = static_cast<std::size_t>(m.position + count);
    try {
        if (end > m.bytes.size())
            m.bytes.resize(end);
    } catch (...) { // no exception may cross the C library
        return 0;
    }
    std::memcpy(m.bytes.data() + m.position, ptr, static_cast<std::size_t>(count));
    m.position += count;
    return count;
}

sf_count_t tell(void* data) { return memoryOf(data).position; }

} // namespace

SF_VIRTUAL_IO* soundMemory::io()
{
    static SF_VIRTUAL_IO callbacks{length, seek, read, write, tell};
    return &callbacks;
}
