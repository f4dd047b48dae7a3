// Speed and memory of the undo history on the largest variable, 2^20 complex samples (32 MiB):
//   - undo and redo of an overwrite (a processing command writing into its source), each against
//     copying the same samples back into place, the least a history that keeps copies of the
//     workspace would do, and against the 50 ms a user should wait at most;
//   - the bytes the history keeps after one generate/undo cycle and after a hundred.
// Every time is the median and the spread of per-round figures over interleaved rounds of thread
// CPU time (bench/rounds.h).
#include "core/undohistory.h"
#include "rounds.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using benchrounds::interleaved;
using benchrounds::millisecondsText;
using benchrounds::ratios;
using benchrounds::summarise;

// Undo and redo move samples rather than copy them, so their times and ratios are small: shown in
// microseconds and with four decimals.
std::string microsecondsText(const std::vector<double>& seconds)
{
    const benchrounds::spread s = summarise(seconds);
    char text[64];
    std::snprintf(text, sizeof text, "%.1f us (%.1f-%.1f)", s.median * 1e6, s.low * 1e6, s.high * 1e6);
    return text;
}

std::string fineRatioText(const std::vector<double>& perRound)
{
    const benchrounds::spread s = summarise(perRound);
    char text[64];
    std::snprintf(text, sizeof text, "%.4fx (%.4f-%.4f)", s.median, s.low, s.high);
    return text;
}

constexpr int kSamples = kMaxVariableSamples;
constexpr double kBudgetSeconds = 0.050;

signalSamples ramp(extended scale)
{
    std::vector<extended> re(kSamples), im(kSamples);
    for (int i = 0; i < kSamples; ++i) {
        re[static_cast<std::size_t>(i)] = scale * i;
        im[static_cast<std::size_t>(i)] = -scale * i;
    }
    return signalSamples::complex(std::move(re), std::move(im));
}

void undoLines()
{
    tworkspace workspace;
    undoHistory history;
    workspace.setRecorder(&history);
    const tdspvarPtr v = workspace.add("X", ramp(1));
    history.beginStep("Fourier");
    workspace.replaceSamples(v, ramp(2));
    history.endStep();

    // The reference copies both parts back into buffers of the right size.
    const signalSamples kept = ramp(1);
    std::vector<extended> re(kSamples), im(kSamples);
    const auto s = interleaved({[&] { history.undo(workspace); },
                                [&] { history.redo(workspace); },
                                [&] {
                                    std::copy(kept.re.begin(), kept.re.end(), re.begin());
                                    std::copy(kept.im.begin(), kept.im.end(), im.begin());
                                }});
    const std::vector<double> budget(s[0].size(), kBudgetSeconds);
    std::printf("undo of a 2^20-sample complex overwrite: %s\n"
                "    undo / copying the samples back = %s, undo / 50 ms = %s\n",
                microsecondsText(s[0]).c_str(), fineRatioText(ratios(s[0], s[2])).c_str(),
                fineRatioText(ratios(s[0], budget)).c_str());
    std::printf("redo of the same overwrite: %s\n"
                "    redo / copying the samples back = %s, redo / 50 ms = %s\n",
                microsecondsText(s[1]).c_str(), fineRatioText(ratios(s[1], s[2])).c_str(),
                fineRatioText(ratios(s[1], budget)).c_str());
    std::printf("copying the samples back: %s\n", millisecondsText(s[2]).c_str());
}

void memoryLine()
{
    tworkspace workspace;
    undoHistory history;
    workspace.setRecorder(&history);
    std::size_t afterFirst = 0;
    for (int cycle = 1; cycle <= 100; ++cycle) {
        history.beginStep("Functie");
        workspace.add("G", ramp(1));
        history.endStep();
        history.undo(workspace);
        if (cycle == 1)
            afterFirst = history.keptBytes();
    }
    std::printf("bytes kept by the history after 1 generate/undo cycle: %zu, after 100: %zu\n", afterFirst,
                history.keptBytes());
}

} // namespace

int main()
{
    undoLines();
    memoryLine();
    return 0;
}
