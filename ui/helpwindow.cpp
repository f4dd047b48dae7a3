#include "ui/helpwindow.h"

#include "help/helppages.h"

#include <QComboBox>
#include <QPainter>
#include <QShowEvent>

HelpPageArea::HelpPageArea(QWidget* parent, const int& currentPage, const QImage (&pictures)[2])
    : QWidget(parent), currentPage_(currentPage), pictures_(pictures)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    setFont(font);
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
    for (const helpItem& item : interpretPage(helpPageDescription(currentPage_))) {
        if (item.what == helpItem::text) {
            // The point is the text's top-left corner.
            painter.drawText(item.x, item.y + metrics.ascent(), QString::fromLatin1(item.line));
        } else if (item.pictureNumber == 1 || item.pictureNumber == 2) {
            painter.drawImage(item.x, item.y, pictures_[item.pictureNumber - 1]);
        }
    }
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm7"));
    Q_INIT_RESOURCE(help);
    setWindowTitle(QStringLiteral("Ajutor pentru programul Kelmo"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(537, 345);
    pictures_[0].load(QStringLiteral(":/help/HELP_MA.png"));
    pictures_[1].load(QStringLiteral(":/help/HELP_FUN.png"));

    pageList_ = new QComboBox(this);
    pageList_->setObjectName(QStringLiteral("ComboBox1"));
    pageList_->setEditable(false);
    pageList_->setGeometry(8, 4, 522, 21);
    for (std::string_view title : helpPageTitles)
        pageList_->addItem(QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size())));
    connect(pageList_, &QComboBox::activated, this, &HelpWindow::showPage);

    pageArea_ = new HelpPageArea(this, currentPage_, pictures_);
    pageArea_->setObjectName(QStringLiteral("PaintBox1"));
    pageArea_->setGeometry(8, 32, 521, 305);
}

void HelpWindow::showPage(int index)
{
    if (index < 0 || index >= static_cast<int>(helpPageTitles.size()))
        return;
    currentPage_ = index;
    pageArea_->update();
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
