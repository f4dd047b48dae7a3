// The graph window's plot: a full pass of the plot worker for a complex variable of 65536
// samples, cartesian and polar, against computing the same lines and drawing them with QPainter
// directly on one thread (runs of solid lines of one colour in one drawLines call, each pen made
// once). The ratio is the cost of the worker protocol (thread, check points, batches posted to the
// GUI thread, sample snapshot) against what computing on the worker while the GUI thread paints
// gains back.
#include "interleaved.h"

#include "plot/plotscale.h"
#include "ui/graphworker.h"

#include <QApplication>
#include <QImage>
#include <QLine>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <vector>
#include <string>

namespace {

constexpr int kSamples = 65536;
constexpr plotMode kCartesian{};
constexpr plotMode kPolar{.polar = true};

tdspvarPtr testSignal()
{
    static const tdspvarPtr v = [] {
        signalSamples s;
        s.resize(kSamples, true);
        for (int i = 0; i < kSamples; ++i) {
            const extended x = static_cast<extended>(i) / kSamples;
            const extended a = 2 * kPi * 37 * x;
            s.re[static_cast<std::size_t>(i)] = std::cos(a) * (1.5L - x) + 0.1L * std::sin(a * 11);
            s.im[static_cast<std::size_t>(i)] = std::sin(a) * (1.5L - x);
        }
        return std::make_shared<tdspvar>("SPIRAL", std::move(s));
    }();
    return v;
}

// One full pass of the program's plot worker, waited for on the GUI thread.
void workerPass(PlotRequest& plot, plotMode mode)
{
    plot.request(testSignal(), nullptr, mode);
    while (plot.busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

struct directLine {
    QRgb colour;
    Qt::PenStyle style;
    int x1, y1, x2, y2;
};

// The plot's grid, edge and curve lines, each curve point computed once.
std::vector<directLine> computeLines(const tdspvar& v, plotMode mode)
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
            a[i] = plotY(scale, v.interpolatedModulus(0, t)).value_or(0);
            b[i] = phaseY(v.interpolatedPhase(0, t)).value_or(0);
        } else {
            a[i] = plotY(scale, v.interpolatedImagPart(0, t)).value_or(0);
            b[i] = plotY(scale, v.interpolatedRealPart(0, t)).value_or(0);
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

// Consecutive solid lines of one colour go to the painter in one drawLines call; each pen is
// made once and then only selected.
void drawLines(QImage& image, const std::vector<directLine>& lines)
{
    image.fill(Qt::black);
    QPainter p(&image);
    std::vector<std::pair<std::pair<QRgb, Qt::PenStyle>, QPen>> pens;
    const auto penFor = [&pens](const directLine& l) -> const QPen& {
        for (const auto& [key, pen] : pens)
            if (key.first == l.colour && key.second == l.style)
                return pen;
        QPen pen{QColor(l.colour), 0};
        pen.setStyle(l.style);
        return pens.emplace_back(std::pair{l.colour, l.style}, pen).second;
    };
    std::vector<QLine> run;
    for (std::size_t i = 0; i < lines.size();) {
        const directLine& l = lines[i];
        p.setPen(penFor(l));
        run.clear();
        do
            run.emplace_back(lines[i].x1, lines[i].y1, lines[i].x2, lines[i].y2);
        while (++i < lines.size() && l.style == Qt::SolidLine && lines[i].style == Qt::SolidLine &&
               lines[i].colour == l.colour);
        p.drawLines(run.data(), static_cast<int>(run.size()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testSignal();
    QImage workerImage(plotGeometry::kWidth, plotGeometry::kHeight, QImage::Format_RGB32);
    QImage directImage(plotGeometry::kWidth, plotGeometry::kHeight, QImage::Format_RGB32);
    PlotRequest plot(&workerImage, nullptr);
    std::vector<directLine> precomputed[2] = {computeLines(*testSignal(), kCartesian),
                                              computeLines(*testSignal(), kPolar)};

    interleaved::rounds r;
    const std::pair<const char*, plotMode> views[] = {{"cartesian", kCartesian}, {"polar", kPolar}};
    for (const auto& [view, mode] : views) {
        const std::string name(view);
        r.add("worker pass " + name, [&plot, mode = mode] { workerPass(plot, mode); });
        // The same lines computed and drawn with QPainter on the calling thread.
        r.add("direct " + name, [&directImage, mode = mode] {
            drawLines(directImage, computeLines(*testSignal(), mode));
        });
        // Only the drawing of the precomputed lines, for scale.
        r.add("draw only " + name, [&directImage, &lines = precomputed[mode == kPolar]] {
            drawLines(directImage, lines);
        });
    }
    r.run(interleaved::roundsFrom(argc, argv, 7));

    std::printf("plot pass, %d complex samples\n", kSamples);
    r.printTimes();
    for (const auto& [view, mode] : views) {
        const std::string name(view);
        r.printRatio(("worker / direct QPainter, " + name).c_str(), "worker pass " + name,
                     {"direct " + name});
        r.printRatio(("worker / drawing precomputed lines, " + name).c_str(), "worker pass " + name,
                     {"draw only " + name});
    }
    return 0;
}
