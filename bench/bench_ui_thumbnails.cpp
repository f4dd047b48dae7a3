// Thumbnails of 64 variables of 65536 samples each, drawn by their workers through the GUI thread
// into the strips of a shown main window, against drawing the same lines with QPainter directly
// in one loop on the GUI thread. The workers' cost over the direct loop is the hand-over, the
// snapshot and the strip repaints.
#include "ui/mainwindow.h"
#include "ui/thumbnailworker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kVariables = 64;
constexpr int kSamples = 65536;

struct bench {
    std::unique_ptr<MainWindow> form;
    std::vector<tdspvarPtr> variables;
};

bench& fixture()
{
    static bench b = [] {
        bench made;
        made.form = std::make_unique<MainWindow>();
        made.form->show();
        for (int k = 0; k < kVariables; ++k) {
            tdspvarPtr v = made.form->workspace().createVariable(QStringLiteral("V%1").arg(k).toStdString());
            v->re.resize(kSamples);
            for (int i = 0; i < kSamples; ++i)
                v->re[static_cast<std::size_t>(i)] = std::sin(static_cast<extended>(i) * (k + 1) * 0.001L);
            v->computeDisplayPeak();
            made.variables.push_back(v);
        }
        return made;
    }();
    return b;
}

void drawAllThumbnails()
{
    for (const tdspvarPtr& v : fixture().variables)
        v->redrawThumbnail();
    while (ThumbnailWorker::runningCount() > 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

int pixel(extended v)
{
    return static_cast<int>(std::nearbyint(v));
}

// The same lines, one QPainter call each, straight into 64 bitmaps.
void drawDirectly(std::vector<QImage>& images)
{
    const auto& variables = fixture().variables;
    for (std::size_t k = 0; k < variables.size(); ++k) {
        const tdspvar& v = *variables[k];
        QImage& image = images[k];
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::white, 0));
        const int n = v.sampleCount();
        const extended scale = 13 / (v.peak + 1e-100L);
        const extended dx = 128.0L / (n - 1);
        for (int i = 1; i < n; ++i)
            painter.drawLine(pixel((i - 1) * dx), pixel(14 - scale * v.re[static_cast<std::size_t>(i - 1)]),
                             pixel(i * dx), pixel(14 - scale * v.re[static_cast<std::size_t>(i)]));
    }
}

std::vector<QImage>& directImages()
{
    static std::vector<QImage> images(kVariables, QImage(128, 28, QImage::Format_RGB32));
    return images;
}

void BM_ThumbnailWorkers(benchmark::State& state)
{
    for (auto _ : state)
        drawAllThumbnails();
}
BENCHMARK(BM_ThumbnailWorkers)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DirectQPainter(benchmark::State& state)
{
    for (auto _ : state)
        drawDirectly(directImages());
}
BENCHMARK(BM_DirectQPainter)->Unit(benchmark::kMillisecond)->UseRealTime();

template <typename F> double seconds(F&& f)
{
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// While the workers draw, how long the GUI thread takes to answer a queued call (a stand-in for
// a key press or a scroll step).
double worstEventDelayMs()
{
    for (const tdspvarPtr& v : fixture().variables)
        v->redrawThumbnail();
    double worst = 0;
    while (ThumbnailWorker::runningCount() > 0) {
        QElapsedTimer t;
        t.start();
        bool served = false;
        QMetaObject::invokeMethod(fixture().form.get(), [&] { served = true; }, Qt::QueuedConnection);
        while (!served)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        worst = std::max(worst, t.nsecsElapsed() / 1e6);
    }
    return worst;
}

void printRatio()
{
    const double workers = seconds(drawAllThumbnails);
    const double direct = seconds([] { drawDirectly(directImages()); });
    std::printf("thumbnails of %d x %d samples: workers %.0f ms, direct QPainter %.0f ms, "
                "ratio %.2fx; GUI answers a queued event within %.1f ms while they draw\n",
                kVariables, kSamples, workers * 1e3, direct * 1e3, workers / direct, worstEventDelayMs());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyProgramFont();
    fixture(); // the samples are made before any timing
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    printRatio();
    fixture().form.reset();
    return 0;
}
