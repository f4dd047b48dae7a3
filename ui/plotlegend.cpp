#include "ui/plotlegend.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kStroke = 12; // the colour stroke's length
constexpr int kGap = 4;

} // namespace

PlotLegend::PlotLegend(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PlotLegend::setEntries(std::vector<entry> entries)
{
    const auto same = [](const entry& a, const entry& b) { return a.colour == b.colour && a.name == b.name; };
    if (std::equal(entries.begin(), entries.end(), entries_.begin(), entries_.end(), same))
        return;
    entries_ = std::move(entries);
    setVisible(entries_.size() > 1);
    update();
}

void PlotLegend::paintEvent(QPaintEvent*)
{
    if (entries_.size() < 2)
        return;
    QFont small = font();
    int pixels = QFontInfo(small).pixelSize();
    for (small.setPixelSize(pixels); pixels > 6 && QFontMetrics(small).height() > height(); small.setPixelSize(--pixels)) {
    }
    const QFontMetrics metrics(small);
    QPainter painter(this);
    painter.setFont(small);
    const int room = width() / static_cast<int>(entries_.size()) - kStroke - 3 * kGap;
    int x = 0;
    std::vector<QString> names;
    for (const entry& e : entries_) {
        names.push_back(metrics.elidedText(e.name, Qt::ElideRight, std::max(room, metrics.averageCharWidth())));
        x += kGap + kStroke + kGap + metrics.horizontalAdvance(names.back()) + kGap;
    }
    painter.fillRect(QRect(0, 0, std::min(x, width()), height()), Qt::black);
    x = 0;
    const int middle = height() / 2;
    const int baseline = (height() + metrics.ascent() - metrics.descent()) / 2;
    for (std::size_t k = 0; k < entries_.size(); ++k) {
        painter.setPen(QPen(entries_[k].colour, 2));
        painter.drawLine(x + kGap, middle, x + kGap + kStroke, middle);
        x += kGap + kStroke + kGap;
        painter.setPen(Qt::white);
        painter.drawText(x, baseline, names[k]);
        x += metrics.horizontalAdvance(names[k]) + kGap;
    }
}
