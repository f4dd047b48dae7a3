// Arbitrary bytes as a state file. The first byte says how many of the following bytes script
// the name-correction answers; the rest is the file. Whatever loads must save as text that loads
// back to the same text, and no variable may break the kind/array invariant.
#include "io/statefile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

struct scriptCallbacks : loadCallbacks {
    std::string_view script;
    std::size_t next = 0;
    int askName(const std::string& proposed, bool allowSkip, std::string& typedName) override
    {
        if (next >= script.size())
            return answerCancel;
        const auto c = static_cast<unsigned char>(script[next++]);
        switch (c % 4) {
        case 0:
            typedName = proposed + "_" + std::to_string(next) + std::string(c / 64, ' ');
            return answerOk;
        case 1:
            return answerCancel;
        case 2:
            return allowSkip ? answerSkip : answerCancel;
        default:
            return allowSkip ? answerIgnoreAll : answerCancel;
        }
    }
    void showError(const std::string&) override {}
};

struct ignoreAllCallbacks : loadCallbacks {
    int askName(const std::string&, bool, std::string&) override { return answerIgnoreAll; }
    void showError(const std::string&) override {}
};

void checkInvariants(const tworkspace& w)
{
    for (const auto& v : w.variables())
        if (v->isComplex ? v->im.size() != v->re.size() : !v->im.empty())
            __builtin_trap();
}

std::string reloaded(const std::string& text)
{
    tworkspace w;
    ignoreAllCallbacks cb;
    loadStateText(text, "F", w, cb);
    checkInvariants(w);
    return stateText(w.variables());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t scriptLength = std::min<std::size_t>(data[0] % 8, input.size());
    scriptCallbacks cb;
    cb.script = input.substr(0, scriptLength);

    tworkspace w;
    w.createVariable("A");
    w.createVariable("");
    loadStateText(input.substr(scriptLength), "F", w, cb);
    checkInvariants(w);

    const std::vector<tdspvarPtr> loaded(w.variables().begin() + 2, w.variables().end());
    const std::string second = reloaded(stateText(loaded));
    if (reloaded(second) != second)
        __builtin_trap();
    return 0;
}
