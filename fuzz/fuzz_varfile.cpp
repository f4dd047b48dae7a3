// Arbitrary bytes as a state file, loaded as the program loads it: by path, read whole. The first
// byte says how many of the following bytes script the name-correction answers; the rest is the
// file. No variable may break the kind/array invariant or exceed the largest variable, and what
// loads must save as text that loads back to the same text.
#include "io/statefile.h"
#include "memoryfile.h"
#include "scriptedanswers.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using scriptCallbacks = scriptedAnswers<loadCallbacks>;

struct ignoreAllCallbacks : loadCallbacks {
    dialogAnswer askName(const std::string&, bool, std::string&) override { return dialogAnswer::ignoreAll; }
    void showError(const std::string&) override {}
};

// Returns the number of samples loaded.
std::size_t checkInvariants(const tworkspace& w)
{
    std::size_t samples = 0;
    for (const auto& v : w.variables()) {
        if (v->isComplex() ? v->imag().size() != v->real().size() : !v->imag().empty())
            __builtin_trap();
        if (v->real().size() > static_cast<std::size_t>(kMaxVariableSamples))
            __builtin_trap();
        samples += v->real().size();
    }
    return samples;
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
    scriptCallbacks cb;
    const std::string_view bytes = cb.takeScript(data, size);

    static memoryFile file;
    if (!file.assign(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()))
        return 0;
    tworkspace w;
    w.add("A", {});
    w.add("", {});
    loadStateFile(file.path(), w, cb);
    // Long variables come from short files (missing samples read as zeros): the round trip is
    // checked on the ones of a size a fuzzer's input could spell out.
    if (checkInvariants(w) > (std::size_t{1} << 16))
        return 0;

    const std::vector<tdspvarPtr> loaded(w.variables().begin() + 2, w.variables().end());
    const std::string second = reloaded(stateText(loaded));
    if (reloaded(second) != second)
        __builtin_trap();
    return 0;
}
