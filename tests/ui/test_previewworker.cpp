// The preview plotter and the bitmap view: what ends up in the plot bitmap for each preview
// mode, scaled to the peak, and how restart, stop and shutdown end a pass.
#include "uitest.h"

#include "dsp/samplebuffer.h"
#include "ui/plotbitmap.h"
#include "ui/previewworker.h"
#include "ui/bitmapview.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGreen = qRgb(0, 160, 0);
const QRgb kBright = qRgb(0, 255, 80);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kYellow = qRgb(255, 255, 127);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);

class countingView : public BitmapView {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        BitmapView::paintEvent(event);
    }
};

class PreviewPlotterTest : public ::testing::Test {
protected:
    QImage bitmap = makePlotBitmap();
    PreviewPlotter plotter{bitmap};
    countingView view;

    void SetUp() override { view.setBitmap(&bitmap); }
    void TearDown() override { plotter.shutdown(); }

    // What the plotter is given to draw.
    std::shared_ptr<sampleBuffer> samples = std::make_shared<sampleBuffer>();

    void fill(const std::vector<complexValue>& values, bool complex)
    {
        sampleBuffer& buffer = *samples;
        buffer.setCount(static_cast<int>(values.size()));
        std::copy(values.begin(), values.end(), buffer.values.begin());
        buffer.isComplex = complex;
    }
    void fillRamp(int n)
    {
        std::vector<complexValue> values(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            values[static_cast<std::size_t>(i)] = {static_cast<extended>(i % 97) - 48, 0};
        fill(values, false);
    }
    bool waitIdle() { return uitest::waitUntil([this] { return !plotter.busy(); }); }
    void draw(previewMode mode)
    {
        plotter.setPreviewMode(mode);
        plotter.start(&view, samples);
        ASSERT_TRUE(waitIdle());
    }
    QRgb pixel(int x, int y) const { return bitmap.pixel(x, y); }
    static int yOf(extended v, extended peak) { return static_cast<int>(std::nearbyint(144 - 142.5L * v / peak)); }
    static int xOf(int i, int n) { return static_cast<int>(std::nearbyint(i * 384.0L / (n - 1))); }
    static QImage grid()
    {
        QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
        drawEmptyPreviewGrid(image);
        return image;
    }
    int countColour(QRgb colour, QRect area = QRect(0, 0, kPlotWidth, kPlotHeight)) const
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += pixel(x, y) == colour;
        return count;
    }
};

} // namespace

TEST_F(PreviewPlotterTest, GridHasLinesEverySixteenPixelsWithBrightZeroLineAndLeftEdge)
{
    QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
    image.fill(Qt::red);
    drawEmptyPreviewGrid(image);
    EXPECT_EQ(image.pixel(5, 5), kBlack);
    EXPECT_EQ(image.pixel(5, 0), kGreen);
    EXPECT_EQ(image.pixel(5, 288), kGreen);
    EXPECT_EQ(image.pixel(5, 144), kBright);   // the zero line
    EXPECT_EQ(image.pixel(16, 144), kGreen);   // vertical lines are drawn over it
    EXPECT_EQ(image.pixel(0, 100), kBright);   // the left edge
    EXPECT_EQ(image.pixel(0, 0), kBright);
    EXPECT_EQ(image.pixel(368, 7), kGreen);
    EXPECT_EQ(image.pixel(383, 7), kBlack);
    EXPECT_EQ(image.pixel(5, 143), kBlack);
}

TEST_F(PreviewPlotterTest, SingleSampleDrawsGridAndPeakOnlyAndStillRepaints)
{
    view.show();
    QTest::qWait(20);
    view.paints = 0;
    fill({{-0.5L, 0}}, false);
    draw(previewMode::real);
    QTest::qWait(20);
    EXPECT_GE(view.paints, 1);
    const QImage expected = grid();
    const QRect text(1, 1, 120, 20);
    int whiteInText = 0;
    for (int y = 0; y < kPlotHeight; ++y)
        for (int x = 0; x < kPlotWidth; ++x) {
            if (text.contains(x, y))
                whiteInText += pixel(x, y) == kWhite;
            else
                ASSERT_EQ(pixel(x, y), expected.pixel(x, y)) << x << "," << y;
        }
    EXPECT_GT(whiteInText, 10);
}

