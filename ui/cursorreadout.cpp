#include "ui/cursorreadout.h"

#include <QFontMetrics>
#include <QTextDocument>

namespace {

constexpr int kDocumentMargin = 1;
constexpr int kNarrowestStretch = 50;  // QFont::stretch: 100 is the font's own width
constexpr int kSmallestPixelSize = 6;

int widthOf(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

} // namespace

CursorReadout::CursorReadout(QWidget* parent) : QPlainTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setContextMenuPolicy(Qt::NoContextMenu);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    document()->setDocumentMargin(kDocumentMargin);
    // The window's colours, in every state: legible, and without an edit field's white box.
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, colours.color(QPalette::Active, QPalette::Window));
        colours.setColor(group, QPalette::Text, colours.color(QPalette::Active, QPalette::WindowText));
    }
    setPalette(colours);
    normalFont_ = font();
}

int CursorReadout::lineRoom() const
{
    // The document's margins on both sides, and one pixel for the text cursor's column.
    return viewport()->width() - 2 * kDocumentMargin - 1;
}

QFont CursorReadout::fittingFont(const QString& widest, int lines) const
{
    const int room = lineRoom();
    QFont fitted = normalFont_;
    // Every line's height: lines below the last row are made room for by a smaller font.
    const int rows = viewport()->height() - 2 * kDocumentMargin;
    int size = QFontInfo(normalFont_).pixelSize();
    while (size > kSmallestPixelSize && lines * QFontMetrics(fitted).lineSpacing() > rows)
        fitted.setPixelSize(--size);
    const QFont tall = fitted;
    const int natural = widthOf(fitted, widest);
    if (natural <= room)
        return fitted;
    int stretch = std::max(kNarrowestStretch, 100 * room / natural);
    for (; stretch >= kNarrowestStretch; --stretch) {
        fitted.setStretch(stretch);
        if (widthOf(fitted, widest) <= room)
            return fitted;
    }
    // A font that cannot be condensed is made smaller instead.
    fitted = tall;
    while (size > kSmallestPixelSize && widthOf(fitted, widest) > room)
        fitted.setPixelSize(--size);
    return fitted;
}

void CursorReadout::showLines(const QStringList& lines)
{
    QString widest;
    int widestWidth = -1;
    for (const QString& line : lines) {
        const int w = widthOf(normalFont_, line);
        if (w > widestWidth) {
            widest = line;
            widestWidth = w;
        }
    }
    const QFont wanted = fittingFont(widest, static_cast<int>(lines.size()));
    if (wanted != font())
        setFont(wanted);
    setPlainText(lines.join(QLatin1Char('\n')));
}
