#include "ui/variablestrip.h"

#include "core/workspace.h"
#include "ui/drawingcolours.h"
#include "ui/thumbnailworker.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kNameY = 1;
constexpr int kDescriptionY = 16;
constexpr int kTextX = 2;
constexpr int kThumbnailRightMargin = 130; // the thumbnail's left edge is this far from the right
constexpr int kThumbnailTop = 2;

} // namespace

VariableStrip::VariableStrip(tdspvarPtr variable, ThumbnailPool& thumbnails, QWidget* parent)
    : QWidget(parent), variable_(std::move(variable)), thumbnail_(new ThumbnailWorker(variable_, thumbnails))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedHeight(kHeight);
    thumbnail_->setView(this);
}

VariableStrip::~VariableStrip()
{
    if (thumbnail_)
        thumbnail_->release();
}

const QImage& VariableStrip::thumbnail() const
{
    return thumbnail_ ? thumbnail_->image() : detached_;
}

void VariableStrip::redrawThumbnail()
{
    if (thumbnail_)
        thumbnail_->redraw();
}

void VariableStrip::toggleSelection()
{
    selected_ = !selected_;
    update();
}

void VariableStrip::detach()
{
    if (thumbnail_) {
        thumbnail_->release();
        thumbnail_ = nullptr;
    }
    variable_.reset();
    hide();
    deleteLater();
}

void VariableStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor fill = variable_ && selected_ ? QColor::fromRgb(drawingColours::selectedStrip)
                                               : palette().color(QPalette::Button);
    painter.setPen(Qt::black);
    painter.setBrush(fill);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    if (variable_) {
        painter.setClipRect(1, 1, width() - 2, height() - 2);
        painter.setPen(palette().color(QPalette::ButtonText));
        const int lineHeight = kDescriptionY - kNameY;
        const QRect nameBox(kTextX, kNameY, width() - kTextX, lineHeight);
        const QRect descriptionBox(kTextX, kDescriptionY, width() - kTextX, lineHeight);
        const auto flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
        painter.drawText(nameBox, flags, QString::fromStdString(asciiLower(variable_->name())));
        painter.drawText(descriptionBox, flags, QString::fromStdString(variable_->description()));
    }
    painter.drawImage(width() - kThumbnailRightMargin, kThumbnailTop, thumbnail());
}

void VariableStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QWidget::mousePressEvent(event);
}

void VariableStrip::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        if (rect().contains(event->position().toPoint()))
            toggleSelection();
    }
    QWidget::mouseReleaseEvent(event);
}

void VariableStrip::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double click is not a click: no action is attached to it.
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    event->accept();
}

void VariableStrip::contextMenuEvent(QContextMenuEvent* event)
{
    emit popupRequested(this, event->globalPos());
    event->accept();
}
