// screenshots: draws the program's main windows as a user sees them and writes each to a PNG file,
// for the README, or the two pictures of the help pages. It makes a few variables through the
// generation dialog, exactly as OK does, lets every drawing worker finish, and grabs the client
// area of each window. The fonts are the display's, so run it on a real X display (xvfb-run is
// enough), not on the offscreen platform.
#include "core/workspace.h"
#include "tools/helppictures.h"
#include "ui/bitmapview.h"
#include "ui/dialogresult.h"
#include "ui/graphwindow.h"
#include "ui/inversezwindow.h"
#include "ui/language.h"
#include "ui/processingdialog.h"
#include "ui/radiogroup.h"
#include "ui/striplist.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>
#include <QWheelEvent>

#include <cstring>

namespace {

using namespace shooting;

bool graphDrawn(GraphWindow& graph)
{
    return waitUntil([&] { return !graph.drawing(); });
}

// The mouse over the plot at x, so that the cursor readout shows its lines.
void pointAt(GraphWindow& graph, int x)
{
    const QPointF at(x, 100);
    QWidget* plot = control<BitmapView>(graph, "tBmpLnk1");
    QMouseEvent move(QEvent::MouseMove, at, plot->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    QCoreApplication::processEvents();
}

} // namespace

// Usage:
//   screenshots [FOLDER]                   the README's pictures (default: docs/), in Romanian,
//                                          and the spectrum once more in English
//   screenshots --help-pictures [FOLDER]   the help pages' two pictures in the language the
//                                          program would start in (KELMO_LANG=ro|en forces one);
//                                          default: resources/, or resources/en/ for English
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyProgramFont();
    const bool helpPictures = argc > 1 && std::strcmp(argv[1], "--help-pictures") == 0;
    const int folderArgument = helpPictures ? 2 : 1;
    LanguageSwitch languages;
    if (helpPictures && !languages.install(startLanguage())) {
        std::fprintf(stderr, "screenshots: the translation cannot be loaded\n");
        return 1;
    }
    QString folder = QStringLiteral(KELMO_DOCS_DIR);
    if (helpPictures)
        folder = QStringLiteral(KELMO_RESOURCES_DIR) +
                 (languages.current() == interfaceLanguage::english ? QStringLiteral("/en") : QString());
    if (argc > folderArgument)
        folder = QString::fromLocal8Bit(argv[folderArgument]);
    QDir().mkpath(folder);
    shooter shots(folder);

    mainWindowSetup setup;
    setup.languages = &languages;
    MainWindow main(setup);
    main.show();
    if (helpPictures) {
        drawHelpPictures(main, shots);
        main.closeWithoutAsking();
        return shots.failed() ? 1 : 0;
    }

    struct recipe {
        const char* name;
        const char* formula;
        int count;
    };
    static const recipe recipes[] = {
        {"signal", "sin(x*pi*50+4*sin(x*17))", 256},
        {"pulse", "exp(-x*8)*hanning(x)", 64},
        {"spiral", "exp(i*x*pi*6)*(1+x*2)", 128},
        {"noisy", "sin(x*pi*4)+nnoise*0.2", 512},
    };
    GenerateDialog& generation = windowOf<GenerateDialog>(main);
    const PreviewPlotter& preview = *main.findChild<PreviewPlotter*>();
    for (const recipe& r : recipes) {
        if (!showGeneration(generation, preview, QString::fromLatin1(r.name), QString::fromLatin1(r.formula), r.count))
            shots.fail("the generation dialog did not finish its preview");
        control<QPushButton>(generation, "Button2")->click();
    }
    const StripList& strips = *main.findChild<StripList*>();
    if (!waitUntil([&] { return strips.thumbnailsDrawing() == 0; }))
        shots.fail("the thumbnails did not finish");
    shots.take(main, "main-window.png");

    // A real chirp: the dialog keeps Complex from the spiral, so switch back as a user would.
    control<RadioGroup>(generation, "RadioGroup1")->button(0)->click();
    if (!showGeneration(generation, preview, QStringLiteral("chirp"), QStringLiteral("sin(x*x*pi*60)*bartlett(x)"), 512))
        shots.fail("the generation dialog did not finish its preview");
    shots.take(generation, "generation-dialog.png");
    generation.done(resultCode(dialogAnswer::cancel));

