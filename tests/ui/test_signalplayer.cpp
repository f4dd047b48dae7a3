// Hearing a variable: the samples it plays, and on a machine with no audio output (as the test
// machines are) the message that says so, without a hang.
#include "mainwindow_fixture.h"

#include "ui/signalplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>

#include <cmath>
#include <cstdint>
#include <limits>

using uitest::child;
using uitest::whenModal;

namespace {

std::vector<std::int16_t> pcm(const tdspvar& v)
{
    const QByteArray bytes = SignalPlayer::pcmSamples(v);
    const auto* s = reinterpret_cast<const std::int16_t*>(bytes.constData());
    return {s, s + bytes.size() / 2};
}

class SignalPlayerTest : public uitest::MainWindowTest {
protected:
    // The message box that choosing "Asculta" on `v` opens, or an empty text.
    QString listenTo(const tdspvarPtr& v)
    {
        strips().setCurrent(v);
        QString box;
        whenModal([&](QWidget* modal) {
            if (auto* m = qobject_cast<QMessageBox*>(modal))
                box = m->text();
        });
        child<QAction>(*mainWindow, "Asculta1")->trigger();
        QCoreApplication::processEvents(); // a timer still waiting when no box opened
        return box;
    }
};

} // namespace

TEST(SignalPlayer, PlaysTheRealPartScaledToItsPeak)
{
    const extended nan = std::numeric_limits<extended>::quiet_NaN();
    const extended inf = std::numeric_limits<extended>::infinity();
    struct row {
        const char* what;
        tdspvar variable;
        std::vector<std::int16_t> want;
    };
    const row rows[] = {
        {"real", tdspvar("A", signalSamples::real({0.5L, -1, 0.25L})), {16384, -32767, 8192}},
        {"complex", tdspvar("C", signalSamples::complex({0, 2}, {100, 0})), {0, 32767}},
        {"not finite", tdspvar("N", signalSamples::real({nan, -4, inf, 2})), {0, -32767, 0, 16384}},
        {"silent", tdspvar("Z", signalSamples::real({0, 0})), {0, 0}},
        {"empty", tdspvar("E", signalSamples::real({})), {}},
    };
    for (const row& r : rows)
        EXPECT_EQ(pcm(r.variable), r.want) << r.what;
    EXPECT_EQ(SignalPlayer::playbackRate(rows[0].variable), 8000);
}

TEST_F(SignalPlayerTest, SaysWhyNothingPlays)
{
    const tdspvarPtr fast = workspace().add("FAST", signalSamples::real({1, 0}), {.description = {}, .sampleRate = 1e9});
    EXPECT_EQ(listenTo(fast), QStringLiteral("Frecventa de esantionare 1e+09 Hz nu poate fi redata "
                                             "(se pot reda 1 ... 384000 Hz)."));
    if (!QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "this machine has an audio output";
    EXPECT_EQ(listenTo(addVariable("A")),
              QStringLiteral("Nu exista niciun dispozitiv audio : variabila nu poate fi ascultata."));
    EXPECT_EQ(child<QAction>(*mainWindow, "Asculta1")->text(), QStringLiteral("Asculta"));
}
