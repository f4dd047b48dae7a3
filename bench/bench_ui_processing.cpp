// The processing dialog's change handler, which recomputes on the GUI thread at every change,
// against the bare computation it runs: the Fourier transform of 65535 samples (the resampling
// path) and of 65536 samples, and the convolution of two 32768-sample variables. The difference
// is what the handler adds: the default texts, the look-ups, the preview's stop and start (a new
// plotter worker each time, as after an idle preview). After every timed call of either kind the
// preview of the result is drawn to its end and its worker thread joined, untimed, so both start
// from the same state and no drawing competes with the measurement. Interleaved rounds; medians
// and spreads of the elapsed time and of the process's CPU time (the machine may be shared).
#include "interleaved.h"

#include "dsp/operations.h"
#include "ui/mainwindow.h"
#include "ui/processingdialog.h"
#include "ui/previewworker.h"
#include "ui/striplist.h"

#include <QApplication>
#include <QComboBox>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

MainWindow* mainWindow = nullptr;

tdspvarPtr makeVariable(const std::string& name, int count, int harmonic)
{
    signalSamples samples;
    for (int i = 0; i < count; ++i) {
        const extended x = static_cast<extended>(i) / count;
        samples.re.push_back(std::sin(2 * kPi * harmonic * x) + 0.25L * std::cos(2 * kPi * 7 * x));
    }
    return mainWindow->workspace().add(name, std::move(samples));
}

struct setup {
    processingType type;
    tdspvarPtr source;
    tdspvarPtr operand; // types 4, 5, 6, 8
};

std::map<std::string, setup>& setups()
{
    static std::map<std::string, setup> s;
    return s;
}

PreviewPlotter& preview()
{
    return *mainWindow->findChild<PreviewPlotter*>();
}

// Lets the running preview draw to its end and joins its worker thread.
void finishPreview()
{
    while (preview().busy())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    preview().shutdown();
}

// Opens the dialog on the case (it computes once on opening) and leaves its preview to finish.
ProcessingDialog* openOn(const setup& s)
{
    auto* dialog = mainWindow->findChild<ProcessingDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (dialog->isVisible())
        dialog->done(resultCode(dialogAnswer::cancel));
    dialog->setProcessingType(s.type);
    dialog->setCurrentVariable(s.source);
    dialog->show();
    if (s.operand)
        dialog->findChild<QComboBox*>(QStringLiteral("ComboBox2"))
            ->setCurrentIndex(mainWindow->workspace().indexOf(*s.operand));
    finishPreview();
    return dialog;
}

const char* const kCases[] = {"fourier65535", "fourier65536", "convolution2x32768"};

// The dialog's change handler on the case (the dialog open on it), and the computation it runs.
void addCase(interleaved::rounds& r, ProcessingDialog* dialog, const setup& s)
{
    r.add("handler", [dialog] { dialog->choicesChanged(); }, finishPreview);
    auto request = std::make_shared<processingRequest>();
    request->type = s.type;
    request->source = s.source.get();
    request->operand = s.operand.get();
    const auto samples = std::make_shared<sampleBuffer>();
    r.add("bare computation", [request, samples] { runProcessing(*request, *samples); },
          [samples] {
              preview().start(nullptr, samples);
              finishPreview();
          });
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyProgramFont();
    auto window = std::make_unique<MainWindow>();
    mainWindow = window.get();
    const tdspvarPtr odd = makeVariable("ODD", 65535, 100);
    const tdspvarPtr even = makeVariable("EVEN", 65536, 100);
    const tdspvarPtr c1 = makeVariable("C1", 32768, 3);
    const tdspvarPtr c2 = makeVariable("C2", 32768, 5);
    setups()["fourier65535"] = {processingType::fourier, odd, nullptr};
    setups()["fourier65536"] = {processingType::fourier, even, nullptr};
    setups()["convolution2x32768"] = {processingType::convolution, c1, c2};
    while (mainWindow->findChild<StripList*>()->thumbnailsDrawing() > 0) // drawn before the rounds
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

    const int rounds = interleaved::roundsFrom(argc, argv, 7);
    for (const char* key : kCases) {
        ProcessingDialog* dialog = openOn(setups().at(key));
        interleaved::rounds r;
        addCase(r, dialog, setups().at(key));
        r.run(rounds);
        std::printf("%s\n", key);
        r.printTimes();
        r.printRatio("change handler / bare computation (aim: below 1.10)", "handler", {"bare computation"});
        dialog->done(resultCode(dialogAnswer::cancel));
        finishPreview();
    }
    preview().shutdown();
    window.reset();
    return 0;
}
