// Shared ground of the file-command tests: a main window whose file dialogs answer from the test,
// a temporary folder, and a script that acts inside each modal dialog as it comes up (the
// selection dialog, the name-correction dialog, error boxes, the file dialogs), nested or one
// after another.
#pragma once

#include "mainwindow_fixture.h"

#include "ui/filedialogs.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>

#include <deque>
#include <string>

namespace uitest {

// Runs one action in each modal window shown while it lives, in order, once the window's own
// event loop runs; a window left open by its action is closed. Windows beyond the script are
// closed at once and counted in `unexpected`; at its end the script expects every action used.
class modalScript : public QObject {
public:
    using action = std::function<void(QWidget*)>;

    modalScript() : outer_(active())
    {
        active() = this;
        qApp->installEventFilter(this);
    }
    ~modalScript() override
    {
        qApp->removeEventFilter(this);
        active() = outer_;
        EXPECT_TRUE(actions_.empty()) << actions_.size() << " dialog(s) did not come up";
        EXPECT_EQ(unexpected, 0) << "dialog(s) came up that the script did not expect";
    }
    modalScript(const modalScript&) = delete;
    modalScript& operator=(const modalScript&) = delete;

    modalScript& then(action a)
    {
        actions_.push_back(std::move(a));
        return *this;
    }
    bool finished() const { return actions_.empty(); }

    int shown = 0;
    int unexpected = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (this == active() && event->type() == QEvent::Show && !event->spontaneous() &&
            watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && window->isModal()) {
                ++shown;
                action a;
                if (!actions_.empty()) {
                    a = std::move(actions_.front());
                    actions_.pop_front();
                } else {
                    ++unexpected;
                }
                QTimer::singleShot(0, window, [window = QPointer<QWidget>(window), a] {
                    if (window && a)
                        a(window);
                    if (window && window->isVisible())
                        window->close();
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Only the latest script alive acts; an earlier one waits until it is gone.
    static modalScript*& active()
    {
        static modalScript* script = nullptr;
        return script;
    }

    modalScript* outer_;
    std::deque<action> actions_;
};

// The text of an error box, or of any message box.
inline QString messageText(QWidget* modal)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    EXPECT_NE(box, nullptr);
    return box ? box->text() : QString();
}

// Types `name` into a file dialog's name field and presses its accept button.
inline void typeAndAccept(QWidget* modal, const QString& name)
{
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    // With the keyboard in the name field, as for a user: the view's selection follows the text.
    dialog->activateWindow();
    ASSERT_TRUE(uitest::windowActive(dialog));
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
}

inline std::string readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

inline void writeFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

class FilesTest : public MainWindowTest {
protected:
    FilesTest()
    {
        setup.answerFile = [this](fileDialogKind kind) -> std::optional<QString> {
            if (realDialogs)
                return std::nullopt;
            asked.push_back(kind);
            return nextPath;
        };
    }
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override
    {
        ASSERT_TRUE(waitForThumbnails());
        MainWindowTest::TearDown();
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    QString nextPath; // what the file dialogs answer; empty: cancelled
    std::vector<fileDialogKind> asked;
    bool realDialogs = false; // the file dialogs themselves ask
};

} // namespace uitest
