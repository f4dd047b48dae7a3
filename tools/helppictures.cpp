#include "tools/helppictures.h"

#include "core/workspace.h"
#include "ui/dialogresult.h"
#include "ui/radiogroup.h"
#include "ui/striplist.h"
#include "ui/variablestrip.h"

#include <QRadioButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>

#include <vector>

namespace {

using namespace shooting;

constexpr QSize kMainPictureSize(314, 227);
constexpr QSize kGenerationPictureSize(264, 164);
// Where the pop-up menu opens, from the main window's top left corner (the menu bar's).
constexpr QPoint kPopupAt(32, 65);

// The menus as the help's picture has always shown them: what came later (the Edit menu, hearing
// a variable, its sample rate, filtering) is hidden while the picture is taken, so that the menu
// bar and the two pop-ups fit the picture's place on the page.
class classicMenus {
public:
    explicit classicMenus(const MainWindow& main)
    {
        for (const char* name : {"Editare1", "Asculta1", "FrecventaEsantionare1", "Filtrare1"}) {
            QAction* item = main.findChild<QAction*>(QString::fromLatin1(name));
            if (item == nullptr)
                continue;
            hide(item);
            // The separator that opens the submenu's last group, when the hidden item is all of it.
            for (QObject* owner : item->associatedObjects()) {
                auto* menu = qobject_cast<QMenu*>(owner);
                if (menu == nullptr)
                    continue;
                const QList<QAction*> items = menu->actions();
                const qsizetype at = items.indexOf(item);
                if (at > 0 && at + 1 == items.size() && items[at - 1]->isSeparator())
                    hide(items[at - 1]);
            }
        }
    }
    ~classicMenus()
    {
        for (QAction* item : hidden_)
            item->setVisible(true);
    }
    classicMenus(const classicMenus&) = delete;
    classicMenus& operator=(const classicMenus&) = delete;

private:
    void hide(QAction* item)
    {
        if (item->isVisible()) {
            item->setVisible(false);
            hidden_.push_back(item);
        }
    }
    std::vector<QAction*> hidden_;
};

void press(QWidget* target, Qt::Key key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &up);
    QCoreApplication::processEvents();
}

// The dialog with a one-period sine of 128 samples previewed, shrunk to the picture's size.
QImage generationPicture(MainWindow& main, shooter& shots)
{
    GenerateDialog& dialog = windowOf<GenerateDialog>(main);
    control<RadioGroup>(dialog, "RadioGroup1")->button(0)->click();
    if (!showGeneration(dialog, *main.findChild<PreviewPlotter*>(), QStringLiteral("name"),
                        QStringLiteral("sin(x*pi*2)"), 128))
        shots.fail("the generation dialog did not finish its preview");
    const QImage whole = dialog.grab().toImage();
    dialog.done(resultCode(dialogAnswer::cancel));
    return whole.scaled(kGenerationPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The screen at the main window's top left with the pop-up open on the second strip and its
// "Procesare" submenu open on the first item, as the keyboard opens them. The window's top lies
// one picture's height above the screen's bottom, so that the submenu moves up to stay on the
// screen and shows whole.
QImage mainPicture(MainWindow& main, shooter& shots)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint top(screen.left(), screen.bottom() + 1 - kMainPictureSize.height());
    main.move(top);
    waitUntil([&] { return main.mapToGlobal(QPoint(0, 0)) == top; });
    const StripList& strips = *main.findChild<StripList*>();
    if (!waitUntil([&] { return strips.thumbnailsDrawing() == 0; }))
        shots.fail("the thumbnails did not finish");
    const classicMenus menus(main);
    const auto& variables = main.workspace().variables();
    VariableStrip* strip = variables.size() > 1 ? strips.stripOf(*variables[1]) : nullptr;
    QMenu* menu = main.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    if (strip == nullptr || menu == nullptr) {
        shots.fail("no strip or pop-up menu to show");
        return {};
    }
    const QPoint origin = main.mapToGlobal(QPoint(0, 0));
    const QPoint at = origin + kPopupAt;
    QContextMenuEvent ask(QContextMenuEvent::Mouse, strip->mapFromGlobal(at), at);
    QApplication::sendEvent(strip, &ask);
    if (!waitUntil([&] { return menu->isVisible(); }))
        shots.fail("the pop-up menu did not open");
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right})
        press(menu, key);
    QMenu* submenu = menu->activeAction() ? menu->activeAction()->menu() : nullptr;
    if (submenu == nullptr || !waitUntil([&] { return submenu->isVisible(); }))
        shots.fail("the Procesare submenu did not open");
    const QImage picture = QGuiApplication::primaryScreen()
                               ->grabWindow(0, origin.x(), origin.y(), kMainPictureSize.width(),
                                            kMainPictureSize.height())
                               .toImage();
    menu->close();
    waitUntil([&] { return !menu->isVisible(); });
    return picture;
}

} // namespace

void drawHelpPictures(MainWindow& main, shooter& shots)
{
    // The narrowest main window, so that the strips' thumbnails come into the picture.
    main.resize(main.minimumWidth(), main.height());
    generate(main, shots, "sin1", "sin(x*pi*2)", 128);
    generate(main, shots, "fm", "sin(x*pi*50+4*sin(x*17))", 512);
    generate(main, shots, "hamming1", "hamming(x)", 128);
    shots.save(generationPicture(main, shots), "HELP_FUN.png");
    shots.save(mainPicture(main, shots), "HELP_MA.png");
}
