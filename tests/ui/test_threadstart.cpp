// A worker thread that cannot be made (a process limit, no memory for its stack): every place
// that starts one says so in the error box, runs nothing on the GUI thread and freezes nothing,
// and the program goes on with its variables as they were; once threads can be had again, the
// same commands work.
#include "mainwindow_fixture.h"

#include "dsp/operations.h"
#include "ui/generatedialog.h"
#include "ui/graphwindow.h"
#include "ui/processingdialog.h"

#include <QMessageBox>

#include <cerrno>

namespace {

using uitest::waitUntil;

// Writes down the text of every message box that comes up and closes it.
class errorBoxes : public QObject {
public:
    errorBoxes() { qApp->installEventFilter(this); }
    ~errorBoxes() override { qApp->removeEventFilter(this); }
    QStringList texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show) {
            texts.append(box->text());
            QTimer::singleShot(0, box, [box] { box->close(); });
        }
        return QObject::eventFilter(watched, event);
    }
};

class ThreadStartTest : public uitest::MainWindowTest {
protected:
    ThreadStartTest()
    {
        setup.startThread = [this](pthread_t* thread, const pthread_attr_t* attributes,
                                   void* (*entry)(void*), void* argument) {
            return refuse ? EAGAIN : pthread_create(thread, attributes, entry, argument);
        };
    }
    std::atomic<bool> refuse{true};
};

// The names and samples of every variable.
std::vector<std::pair<std::string, std::vector<extended>>> contents(const tworkspace& w)
{
    std::vector<std::pair<std::string, std::vector<extended>>> out;
    for (const tdspvarPtr& v : w.variables())
        out.emplace_back(v->name(), v->real());
    return out;
}

} // namespace

TEST_F(ThreadStartTest, EveryPlaceReportsItAndTheProgramGoesOn)
{
    errorBoxes boxes;
    auto& generation = window<GenerateDialog>();
    auto& processing = window<ProcessingDialog>();
    auto& graph = window<GraphWindow>();
    const tdspvarPtr a = addVariable("A", {1, 2, 3});
    generation.preset(QStringLiteral("g"), QStringLiteral("x"));
    processing.setProcessingType(processingType::fourier);
    processing.setCurrentVariable(a);
    graph.setCurrentVariable(a);
    // The thumbnail of a new variable, and the windows whose showing starts a thread.
    const std::pair<const char*, QDialog*> places[] = {
        {"thumbnails", nullptr}, {"sampling run", &generation}, {"preview", &processing}, {"graph", &graph}};
    for (const auto& [what, shownWindow] : places) {
        const auto before = contents(workspace());
        const qsizetype shown = boxes.texts.size();
        if (shownWindow)
            shownWindow->show();
        else
            addVariable("B", {4, 5});
        ASSERT_TRUE(waitUntil([&] { return boxes.texts.size() > shown; }, 5000)) << what;
        EXPECT_EQ(boxes.texts.back(), QStringLiteral("Not enough memory to start a thread")) << what;
        if (shownWindow) {
            EXPECT_FALSE(uitest::controls::Button2(generation)->isEnabled()) << what; // no run, no OK
            shownWindow->close();
            EXPECT_EQ(contents(workspace()), before) << what;
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes.texts.size(), shown + 1) << what << ": said once";
    }

    // Threads can be had again: a new variable is generated, previewed and drawn.
    refuse = false;
    uitest::whenModal([&](QWidget* modal) {
        ASSERT_EQ(modal, &generation);
        auto* ok = uitest::controls::Button2(generation);
        ASSERT_TRUE(waitUntil([&] { return ok->isEnabled(); }));
        ok->click();
    });
    uitest::child<QAction>(*mainWindow, "Functie1")->trigger(); // Genereaza > Functie, as Ins does
    const tdspvarPtr made = workspace().findVariable("NAME");
    ASSERT_TRUE(made);
    ASSERT_TRUE(waitForThumbnails());
    EXPECT_EQ(stripOf(made)->thumbnail().pixel(0, 14), qRgb(255, 255, 255)); // sin 0 on the middle line
    EXPECT_EQ(contents(workspace()).size(), 3u);
    EXPECT_EQ(boxes.texts.size(), 4);
}
