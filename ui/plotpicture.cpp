#include "ui/plotpicture.h"

#include "io/fileaccess.h"
#include "ui/filedialogs.h"
#include "ui/graphwindow.h"
#include "io/loadcallbacks.h"
#include "ui/graphworker.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>

namespace {

// The plot once the worker has finished its pass; the hand-over of its steps needs the events.
QImage finishedPlot(GraphWindow& window)
{
    while (window.drawing())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    return window.shownPicture().copy();
}

} // namespace

void copyPlotPicture(GraphWindow& window)
{
    QApplication::clipboard()->setImage(finishedPlot(window));
}

void savePlotPicture(GraphWindow& window, FileDialogs& fileDialogs, loadCallbacks& fileCallbacks)
{
    const QImage picture = finishedPlot(window);
    const QString path = fileDialogs.ask(fileDialogKind::savePicture);
    if (path.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) {
        fileCallbacks.showError(ioErrorMessage(0, true));
        return;
    }
    atomicFileWriter file(QFile::encodeName(path).toStdString());
    if (!file.open() || !file.write(png.constData(), static_cast<std::size_t>(png.size())) || !file.commit())
        fileCallbacks.showError(file.errorMessage());
}

void addPlotPictureCommands(GraphWindow& window, FileDialogs& fileDialogs, loadCallbacks& fileCallbacks)
{
    auto* copy = new QAction(&window);
    copy->setObjectName(QStringLiteral("CopyPicture1"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QObject::connect(copy, &QAction::triggered, &window, [&window] { copyPlotPicture(window); });
    auto* save = new QAction(&window);
    save->setObjectName(QStringLiteral("SavePicture1"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QObject::connect(save, &QAction::triggered, &window,
                     [&window, &fileDialogs, &fileCallbacks] { savePlotPicture(window, fileDialogs, fileCallbacks); });
    window.addAction(copy);
    window.addAction(save);
}
