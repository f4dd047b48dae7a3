// Arbitrary bytes as a PC-DSP file; the first byte answers the name-correction dialog. A variable
// comes only from a file whose size matches its header, with exactly the announced samples.
#include "io/dspimport.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

struct oneAnswer : loadCallbacks {
    unsigned char answer = 0;
    int askName(const std::string& proposed, bool, std::string& typedName) override
    {
        typedName = proposed + "_" + std::to_string(answer);
        return answer % 2 ? answerCancel : answerOk;
    }
    void showError(const std::string&) override { __builtin_trap(); } // data never errs
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    oneAnswer cb;
    cb.answer = data[0];
    const std::string_view file(reinterpret_cast<const char*>(data) + 1, size - 1);
    tworkspace w;
    w.createVariable("ABC");
    const tdspvarPtr v = importDspData(file, "F", w, cb);
    if (!v)
        return 0;
    const auto byte = [&](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(file[i])); };
    const std::size_t kind = byte(10) | byte(11) << 8;
    const std::size_t count = byte(12) | byte(13) << 8;
    if (file.size() != kDspHeaderSize + kind * 4 * count || v->re.size() != count ||
        v->isComplex != (kind == 2) || v->im.size() != (kind == 2 ? count : 0))
        __builtin_trap();
    return 0;
}
