// Deep nesting: the deepest tree the parser accepts must evaluate and be destroyed on the
// sampling worker's 163840-byte stack, and far deeper text must end in a message, never a crash,
// in parsing, evaluation or destruction. Long flat chains (x+x+...+x) are not nesting: they are
// accepted however long, and evaluated and destroyed without recursing along them.
#include "exprtest.h"
#include "pointreference.h"

#include <pthread.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <functional>

using namespace exprtest;

namespace {

constexpr std::size_t kWorkerStack = 163840;
constexpr unsigned char kPaint = 0xA5;

std::string repeat(std::string_view piece, int count)
{
    std::string out;
    out.reserve(piece.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        out += piece;
    return out;
}

// `head` followed by `count` times `piece`, built by appending (GCC 12 at -O3 warns falsely
// about "text" + std::string).
std::string chain(std::string_view head, std::string_view piece, int count)
{
    std::string out(head);
    out += repeat(piece, count);
    return out;
}

struct stackReport {
    std::size_t available = 0; // bytes between the work's start and the end of the stack
    std::size_t used = 0;      // the deepest of them the work touched
};

// Paints the unused part of the thread's stack and finds later how far the work reached.
__attribute__((no_sanitize("address", "thread"), noinline)) void paint(unsigned char* from,
                                                                        unsigned char* to)
{
    for (volatile unsigned char* p = from; p < to; ++p)
        *p = kPaint;
}

__attribute__((no_sanitize("address", "thread"), noinline)) std::size_t
untouched(const unsigned char* from, const unsigned char* to)
{
    const volatile unsigned char* p = from;
    while (p < to && *p == kPaint)
        ++p;
    return static_cast<std::size_t>(p - from);
}

struct workerJob {
    std::function<void()> work;
    stackReport report;
};

__attribute__((noinline)) void* runJob(void* argument)
{
    auto* job = static_cast<workerJob*>(argument);
    pthread_attr_t attr;
    pthread_getattr_np(pthread_self(), &attr);
    void* low = nullptr;
    std::size_t size = 0;
    pthread_attr_getstack(&attr, &low, &size);
    pthread_attr_destroy(&attr);
    auto* bottom = static_cast<unsigned char*>(low);
    // Leave this frame and paint()'s own alone.
    auto* start = reinterpret_cast<unsigned char*>(
        reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)) - 2048);
    paint(bottom, start);
    job->work();
    job->report.available = static_cast<std::size_t>(start - bottom);
    job->report.used = job->report.available - untouched(bottom, start);
    return nullptr;
}

// Runs `work` on a thread made the way the sampling worker is made: a 163840-byte stack.
stackReport onWorkerStack(std::function<void()> work, std::size_t stackSize = kWorkerStack)
{
    workerJob job{std::move(work), {}};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    EXPECT_EQ(pthread_attr_setstacksize(&attr, stackSize), 0);
    pthread_t thread;
    const int created = pthread_create(&thread, &attr, runJob, &job);
    pthread_attr_destroy(&attr);
    EXPECT_EQ(created, 0);
    if (created == 0)
        pthread_join(thread, nullptr);
    return job.report;
}

constexpr extended kSomeX[] = {0.0L, 0.3L, 0.9L, -2.5L};

// Evaluates the tree at a few x and destroys it, both on the worker stack.
stackReport evaluateAndDestroyOnWorker(parsedExpression parsed,
                                       complexValue (*values)[4] = nullptr)
{
    mathNode* root = parsed.root.release();
    return onWorkerStack([root, values] {
        complexValue out[4];
        blockEvaluator(*root).evaluate(kSomeX, 4, out);
        if (values)
            std::copy(out, out + 4, *values);
        delete root;
    });
}

struct shape {
    const char* name;
    std::function<std::string(int)> text; // the text whose tree is that many levels deep
};

const tworkspace& workspaceWithW()
{
    static const tworkspace workspace = [] {
        tworkspace w;
        signalSamples samples;
        for (int k = 0; k < 1000; ++k)
            samples.re.push_back(k % 7);
        w.add("W", std::move(samples));
        return w;
    }();
    return workspace;
}

std::vector<shape> shapes()
{
    return {
        {"signs", [](int h) { return repeat("-", h - 1) + "x"; }},
        {"sum", [](int h) { return repeat("x+(", h - 1) + "x" + repeat(")", h - 1); }},
        {"power", [](int h) { return chain("2", "^2", h - 1); }},
        {"real quotient", [](int h) { return repeat("x/(", h - 1) + "x" + repeat(")", h - 1); }},
        {"complex quotient", [](int h) { return repeat("i/(", h - 1) + "i" + repeat(")", h - 1); }},
        {"calls", [](int h) { return repeat("sin(", h - 1) + "x" + repeat(")", h - 1); }},
        {"complex calls", [](int h) { return repeat("exp(", h - 2) + "i*x" + repeat(")", h - 2); }},
        {"variable", [](int h) { return repeat("w(", h - 1) + "x" + repeat(")", h - 1); }},
    };
}

} // namespace

