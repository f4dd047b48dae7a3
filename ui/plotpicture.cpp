#include "ui/plotpicture.h"

#include "io/fileaccess.h"
#include "io/loadcallbacks.h"
#include "ui/filedialogs.h"
#include "ui/graphwindow.h"
#include "ui/plotbitmap.h"
#include "ui/plotframe.h"
#include "ui/plotview.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

// The plot once the worker has finished its pass; the hand-over of its steps needs the events.
QImage finishedPlot(GraphWindow& window)
{
    while (window.drawing())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    return window.shownPicture().copy();
}

// Collects a picture's steps for painting on any device.
class stepList : public frameSink {
public:
    std::vector<drawStep> steps;
    void line(QRgb colour, int x1, int y1, int x2, int y2, bool dashed) override
    {
        steps.push_back({colour, x1, y1, x2, y2, dashed, {}, 0});
    }
    void text(QRgb colour, int x, int y, const QString& text) override
    {
        steps.push_back({colour, x, y, 0, 0, false, text, 0});
    }
    bool checkpoint() override { return true; }
};

// Draws the window's view at the request's size onto `painter`, in `font`.
void drawPicture(GraphWindow& window, const frameRequest& request, QPainter& painter, const QFont& font,
                 int penWidth)
{
    painter.fillRect(QRect(QPoint(0, 0), request.size), QColor::fromRgb(frameBackground(request)));
    const tdspvarPtr first = window.firstVariable();
    if (!first)
        return;
    const tdspvarPtr second = window.secondVariable();
    const std::shared_ptr<const frameData> data = makeFrameData(request.view, *first, second.get());
    const frameLayout layout = layoutFrame(*data, request);
    const frameLabels labels = labelFrame(*data, request, layout, painterInk(font), QFontMetrics(font).height());
    stepList list;
    frameSteps(*data, request, layout, labels, list);
    paintSteps(painter, list.steps, {penWidth, Qt::SquareCap, true, frameBackground(request)}, font);
}

constexpr const char* kFilters[] = {"PNG pictures|*.png|All files|*.*", "SVG drawings|*.svg|All files|*.*",
                                    "PDF documents|*.pdf|All files|*.*"};
constexpr const char* kSuffixes[] = {"png", "svg", "pdf"};

} // namespace

QByteArray plotPictureFile(GraphWindow& window, const pictureChoice& choice)
{
    const QWidget* view = window.findChild<PlotView*>();
    const QSize windowSize = view ? view->size() : QSize(kPlotWidth, kPlotHeight);
    const QSize size = choice.size.isEmpty() ? windowSize : choice.size;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const frameRequest request = window.pictureRequest(size, 1, choice.forPrint);
    QFont font = view ? view->font() : QApplication::font();
    switch (choice.format) {
    case pictureFormat::png: {
        QImage picture;
        if (!choice.forPrint && choice.size.isEmpty()) {
            picture = finishedPlot(window); // the very picture on the screen
        } else {
            picture = QImage(size, QImage::Format_RGB32);
            QPainter painter(&picture);
            drawPicture(window, request, painter, font, 0);
        }
        if (!picture.save(&buffer, "PNG"))
            return {};
        break;
    }
    case pictureFormat::svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QCoreApplication::translate("GraphWindow", "Grafic"));
        QPainter painter(&svg);
        drawPicture(window, request, painter, font, 1);
        break;
    }
    case pictureFormat::pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72); // one pixel of the picture is one point of the page
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QCoreApplication::translate("GraphWindow", "Grafic"));
        QPainter painter(&pdf);
        drawPicture(window, request, painter, font, 1);
        break;
    }
    }
    return bytes;
}

void copyPlotPicture(GraphWindow& window)
{
    QApplication::clipboard()->setImage(finishedPlot(window));
}

void savePlotPicture(GraphWindow& window, PictureExportDialog& options, FileDialogs& fileDialogs,
                     loadCallbacks& fileCallbacks)
{
    pictureChoice choice;
    const PlotView* view = window.findChild<PlotView*>();
    if (!options.ask(view ? view->size() : QSize(), choice))
        return;
    const auto format = static_cast<std::size_t>(choice.format);
    FileDialog* dialog = fileDialogs.dialog(fileDialogKind::savePicture);
    dialog->setNameFilters(nameFiltersFrom(QString::fromLatin1(kFilters[format])));
    dialog->setDefaultSuffix(QString::fromLatin1(kSuffixes[format]));
    dialog->selectFile(QStringLiteral("grafic.") + QString::fromLatin1(kSuffixes[format]));
    const QString path = fileDialogs.ask(fileDialogKind::savePicture);
    if (path.isEmpty())
        return;
    const QByteArray bytes = plotPictureFile(window, choice);
    if (bytes.isEmpty()) {
        fileCallbacks.showError(ioErrorMessage(0, true));
        return;
    }
    atomicFileWriter file(QFile::encodeName(path).toStdString());
    if (!file.open() || !file.write(bytes.constData(), static_cast<std::size_t>(bytes.size())) || !file.commit())
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
    auto* options = new PictureExportDialog(&window); // a child: made once, kept with the window
    QObject::connect(save, &QAction::triggered, &window, [&window, options, &fileDialogs, &fileCallbacks] {
        savePlotPicture(window, *options, fileDialogs, fileCallbacks);
    });
    window.addAction(copy);
    window.addAction(save);
}
