// Interleaved rounds on the wall clock, for the window-layer benchmarks: their work runs on
// worker threads and on the GUI thread, so the thread CPU clock of rounds.h would miss most of
// it. Each round times every contender once, in turn (the order alternates from round to round),
// so a change in the machine's load falls on all of them alike; the report gives the median and
// the spread of each contender's time and of each ratio over the rounds (rounds.h's summaries).
// `--rounds=N` on the command line sets the number of rounds (never below 5).
#pragma once

#include "rounds.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace interleaved {

inline int roundsFrom(int argc, char** argv, int fallback)
{
    int rounds = fallback;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--rounds=", 9) == 0)
            rounds = std::atoi(argv[i] + 9);
    return std::max(rounds, 5);
}

class rounds {
public:
    void add(std::string name, std::function<void()> run) { contenders_.push_back({std::move(name), std::move(run), {}}); }

    // One untimed warm-up of each contender, then `count` rounds.
    void run(int count)
    {
        for (contender& c : contenders_)
            c.run();
        for (int r = 0; r < count; ++r)
            for (std::size_t k = 0; k < contenders_.size(); ++k) {
                contender& c = contenders_[r % 2 ? contenders_.size() - 1 - k : k];
                const auto start = std::chrono::steady_clock::now();
                c.run();
                c.seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            }
    }

    void printTimes() const
    {
        for (const contender& c : contenders_)
            std::printf("  %-30s %s\n", c.name.c_str(), benchrounds::millisecondsText(c.seconds).c_str());
    }

    // Per round: `ours` over the sum of the references' times.
    void printRatio(const std::string& label, const std::string& ours,
                    const std::vector<std::string>& references) const
    {
        std::vector<double> sums(find(ours).seconds.size(), 0.0);
        for (const std::string& name : references)
            for (std::size_t r = 0; r < sums.size(); ++r)
                sums[r] += find(name).seconds[r];
        std::printf("%s: %s\n", label.c_str(),
                    benchrounds::ratioText(benchrounds::ratios(find(ours).seconds, sums)).c_str());
    }

private:
    struct contender {
        std::string name;
        std::function<void()> run;
        std::vector<double> seconds;
    };
    const contender& find(const std::string& name) const
    {
        for (const contender& c : contenders_)
            if (c.name == name)
                return c;
        std::fprintf(stderr, "no contender %s\n", name.c_str());
        std::abort();
    }

    std::vector<contender> contenders_;
};

} // namespace interleaved
