#include "core/undohistory.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Everything a user could see of the workspace, in order, with each variable's identity.
struct picture {
    std::vector<const tdspvar*> identity;
    std::vector<std::string> text;
    bool operator==(const picture&) const = default;
};

picture pictureOf(const tworkspace& w)
{
    picture p;
    for (const tdspvarPtr& v : w.variables()) {
        std::string t = v->name() + (v->isComplex() ? " complex" : " real") + " [" + v->description() + "] " +
                        std::to_string(v->sampleRate()) + " peak " + std::to_string(static_cast<double>(v->peak()));
        for (int i = 0; i < v->sampleCount(); ++i)
            t += " " + std::to_string(static_cast<double>(v->realSample(i))) + "/" +
                 std::to_string(static_cast<double>(v->imagSample(i)));
        p.identity.push_back(v.get());
        p.text.push_back(t);
    }
    return p;
}

struct fixture {
    tworkspace w;
    undoHistory h;
    std::vector<historyEvent> events;
    fixture()
    {
        w.setRecorder(&h);
        h.setObserver([this](historyEvent e) { events.push_back(e); });
        w.add("A", signalSamples::real({1, 2, 3}), {.description = "first"});
        w.add("B", signalSamples::complex({4}, {5}));
        w.add("C", signalSamples::real({6, 7}));
        h.clear();
    }
    tdspvarPtr v(const char* name) const { return w.findVariable(name); }
    void command(const std::function<void()>& change)
    {
        h.beginStep("cmd");
        change();
        h.endStep();
    }
};

} // namespace

// Undo gives back exactly what the command replaced, the same variables at the same places;
// redo gives back the command's result; both again, any number of times.
TEST(UndoHistory, UndoAndRedoRestoreEachKindOfChange)
{
    struct row {
        const char* what;
        std::function<void(fixture&)> command;
    };
    const row rows[] = {
        {"generate", [](fixture& f) { f.w.add("NEW", signalSamples::real({9})); }},
        {"delete the middle one", [](fixture& f) { f.w.removeVariable(f.v("B")); }},
        {"overwrite real with complex", [](fixture& f) { f.w.replaceSamples(f.v("A"), signalSamples::complex({0, 1}, {2, 3})); }},
        {"overwrite complex with real", [](fixture& f) { f.w.replaceSamples(f.v("B"), signalSamples::real({8, 8, 8})); }},
        {"rename", [](fixture& f) { f.w.rename(f.v("C"), "D"); }},
        {"sample rate", [](fixture& f) { f.w.setInfo(f.v("A"), {.description = "first", .sampleRate = 8000}); }},
        {"delete all",
         [](fixture& f) {
             while (f.w.variableCount() > 0)
                 f.w.removeVariable(f.w.variables().back());
         }},
        {"delete, then name anew and overwrite",
         [](fixture& f) {
             f.w.removeVariable(f.v("A"));
             auto a = f.w.add("A", signalSamples::real({0}));
             f.w.replaceSamples(a, signalSamples::real({1, 1}));
             f.w.rename(f.v("C"), "A2");
         }},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        fixture f;
        const picture before = pictureOf(f.w);
        f.command([&] { r.command(f); });
        const picture after = pictureOf(f.w);
        ASSERT_NE(before, after);
        for (int round = 0; round < 2; ++round) {
            ASSERT_EQ(f.h.undo(f.w), replayOutcome::applied);
            EXPECT_EQ(pictureOf(f.w), before);
            EXPECT_FALSE(f.h.canUndo());
            ASSERT_EQ(f.h.redo(f.w), replayOutcome::applied);
            EXPECT_EQ(pictureOf(f.w), after);
            EXPECT_FALSE(f.h.canRedo());
        }
    }
}

