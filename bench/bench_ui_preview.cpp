// The generation dialog's whole cycle for 65536 samples, from an expression change to the end of
// the preview pass (timer tick, parse, sampling worker, hand-over, preview plotter with its
// batches posted to the GUI thread), against its two parts done directly: parsing plus sampling
// on one thread, and drawing the same grid and lines with QPainter into an image (each sample's
// pixels computed once, each curve in one drawLines call). Interleaved rounds; medians and
// spreads are printed.
// Runs on Qt's offscreen platform unless another one is chosen.
#include "interleaved.h"

#include "core/workspace.h"
#include "dsp/samplebuffer.h"
#include "dsp/sampling.h"
#include "expr/parser.h"
#include "expr/mathnode.h"
#include "ui/generatedialog.h"
#include "ui/namecorrection.h"
#include "ui/plotbitmap.h"
#include "ui/previewworker.h"
#include "ui/samplingworker.h"
#include "ui/spinedit.h"

#include <QApplication>
#include <QLine>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int kCount = 65536;

// A different text on every call, so that every change is a real change.
std::string expression(bool complex, int k)
{
    return complex ? "exp(i*x*pi*2*" + std::to_string(k % 50 + 1) + ")*(1+x)"
                   : "sin(x*pi*2*" + std::to_string(k % 50 + 1) + ")*(1+x)";
}

// The dialog with a formula of 65536 samples, its preview drawn, every run settled.
class cycle {
public:
    explicit cycle(bool complex) : complex_(complex)
    {
        dialog_.preset(QStringLiteral("b"), QString::fromStdString(expression(complex, 0)));
        dialog_.findChild<SpinEdit*>(QStringLiteral("SpinEdit1"))->setText(QString::number(kCount));
        dialog_.show();
        settle();
    }
    ~cycle() { dialog_.done(resultCode(dialogAnswer::cancel)); }

    // One change of the expression, up to the end of its preview pass.
    void change()
    {
        expression_->setText(QString::fromStdString(expression(complex_, k_++)));
        settle();
    }

private:
    // OK comes on once the change's run has been handed to the preview.
    void settle()
    {
        while (!ok_->isEnabled() || plotter_.busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    bool complex_;
    int k_ = 1;
    tworkspace workspace_;
    SamplingWorker sampler_;
    QImage bitmap_ = makePlotBitmap();
    PreviewPlotter plotter_{bitmap_};
    NameCorrectionDialog nameCorrection_{workspace_, nullptr};
    GenerateDialog dialog_{{.workspace = workspace_, .sampler = sampler_, .nameCorrection = nameCorrection_,
                            .preview = plotter_},
                           nullptr};
    // The expression field and OK, found by the names the program's texts give them.
    QLineEdit* expression_ = dialog_.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    QPushButton* ok_ = dialog_.findChild<QPushButton*>(QStringLiteral("Button2"));
};

// Parsing and sampling on the calling thread.
void parseAndSample(bool complex, int k, sampleBuffer& buffer)
{
    tworkspace workspace;
    std::atomic<int> progress{0};
    parsedExpression parsed = parseExpression(expression(complex, k), workspace);
    runSampling(*parsed.root, kCount, buffer, progress);
}

int pixel(extended v)
{
    return std::isfinite(v) ? static_cast<int>(std::lrint(v)) : 0; // ties to even, as the program rounds
}

// The picture the plotter draws (real: white curve; complex: polar modulus and phase), painted
// in one go by one QPainter, each curve's lines in one drawLines call.
void drawDirectly(const sampleBuffer& buffer, bool complex, QImage& image)
{
    drawEmptyPreviewGrid(image);
    extended peak = 1e-10L;
    for (int i = 0; i < buffer.count; ++i) {
        const complexValue& z = buffer.values[i];
        peak = std::max(peak, std::sqrt(z.re * z.re + z.im * z.im));
    }
    const extended yscale = 142.5L / peak;
    const extended xstep = 384.0L / (buffer.count - 1);
    // Each sample's pixels are computed once: the end of one line is the start of the next.
    struct point {
        int x, first, second;
    };
    const auto pointAt = [&](int i) -> point {
        const complexValue& z = buffer.values[i];
        if (complex)
            return {pixel(i * xstep), pixel(144 - yscale * std::sqrt(z.re * z.re + z.im * z.im)),
                    pixel(144 - 40 * std::atan2(z.im, z.re))};
        return {pixel(i * xstep), pixel(144 - yscale * z.re), 0};
    };
    std::vector<QLine> first;
    std::vector<QLine> second;
    point a = pointAt(0);
    for (int i = 1; i < buffer.count; ++i) {
        const point b = pointAt(i);
        first.emplace_back(a.x, a.first, b.x, b.first);
        if (complex)
            second.emplace_back(a.x, a.second, b.x, b.second);
        a = b;
    }
    QPainter painter(&image);
    painter.setPen(complex ? QColor(0, 0, 255) : QColor(255, 255, 255));
    painter.drawLines(first.data(), static_cast<int>(first.size()));
    painter.setPen(QColor(255, 0, 0));
    painter.drawLines(second.data(), static_cast<int>(second.size()));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = interleaved::roundsFrom(argc, argv, 7);
    for (const bool complex : {false, true}) {
        const std::string kind = complex ? "complex" : "real";
        cycle dialog(complex);
        sampleBuffer sampled;
        parseAndSample(complex, 1, sampled);
        QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
        int k = 1;
        interleaved::rounds r;
        r.add("cycle " + kind, [&dialog] { dialog.change(); });
        sampleBuffer buffer;
        r.add("parse+sample " + kind, [complex, &k, &buffer] { parseAndSample(complex, k++, buffer); });
        r.add("QPainter " + kind, [&] { drawDirectly(sampled, complex, image); });
        r.run(rounds);
        std::printf("preview cycle %s, N=%d\n", kind.c_str(), kCount);
        r.printTimes();
        r.printRatio(("cycle / (parse+sample + QPainter), " + kind + " (aim <= 2)").c_str(),
                     "cycle " + kind, {"parse+sample " + kind, "QPainter " + kind});
    }
    return 0;
}
