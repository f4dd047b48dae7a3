#include "ui/application.h"

#include "ui/showntexts.h"

#include <QMessageBox>
#include <QThread>

#include <new>

namespace {

constexpr const char* kProgramCaption = "Kelmo";

} // namespace

QString commandErrorText(const std::exception* error)
{
    if (dynamic_cast<const std::bad_alloc*>(error) != nullptr)
        return KelmoApplication::tr("Not enough memory");
    if (error == nullptr || *error->what() == '\0')
        return KelmoApplication::tr("Unexpected error");
    // The program's own exceptions carry a marked text: this class's, or one of the GUI-free
    // folders'. Anything else (a library's message) is shown as it is.
    const QString own = KelmoApplication::tr(error->what());
    if (own != QString::fromUtf8(error->what()))
        return own;
    return shownText(error->what());
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
