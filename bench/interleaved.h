// Interleaved rounds for the window-layer benchmarks. Each round times every contender once, in
// turn, so that a change in the machine's load (it is shared) falls on all of them alike rather
// than on whichever ran last. The report gives, over the rounds, the median time of each
// contender and the median of each ratio, with the spread (lowest and highest) beside it.
// `--rounds=N` on the command line overrides the number of rounds (never below 5).
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace interleaved {

struct summary {
    double median = 0;
    double lowest = 0;
    double highest = 0;
};

inline summary summarise(std::vector<double> values)
{
    summary s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.lowest = values.front();
    s.highest = values.back();
    return s;
}

// The rounds asked for on the command line, at least `fallback` and never fewer than 5.
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
    // `run` is timed as a whole; `prepare`, if given, runs untimed before each timing.
    void add(std::string name, std::function<void()> run, std::function<void()> prepare = {})
    {
        contenders_.push_back({std::move(name), std::move(run), std::move(prepare), {}});
    }

    // One untimed warm-up of each contender, then `count` rounds. The order of the contenders
    // alternates from round to round.
    void run(int count)
    {
        for (contender& c : contenders_) {
            if (c.prepare)
                c.prepare();
            c.run();
        }
        for (int r = 0; r < count; ++r) {
            for (std::size_t k = 0; k < contenders_.size(); ++k) {
                contender& c = contenders_[r % 2 ? contenders_.size() - 1 - k : k];
                if (c.prepare)
                    c.prepare();
                const auto start = std::chrono::steady_clock::now();
                c.run();
                const std::chrono::duration<double, std::milli> elapsed =
                    std::chrono::steady_clock::now() - start;
                c.milliseconds.push_back(elapsed.count());
            }
        }
    }

    summary time(const std::string& name) const { return summarise(find(name).milliseconds); }

    // Per-round ratios of `ours` over the sum of the references' times in the same round.
    summary ratio(const std::string& ours, const std::vector<std::string>& references) const
    {
        const std::vector<double>& a = find(ours).milliseconds;
        std::vector<double> r;
        for (std::size_t i = 0; i < a.size(); ++i) {
            double sum = 0;
            for (const std::string& name : references) {
                const std::vector<double>& b = find(name).milliseconds;
                sum += i < b.size() ? b[i] : 0;
            }
            if (sum > 0)
                r.push_back(a[i] / sum);
        }
        return summarise(r);
    }

    void printTimes() const
    {
        for (const contender& c : contenders_) {
            const summary s = summarise(c.milliseconds);
            std::printf("  %-34s median %9.2f ms  (spread %.2f .. %.2f) over %zu rounds\n",
                        c.name.c_str(), s.median, s.lowest, s.highest, c.milliseconds.size());
        }
    }

    void printRatio(const char* label, const std::string& ours,
                    const std::vector<std::string>& references) const
    {
        const summary s = ratio(ours, references);
        std::printf("%s: ratio median %.2fx (spread %.2f .. %.2f)\n", label, s.median, s.lowest,
                    s.highest);
    }

private:
    struct contender {
        std::string name;
        std::function<void()> run;
        std::function<void()> prepare;
        std::vector<double> milliseconds;
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
