#include "ui/helpwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QShowEvent>

#include <string>

namespace {

// A title or page of help/ in the language installed, as the page reader's bytes (UTF-8).
std::string helpText(std::string_view source)
{
    const std::string key(source);
    return QCoreApplication::translate(KELMO_HELP_CONTEXT, key.c_str()).toStdString();
}

} // namespace

HelpPageArea::HelpPageArea(QWidget* parent, const std::array<QImage, 2>& pictures)
    : QWidget(parent), pictures_(pictures)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    setFont(font);
}

void HelpPageArea::setItems(std::vector<helpItem> items)
{
    items_ = std::move(items);
    update();
}

void HelpPageArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // The frame runs from (1, 1) to (width - 3, height - 3), both ends included.
    painter.setPen(Qt::black);
    painter.drawRect(1, 1, width() - 4, height() - 4);

    // The lines stand on the white area; drawing them without a background box of their own
    // keeps a line's descenders from being cut by the box of the line below.
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    for (const helpItem& item : items_) {
        if (item.what == helpItem::text) {
            // The point is the text's top-left corner.
            painter.drawText(item.x, item.y + metrics.ascent(),
                             QString::fromUtf8(item.line.data(), static_cast<qsizetype>(item.line.size())));
        } else if (item.pictureNumber == 1 || item.pictureNumber == 2) {
            painter.drawImage(item.x, item.y, pictures_[static_cast<std::size_t>(item.pictureNumber - 1)]);
        }
    }
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm7"));
    Q_INIT_RESOURCE(help);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(537, 345);

    pageList_ = new QComboBox(this);
    pageList_->setObjectName(QStringLiteral("ComboBox1"));
    pageList_->setEditable(false);
    pageList_->setGeometry(8, 4, 522, 21);
    for (std::size_t i = 0; i < helpPages.size(); ++i)
        pageList_->addItem(QString());
    connect(pageList_, &QComboBox::activated, this, &HelpWindow::showPage);

    pageArea_ = new HelpPageArea(this, pictures_);
    pageArea_->setObjectName(QStringLiteral("PaintBox1"));
    pageArea_->setGeometry(8, 32, 521, 305);
    showTexts();
}

std::vector<helpItem> HelpWindow::pageItems(int page)
{
    const helpPage& p = helpPages.at(static_cast<std::size_t>(page));
    return interpretPage(describePage(helpText(p.text), p.picture));
}

void HelpWindow::showTexts()
{
    setWindowTitle(tr("Ajutor pentru programul Kelmo"));
    for (std::size_t i = 0; i < helpPages.size(); ++i) {
        const std::string title = helpText(helpPages[i].title);
        pageList_->setItemText(static_cast<int>(i),
                               QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    }
    // The pictures show the program's own windows, so each language has its own: a translation
    // names the pictures made in its language, and one it names but lacks gives way to ours.
    static const char* const pictureFiles[2] = {
        //: The picture of the main window's menus made in this language (screenshots --help-pictures)
        QT_TR_NOOP(":/help/HELP_MA.png"),
        //: The picture of the generation dialog made in this language (screenshots --help-pictures)
        QT_TR_NOOP(":/help/HELP_FUN.png")};
    for (std::size_t k = 0; k < pictures_.size(); ++k) {
        if (!pictures_[k].load(tr(pictureFiles[k])))
            pictures_[k].load(QString::fromLatin1(pictureFiles[k]));
    }
    pageArea_->setItems(pageItems(currentPage_));
}

void HelpWindow::showPage(int index)
{
    if (index < 0 || index >= static_cast<int>(helpPages.size()))
        return;
    currentPage_ = index;
    pageArea_->setItems(pageItems(currentPage_));
}

void HelpWindow::showEvent(QShowEvent* event)
{
    // On every opening the list starts at its first item; the page drawn stays as it was.
    if (!event->spontaneous()) {
        pageList_->setCurrentIndex(0);
        pageList_->setFocus();
    }
    QDialog::showEvent(event);
}

void HelpWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showTexts();
    QDialog::changeEvent(event);
}
