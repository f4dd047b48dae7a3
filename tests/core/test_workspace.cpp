#include "core/workspace.h"

#include <gtest/gtest.h>

namespace {

struct recordingListener : workspaceListener {
    std::vector<std::string> events;
    void variableCreated(const tdspvarPtr& v, int index) override
    {
        events.push_back("create " + v->name + " " + std::to_string(index));
    }
    void variableRemoved(const tdspvarPtr& v, int index) override
    {
        events.push_back("remove " + v->name + " " + std::to_string(index));
    }
    void selectionToggled(const tdspvarPtr& v) override { events.push_back("toggle " + v->name); }
    void samplesChanged(const tdspvarPtr& v) override { events.push_back("samples " + v->name); }
    void emptinessChanged(bool empty) override { events.push_back(empty ? "empty" : "filled"); }
};

} // namespace

TEST(Names, Normalise)
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
    w.createVariable("AB");
    EXPECT_FALSE(w.nameIsValid("a-b"));
    EXPECT_TRUE(w.nameIsValid("abc"));
    w.createVariable("");
    EXPECT_FALSE(w.nameIsValid("--"));

    auto sin1 = w.createVariable("SIN1");
    EXPECT_EQ(w.findVariable("sin1"), sin1);
    EXPECT_EQ(w.findVariable("sin 1"), nullptr);
    auto again = w.createVariable("sin1"); // stored unchanged; the last match wins
    EXPECT_EQ(again->name, "sin1");
    EXPECT_EQ(w.findVariable("SIN1"), again);

    std::vector<std::string> names{"stale"};
    w.variableNameList(names);
    EXPECT_EQ(names, (std::vector<std::string>{"ab", "", "sin1", "sin1"}));
}

TEST(Workspace, OrderRemovalAndListenerEvents)
{
    tworkspace w;
    recordingListener l;
    w.setListener(&l);
    auto a = w.createVariable("A");
    auto b = w.createVariable("B");
    auto c = w.createVariable("C");
    EXPECT_EQ(tworkspace::stripTop(w.indexOf(*c)), 67);
    w.removeVariable(b);
    EXPECT_EQ(tworkspace::stripTop(w.indexOf(*c)), 34);
    w.samplesChanged(b); // no longer there: nobody shows it
    w.samplesChanged(c);
    auto d = w.createVariable("D");
    EXPECT_EQ(tworkspace::stripTop(w.indexOf(*d)), 67);
    w.removeVariable(b); // no longer there: nothing happens
    w.removeVariable(a);
    w.removeVariable(c);
    w.removeVariable(d);
    EXPECT_EQ(w.variableCount(), 0);
    EXPECT_EQ(l.events, (std::vector<std::string>{"filled", "create A 0", "create B 1", "create C 2",
                                                  "remove B 1", "samples C", "create D 2", "remove A 0",
                                                  "remove C 0", "remove D 0", "empty"}));
}

TEST(Workspace, SelectionAndCurrentVariable)
{
    tworkspace w;
    EXPECT_FALSE(w.makeFirstVariableCurrent());
    auto a = w.createVariable("A");
    auto b = w.createVariable("B");
    w.toggleSelection(b);
    EXPECT_TRUE(b->selected);
    w.toggleSelection(b);
    EXPECT_FALSE(b->selected);
    w.setCurrentVariable(b);
    EXPECT_TRUE(w.makeFirstVariableCurrent());
    EXPECT_EQ(w.currentVariable(), a);
    // The current variable survives its removal.
    w.removeVariable(a);
    EXPECT_EQ(w.currentVariable(), a);
}
