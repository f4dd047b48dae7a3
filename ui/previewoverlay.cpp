#include "ui/previewoverlay.h"

#include <QEvent>
#include <QPainter>
#include <QPen>

namespace {

constexpr int kMessageMargin = 24;
constexpr int kTextPadding = 4;
constexpr int kFrameWidth = 2;

} // namespace

PreviewOverlay::PreviewOverlay(QWidget* preview) : QWidget(preview->parentWidget()), preview_(preview)
{
    setObjectName(QStringLiteral("PreviewOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(preview->geometry());
    preview->installEventFilter(this);
    raise();
}

void PreviewOverlay::setMessage(const QString& message)
{
    if (message == message_)
        return;
    message_ = message;
    update();
}

bool PreviewOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == preview_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}

void PreviewOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!message_.isEmpty()) {
        // On a black ground of its own, so the grid lines do not cross the letters.
        const QRect room = rect().adjusted(kMessageMargin, kMessageMargin, -kMessageMargin, -kMessageMargin);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        painter.fillRect(painter.boundingRect(room, flags, message_).adjusted(-kTextPadding, -kTextPadding,
                                                                             kTextPadding, kTextPadding),
                         Qt::black);
        painter.setPen(Qt::white);
        painter.drawText(room, flags, message_);
    }
    if (preview_->hasFocus()) {
        // The style's own focus frame tints the whole area it frames, which would change the
        // colours of the curves; a plain frame in the focus colour marks it instead.
        painter.setPen(QPen(palette().color(QPalette::Highlight), kFrameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(kFrameWidth / 2, kFrameWidth / 2, -kFrameWidth / 2, -kFrameWidth / 2));
    }
}