TEST_F(PreviewPlotterTest, RealModeDrawsWhiteCurveScaledToThePeak)
{
    const int n = 40;
    std::vector<complexValue> values;
    for (int i = 0; i < n; ++i)
        values.push_back({2 * std::sin(2 * kPi * i / n), 7}); // the imaginary part is ignored
    fill(values, true);
    draw(previewMode::real);
    const extended peak = std::sqrt(4.0L + 49.0L); // the largest modulus, imaginary parts included
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(pixel(std::min(xOf(i, n), 383), yOf(values[i].re, peak)), kWhite) << i;
    EXPECT_EQ(countColour(kYellow), 0);
}

TEST_F(PreviewPlotterTest, CartesianModeDrawsImaginaryPartInLightYellowUnderTheRealPart)
{
    const int n = 33;
    std::vector<complexValue> values;
    for (int i = 0; i < n; ++i)
        values.push_back({0, std::cos(2 * kPi * i / n)});
    fill(values, true);
    draw(previewMode::cartesian);
    EXPECT_EQ(pixel(0, 2), kYellow);                 // cos 0 = 1 at the top
    EXPECT_EQ(pixel(192, yOf(-1, 1)), kYellow);      // the middle sample is near -1
    EXPECT_EQ(pixel(100, 144), kWhite);              // the real part lies on the zero line
}

TEST_F(PreviewPlotterTest, PolarConstantOneHasModulusAtTwoAndPhaseOnTheZeroLine)
{
    fill(std::vector<complexValue>(16, {1, 0}), true);
    draw(previewMode::polar);
    for (int x = 0; x < kPlotWidth; ++x) {
        ASSERT_EQ(pixel(x, 2), kBlue) << x;   // 144 - 142.5 = 1.5 rounds to 2
        ASSERT_EQ(pixel(x, 144), kRed) << x;
    }
    EXPECT_GT(countColour(kRed, QRect(36, 16, 40, 16)), 5); // "+2pi"
}

TEST_F(PreviewPlotterTest, PolarPhaseIsFortyPixelsPerRadian)
{
    const int n = 5;
    // Phases 0, pi/2, pi, -pi/2, 0; moduli 2.
    fill({{2, 0}, {0, 2}, {-2, 0}, {0, -2}, {2, 0}}, true);
    draw(previewMode::polar);
    EXPECT_EQ(pixel(xOf(1, n), yOf(2, 2)), kBlue);
    EXPECT_EQ(pixel(xOf(1, n), static_cast<int>(std::nearbyint(144 - 40 * kPi / 2))), kRed);
    EXPECT_EQ(pixel(xOf(2, n), static_cast<int>(std::nearbyint(144 - 40 * kPi))), kRed);
    EXPECT_EQ(pixel(xOf(3, n), static_cast<int>(std::nearbyint(144 + 40 * kPi / 2))), kRed);
}

TEST_F(PreviewPlotterTest, AllZeroSignalLiesOnTheZeroLineWithTheFloorPeak)
{
    fill(std::vector<complexValue>(10, {0, 0}), false);
    draw(previewMode::real);
    EXPECT_EQ(pixel(200, 144), kWhite);
}

TEST_F(PreviewPlotterTest, NonFiniteSamplesAreSkippedAndThePassEnds)
{
    const extended inf = std::numeric_limits<extended>::infinity();
    const extended nan = std::numeric_limits<extended>::quiet_NaN();
    fill({{1, 0}, {nan, 0}, {2, 0}, {1, 0}, {-inf, 0}}, false);
    draw(previewMode::real);
    EXPECT_EQ(pixel(xOf(2, 5), 144), kWhite); // an infinite peak lays every finite sample flat

    fill({{1, 0}, {nan, 0}, {2, 0}, {1, 0}, {nan, nan}}, true);
    draw(previewMode::polar);
    EXPECT_EQ(pixel(xOf(3, 5), yOf(1, 2)), kBlue); // the segment between two finite samples
}

