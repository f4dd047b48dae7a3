#include "ui/spinedit.h"

#include "core/numparse.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr int kArrowWidth = 16;
}

SpinEdit::SpinEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), up_(new QToolButton(this)),
      down_(new QToolButton(this))
{
    edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9+\\-.]*")), edit_));
    edit_->installEventFilter(this);
    setFocusProxy(edit_);
    setFocusPolicy(edit_->focusPolicy());
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(edit_, &QLineEdit::textChanged, this, &SpinEdit::textChanged);
}

void SpinEdit::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
}

void SpinEdit::setMaxLength(int length)
{
    edit_->setMaxLength(length);
}

QString SpinEdit::text() const
{
    return edit_->text();
}

void SpinEdit::setText(const QString& text)
{
    edit_->setText(text);
}

std::optional<int> SpinEdit::readInteger(const QString& text)
{
    return parseFieldInteger(text.toStdString());
}

int SpinEdit::value() const
{
    return std::clamp(readInteger(text()).value_or(minimum_), minimum_, maximum_);
}

void SpinEdit::setValue(int value)
{
    setText(QString::number(std::clamp(value, minimum_, maximum_)));
}

void SpinEdit::step(int delta)
{
    setValue(value() + delta);
    edit_->selectAll();
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                step(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            const std::optional<int> number = readInteger(text());
            if (number && (*number < minimum_ || *number > maximum_))
                setValue(*number);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinEdit::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int arrows = std::min(kArrowWidth, width());
    const int half = height() / 2;
    edit_->setGeometry(0, 0, width() - arrows, height());
    up_->setGeometry(width() - arrows, 0, arrows, half);
    down_->setGeometry(width() - arrows, half, arrows, height() - half);
}
