// The graph window's zoom and resize steps on a variable of 2^20 samples: the program's own path
// (a wheel event on the plot, or a new window size; the frame worker computes the visible
// envelope and the axes, the GUI thread paints them and the plot shows the picture) against a
// plain widget of the same size that draws the same picture with QPainter in its paint event on
// the calling thread: each column's min-to-max span from a min/max pyramid built once (as the
// program keeps its own), the joins between columns, the grid and the tick labels. A second
// reference draws the envelope alone, and the window's resize is also timed without a variable.
// Both sides end with their window's repaint done. Each run
// is 10 steps; medians and spread over interleaved rounds, wall clock and process CPU. Meanwhile a
// queued call is posted to the GUI thread at the start of every program step, and the longest
// wait for it is printed.
#include "interleaved.h"

#include "core/workspace.h"
#include "plot/axisticks.h"
#include "plot/columnspans.h"
#include "ui/graphwindow.h"
#include "ui/plotbitmap.h"
#include "ui/plotview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr int kSamples = 1 << 20;
constexpr int kStepsPerRun = 10;
const QSize kSizes[2] = {QSize(900, 500), QSize(1100, 620)};

signalSamples noisySines()
{
    signalSamples s;
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, 0.05);
    for (int i = 0; i < kSamples; ++i)
        s.re.push_back(std::sin(i * 0.0007L) * std::sin(i * 0.00002L) + noise(rng));
    return s;
}

// The longest time a queued call waited for the GUI thread.
double longestWait = 0;

