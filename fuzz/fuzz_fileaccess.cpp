// The file layer under every state-file load and PC-DSP import: arbitrary bytes as a file, read
// whole and in pieces whose sizes the first byte picks. Both must give back exactly the bytes.
#include "io/fileaccess.h"
#include "memoryfile.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static memoryFile file;
    if (!file.assign(data, size))
        return 0;
    const std::string_view expected(reinterpret_cast<const char*>(data), size);

    fileContents whole;
    std::string message;
    if (!readWholeFile(file.path(), whole, message) || whole.view() != expected || !message.empty())
        __builtin_trap();

    inputFile in;
    if (!in.open(file.path()) || in.size() != size)
        __builtin_trap();
    const std::size_t piece = size > 0 ? 1 + data[0] % 97 : 1;
    std::string pieces;
    char buffer[97];
    for (std::size_t n; (n = in.read(buffer, piece)) > 0;)
        pieces.append(buffer, n);
    if (pieces != expected || in.failed() || in.read(buffer, piece) != 0)
        __builtin_trap();
    return 0;
}
