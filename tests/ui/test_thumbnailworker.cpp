// The strip's thumbnail and its worker: the cleared grid, segment positions and rounding, colours,
// restart with new samples, deferred destruction of a released variable, and a clean exit.
#include "mainwindow_fixture.h"

#include "ui/thumbnailworker.h"
#include "ui/variablestrip.h"

#include <QElapsedTimer>

#include <atomic>
#include <cmath>
#include <vector>

using uitest::MainWindowTest;

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kGreen = qRgb(0, 128, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kYellow = qRgb(255, 255, 127);

// Rows of column x that hold `colour`.
std::vector<int> rowsOf(const QImage& image, int x, QRgb colour)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) == colour)
            rows.push_back(y);
    return rows;
}

int count(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

class ThumbnailTest : public MainWindowTest {
protected:
    const QImage& drawn(const tdspvarPtr& v)
    {
        EXPECT_TRUE(waitForThumbnails());
        return stripOf(v)->thumbnail();
    }
    void change(const tdspvarPtr& v, int count, extended value)
    {
        const std::vector<extended> samples(static_cast<std::size_t>(count), value);
        workspace().replaceSamples(v, signalSamples::real(samples));
    }
};

TEST_F(ThumbnailTest, ClearedToTheGreenGrid)
{
    QImage image(128, 28, QImage::Format_RGB32);
    image.fill(Qt::red);
    ThumbnailWorker::clearPicture(image);
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 128; ++x) {
            const bool onGrid = x % 9 == 0 || y % 9 == 0;
            ASSERT_EQ(image.pixel(x, y), onGrid ? kGreen : kBlack) << x << "," << y;
        }
}

TEST_F(ThumbnailTest, PeakSamplesLandOnTheOuterRows)
{
    // P = 5: -5 at y = 27, 2 at 14 - 5.2 = 8.8, so y = 9.
    const QImage& image = drawn(addVariable("PEAK", {-5, 2, 2}));
    EXPECT_EQ(image.pixel(0, 27), kWhite);
    EXPECT_EQ(rowsOf(image, 64, kWhite), std::vector<int>{9});
    EXPECT_EQ(rowsOf(image, 127, kWhite), std::vector<int>{9});

    // Two samples or fewer show only the grid.
    for (auto samples : {std::initializer_list<extended>{-5, 2}, std::initializer_list<extended>{7},
                         std::initializer_list<extended>{}}) {
        const tdspvarPtr v = addVariable("SHORT" + std::to_string(samples.size()), samples);
        EXPECT_EQ(count(drawn(v), kWhite), 0) << samples.size();
    }
}

TEST_F(ThumbnailTest, ThreeSamplesDrawTwoSegmentsAcrossTheWidth)
{
    const QImage& image = drawn(addVariable("THREE", {0, -1, -1}));
    // (0, 14) to (64, 27), then (64, 27) to (128, 27): every column has its white pixel.
    EXPECT_EQ(rowsOf(image, 0, kWhite), std::vector<int>{14});
    EXPECT_EQ(rowsOf(image, 64, kWhite), std::vector<int>{27});
    for (int x = 0; x < 128; ++x)
        EXPECT_FALSE(rowsOf(image, x, kWhite).empty()) << x;
    EXPECT_EQ(rowsOf(image, 127, kWhite), std::vector<int>{27});
}

TEST_F(ThumbnailTest, RowsRoundHalfToEven)
{
    // P = 26 makes k = 0.5: 1 lands on 13.5 (row 14) and 3 on 12.5 (row 12, not 13). Columns
    // 128/3 = 42.67 and 85.33 round to 43 and 85.
    const QImage& image = drawn(addVariable("HALVES", {26, 1, 3, 3}));
    EXPECT_EQ(rowsOf(image, 43, kWhite), std::vector<int>{14});
    EXPECT_EQ(rowsOf(image, 85, kWhite), std::vector<int>{12});
    EXPECT_EQ(rowsOf(image, 127, kWhite), std::vector<int>{12});
}

