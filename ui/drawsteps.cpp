#include "ui/drawsteps.h"

#include "ui/drawingcolours.h"

#include <QFontMetrics>
#include <QImage>
#include <QLine>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <utility>

textInkMeasure painterInk(const QFont& font)
{
    QFont textFont = font;
    textFont.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(textFont);
    return [metrics](std::string_view text) {
        const QRect ink = metrics.tightBoundingRect(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        return ink.isEmpty() ? textInk{} : textInk{ink.left(), ink.right()};
    };
}

void paintSteps(QImage& image, const std::vector<drawStep>& steps, const paintStyle& style,
                const QFont& font)
{
    if (steps.empty())
        return;
    QPainter painter(&image);
    paintSteps(painter, steps, style, font);
}

void paintSteps(QPainter& painter, const std::vector<drawStep>& steps, const paintStyle& style,
                const QFont& font)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setBackground(QColor::fromRgb(style.background));
    bool fontSet = false; // the font is set up only for a batch with texts
    // A picture uses a handful of pens: each is made once per batch and then only selected.
    std::vector<std::pair<std::uint32_t, QPen>> pens;
    const auto penFor = [&](const drawStep& step) {
        const std::uint32_t key = (step.colour & 0xffffffu) | (step.dashed ? 1u << 24 : 0u);
        for (std::size_t k = 0; k < pens.size(); ++k)
            if (pens[k].first == key)
                return k;
        QPen pen(QColor::fromRgb(step.colour), style.penWidth);
        pen.setCapStyle(style.cap);
        pen.setStyle(step.dashed ? Qt::DashLine : Qt::SolidLine);
        pens.emplace_back(key, pen);
        return pens.size() - 1;
    };
    std::size_t current = SIZE_MAX;
    std::vector<QLine> lines;
    for (std::size_t first = 0; first < steps.size();) {
        const drawStep& step = steps[first];
        const std::size_t pen = penFor(step);
        if (pen != current) {
            painter.setPen(pens[pen].second);
            current = pen;
        }
        if (!step.text.isEmpty()) {
            if (!fontSet) {
                QFont textFont = font;
                textFont.setStyleStrategy(QFont::NoAntialias);
                painter.setFont(textFont);
                fontSet = true;
            }
            const QFontMetrics metrics = painter.fontMetrics();
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
