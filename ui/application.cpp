#include "ui/application.h"

#include <QMessageBox>
#include <QThread>

#include <new>

namespace {

constexpr const char* kProgramCaption = "Kelmo";

} // namespace

QString commandErrorText(const std::exception* error)
{
    if (dynamic_cast<const std::bad_alloc*>(error) != nullptr)
        return QStringLiteral("Not enough memory");
    if (error != nullptr && *error->what() != '\0')
        return QString::fromLocal8Bit(error->what());
    return QStringLiteral("Unexpected error");
}

void showCommandError(const std::exception* error)
{
    QWidget* over = QApplication::activeModalWidget();
    if (!over)
        over = QApplication::activeWindow();
    QMessageBox::critical(over, QString::fromLatin1(kProgramCaption), commandErrorText(error));
}

bool runGuarded(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        showCommandError(&error);
    } catch (...) {
        showCommandError(nullptr);
    }
    return false;
}

bool KelmoApplication::notify(QObject* receiver, QEvent* event)
{
    // Only the GUI thread shows a box; Qt's own threads deliver nothing of ours.
    if (QThread::currentThread() != thread())
        return QApplication::notify(receiver, event);
    bool handled = false;
    runGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