TEST_F(ThumbnailTest, ImaginaryLineLiesUnderTheRealLine)
{
    // Real and imaginary parts equal: the white line covers the yellow one entirely.
    EXPECT_EQ(count(drawn(addVariable("SAME", {1, 1, 1}, {1, 1, 1})), kYellow), 0);
    // Imaginary part -P/sqrt(2) apart from the real one: both lines show.
    const QImage& image = drawn(addVariable("APART", {1, 1, 1}, {-1, -1, -1}));
    const int realRow = static_cast<int>(std::nearbyint(14 - 13 / std::sqrt(2.0)));
    EXPECT_EQ(rowsOf(image, 30, kWhite), std::vector<int>{realRow});
    EXPECT_EQ(rowsOf(image, 30, kYellow), std::vector<int>{28 - realRow});
}

TEST_F(ThumbnailTest, NonFiniteSamplesNeitherStopNorHangTheWorker)
{
    const extended inf = std::numeric_limits<extended>::infinity();
    const extended nan = std::numeric_limits<extended>::quiet_NaN();
    const QImage& image = drawn(addVariable("ODD", {0, nan, 0, 0, inf, 0, 0}));
    EXPECT_GT(count(image, kWhite), 0);
}

TEST_F(ThumbnailTest, RedrawDuringAPassStartsOverWithTheNewSamples)
{
    const tdspvarPtr v = workspace().add("EDITED", signalSamples::real(std::vector<extended>(65536, 0)));
    ASSERT_EQ(strips().thumbnailsDrawing(), 1);
    // The worker waits for its first hand-over: the edit comes before it has drawn anything.
    change(v, 1000, 1);
    const QImage& image = drawn(v);
    EXPECT_EQ(rowsOf(image, 40, kWhite), std::vector<int>{1});
    EXPECT_EQ(count(image, kWhite), 128); // nothing of the old middle line is left

    // A restart that comes mid-pass also starts from the first segment.
    change(v, 65536, 0);
    ASSERT_TRUE(uitest::stepUntil(
        [&] { return !rowsOf(stripOf(v)->thumbnail(), 0, kWhite).empty(); }));
    ASSERT_EQ(strips().thumbnailsDrawing(), 1);
    change(v, 65536, -1);
    const QImage& again = drawn(v);
    EXPECT_EQ(count(again, kWhite), 128);
    EXPECT_EQ(rowsOf(again, 100, kWhite), std::vector<int>{27});
}

TEST_F(ThumbnailTest, ReleasedVariableGoesOnlyAfterThePass)
{
    std::weak_ptr<tdspvar> watch;
    {
        const tdspvarPtr v = workspace().add("GONE", signalSamples::real(std::vector<extended>(65536, 0.5)));
        change(v, 65536, 0.5); // a redraw pending: it must not start another pass
        watch = v;
        workspace().removeVariable(v);
        EXPECT_EQ(strips().thumbnailsDrawing(), 1); // still drawing
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the strip goes now
    EXPECT_FALSE(watch.expired()) << "the running pass still holds the variable";
    ASSERT_TRUE(waitForThumbnails());
    mainWindow->history().clear(); // the undo history keeps a deleted variable until it forgets it
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(workspace().variableCount(), 0);
}

namespace {

std::atomic<int> qtWarnings{0};
void countWarnings(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        ++qtWarnings;
}

} // namespace

TEST_F(ThumbnailTest, ClosingWhile64ThumbnailsDrawEndsAtOnce)
{
    std::vector<std::weak_ptr<tdspvar>> watch;
    for (int k = 0; k < 64; ++k) {
        const tdspvarPtr v = mainWindow->workspace().add(
            std::string("V").append(std::to_string(k)),
            uitest::realSamples(65536, [k](int i) -> extended { return std::sin(extended(i) * (k + 1) / 1000); }));
        watch.push_back(v);
    }
    QTest::qWait(50); // let them get going
    ASSERT_GT(strips().thumbnailsDrawing(), 0);

    const QtMessageHandler previous = qInstallMessageHandler(countWarnings);
    QElapsedTimer timer;
    timer.start();
    mainWindow->closeWithoutAsking();
    mainWindow.reset();
    const qint64 elapsed = timer.elapsed();
    QCoreApplication::processEvents();
    qInstallMessageHandler(previous);

    EXPECT_LT(elapsed, 1000);
    EXPECT_EQ(qtWarnings.load(), 0);
    for (const auto& w : watch) // every thumbnail has let go of its variable
        EXPECT_TRUE(w.expired());
}