TEST(UndoHistory, StepsFollowCommandsAndCleanlinessFollowsTheSavedState)
{
    fixture f;
    EXPECT_FALSE(f.h.isClean()); // the fixture's variables were never saved
    f.h.markClean();
    f.command([] {}); // changed nothing: no step
    EXPECT_FALSE(f.h.canUndo());
    f.command([&] {
        f.w.add("X", {});
        f.h.beginStep("inner"); // nested: part of the outer command
        f.w.add("Y", {});
        f.h.endStep();
    });
    f.h.markClean(); // saved here
    f.w.rename(f.v("X"), "Z"); // a change outside any command is a step of its own
    EXPECT_EQ(f.h.undoSteps(), 2u);
    EXPECT_FALSE(f.h.isClean());
    f.h.undo(f.w);
    EXPECT_TRUE(f.h.isClean()); // back at the saved state
    f.h.undo(f.w);
    EXPECT_EQ(f.w.variableCount(), 3);
    EXPECT_FALSE(f.h.isClean());
    f.h.redo(f.w);
    EXPECT_TRUE(f.h.isClean());
    EXPECT_EQ(f.h.redoLabel(), "");
    f.command([&] { f.w.removeVariable(f.v("A")); }); // a new branch: what was undone is gone
    EXPECT_FALSE(f.h.canRedo());
    EXPECT_FALSE(f.h.isClean());
    EXPECT_EQ(f.h.undoLabel(), "cmd");
    f.h.beginStep("open"); // no undo while a command is open
    EXPECT_EQ(f.h.undo(f.w), replayOutcome::nothing);
    f.h.endStep();

    // Undoing an overwrite ends a sampling run still reading the samples before they change.
    struct stopCounter : backgroundReader {
        int stops = 0;
        void stopReading() override { ++stops; }
    } reader;
    f.command([&] { f.w.replaceSamples(f.v("B"), signalSamples::real({1})); });
    f.w.setBackgroundReader(&reader);
    f.h.undo(f.w);
    EXPECT_EQ(reader.stops, 1);
    EXPECT_TRUE(f.v("B")->isComplex());
}

// A step whose variable the workspace changed behind the history's back is refused whole, with
// those before it, and nothing changes; the history goes on from there.
TEST(UndoHistory, AStepTheWorkspaceNoLongerMatchesIsRefused)
{
    fixture f;
    f.command([&] { f.w.replaceSamples(f.v("A"), signalSamples::real({0})); });
    f.command([&] { f.w.add("N", {}); });
    f.w.setRecorder(nullptr);
    f.w.removeVariable(f.v("N"));
    f.w.add("N", {}); // a namesake, not the variable the step made
    f.w.setRecorder(&f.h);
    const picture now = pictureOf(f.w);
    EXPECT_EQ(f.h.undo(f.w), replayOutcome::refused);
    EXPECT_EQ(pictureOf(f.w), now);
    EXPECT_FALSE(f.h.canUndo());
    f.command([&] { f.w.removeVariable(f.v("N")); });
    EXPECT_EQ(f.h.undo(f.w), replayOutcome::applied);
    EXPECT_EQ(pictureOf(f.w), now);
}

// The history keeps only what was replaced: an overwrite keeps the old samples, an addition
// nothing, and what is undone again and again is kept once.
TEST(UndoHistory, KeptBytesStayBoundedAndTheOldestStepsGoFirst)
{
    constexpr int count = 1 << 16;
    const std::size_t samplesBytes = count * sizeof(extended);
    fixture f;
    const auto generate = [&] { f.command([&] { f.w.add("G", signalSamples::real(std::vector<extended>(count, 1))); }); };
    generate();
    EXPECT_LT(f.h.keptBytes(), 100u);
    f.h.undo(f.w);
    const std::size_t afterFirst = f.h.keptBytes();
    EXPECT_GE(afterFirst, samplesBytes);
    for (int cycle = 1; cycle < 100; ++cycle) {
        generate();
        f.h.undo(f.w);
    }
    EXPECT_EQ(f.h.keptBytes(), afterFirst);
    EXPECT_EQ(f.h.undoSteps(), 0u);

    f.h.clear();
    f.h.setBudget(3 * samplesBytes);
    f.events.clear();
    auto big = f.w.add("BIG", signalSamples::real(std::vector<extended>(count, 0)));
    for (int k = 1; k <= 4; ++k)
        f.command([&] { f.w.replaceSamples(big, signalSamples::real(std::vector<extended>(count, k))); });
    EXPECT_LE(f.h.keptBytes(), 3 * samplesBytes);
    EXPECT_EQ(std::count(f.events.begin(), f.events.end(), historyEvent::oldestDropped), 1);
    EXPECT_EQ(f.h.undoSteps(), 3u);
    while (f.h.canUndo())
        f.h.undo(f.w);
    EXPECT_EQ(big->realSample(0), 1); // the newest three overwrites were undone, the older steps forgotten
    EXPECT_EQ(f.w.variableCount(), 4);
}