TEST_F(PreviewPlotterTest, RestartDrawsTheNewestBuffer)
{
    fillRamp(65536);
    plotter.setPreviewMode(previewMode::real);
    plotter.start(&view, samples);
    QTest::qWait(5);
    fill(std::vector<complexValue>(16, {0.5L, 0}), false);
    plotter.start(&view, samples);
    ASSERT_TRUE(waitIdle());
    for (int x = 0; x < kPlotWidth; ++x)
        ASSERT_EQ(pixel(x, 2), kWhite) << x;
    EXPECT_EQ(countColour(kWhite, QRect(0, 20, kPlotWidth, kPlotHeight - 20)), 0);
}

TEST_F(PreviewPlotterTest, StopEndsThePassAndPaintsNothingMore)
{
    fillRamp(65536);
    plotter.setPreviewMode(previewMode::real);
    plotter.start(&view, samples);
    ASSERT_TRUE(uitest::stepUntil([this] { return plotter.progress() >= 10; }));
    plotter.stop();
    const QImage before = bitmap.copy();
    ASSERT_TRUE(waitIdle());
    EXPECT_LT(plotter.progress(), 50);
    EXPECT_EQ(bitmap, before);

    // Stopped before its first step, a pass leaves the bitmap alone.
    bitmap.fill(Qt::magenta);
    plotter.start(&view, samples);
    plotter.stop();
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(countColour(QColor(Qt::magenta).rgb()), kPlotWidth * kPlotHeight);
}

TEST_F(PreviewPlotterTest, ShutdownDuringAPassReturnsAndThePlotterStartsAgain)
{
    fillRamp(65536);
    plotter.setPreviewMode(previewMode::cartesian);
    plotter.start(&view, samples);
    QTest::qWait(3);
    plotter.shutdown();
    EXPECT_FALSE(plotter.busy());
    QTest::qWait(5); // hand-overs still queued must do nothing now
    fill({{1, 0}, {-1, 0}}, false);
    draw(previewMode::real);
    EXPECT_EQ(pixel(0, 2), kWhite); // the new samples, scaled to their own peak
}

TEST_F(PreviewPlotterTest, AFreshStartWithdrawsAnEarlierStop)
{
    fillRamp(65536);
    plotter.setPreviewMode(previewMode::real);
    plotter.start(&view, samples);
    plotter.stop();
    plotter.start(&view, samples); // reopening a dialog while the stopped pass has not ended yet
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(plotter.progress(), 100);
}

TEST_F(PreviewPlotterTest, BitmapViewPaintsTheBitmapAtItsOriginAndReportsClicksAndMoves)
{
    QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
    drawEmptyPreviewGrid(image);
    image.setPixel(10, 20, qRgb(1, 2, 3));
    BitmapView view;
    EXPECT_EQ(view.size(), QSize(384, 289));
    view.setBitmap(&image);
    view.show();
    ASSERT_TRUE(uitest::windowExposed(&view));
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(10, 20), qRgb(1, 2, 3));
    EXPECT_EQ(shown.pixel(0, 144), kBright);

    QSignalSpy clicks(&view, &BitmapView::clicked);
    QSignalSpy moves(&view, &BitmapView::mouseMoved);
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(30, 40));
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toPoint(), QPoint(30, 40));
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(500, 40)); // released outside
    EXPECT_EQ(clicks.size(), 1);
    QTest::mouseMove(&view, QPoint(100, 50));
    ASSERT_GE(moves.size(), 1);
    EXPECT_EQ(moves.last().at(0).toPoint(), QPoint(100, 50));
}