TEST(Nesting, DeepestAcceptedTreesFitTheWorkerStack)
{
    for (const shape& s : shapes()) {
        parsedExpression parsed = parseExpression(s.text(kMaxTreeDepth), workspaceWithW());
        ASSERT_EQ(parsed.message, "") << s.name;
        ASSERT_EQ(parsed.root->depth(), kMaxTreeDepth) << s.name;
        const stackReport report = evaluateAndDestroyOnWorker(std::move(parsed));
        std::printf("[ stack    ] %-16s depth %d: %zu of %zu bytes\n", s.name, kMaxTreeDepth,
                    report.used, report.available);
        // Leave a quarter of the stack as margin for other compilers and build types.
        EXPECT_LT(report.used, report.available / 4 * 3) << s.name;

        EXPECT_EQ(parseExpression(s.text(kMaxTreeDepth + 1), workspaceWithW()).message,
                  kTooComplexMessage)
            << s.name;
    }
}

TEST(Nesting, ParenthesesAndNumbersUpToTheScanDepth)
{
    const int groups = kMaxScanDepth - 1;
    EXPECT_EQ(messageOf(repeat("(", groups) + "x" + repeat(")", groups)), "");
    EXPECT_EQ(messageOf(repeat("(", groups + 1) + "x" + repeat(")", groups + 1)),
              kTooComplexMessage);
    EXPECT_EQ(messageOf(chain("1", "E1", 100)), "");
    EXPECT_EQ(messageOf(chain("1", "E1", kMaxScanDepth + 1)), kTooComplexMessage);
}

// Far too deep: a message, a small tree, and nothing that overflows a stack.
TEST(Nesting, HundredThousandLevels)
{
    const int levels = 100000;
    const std::string texts[] = {
        repeat("(", levels) + "x" + repeat(")", levels),
        repeat("-", levels) + "x",
        chain("2", "^2", levels),
        repeat("x+(", levels) + "x" + repeat(")", levels),
        repeat("sin(", levels) + "x" + repeat(")", levels),
        chain("1", "E1", levels),
        repeat("(", levels),
        repeat("-(", levels) + "x" + repeat("+1)", levels),
    };
    for (const std::string& text : texts) {
        const auto started = std::chrono::steady_clock::now();
        parsedExpression parsed = parseExpression(text, emptyWorkspace());
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        EXPECT_EQ(parsed.message, kTooComplexMessage) << text.substr(0, 12);
        EXPECT_LE(parsed.root->depth(), kMaxTreeDepth);
        EXPECT_LT(seconds, 5.0) << text.substr(0, 12);
        evaluateAndDestroyOnWorker(std::move(parsed));
    }
}

// Chains of + - * / are as long as the text: 2000 terms are a formula like any other, and even
// 100000 evaluate and go away on the worker stack. Their values are those of the left-to-right
// reading, bit for bit.
TEST(Nesting, LongChainsAreAcceptedAndEvaluatedWithoutRecursion)
{
    const char* const pieces[] = {"+x", "-x*x", "*1.001", "/x", "+w(x)", "-(x+1)/3", "*-x"};
    std::string mixed = "x";
    for (int k = 0; k < 1999; ++k)
        mixed += pieces[k % 7];
    const std::string texts[] = {
        chain("x", "+x", 1999),
        chain("1", "-x", 1999),
        chain("x", "*x", 1999),
        chain("x", "/x", 1999),
        chain("i", "/x*i", 999),
        chain("noise", "+nnoise/noise", 999),
        mixed,
        chain("x", "+x*x", 100000),
    };
    for (const std::string& text : texts) {
        parsedExpression parsed = parseExpression(text, workspaceWithW());
        ASSERT_EQ(parsed.message, "") << text.substr(0, 12);
        EXPECT_LE(parsed.root->depth(), 4) << text.substr(0, 12);
        complexValue expected[4];
        resetRandomGenerator();
        if (text.size() < 100000)
            for (int k = 0; k < 4; ++k)
                expected[k] = pointreference::valueAt(*parsed.root, kSomeX[k]);
        complexValue got[4];
        resetRandomGenerator();
        const stackReport report = evaluateAndDestroyOnWorker(std::move(parsed), &got);
        EXPECT_LT(report.used, report.available / 4 * 3) << text.substr(0, 12);
        for (int k = 0; k < 4 && text.size() < 100000; ++k) {
            EXPECT_TRUE(pointreference::sameValue(got[k], expected[k]))
                << text.substr(0, 12) << " at x = " << static_cast<double>(kSomeX[k]);
        }
    }
}

// Parsing runs on the GUI thread, whose stack is far larger (8 MiB by default); the deepest
// scan must use a small part of it.
TEST(Nesting, ParserStack)
{
    const int depth = kMaxScanDepth;
    const std::string texts[] = {
        repeat("sin(", depth) + "x" + repeat(")", depth),
        repeat("(", depth) + "x" + repeat(")", depth),
        repeat("-", depth) + "x",
        chain("1", "E1", depth),
    };
    for (const std::string& text : texts) {
        const stackReport report = onWorkerStack(
            [&text] { EXPECT_EQ(parseExpression(text, emptyWorkspace()).message, kTooComplexMessage); },
            std::size_t{4} << 20);
        std::printf("[ stack    ] parsing %-8s %d deep: %zu bytes\n", text.substr(0, 4).c_str(),
                    depth, report.used);
        EXPECT_LT(report.used, std::size_t{2} << 20);
    }
}

// The worker stack alone, without the tree: what the deepest accepted trees are compared with.
TEST(Nesting, ShallowTreeUsesLittleStack)
{
    const stackReport report = evaluateAndDestroyOnWorker(parseExpression("sin(x)", emptyWorkspace()));
    EXPECT_LT(report.used, report.available / 4);
}
