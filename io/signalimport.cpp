#include "io/signalimport.h"

#include "core/samplerate.h"
#include "io/importnames.h"

#include <algorithm>
#include <filesystem>

std::string baseNameOf(const std::string& path)
{
    std::string name = normaliseName(foldAccents(std::filesystem::path(path).stem().string()));
    return name.empty() ? std::string("SIGNAL") : name;
}

namespace {

// Whether `text` names one of the variables settled before it, the way the workspace's lookup
// would find it once they exist: stored name in upper case against the normalised text.
bool takenBy(const std::vector<pendingVariable>& settled, std::size_t count, const std::string& text)
{
    const std::string wanted = normaliseName(text);
    return std::any_of(settled.begin(), settled.begin() + static_cast<std::ptrdiff_t>(count),
                       [&](const pendingVariable& p) { return asciiUpper(p.name) == wanted; });
}

} // namespace

bool settleNames(std::vector<pendingVariable>& pending, const tworkspace& workspace,
                 loadCallbacks& callbacks)
{
    const bool allowSkip = pending.size() > 1;
    bool ignoreAll = false;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < pending.size(); ++i) {
        std::string name = importedName(pending[i].name);
        bool skip = false;
        while (!workspace.nameIsValid(name) || takenBy(pending, kept, name)) {
            if (ignoreAll) {
                skip = true;
                break;
            }
            std::string typed;
            const dialogAnswer answer = callbacks.askName(name, allowSkip, typed);
            if (allowSkip && answer == dialogAnswer::ignoreAll)
                ignoreAll = true;
            if (allowSkip &&
                (answer == dialogAnswer::skip || answer == dialogAnswer::ignoreAll)) {
                skip = true;
                break;
            }
            if (answer != dialogAnswer::ok)
                return false;
            name = typed;
        }
        if (skip)
            continue;
        pending[i].name = name;
        if (kept != i)
            pending[kept] = std::move(pending[i]);
        ++kept;
    }
    pending.resize(kept);
    return true;
}

std::vector<tdspvarPtr> addVariables(std::vector<pendingVariable>& pending, tworkspace& workspace)
{
    std::vector<tdspvarPtr> created;
    created.reserve(pending.size());
    for (pendingVariable& p : pending) {
        signalSamples samples = p.isComplex ? signalSamples::complex(std::move(p.re), std::move(p.im))
                                            : signalSamples::real(std::move(p.re));
        if (p.peak >= 0 && !p.isComplex)
            samples.peak = std::max(kDisplayPeakFloor, p.peak);
        const double rate = isValidSampleRate(p.sampleRate) ? p.sampleRate : 0;
        created.push_back(
            workspace.add(p.name, std::move(samples), {.description = std::move(p.description), .sampleRate = rate}));
    }
    pending.clear();
    return created;
}
