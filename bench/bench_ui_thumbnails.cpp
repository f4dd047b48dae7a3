// Thumbnails of 64 variables of 65536 samples each, drawn by the program's thumbnail workers
// through the GUI thread into the strips of a shown main window, against the same pictures
// (grid and lines) painted directly with QPainter::drawLines into 64 images by as many threads
// as the program draws with (its worker threads and the GUI thread). The program's cost over
// the direct painting is the hand-over to the GUI thread, the snapshot and the strip repaints.
// Also printed: how long the GUI thread takes to answer a queued call while the workers draw.
#include "interleaved.h"

#include "ui/mainwindow.h"
#include "ui/striplist.h"
#include "ui/thumbnailworker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLine>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr int kVariables = 64;
constexpr int kSamples = 65536;
// The threads that draw thumbnails in the program: the thumbnail drawing threads, and the GUI
// thread, which paints.
constexpr int kProgramThreads = ThumbnailPool::kThreads + 1;

struct bench {
    std::unique_ptr<MainWindow> mainWindow;
    std::vector<tdspvarPtr> variables;
};

bench& fixture()
{
    static bench b = [] {
        bench made;
        made.mainWindow = std::make_unique<MainWindow>();
        made.mainWindow->show();
        for (int k = 0; k < kVariables; ++k) {
            std::string name = std::to_string(k);
            name.insert(0, 1, 'V');
            signalSamples samples;
            for (int i = 0; i < kSamples; ++i)
                samples.re.push_back(std::sin(static_cast<extended>(i) * (k + 1) * 0.001L));
            made.variables.push_back(made.mainWindow->workspace().add(name, std::move(samples)));
        }
        return made;
    }();
    return b;
}

void redrawAll()
{
    StripList& strips = *fixture().mainWindow->findChild<StripList*>();
    for (const tdspvarPtr& v : fixture().variables)
        strips.samplesChanged(v);
}

bool drawing()
{
    return fixture().mainWindow->findChild<StripList*>()->thumbnailsDrawing() > 0;
}

void drawAllThumbnails()
{
    redrawAll();
    while (drawing())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

int pixel(extended v)
{
    return static_cast<int>(std::lrint(v)); // ties to even, as the program rounds
}

// One thumbnail as the program draws it: the grid, then every segment in white, in one
// drawLines call.
void paintThumbnail(const tdspvar& v, QImage& image, std::vector<QLine>& lines)
{
    ThumbnailWorker::clearPicture(image);
    const int n = v.sampleCount();
    const extended scale = 13 / (v.peak() + 1e-100L);
    const extended dx = 128.0L / (n - 1);
    lines.clear();
    int x0 = 0;
    int y0 = pixel(14 - scale * v.real()[0]);
    for (int i = 1; i < n; ++i) {
        const int x = pixel(i * dx);
        const int y = pixel(14 - scale * v.real()[static_cast<std::size_t>(i)]);
        lines.emplace_back(x0, y0, x, y);
        x0 = x;
        y0 = y;
    }
    QPainter painter(&image);
    QPen pen(Qt::white, 0);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

std::vector<QImage>& directImages()
{
    static std::vector<QImage> images(kVariables, QImage(128, 28, QImage::Format_RGB32));
    return images;
}

// The 64 thumbnails shared out over `threads` threads, each painting its own images.
void drawDirectly(int threads)
{
    const auto& variables = fixture().variables;
    auto& images = directImages();
    const auto share = [&](int t) {
        std::vector<QLine> lines;
        for (int k = t; k < kVariables; k += threads)
            paintThumbnail(*variables[static_cast<std::size_t>(k)], images[static_cast<std::size_t>(k)], lines);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(share, t);
    share(0);
    for (std::thread& t : pool)
        t.join();
}

// While the workers draw, how long the GUI thread takes to answer a queued call (a stand-in for
// a key press or a scroll step).
double worstEventDelayMs()
{
    redrawAll();
    double worst = 0;
    while (drawing()) {
        QElapsedTimer t;
        t.start();
        bool served = false;
        QMetaObject::invokeMethod(fixture().mainWindow.get(), [&] { served = true; }, Qt::QueuedConnection);
        while (!served)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        worst = std::max(worst, t.nsecsElapsed() / 1e6);
    }
    return worst;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyProgramFont();
    fixture(); // the samples are made before any timing
    while (drawing()) // and the thumbnails that come with them are drawn
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    interleaved::rounds r;
    r.add("program's workers", drawAllThumbnails);
    r.add("direct, same thread count", [] { drawDirectly(kProgramThreads); });
    r.add("direct, one thread per core", [cores] { drawDirectly(static_cast<int>(cores)); });
    r.run(interleaved::roundsFrom(argc, argv, 5));

    std::printf("thumbnails of %d x %d samples; the program draws with %d threads, the machine "
                "has %u cores\n", kVariables, kSamples, kProgramThreads, cores);
    r.printTimes();
    r.printRatio("workers / direct QPainter on as many threads", "program's workers",
                 {"direct, same thread count"});
    r.printRatio("workers / direct QPainter, one thread per core", "program's workers",
                 {"direct, one thread per core"});
    std::printf("GUI answers a queued event within %.1f ms while they draw\n", worstEventDelayMs());
    fixture().mainWindow.reset();
    return 0;
}
