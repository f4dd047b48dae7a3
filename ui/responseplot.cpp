#include "ui/responseplot.h"

#include "core/numformat.h"
#include "ui/drawingcolours.h"
#include "ui/localenumber.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

constexpr int kLeft = 34;    // room for the scale's numbers
constexpr int kBottom = 14;  // room for the frequency labels
constexpr int kGap = 6;      // between the two panels
constexpr int kMinSpanDb = 20;
constexpr double kPhaseLimit = 3.14159265358979323846;

// Steps of 10 dB around the finite values.
std::pair<int, int> magnitudeScale(const std::vector<double>& db)
{
    if (db.empty())
        return {10, -50};
    const auto [low, high] = std::minmax_element(db.begin(), db.end());
    const int top = static_cast<int>(std::ceil(*high / 10)) * 10;
    int bottom = std::max(static_cast<int>(std::floor(*low / 10)) * 10, top - ResponsePlot::kMaxSpanDb);
    return {top, std::min(bottom, top - kMinSpanDb)};
}

// The curve through the values, each point one step of the grid, mapped into `area` with
// `top` at its upper and `bottom` at its lower edge (values beyond are clipped by the painter).
// A step larger than `jump` starts a new stroke: the wrapped phase turning by 2 pi, or jumping
// by pi where the response passes a zero on the unit circle, is not drawn as a line.
QPainterPath curve(const std::vector<double>& values, const QRect& area, double top, double bottom,
                   double jump = std::numeric_limits<double>::infinity())
{
    QPainterPath path;
    const double dx = values.size() > 1 ? (area.width() - 1.0) / static_cast<double>(values.size() - 1) : 0;
    const double dy = (area.height() - 1.0) / (top - bottom);
    for (std::size_t k = 0; k < values.size(); ++k) {
        const QPointF at(area.left() + dx * static_cast<double>(k), area.top() + (top - values[k]) * dy);
        if (k == 0 || std::fabs(values[k] - values[k - 1]) > jump)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    return path;
}

} // namespace

ResponsePlot::ResponsePlot(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ResponsePlot::setResponse(const frequencyResponse& response, double rate)
{
    magnitudeDb_.assign(response.magnitudeDb.begin(), response.magnitudeDb.end());
    phase_.assign(response.phase.begin(), response.phase.end());
    rate_ = rate;
    std::tie(topDb_, bottomDb_) = magnitudeScale(magnitudeDb_);
    update();
}

QRect ResponsePlot::magnitudeArea() const
{
    const int h = (height() - kBottom - kGap) / 2;
    return {kLeft, 0, width() - kLeft, h};
}

QRect ResponsePlot::phaseArea() const
{
    const QRect m = magnitudeArea();
    return {kLeft, m.bottom() + 1 + kGap, m.width(), m.height()};
}

void ResponsePlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QRect mag = magnitudeArea(), ph = phaseArea();
    const char separator = localeDecimalSeparator();
    const auto number = [separator](double v) { return QString::fromStdString(formatGeneral(v, 5, separator)); };
    const int ascent = fontMetrics().ascent();
    for (const QRect& area : {mag, ph}) {
        p.fillRect(area, QColor(drawingColours::background));
        p.setPen(QColor(drawingColours::previewGrid));
        for (int i = 1; i < 4; ++i) { // quarters of the band and of the scale
            const int x = area.left() + area.width() * i / 4, y = area.top() + area.height() * i / 4;
            p.drawLine(x, area.top(), x, area.bottom());
            p.drawLine(area.left(), y, area.right(), y);
        }
    }
    p.setPen(palette().color(QPalette::WindowText));
    const auto leftLabel = [&](int y, const QString& text) {
        p.drawText(QRect(0, y - ascent, kLeft - 3, 2 * ascent), Qt::AlignRight | Qt::AlignVCenter, text);
    };
    leftLabel(mag.top() + ascent / 2, QStringLiteral("%1 dB").arg(topDb_));
    leftLabel(mag.bottom() - ascent / 2, QString::number(bottomDb_));
    leftLabel(ph.top() + ascent / 2, QStringLiteral("pi"));
    leftLabel(ph.center().y(), QStringLiteral("0"));
    leftLabel(ph.bottom() - ascent / 2, QStringLiteral("-pi"));
    const int labelTop = ph.bottom() + 2;
    const QString end = rate_ > 0 ? number(rate_ / 2) + QStringLiteral(" Hz") : QStringLiteral("pi");
    const QString middle = rate_ > 0 ? number(rate_ / 4) : QStringLiteral("pi/2");
    p.drawText(QRect(ph.left(), labelTop, ph.width(), kBottom), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("0"));
    p.drawText(QRect(ph.left(), labelTop, ph.width(), kBottom), Qt::AlignHCenter | Qt::AlignTop, middle);
    p.drawText(QRect(ph.left(), labelTop, ph.width(), kBottom), Qt::AlignRight | Qt::AlignTop, end);

    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(mag);
    p.setPen(QColor(drawingColours::modulus).lighter(160));
    p.drawPath(curve(magnitudeDb_, mag, topDb_, bottomDb_));
    p.setClipRect(ph);
    p.setPen(QColor(drawingColours::phase));
    p.drawPath(curve(phase_, ph, kPhaseLimit, -kPhaseLimit, kPhaseLimit / 2));
}
