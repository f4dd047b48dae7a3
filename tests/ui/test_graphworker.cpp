// The plot worker: pixels of drawn plots, restart, abort and the end of a pass.
#include "uitest.h"

#include "core/workspace.h"
#include "ui/drawsteps.h"
#include "ui/graphworker.h"
#include "../plot/plotmodes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QElapsedTimer>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>

namespace {

using uitest::waitUntil;

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kGreen = qRgb(0, 128, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);

tdspvarPtr realVariable(std::initializer_list<extended> samples)
{
    return std::make_shared<tdspvar>("R", signalSamples::real(samples));
}

tdspvarPtr complexVariable(std::initializer_list<complexValue> samples)
{
    signalSamples s;
    for (const complexValue& z : samples) {
        s.re.push_back(z.re);
        s.im.push_back(z.im);
    }
    s.isComplex = true;
    return std::make_shared<tdspvar>("C", std::move(s));
}

signalSamples rampSamples(int count)
{
    return uitest::realSamples(count, [](int i) -> extended { return i % 1000; });
}

tdspvarPtr rampVariable(int count)
{
    return std::make_shared<tdspvar>("RAMP", rampSamples(count));
}

// Whether the white curve has a pixel in column x, between the range labels.
bool curveAt(const QImage& image, int x)
{
    for (int y = 30; y < 250; ++y)
        if ((image.pixel(x, y) | 0xff000000u) == kWhite)
            return true;
    return false;
}

// A ramp's curve has begun at the left; the labels and the grid came before it.
bool curveBegun(const QImage& image)
{
    return curveAt(image, 0) || curveAt(image, 1);
}

class GraphWorkerTest : public ::testing::Test {
protected:
    QImage image{384, 289, QImage::Format_RGB32};
    PlotRequest plot{&image, nullptr};

    void SetUp() override { image.fill(Qt::darkCyan); }
    bool waitIdle() { return waitUntil([this] { return !plot.busy(); }); }
    QRgb at(int x, int y) const { return image.pixel(x, y) | 0xff000000u; }
    bool rowHas(int y, int x0, int x1, QRgb colour) const
    {
        for (int x = x0; x <= x1; ++x)
            if (at(x, y) == colour)
                return true;
        return false;
    }
    QImage drawnAlone(const tdspvarPtr& first, const tdspvarPtr& second, plotMode mode)
    {
        QImage alone(384, 289, QImage::Format_RGB32);
        PlotRequest other(&alone, nullptr);
        other.request(first, second, mode);
        EXPECT_TRUE(waitUntil([&] { return !other.busy(); }));
        return alone;
    }
};

} // namespace

TEST_F(GraphWorkerTest, RealCurveGridAndRightEdge)
{
    plot.request(realVariable({2, 2, 0, 0}), nullptr, kReal);
    ASSERT_TRUE(waitIdle());
    // Grid at x = 0, 95, 191, 287 and the right edge at 383; the first line is solid.
    EXPECT_EQ(at(0, 150), kGreen);
    EXPECT_EQ(at(0, 151), kGreen);
    EXPECT_EQ(at(383, 100), kGreen);
    EXPECT_EQ(at(383, 200), kGreen);
    int dashes = 0;
    for (int y = 0; y < 289; ++y)
        dashes += at(287, y) == kGreen;
    EXPECT_GT(dashes, 150);
    EXPECT_LT(dashes, 250);
    // The maximum 2 is drawn along the top from sample 0 to sample 1, then falls to the
    // minimum 0 at y = 289, one row below the bitmap.
    EXPECT_EQ(at(50, 0), kWhite);
    EXPECT_TRUE(rowHas(144, 140, 146, kWhite));
    EXPECT_EQ(at(240, 288), kBlack);
    // The labels: "2" at the top left in white, "3" under the last grid line in green,
    // and "4" at the right edge.
    bool white = false, three = false, edge = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 2; x < 12; ++x)
            white = white || at(x, y) == kWhite;
    for (int y = 273; y < 289; ++y) {
        three = three || rowHas(y, 288, 300, kGreen);
        edge = edge || rowHas(y, 359, 370, kGreen);
    }
    EXPECT_TRUE(white);
    EXPECT_TRUE(three);
    EXPECT_TRUE(edge);
}

TEST_F(GraphWorkerTest, ModulusViewWithPhaseAndReferenceLines)
{
    // Modulus 1, phase pi/2 at both samples.
    plot.request(complexVariable({{0, 1}, {0, 1}}), nullptr, kPolar);
    ASSERT_TRUE(waitIdle());
    const QRgb reference = qRgb(204, 64, 64);
    EXPECT_EQ(at(1, 18), reference);
    EXPECT_EQ(at(1, 144), reference);
    EXPECT_EQ(at(1, 270), reference);
    EXPECT_EQ(at(100, 0), qRgb(0, 0, 255));  // modulus at the maximum
    EXPECT_EQ(at(100, 81), qRgb(255, 0, 0)); // phase: 144 - 40 pi/2 = 81.2
}

