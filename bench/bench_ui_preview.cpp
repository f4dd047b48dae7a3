// The generation dialog's whole cycle for 65536 samples, from an expression change to the end of
// the preview pass (timer tick, parse, sampling worker, hand-over, preview plotter with its
// batched hand-overs to the GUI thread), against its two parts done directly: parsing plus
// sampling on one thread, and drawing the same grid and lines with QPainter into an image.
// Runs on Qt's offscreen platform unless another one is chosen.
#include "core/workspace.h"
#include "dsp/samplebuffer.h"
#include "dsp/sampling.h"
#include "expr/parser.h"
#include "expr/mathnode.h"
#include "ui/mainwindow.h"
#include "ui/generatedialog.h"
#include "ui/plotbitmap.h"
#include "ui/spinedit.h"
#include "ui/previewworker.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kCount = 65536;

struct totals {
    double seconds = 0;
    long runs = 0;
    double milliseconds() const { return runs ? 1000 * seconds / runs : 0; }
};
std::map<std::string, totals> measured;

// A different text on every call, so that every change is a real change.
std::string expression(bool complex, int k)
{
    return complex ? "exp(i*x*pi*2*" + std::to_string(k % 50 + 1) + ")*(1+x)"
                   : "sin(x*pi*2*" + std::to_string(k % 50 + 1) + ")*(1+x)";
}

template <typename F> void timed(benchmark::State& state, const std::string& name, F&& body)
{
    totals& t = measured[name];
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        t.seconds += elapsed.count();
        ++t.runs;
    }
}

void wholeCycle(benchmark::State& state)
{
    const bool complex = state.range(0) != 0;
    MainWindow mainForm;
    GenerateDialog& form = *mainForm.form2();
    form.preset(QStringLiteral("b"), QString::fromStdString(expression(complex, 0)));
    form.SpinEdit1->setText(QString::number(kCount));
    form.show();
    PreviewPlotter& plotter = PreviewPlotter::instance();
    auto settled = [&] {
        return !form.changePending() && !form.sampler().busy() && !form.sampler().done() &&
               !plotter.busy();
    };
    while (!settled())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    int k = 1;
    timed(state, complex ? "cycle complex" : "cycle real", [&] {
        form.Edit2->setText(QString::fromStdString(expression(complex, k++)));
        while (!settled())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    });
    form.done(2);
}

void parseAndSample(benchmark::State& state)
{
    const bool complex = state.range(0) != 0;
    tworkspace workspace;
    sampleBuffer buffer;
    std::atomic<int> progress{0};
    int k = 1;
    timed(state, complex ? "parse+sample complex" : "parse+sample real", [&] {
        parsedExpression parsed = parseExpression(expression(complex, k++), workspace);
        runSampling(*parsed.root, kCount, buffer, progress);
        parsed.root.reset();
        benchmark::DoNotOptimize(buffer.values.data());
    });
}

int pixel(extended v)
{
    return std::isfinite(v) ? static_cast<int>(std::nearbyint(v)) : 0;
}

// The picture the plotter draws (real: white curve; complex: polar modulus and phase), painted
// in one go by one QPainter.
void drawDirectly(benchmark::State& state)
{
    const bool complex = state.range(0) != 0;
    tworkspace workspace;
    sampleBuffer buffer;
    std::atomic<int> progress{0};
    parsedExpression parsed = parseExpression(expression(complex, 1), workspace);
    runSampling(*parsed.root, kCount, buffer, progress);
    QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
    timed(state, complex ? "draw complex" : "draw real", [&] {
        drawEmptyPreviewGrid(image);
        extended peak = 1e-10L;
        for (int i = 0; i < buffer.count; ++i) {
            const complexValue& z = buffer.values[i];
            peak = std::max(peak, std::sqrt(z.re * z.re + z.im * z.im));
        }
        const extended yscale = 142.5L / peak;
        const extended xstep = 384.0L / (buffer.count - 1);
        QPainter painter(&image);
        auto modulus = [](const complexValue& z) { return std::sqrt(z.re * z.re + z.im * z.im); };
        for (int i = 1; i < buffer.count; ++i) {
            const complexValue& a = buffer.values[i - 1];
            const complexValue& b = buffer.values[i];
            const int x1 = pixel((i - 1) * xstep);
            const int x2 = pixel(i * xstep);
            if (complex) {
                painter.setPen(QColor(0, 0, 255));
                painter.drawLine(x1, pixel(144 - yscale * modulus(a)), x2, pixel(144 - yscale * modulus(b)));
                painter.setPen(QColor(255, 0, 0));
                painter.drawLine(x1, pixel(144 - 40 * std::atan2(a.im, a.re)), x2,
                                 pixel(144 - 40 * std::atan2(b.im, b.re)));
            } else {
                painter.setPen(QColor(255, 255, 255));
                painter.drawLine(x1, pixel(144 - yscale * a.re), x2, pixel(144 - yscale * b.re));
            }
        }
    });
}

} // namespace

BENCHMARK(wholeCycle)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(parseAndSample)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(drawDirectly)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const char* kind : {"real", "complex"}) {
        const double cycle = measured[std::string("cycle ") + kind].milliseconds();
        const double sample = measured[std::string("parse+sample ") + kind].milliseconds();
        const double draw = measured[std::string("draw ") + kind].milliseconds();
        if (cycle > 0 && sample + draw > 0)
            std::printf("preview cycle %s, N=%d: %.2f ms; parse+sample %.2f ms + QPainter %.2f ms = "
                        "%.2f ms; ratio %.2f (aim <= 2)\n",
                        kind, kCount, cycle, sample, draw, sample + draw, cycle / (sample + draw));
    }
    return 0;
}
