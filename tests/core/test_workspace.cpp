#include "core/workspace.h"

#include <gtest/gtest.h>

namespace {

// Writes down every announcement, with the samples a variable has when it is announced, and
// every stop of the background reader, with the samples the stop still sees.
struct recordingListener : workspaceListener, backgroundReader {
    std::vector<std::string> events;
    tdspvarPtr watched;
    static std::string samplesOf(const tdspvar& v)
    {
        std::string text;
        for (const extended x : v.real())
            text += " " + std::to_string(static_cast<int>(x));
        return text;
    }
    void variableCreated(const tdspvarPtr& v, int index) override
    {
        events.push_back("create " + v->name() + " " + std::to_string(index) + samplesOf(*v));
    }
    void variableRemoved(const tdspvarPtr& v, int index) override
    {
        events.push_back("remove " + v->name() + " " + std::to_string(index));
    }
    void samplesChanged(const tdspvarPtr& v) override { events.push_back("samples " + v->name() + samplesOf(*v)); }
    void detailsChanged(const tdspvarPtr& v) override { events.push_back("details " + v->name()); }
    void emptinessChanged(bool empty) override { events.push_back(empty ? "empty" : "filled"); }
    void stopReading() override { events.push_back("stop" + (watched ? samplesOf(*watched) : std::string())); }
};

} // namespace

TEST(Workspace, NamesAreNormalised)
{
    EXPECT_EQ(normaliseName("x[1]"), "X1");
    EXPECT_EQ(normaliseName("\xC3\xA9" "b"), "B");
    EXPECT_EQ(normaliseName("\xE9" "b"), "B");
    EXPECT_EQ(normaliseName("My Var-2"), "MYVAR2");
    EXPECT_EQ(normaliseName(" !? "), "");
    EXPECT_EQ(normaliseName("9_a"), "9_A");
    EXPECT_EQ(asciiLower("VAR_00\xC9"), "var_00\xC9");
}

TEST(Workspace, NameRulesAndLookup)
{
    tworkspace w;
    EXPECT_FALSE(w.nameIsValid("nnoise"));
    EXPECT_FALSE(w.nameIsValid("Noise"));
    EXPECT_FALSE(w.nameIsValid("dirichlet"));
    EXPECT_TRUE(w.nameIsValid("noise2"));
    EXPECT_TRUE(w.nameIsValid("pi"));
    EXPECT_TRUE(w.nameIsValid("x"));
    EXPECT_TRUE(w.nameIsValid(""));
    w.add("AB", {});
    EXPECT_FALSE(w.nameIsValid("a-b"));
    EXPECT_TRUE(w.nameIsValid("abc"));
    w.add("", {});
    EXPECT_FALSE(w.nameIsValid("--"));

    auto sin1 = w.add("SIN1", {});
    EXPECT_EQ(w.findVariable("sin1"), sin1);
    EXPECT_EQ(w.findVariable("sin 1"), nullptr);
    auto again = w.add("sin1", {}); // stored unchanged; the last match wins
    EXPECT_EQ(again->name(), "sin1");
    EXPECT_EQ(w.findVariable("SIN1"), again);

    std::vector<std::string> names{"stale"};
    w.variableNameList(names);
    EXPECT_EQ(names, (std::vector<std::string>{"ab", "", "sin1", "sin1"}));
}

TEST(Workspace, WhyATypedNameIsRefused)
{
    tworkspace w;
    w.add("AB", {});
    using enum nameRefusal;
    const std::pair<const char*, nameRefusal> cases[] = {
        {"", empty},        {"ab", taken}, {"a-b", taken},          {"Hanning", reserved}, {"my var", badCharacter},
        {"\xC8" "a", badCharacter}, {"-", badCharacter}, {"2abc", startsWithDigit}, {"hanning1", none}, {"_1", none}};
    for (const auto& [text, refusal] : cases)
        EXPECT_EQ(w.refusalOf(text), refusal) << text;
    // What files bring keeps the old rule: a leading digit loads as it is.
    EXPECT_TRUE(w.nameIsValid("2abc"));
}

// Every change is announced once, after it is made; samples change only after the background
// reader has stopped; a variable that has left the workspace is changed no more.
TEST(Workspace, ChangesAreWholeAnnouncedOnceAndGuarded)
{
    tworkspace w;
    recordingListener l;
    w.setListener(&l);
    w.setBackgroundReader(&l);
    auto a = w.add("A", signalSamples::real({1}));
    auto b = w.add("B", signalSamples::real({2, 2}), {.description = "two", .sampleRate = 8000});
    auto c = w.add("C", {});
    l.watched = b;
    w.replaceSamples(b, signalSamples::real({3, 4, 5}));
    EXPECT_EQ(b->sampleRate(), 8000); // new samples keep the info
    w.rename(b, "Bee");
    w.setInfo(b, {.description = "three", .sampleRate = 44100});
    w.removeVariable(b);
    w.replaceSamples(b, signalSamples::real({9})); // no longer there: nothing happens
    w.rename(b, "gone");
    w.removeVariable(b);
    auto d = w.add("D", {});
    w.removeVariable(a);
    w.removeVariable(c);
    w.removeVariable(d);
    EXPECT_EQ(w.variableCount(), 0);
    EXPECT_EQ(l.events, (std::vector<std::string>{"filled", "create A 0 1", "create B 1 2 2", "create C 2",
                                                  "stop 2 2", "samples B 3 4 5", "details Bee",
                                                  "details Bee", "remove Bee 1", "create D 2",
                                                  "remove A 0", "remove C 0", "remove D 0", "empty"}));
    EXPECT_EQ(b->name(), "Bee");
    EXPECT_EQ(b->real(), (std::vector<extended>{3, 4, 5}));
    EXPECT_EQ(b->peak(), 5);
    EXPECT_EQ(b->description(), "three");
    EXPECT_EQ(b->sampleRate(), 44100);
}
