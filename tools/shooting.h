// What the picture tools share: waiting while the event loop runs, finding a control by the name
// the program's texts give it, writing pictures to a folder, and the generation dialog shown with
// a formula as a user would type it. The pictures need the display's fonts, so the tools run on a
// real X display (xvfb-run is enough), not on the offscreen platform.
#pragma once

#include "ui/generatedialog.h"
#include "ui/mainwindow.h"
#include "ui/previewworker.h"
#include "ui/spinedit.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>

#include <cstdio>
#include <functional>
#include <utility>

namespace shooting {

constexpr int kWaitMs = 30000;

inline bool waitUntil(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > kWaitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    // A last round so that the final repaints land.
    QCoreApplication::processEvents();
    return true;
}

// The control that carries `name` (the name the program's texts give it) in `window`.
template <class T>
T* control(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

// The main window's window of type T.
template <class T>
T& windowOf(const MainWindow& main)
{
    return *main.findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
}

// Writes pictures into one folder, printing each path, and remembers whether anything failed.
class shooter {
public:
    explicit shooter(QString folder) : folder_(std::move(folder)) {}

    void save(const QImage& picture, const char* file)
    {
        const QString path = QDir(folder_).filePath(QString::fromLatin1(file));
        if (picture.isNull() || !picture.save(path, "PNG")) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
            failed_ = true;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
    void take(QWidget& window, const char* file) { save(window.grab().toImage(), file); }
    void fail(const char* what)
    {
        std::fprintf(stderr, "screenshots: %s\n", what);
        failed_ = true;
    }
    bool failed() const { return failed_; }

private:
    QString folder_;
    bool failed_ = false;
};

// The generation dialog shown with a formula, its preview drawn and OK enabled.
inline bool showGeneration(GenerateDialog& dialog, const PreviewPlotter& preview, const QString& name,
                           const QString& formula, int count)
{
    dialog.preset(name, formula);
    control<SpinEdit>(dialog, "SpinEdit1")->setText(QString::number(count));
    dialog.show();
    const QPushButton* ok = control<QPushButton>(dialog, "Button2");
    return waitUntil([&] { return ok->isEnabled() && !preview.busy(); });
}

// A new variable made through the generation dialog, exactly as OK makes it.
inline void generate(MainWindow& main, shooter& shots, const char* name, const char* formula, int count)
{
    GenerateDialog& dialog = windowOf<GenerateDialog>(main);
    if (!showGeneration(dialog, *main.findChild<PreviewPlotter*>(), QString::fromLatin1(name),
                        QString::fromLatin1(formula), count))
        shots.fail("the generation dialog did not finish its preview");
    control<QPushButton>(dialog, "Button2")->click();
}

} // namespace shooting
