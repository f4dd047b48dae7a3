#include "ui/drawsteps.h"

#include "ui/drawingcolours.h"

#include <QFontMetrics>
#include <QImage>
#include <QLine>
#include <QPainter>

#include <algorithm>

void paintSteps(QImage& image, const std::vector<drawStep>& steps, const paintStyle& style,
                const QFont& font)
{
    if (steps.empty())
        return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setBackground(QColor::fromRgb(drawingColours::background));
    QFont textFont = font;
    textFont.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(textFont);
    const QFontMetrics metrics = painter.fontMetrics();
    QPen pen(QColor::fromRgb(steps.front().colour), style.penWidth);
    pen.setCapStyle(style.cap);
    std::vector<QLine> lines;
    for (std::size_t first = 0; first < steps.size();) {
        const drawStep& step = steps[first];
        pen.setColor(QColor::fromRgb(step.colour));
        pen.setStyle(step.dashed ? Qt::DashLine : Qt::SolidLine);
        painter.setPen(pen);
        if (!step.text.isEmpty()) {
            int x = step.x1;
            if (step.rightLimit != 0) // the ink's last column stays left of the limit
                x = std::min(x, step.rightLimit - 1 - metrics.tightBoundingRect(step.text).right());
            // Only texts get a box: the gaps of dashed lines stay transparent.
            painter.setBackgroundMode(style.opaqueTexts ? Qt::OpaqueMode : Qt::TransparentMode);
            painter.drawText(x, step.y1 + metrics.ascent(), step.text);
            painter.setBackgroundMode(Qt::TransparentMode);
            ++first;
            continue;
        }
        // Dashed lines go one by one, so that each starts its dash pattern afresh.
        std::size_t last = first;
        lines.clear();
        do
            lines.emplace_back(steps[last].x1, steps[last].y1, steps[last].x2, steps[last].y2);
        while (++last < steps.size() && !step.dashed && !steps[last].dashed &&
               steps[last].text.isEmpty() && steps[last].colour == step.colour);
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
        first = last;
    }
}