TEST_F(GraphWorkerTest, RealFirstVariableGetsAZeroImaginaryLineBesideAComplexSecond)
{
    plot.request(realVariable({2, 2}), complexVariable({{-2, 0}, {-2, 0}}), kCartesian);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(at(100, 144), qRgb(255, 255, 127)); // 0 lies at 289 * 2 / 4 = 144.5 -> 144
    EXPECT_EQ(at(100, 0), kWhite);
}

TEST_F(GraphWorkerTest, SecondVariableIsSpreadOverTheFirstOnesWidth)
{
    // The second variable has twice the samples: at the first's sample 1 it is read at its own
    // sample 2, the value 2, so its grey line runs along the top.
    plot.request(realVariable({0, 0, 0}), realVariable({0, 0, 2, 2, 2, 2}), kReal);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(at(180, 0), qRgb(153, 153, 153));
}

TEST_F(GraphWorkerTest, EmptyFirstVariableEndsThePass)
{
    plot.request(std::make_shared<tdspvar>(), nullptr, kRealLogX);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(at(383, 100), kGreen);
    EXPECT_EQ(at(100, 100), kBlack);
    plot.request(nullptr, nullptr, kReal);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(at(383, 100), kGreen);
}

TEST_F(GraphWorkerTest, NewRequestRestartsALongPass)
{
    const int longCount = 400000;
    tworkspace workspace;
    const tdspvarPtr longVariable = workspace.add("LONG", rampSamples(longCount));
    const tdspvarPtr shortVariable = realVariable({2, 2, 0, 0});
    plot.request(longVariable, nullptr, kReal);
    ASSERT_TRUE(waitUntil([this] { return curveBegun(image); }));
    // The variable may change under a running pass: the worker draws from its own copy.
    workspace.replaceSamples(longVariable, signalSamples::real({0}));
    plot.request(shortVariable, nullptr, kReal);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(image, drawnAlone(shortVariable, nullptr, kReal)); // cleared, nothing of the long one
}

TEST_F(GraphWorkerTest, AbortStopsAndKeepsWhatWasDrawn)
{
    const int longCount = 400000;
    plot.request(rampVariable(longCount), nullptr, kReal);
    ASSERT_TRUE(waitUntil([this] { return curveBegun(image); }));
    plot.abort();
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(curveBegun(image));
    EXPECT_FALSE(curveAt(image, 370)); // far from the end
    EXPECT_EQ(at(383, 100), kGreen);

    // The next request draws in full.
    const tdspvarPtr shortVariable = realVariable({2, 2, 0, 0});
    plot.request(shortVariable, nullptr, kReal);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(image, drawnAlone(shortVariable, nullptr, kReal));
}

TEST_F(GraphWorkerTest, RequestAfterAnAbortWhileStillDrawingIsDrawn)
{
    plot.request(rampVariable(400000), nullptr, kReal);
    ASSERT_TRUE(waitUntil([this] { return curveBegun(image); }));
    const tdspvarPtr shortVariable = realVariable({1, 3, 2});
    plot.abort(); // the window closes ...
    plot.request(shortVariable, nullptr, kPolar); // ... and opens again before the worker noticed
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(image, drawnAlone(shortVariable, nullptr, kPolar));
}

TEST_F(GraphWorkerTest, DestroyingTheRequestStopsItsWorker)
{
    QImage other(384, 289, QImage::Format_RGB32);
    auto request = std::make_unique<PlotRequest>(&other, nullptr);
    other.fill(Qt::black);
    request->request(rampVariable(400000), nullptr, kReal);
    ASSERT_TRUE(waitUntil([&] { return curveBegun(other); }));
    QElapsedTimer timer;
    timer.start();
    request.reset();
    EXPECT_LT(timer.elapsed(), 5000);
}

// The count at the right edge shows all its digits, also for the largest count a variable may
// have. The label is painted with the first batch, so the pass is cut short after it.
TEST_F(GraphWorkerTest, SampleCountAtTheRightEdgeShowsAllItsDigits)
{
    for (const int count : {64, 10000, 65536, kMaxVariableSamples}) {
        SCOPED_TRACE(count);
        image.fill(Qt::darkCyan);
        plot.request(rampVariable(count), nullptr, kReal);
        ASSERT_TRUE(waitUntil([&] { return at(383, 100) == kGreen; })); // the right edge's batch
        plot.abort();
        ASSERT_TRUE(waitIdle());
        // The label alone, unclipped, in the same style and font.
        QImage alone(200, 40, QImage::Format_RGB32);
        alone.fill(Qt::black);
        drawStep label;
        label.colour = kGreen;
        label.text = QString::number(count);
        paintSteps(alone, {label}, paintStyle{0, Qt::SquareCap, true}, QApplication::font());
        const QFontMetrics metrics(QApplication::font());
        const int ink = metrics.tightBoundingRect(label.text).right();
        int expected = 0, shown = 0;
        for (int y = 0; y < std::min(metrics.height(), 16); ++y) {
            for (int x = 0; x < 200; ++x)
                expected += alone.pixel(x, y) == kGreen;
            const int left = std::min(359, 383 - ink); // inside the label's box only
            for (int x = left; x < std::min(384, left + metrics.horizontalAdvance(label.text)); ++x)
                shown += at(x, 273 + y) == kGreen;
        }
        EXPECT_GT(expected, 10);
        EXPECT_EQ(shown, expected);
    }
}
