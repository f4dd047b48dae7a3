// Interleaved rounds for the window-layer benchmarks, on the wall clock and on the process's CPU
// clock: their work runs on worker threads and on the GUI thread, so the thread CPU clock of
// rounds.h would miss most of it. The wall clock shows what a user waits; the process CPU clock
// shows the work done on all threads together, which the load of other programs on a shared
// machine disturbs far less. Each round times every contender once, in turn (the order
// alternates from round to round), so a change in the load falls on all of them alike; the
// report gives the median and the spread of each time and each ratio over the rounds.
// `--rounds=N` on the command line sets the number of rounds (never below 5).
#pragma once

#include "rounds.h"

#include <chrono>
#include <ctime>
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
    // `settle`, when given, runs untimed after each run of the contender, so that every run
    // starts from the same state (a preview drawn to its end, for instance).
    void add(std::string name, std::function<void()> run, std::function<void()> settle = {})
    {
        contenders_.push_back({std::move(name), std::move(run), std::move(settle), {}, {}});
    }

    // One untimed warm-up of each contender, then `count` rounds.
    void run(int count)
    {
        for (contender& c : contenders_) {
            c.run();
            if (c.settle)
                c.settle();
        }
        for (int r = 0; r < count; ++r)
            for (std::size_t k = 0; k < contenders_.size(); ++k) {
                contender& c = contenders_[r % 2 ? contenders_.size() - 1 - k : k];
                const double cpu = processSeconds();
                const auto start = std::chrono::steady_clock::now();
                c.run();
                c.seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
                c.cpuSeconds.push_back(processSeconds() - cpu);
                if (c.settle)
                    c.settle();
            }
    }

    void printTimes() const
    {
        for (const contender& c : contenders_)
            std::printf("  %-30s elapsed %s, CPU %s\n", c.name.c_str(),
                        benchrounds::millisecondsText(c.seconds).c_str(),
                        benchrounds::millisecondsText(c.cpuSeconds).c_str());
    }

    // Per round: `ours` over the sum of the references' times.
    void printRatio(const std::string& label, const std::string& ours,
                    const std::vector<std::string>& references) const
    {
        const auto ratioOf = [&](std::vector<double> contender::*clock) {
            std::vector<double> sums((find(ours).*clock).size(), 0.0);
            for (const std::string& name : references)
                for (std::size_t r = 0; r < sums.size(); ++r)
                    sums[r] += (find(name).*clock)[r];
            return benchrounds::ratioText(benchrounds::ratios(find(ours).*clock, sums));
        };
        std::printf("%s: elapsed %s, CPU %s\n", label.c_str(), ratioOf(&contender::seconds).c_str(),
                    ratioOf(&contender::cpuSeconds).c_str());
    }

private:
    struct contender {
        std::string name;
        std::function<void()> run;
        std::function<void()> settle;
        std::vector<double> seconds;
        std::vector<double> cpuSeconds;
    };
    static double processSeconds()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
    }
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