// Until the pass has ended and the plot shows its picture.
void waitDrawn(GraphWindow& graph)
{
    while (graph.drawing())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

void postProbe()
{
    auto* clock = new QElapsedTimer;
    clock->start();
    QMetaObject::invokeMethod(qApp, [clock] {
        longestWait = std::max(longestWait, clock->nsecsElapsed() * 1e-6);
        delete clock;
    }, Qt::QueuedConnection);
}

void wheel(PlotView& view, int notches)
{
    const QPointF at(view.width() / 3.0, view.height() / 2.0);
    QWheelEvent e(at, view.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &e);
}

// The picture drawn directly in a widget's paint event: spans and joins, and optionally the grid
// and the tick labels.
class directPlot : public QWidget {
public:
    directPlot(std::vector<extended> samples, QFont font)
        : pyramid(std::move(samples)), range(kSamples, 1), font_(std::move(font))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    minMaxPyramid pyramid;
    viewRange range;
    bool axes = true;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        draw(p, size());
    }

private:
    QFont font_;

    void draw(QPainter& p, QSize size)
    {
        range.setColumns(size.width());
        const std::vector<columnSpan> spans = columnSpans(pyramid, linearBoundaries(range));
        minMax visible = pyramid.range(range.first(), range.first() + range.count());
        const double top = static_cast<double>(visible.high), bottom = static_cast<double>(visible.low);
        const double rows = size.height() - 1;
        const auto y = [&](extended v) { return static_cast<int>(std::lround((top - static_cast<double>(v)) / (top - bottom) * rows)); };
        std::vector<QLine> lines;
        lines.reserve(2 * spans.size());
        for (std::size_t k = 0; k < spans.size(); ++k) {
            if (k > 0)
                lines.emplace_back(spans[k - 1].column, y(spans[k - 1].last), spans[k].column, y(spans[k].first));
            lines.emplace_back(spans[k].column, y(spans[k].extent.high), spans[k].column, y(spans[k].extent.low));
        }
        if (axes) {
            const QFontMetrics metrics(font_);
            const textInkMeasure ink = [&](std::string_view t) {
                const QRect r = metrics.tightBoundingRect(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
                return textInk{r.left(), r.right()};
            };
            const auto xTicks = axisTicks({.atStart = static_cast<extended>(range.first()),
                                           .atEnd = static_cast<extended>(range.first() + range.count()),
                                           .pixels = size.width(), .minimumSpacing = 50}, ink);
            const auto yTicks = axisTicks({.atStart = top, .atEnd = bottom, .pixels = size.height()},
                                          [&](std::string_view) { return textInk{0, metrics.height() - 1}; });
            p.setPen(QPen(QColor(0, 128, 0), 0, Qt::DashLine));
            for (const axisTick& t : xTicks)
                p.drawLine(t.pixel, 0, t.pixel, size.height() - 1);
            for (const axisTick& t : yTicks)
                p.drawLine(0, t.pixel, size.width() - 1, t.pixel);
            p.setPen(Qt::white);
            p.setFont(font_);
            for (const axisTick& t : xTicks)
                p.drawText(t.labelOrigin, size.height() - 16 + metrics.ascent(), QString::fromStdString(t.label));
            for (const axisTick& t : yTicks)
                p.drawText(2, t.pixel + metrics.ascent() / 2, QString::fromStdString(t.label));
        }
        p.setPen(QPen(Qt::white, 0));
        p.drawLines(lines.data(), static_cast<int>(lines.size()));
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tworkspace workspace;
    const tdspvarPtr v = workspace.add("SWEEP", noisySines());
    QImage bitmap = makePlotBitmap();
    GraphWindow graph({.workspace = workspace, .plotBitmap = bitmap, .startThread = {}}, nullptr);
    graph.setCurrentVariable(v);
    graph.resize(kSizes[0]);
    graph.show();
    waitDrawn(graph); // the first pass builds the curve's pyramid, kept for every later step
    PlotView& view = *graph.findChild<PlotView*>();

    directPlot reference(v->real(), view.font());
    reference.resize(view.size());
    reference.show();
    QCoreApplication::processEvents();
    const QSize referenceSize = view.size();
    bool zoomedIn = false, resized = false, referenceZoomed = false, referenceResized = false, emptyResized = false;
    tworkspace none;
    QImage emptyBitmap = makePlotBitmap();
    GraphWindow empty({.workspace = none, .plotBitmap = emptyBitmap, .startThread = {}}, nullptr);
    empty.show();
    waitDrawn(empty);

    interleaved::rounds r;
    r.add("program zoom step", [&] {
        for (int k = 0; k < kStepsPerRun; ++k, zoomedIn = !zoomedIn) {
            postProbe();
            wheel(view, zoomedIn ? -3 : 3);
            waitDrawn(graph);
        }
    });
    r.add("direct zoom step", [&] {
        for (int k = 0; k < kStepsPerRun; ++k, referenceZoomed = !referenceZoomed) {
            reference.range.zoomAround(referenceSize.width() / 3, std::pow(1.25, referenceZoomed ? -3 : 3));
            reference.repaint();
        }
    });
    r.add("envelope only", [&] {
        reference.axes = false;
        for (int k = 0; k < kStepsPerRun; ++k)
            reference.repaint();
        reference.axes = true;
    });
    r.add("program resize step", [&] {
        for (int k = 0; k < kStepsPerRun; ++k, resized = !resized) {
            postProbe();
            graph.resize(kSizes[resized ? 0 : 1]);
            waitDrawn(graph);
        }
    });
    // The same window without a variable: what a resize costs before any plot is drawn.
    r.add("empty window resize step", [&] {
        for (int k = 0; k < kStepsPerRun; ++k, emptyResized = !emptyResized) {
            empty.resize(kSizes[emptyResized ? 0 : 1]);
            waitDrawn(empty);
        }
    });
    r.add("direct resize step", [&] {
        for (int k = 0; k < kStepsPerRun; ++k, referenceResized = !referenceResized) {
            reference.resize(kSizes[referenceResized ? 0 : 1] - QSize(149, 18));
            reference.repaint();
        }
    });
    r.run(interleaved::roundsFrom(argc, argv, 7));

    std::printf("graph window, %d samples, %d steps a run (plot %dx%d and %dx%d)\n", kSamples, kStepsPerRun,
                kSizes[0].width() - 149, kSizes[0].height() - 18, kSizes[1].width() - 149, kSizes[1].height() - 18);
    r.printTimes();
    r.printRatio("zoom step, program / direct picture", "program zoom step", {"direct zoom step"});
    r.printRatio("zoom step, program / envelope only", "program zoom step", {"envelope only"});
    r.printRatio("resize step, program / direct picture", "program resize step", {"direct resize step"});
    r.printRatio("resize step, program / (empty window's resize + direct picture)", "program resize step",
                 {"empty window resize step", "direct resize step"});
    std::printf("longest wait of a queued call on the GUI thread during the program's steps: %.2f ms (limit 20 ms)\n",
                longestWait);
    return longestWait <= 20 ? 0 : 1;
}
