// The ground of the GUI tests that need the whole program: a main window per test, its windows
// found by type, variables filled as a creator fills them, and waiting for the thumbnail workers.
#pragma once

#include "controls.h"

#include "ui/mainwindow.h"
#include "ui/previewworker.h"
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

// The main window's column of strips, with the marks, the current variable and the thumbnails.
inline StripList& stripsOf(const MainWindow& main)
{
    return *main.findChild<StripList*>();
}

inline bool waitForThumbnails(const MainWindow& main, int milliseconds = 20000)
{
    return waitUntil([&] { return stripsOf(main).thumbnailsDrawing() == 0; }, milliseconds);
}


class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mainWindow = std::make_unique<MainWindow>(setup);
        mainWindow->show();
        mainWindow->activateWindow();
        ASSERT_TRUE(uitest::windowActive(mainWindow.get()));
    }
    void TearDown() override { mainWindow.reset(); }

    tworkspace& workspace() { return mainWindow->workspace(); }
    template <class T>
    T& window() { return windowOf<T>(*mainWindow); }
    QMenu* popupMenu() { return child<QMenu>(*mainWindow, "PopupMenu1"); }
    QMenu* variabilaMenu() { return child<QAction>(*mainWindow, "Variabila1")->menu(); }
    // The column of strips, with the marks and the current variable.
    StripList& strips() { return stripsOf(*mainWindow); }
    // The preview plotter of the generation and processing dialogs.
    PreviewPlotter& preview() { return *mainWindow->findChild<PreviewPlotter*>(); }
    // The file dialogs, made on first use.
    FileDialogs& fileDialogs() { return *mainWindow->findChild<FileDialogs*>(); }
    bool waitForThumbnails(int milliseconds = 20000)
    {
        return uitest::waitForThumbnails(*mainWindow, milliseconds);
    }
    VariableStrip* stripOf(const tdspvarPtr& v) { return strips().stripOf(*v); }

    // Adds a variable as the creators do, with its samples and a description.
    tdspvarPtr addVariable(const std::string& name, std::initializer_list<extended> re = {1, 2, 3},
                           std::initializer_list<extended> im = {})
    {
        signalSamples samples = im.size() > 0 ? signalSamples::complex(re, im) : signalSamples::real(re);
        return workspace().add(name, std::move(samples), {.description = "made by a test"});
    }

    // How the main window is made: with Qt's own file dialogs, whose widgets the tests drive;
    // a fixture may choose how it makes its threads and answer file questions itself.
    mainWindowSetup setup{.startThread = {}, .builtInFileDialogs = true, .answerFile = {}};
    std::unique_ptr<MainWindow> mainWindow;
};

} // namespace uitest
