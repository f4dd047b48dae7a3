// Texts that the graph and the system windows set from their state (the readout, a refusal, the
// stability note, a design's message) follow a change of language while the windows are open,
// and come back byte for byte in Romanian.
#include "controls.h"

#include "core/workspace.h"
#include "ui/filterdesigndialog.h"
#include "ui/graphwindow.h"
#include "ui/language.h"
#include "ui/namecorrection.h"
#include "ui/plotbitmap.h"
#include "ui/sampleratedialog.h"
#include "ui/systemview.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace uitest::controls;
using uitest::child;

TEST(WindowLanguage, StateTextsFollowTheLanguage)
{
    tworkspace workspace;
    const tdspvarPtr v = workspace.add("V", uitest::realSamples(64, [](int i) -> extended { return i; }));
    QImage bitmap = makePlotBitmap();
    GraphWindow graph{{.workspace = workspace, .plotBitmap = bitmap, .startThread = {}}, nullptr};
    graph.setCurrentVariable(v);
    graph.show();
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 100), QPointF(50, 100), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(tBmpLnk1(graph), &move);

    SampleRateDialog rate(workspace, nullptr);
    rate.setVariable(v);
    Edit1(rate)->setText(QStringLiteral("0"));
    rate.accept(); // refused: the dialog says why

    SystemView view(100);
    view.setSystem(transferFunction{{1}, {1, -2}}, 0); // a pole at 2

    NameCorrectionDialog correction(workspace, nullptr);
    const QStringList windowNames{"Dirichlet", "Bartlett", "Hamming", "Hanning", "Blackman"};
    FilterDesignDialog design({.workspace = workspace, .nameCorrection = correction, .windowNames = windowNames},
                              nullptr);
    design.show();
    child<QLineEdit>(design, "CutoffEdit")->setText(QStringLiteral("x"));

    struct stateText {
        const char* what;
        std::function<QString()> text;
        const char* romanian; // how the text starts
        const char* english;
    };
    const stateText texts[] = {
        {"readout", [&] { return Memo1(graph)->toPlainText(); }, "Pozitie 1 :", "Position 1: "},
        {"prompt", [&] { return Label1(rate)->text(); }, "&Frecventa variabilei v [Hz]", "&Sample rate of v [Hz]"},
        {"refusal", [&] { return Label2(rate)->text(); }, "Frecventa trebuie", "The rate must"},
        {"note", [&] { return view.note(); }, "Sistemul este instabil : ", "The system is unstable: "},
        {"design", [&] { return child<QLabel>(design, "MessageLabel")->text(); }, "Frecventa de taiere nu",
         "The cutoff frequency is not"},
    };
    LanguageSwitch language;
    for (const interfaceLanguage shown : {interfaceLanguage::english, interfaceLanguage::romanian}) {
        ASSERT_TRUE(language.install(shown));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        for (const stateText& t : texts) {
            const char* expected = shown == interfaceLanguage::english ? t.english : t.romanian;
            EXPECT_TRUE(t.text().startsWith(QString::fromLatin1(expected))) << t.what << ": " << t.text().toStdString();
        }
    }
    graph.close();
    uitest::waitUntil([&] { return !graph.drawing(); });
}
