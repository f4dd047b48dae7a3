// Shared pieces of the GUI tests: a main window per test, variables filled as a creator fills
// them, waiting for the thumbnail workers, and acting inside a modal dialog's exec().
#pragma once

#include "ui/mainwindow.h"
#include "ui/thumbnailworker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>

namespace uitest {

// Runs `action` with the dialog that is modal once the next command has opened it (nullptr when
// none did), then closes that dialog unless the action already did.
inline void whenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        action(modal);
        if (modal && modal->isVisible())
            modal->close();
    });
}

// Processes events until `done` holds or the time runs out; returns whether it held.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

inline bool waitForThumbnails(int milliseconds = 20000)
{
    return waitUntil([] { return ThumbnailWorker::runningCount() == 0; }, milliseconds);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<MainWindow>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override { form.reset(); }

    tworkspace& workspace() { return form->workspace(); }

    // Creates a variable as the creators do: name, samples, description, peak, then the thumbnail.
    tdspvarPtr addVariable(const std::string& name, std::initializer_list<extended> re = {1, 2, 3},
                           std::initializer_list<extended> im = {})
    {
        tdspvarPtr v = workspace().createVariable(name);
        v->isComplex = im.size() > 0;
        v->re.assign(re);
        v->im.assign(im);
        v->description = "made by a test";
        v->computeDisplayPeak();
        workspace().samplesChanged(v);
        return v;
    }

    std::unique_ptr<MainWindow> form;
};

} // namespace uitest
