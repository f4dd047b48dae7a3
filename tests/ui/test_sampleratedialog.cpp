// The strips' sample rate command: its dialog refuses what no variable may carry and says so,
// sets a valid rate, and an empty field clears it; the description stays.
#include "mainwindow_fixture.h"

#include "ui/sampleratedialog.h"

#include <QStatusBar>

using namespace uitest;
using namespace uitest::controls;

namespace {

class SampleRateCommandTest : public MainWindowTest {};

} // namespace

TEST_F(SampleRateCommandTest, SetsRefusesAndClearsTheRate)
{
    addVariable("A");
    const tdspvarPtr b = addVariable("B");
    strips().setCurrent(b);
    const auto run = [&](const QString& typed) {
        QString message = QStringLiteral("not shown");
        QString shown;
        whenModal([&](QWidget* modal) {
            ASSERT_NE(modal, nullptr);
            EXPECT_EQ(modal->windowTitle(), QStringLiteral("Frecventa de esantionare"));
            shown = Edit1(*modal)->text();
            Edit1(*modal)->setText(typed);
            Button1(*modal)->click();
            message = modal->isVisible() ? Label2(*modal)->text() : QString();
        });
        child<QAction>(*mainWindow, "FrecventaEsantionare1")->trigger();
        return std::pair{shown, message};
    };
    struct step {
        const char* typed;
        bool refused;
        double rate;        // the variable's rate afterwards
        const char* shown;  // what the field showed on opening
    };
    const step steps[] = {
        {"44100", false, 44100, ""}, {"0", true, 44100, "44100"}, {"-8000", true, 44100, "44100"},
        {"nan", true, 44100, "44100"}, {"2e9", true, 44100, "44100"}, {"8000,5", true, 44100, "44100"},
        {" 8000.5 ", false, 8000.5, "44100"}, {"", false, 0, "8000.5"},
    };
    for (const step& s : steps) {
        const auto [shown, message] = run(QString::fromLatin1(s.typed));
        EXPECT_EQ(shown, QString::fromLatin1(s.shown)) << s.typed;
        EXPECT_EQ(message.isEmpty(), !s.refused) << s.typed;
        EXPECT_EQ(b->sampleRate(), s.rate) << s.typed;
        EXPECT_EQ(b->description(), "made by a test");
    }
    EXPECT_EQ(workspace().variables().front()->sampleRate(), 0); // only the current variable
}