    GraphWindow& graph = windowOf<GraphWindow>(main);
    graph.setCurrentVariable(main.workspace().findVariable("spiral"));
    graph.show();
    QToolButton* polar = control<QToolButton>(graph, "SpeedButton3");
    if (!polar->isChecked())
        polar->click();
    if (!graphDrawn(graph))
        shots.fail("the polar graph did not finish");
    pointAt(graph, 150);
    shots.take(graph, "graph-polar.png");
    polar->click();
    if (!graphDrawn(graph))
        shots.fail("the cartesian graph did not finish");
    pointAt(graph, 250);
    shots.take(graph, "graph-cartesian.png");
    graph.done(0);

    // A lab exercise: two sines at 1024 Hz, transformed, read as a spectrum in Hz and dB with
    // the cursor on the first peak.
    if (!showGeneration(generation, preview, QStringLiteral("tone"),
                        QStringLiteral("sin(x*pi*2*50)+0.5*sin(x*pi*2*120)"), 1024))
        shots.fail("the generation dialog did not finish its preview");
    control<QPushButton>(generation, "Button2")->click();
    const tdspvarPtr tone = main.workspace().findVariable("tone");
    main.workspace().setInfo(tone, {tone->description(), 1024});
    ProcessingDialog& processing = windowOf<ProcessingDialog>(main);
    processing.setCurrentVariable(tone);
    processing.setProcessingType(processingType::fourier);
    processing.show();
    control<RadioGroup>(processing, "RadioGroup1")->button(1)->click();
    waitUntil([&] { return !preview.busy(); });
    control<QPushButton>(processing, "Button1")->click();
    graph.setCurrentVariable(main.workspace().findVariable("tone_fourier"));
    graph.show();
    graph.resize(720, 420);
    QAction* oneSided = graph.findChild<QAction*>(QStringLiteral("SpectrumOneSided1"));
    oneSided->trigger();
    if (!graphDrawn(graph))
        shots.fail("the spectrum did not finish");
    QWidget* plotView = control<BitmapView>(graph, "tBmpLnk1");
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier);
    QApplication::sendEvent(plotView, &right);
    graphDrawn(graph);
    shots.take(graph, "graph-spectrum.png");
    // The same window in English, for the README's language section.
    if (languages.install(interfaceLanguage::english)) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); // the plot starts again
        graphDrawn(graph);
        shots.take(graph, "graph-spectrum-en.png");
        languages.install(interfaceLanguage::romanian);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        graphDrawn(graph);
    } else {
        shots.fail("the English translation cannot be loaded");
    }

    // A long sweep zoomed in by the wheel around a point: its shape column by column.
    graph.done(0);
    if (!showGeneration(generation, preview, QStringLiteral("sweep"),
                        QStringLiteral("sin(x*x*pi*3000)*hanning(x)+nnoise*0.05"), 65536))
        shots.fail("the generation dialog did not finish its preview");
    control<QPushButton>(generation, "Button2")->click();
    control<QToolButton>(graph, "SpeedButton4")->click(); // back to the classic views
    graph.setCurrentVariable(main.workspace().findVariable("sweep"));
    graph.show();
    graph.resize(720, 420);
    QWheelEvent wheel(QPointF(200, 150), plotView->mapToGlobal(QPointF(200, 150)), QPoint(), QPoint(0, 120 * 22),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plotView, &wheel);
    if (!graphDrawn(graph))
        shots.fail("the zoomed graph did not finish");
    pointAt(graph, 200);
    shots.take(graph, "graph-zoomed.png");
    graph.done(0);

    // The processing dialog previewing the spectrum of the first variable into a new variable.
    processing.setCurrentVariable(main.workspace().findVariable("signal"));
    processing.setProcessingType(processingType::fourier);
    processing.show();
    control<RadioGroup>(processing, "RadioGroup1")->button(1)->click();
    if (!waitUntil([&] { return !preview.busy(); }))
        shots.fail("the processing preview did not finish");
    shots.take(processing, "processing-dialog.png");
    processing.done(resultCode(dialogAnswer::cancel));

    // The inverse Z window with its panel: a resonator with a double zero at -1, its poles,
    // zeros and response as they are typed.
    InverseZWindow& inverseZ = windowOf<InverseZWindow>(main);
    inverseZ.show();
    control<QLineEdit>(inverseZ, "Edit1")->setText(QStringLiteral("1, 2, 1"));
    control<QLineEdit>(inverseZ, "Edit2")->setText(QStringLiteral("0.81, -1.2, 1"));
    inverseZ.setPanelOpen(true);
    control<QLineEdit>(inverseZ, "RateEdit")->setText(QStringLiteral("8000"));
    waitUntil([] { return true; });
    shots.take(inverseZ, "inverse-z-system.png");
    inverseZ.setPanelOpen(false);
    inverseZ.done(0);

    main.closeWithoutAsking();
    return shots.failed() ? 1 : 0;
}
