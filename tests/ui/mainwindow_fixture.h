// The ground of the GUI tests that need the whole program: a main window per test, its windows
// found by type, variables filled as a creator fills them, and waiting for the thumbnail workers.
#pragma once

#include "uitest.h"

#include "ui/mainwindow.h"
#include "ui/striplist.h"
#include "ui/thumbnailworker.h"
#include "ui/variablestrip.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace uitest {

// The window of type T (GenerateDialog, ProcessingDialog ...) that `main` made at its start.
template <class T>
T& windowOf(const MainWindow& main)
{
    T* window = main.findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_NE(window, nullptr);
    return *window;
}

inline bool waitForThumbnails(int milliseconds = 20000)
{
    return waitUntil([] { return ThumbnailWorker::runningCount() == 0; }, milliseconds);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mainWindow = std::make_unique<MainWindow>();
        mainWindow->show();
        mainWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    }
    void TearDown() override { mainWindow.reset(); }

    tworkspace& workspace() { return mainWindow->workspace(); }
    template <class T>
    T& window() { return windowOf<T>(*mainWindow); }
    QMenu* popupMenu() { return child<QMenu>(*mainWindow, "PopupMenu1"); }
    QMenu* variabilaMenu() { return child<QAction>(*mainWindow, "Variabila1")->menu(); }
    // The column of strips, with the marks and the current variable.
    StripList& strips() { return *mainWindow->findChild<StripList*>(); }
    VariableStrip* stripOf(const tdspvarPtr& v) { return strips().stripOf(*v); }

    // Adds a variable as the creators do, with its samples and a description.
    tdspvarPtr addVariable(const std::string& name, std::initializer_list<extended> re = {1, 2, 3},
                           std::initializer_list<extended> im = {})
    {
        signalSamples samples = im.size() > 0 ? signalSamples::complex(re, im) : signalSamples::real(re);
        return workspace().add(name, std::move(samples), {.description = "made by a test"});
    }

    std::unique_ptr<MainWindow> mainWindow;
};

} // namespace uitest
