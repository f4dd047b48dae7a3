// What every GUI test shares: waiting while the event loop runs, acting inside a modal dialog's
// exec(), opening and closing a dialog around a few actions, finding a control by the name the
// program gives it, and samples made from a formula.
#pragma once

#include "core/variable.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace uitest {

// Processes events (deferred deletions included) until `done` holds or the time runs out;
// returns whether it held.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 60000)
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

// Waits until `window` has the keyboard, or is shown on the screen.
inline bool windowActive(const QWidget* window)
{
    return waitUntil([window] { return window->isActiveWindow(); }, 5000);
}
inline bool windowExposed(const QWidget* window)
{
    return waitUntil([window] { return window->windowHandle() && window->windowHandle()->isExposed(); }, 5000);
}

// Processes the pending events one round at a time, never waiting, until `done` holds; returns
// whether it held. A drawing worker then runs only a few batches ahead of what the GUI thread
// has painted when `done` is first seen, so a test can act in the middle of a pass.
inline bool stepUntil(const std::function<bool()>& done, int milliseconds = 60000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

// `count` real samples, sample i being f(i).
inline signalSamples realSamples(int count, const std::function<extended(int)>& f)
{
    signalSamples samples;
    for (int i = 0; i < count; ++i)
        samples.re.push_back(f(i));
    return samples;
}

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

// Shows `dialog` modally, runs `whileOpen` inside it and closes it.
inline void openAndClose(QDialog& dialog, const std::function<void()>& whileOpen = {})
{
    QTimer::singleShot(0, &dialog, [&dialog, whileOpen] {
        if (whileOpen)
            whileOpen();
        dialog.close();
    });
    dialog.exec();
}

// The child of `parent` that carries `name` (Edit1, ComboBox2, TForm5 ...), of type T.
template <class T>
T* child(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace uitest
