// Arbitrary bytes as a PC-DSP file, imported as the program imports it: by path, with the size
// check against the file's size and the read of the sample bytes. The first byte answers the
// name-correction dialog. A variable comes only from a file whose size matches its header, with
// exactly the announced samples, and the import from memory agrees with it sample for sample.
#include "io/dspimport.h"
#include "memoryfile.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

struct oneAnswer : loadCallbacks {
    unsigned char answer = 0;
    dialogAnswer askName(const std::string& proposed, bool, std::string& typedName) override
    {
        typedName = proposed + "_" + std::to_string(answer);
        return answer % 2 ? dialogAnswer::cancel : dialogAnswer::ok;
    }
    void showError(const std::string&) override { __builtin_trap(); } // the file always opens
};

bool sameSamples(const std::vector<extended>& a, const std::vector<extended>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(extended)) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static memoryFile file;
    if (size == 0 || !file.assign(data + 1, size - 1))
        return 0;
    oneAnswer cb;
    cb.answer = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    tworkspace w;
    w.add("ABC", {});
    const tdspvarPtr v = importDspFile(file.path(), w, cb);
    tworkspace fromMemory;
    fromMemory.add("ABC", {});
    const tdspvarPtr m = importDspData(bytes, "F", fromMemory, cb);
    if (!v || !m) {
        if (v || m)
            __builtin_trap();
        return 0;
    }
    const auto byte = [&](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(bytes[i])); };
    const std::size_t kind = byte(10) | byte(11) << 8;
    const std::size_t count = byte(12) | byte(13) << 8;
    if (bytes.size() != kDspHeaderSize + kind * 4 * count || v->real().size() != count ||
        v->isComplex() != (kind == 2) || v->imag().size() != (kind == 2 ? count : 0) ||
        v->name() != m->name() || !sameSamples(v->real(), m->real()) || !sameSamples(v->imag(), m->imag()))
        __builtin_trap();
    return 0;
}
