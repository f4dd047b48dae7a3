// The graph window's plot: a full pass of the plot worker for a complex variable of 65536
// samples, cartesian and polar, against computing the same lines and drawing them with QPainter
// directly on one thread. The ratio is the cost of the worker protocol (thread, check points,
// batched hand-over, sample snapshot).
#include "ui/plotscale.h"
#include "ui/graphworker.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>
#include <string>

namespace {

constexpr int kSamples = 65536;
constexpr int kCartesian = 0;
constexpr int kPolar = 2;

tdspvarPtr testSignal()
{
    static const tdspvarPtr v = [] {
        auto s = std::make_shared<tdspvar>();
        s->resize(kSamples, true);
        for (int i = 0; i < kSamples; ++i) {
            const extended x = static_cast<extended>(i) / kSamples;
            const extended a = 2 * kPi * 37 * x;
            s->re[static_cast<std::size_t>(i)] = std::cos(a) * (1.5L - x) + 0.1L * std::sin(a * 11);
            s->im[static_cast<std::size_t>(i)] = std::sin(a) * (1.5L - x);
        }
        return s;
    }();
    return v;
}

void workerPass(benchmark::State& state)
{
    const int mode = static_cast<int>(state.range(0));
    QImage image(plotGeometry::kWidth, plotGeometry::kHeight, QImage::Format_RGB32);
    PlotRequest plot(&image, nullptr);
    const tdspvarPtr v = testSignal();
    for (auto _ : state) {
        plot.request(v, nullptr, mode);
        while (plot.busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

struct directLine {
    QRgb colour;
    Qt::PenStyle style;
    int x1, y1, x2, y2;
};

// The plot's grid, edge and curve lines, each curve point computed once.
std::vector<directLine> computeLines(const tdspvar& v, int mode)
{
    using namespace plotGeometry;
    const plotFlags flags = plotPassFlags(mode, &v, nullptr);
    plotRange range;
    scanPlotRange(v, flags, range);
    const plotScale scale = makePlotScale(range, flags, v.sampleCount());
    const std::int64_t n1 = scale.count;
    std::vector<directLine> lines;
    const std::int64_t step = linearGridStep(n1 + 1);
    for (std::int64_t a = 0; a < n1 + 1; a += step) {
        const int x = plotX(scale, a);
        lines.push_back({qRgb(0, 128, 0), a == 0 ? Qt::SolidLine : Qt::DashLine, x, 0, x, kHeight - 1});
    }
    lines.push_back({qRgb(0, 128, 0), Qt::SolidLine, kWidth - 1, 0, kWidth - 1, kHeight - 1});
    std::vector<int> a(static_cast<std::size_t>(n1)), b(static_cast<std::size_t>(n1));
    for (std::int64_t w = 0; w < n1; ++w) {
        const extended t = static_cast<extended>(w) / static_cast<extended>(n1);
        const auto i = static_cast<std::size_t>(w);
        if (flags.modulusView) {
            a[i] = plotY(scale, v.interpolatedModulus(0, t));
            b[i] = phaseY(v.interpolatedPhase(0, t));
        } else {
            a[i] = plotY(scale, v.interpolatedImagPart(0, t));
            b[i] = plotY(scale, v.interpolatedRealPart(0, t));
        }
    }
    const QRgb colourA = flags.modulusView ? qRgb(0, 0, 255) : qRgb(255, 255, 127);
    const QRgb colourB = flags.modulusView ? qRgb(255, 0, 0) : qRgb(255, 255, 255);
    for (std::int64_t w = 0; w + 2 <= n1; ++w) {
        const auto i = static_cast<std::size_t>(w);
        const int x1 = plotX(scale, w);
        const int x2 = plotX(scale, w + 1);
        lines.push_back({colourA, Qt::SolidLine, x1, a[i], x2, a[i + 1]});
        lines.push_back({colourB, Qt::SolidLine, x1, b[i], x2, b[i + 1]});
    }
    return lines;
}

void drawLines(QImage& image, const std::vector<directLine>& lines)
{
    image.fill(Qt::black);
    QPainter p(&image);
    QPen pen;
    pen.setWidth(0);
    for (const directLine& l : lines) {
        pen.setColor(QColor(l.colour));
        pen.setStyle(l.style);
        p.setPen(pen);
        p.drawLine(l.x1, l.y1, l.x2, l.y2);
    }
}

// The same lines computed and drawn with QPainter on the calling thread.
void directPainter(benchmark::State& state)
{
    QImage image(plotGeometry::kWidth, plotGeometry::kHeight, QImage::Format_RGB32);
    const tdspvarPtr v = testSignal();
    for (auto _ : state) {
        drawLines(image, computeLines(*v, static_cast<int>(state.range(0))));
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Only the drawing of the precomputed lines, for scale.
void drawOnly(benchmark::State& state)
{
    QImage image(plotGeometry::kWidth, plotGeometry::kHeight, QImage::Format_RGB32);
    const std::vector<directLine> lines = computeLines(*testSignal(), static_cast<int>(state.range(0)));
    for (auto _ : state) {
        drawLines(image, lines);
        benchmark::DoNotOptimize(image.constBits());
    }
}

BENCHMARK(workerPass)->Arg(kCartesian)->Arg(kPolar)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(directPainter)->Arg(kCartesian)->Arg(kPolar)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(drawOnly)->Arg(kCartesian)->Arg(kPolar)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

// Keeps each run's real time per iteration so that the ratios can be printed at the end.
class recordingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    recordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const char* reference, const char* arg) {
        char workerKey[96];
        char directKey[96];
        std::snprintf(workerKey, sizeof workerKey, "workerPass/%s/process_time/real_time", arg);
        std::snprintf(directKey, sizeof directKey, "%s/%s/process_time/real_time", reference, arg);
        const double worker = reporter.times[workerKey];
        const double direct = reporter.times[directKey];
        return direct > 0 ? worker / direct : 0.0;
    };
    std::printf("plot pass, %d complex samples: worker / direct QPainter = %.2f (cartesian), "
                "%.2f (polar); worker / drawing precomputed lines = %.2f, %.2f\n",
                kSamples, ratio("directPainter", "0"), ratio("directPainter", "2"),
                ratio("drawOnly", "0"), ratio("drawOnly", "2"));
    benchmark::Shutdown();
    return 0;
}
