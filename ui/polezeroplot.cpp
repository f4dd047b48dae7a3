#include "ui/polezeroplot.h"

#include "ui/drawingcolours.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinRadius = 1.25; // the unit circle with a margin
constexpr double kMargin = 1.1;     // the outermost root this far inside the edge
constexpr int kMarker = 4;          // half the size of an o or an x, in pixels
constexpr QRgb kZeroColour = drawingColours::real;
constexpr QRgb kPoleColour = qRgb(255, 80, 80);
constexpr QRgb kCircleColour = drawingColours::previewAxis;
constexpr QRgb kAxisColour = drawingColours::previewGrid;

} // namespace

PoleZeroPlot::PoleZeroPlot(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PoleZeroPlot::setAnalysis(const systemAnalysis& analysis)
{
    zeros_ = analysis.zeros;
    poles_ = analysis.poles;
    zerosAtInfinity_ = analysis.problem == systemProblem::none ? analysis.zerosAtInfinity : 0;
    double largest = 0;
    for (const auto* roots : {&zeros_, &poles_})
        for (const polynomialRoot& r : *roots)
            largest = std::max(largest, static_cast<double>(std::abs(r.value)));
    radius_ = std::clamp(largest * kMargin, kMinRadius, kMaxShownRadius);
    beyondView_ = 0;
    for (const auto* roots : {&zeros_, &poles_})
        for (const polynomialRoot& r : *roots)
            if (std::abs(r.value) > radius_)
                beyondView_ += r.multiplicity;
    update();
}

QPoint PoleZeroPlot::pixelOf(complexExtended z) const
{
    const double half = std::min(width(), height()) / 2.0 - kMarker - 1;
    double re = static_cast<double>(z.real()), im = static_cast<double>(z.imag());
    const double modulus = std::hypot(re, im);
    if (modulus > radius_) { // on the edge, in the root's direction
        re *= radius_ / modulus;
        im *= radius_ / modulus;
    }
    return {static_cast<int>(std::lround(width() / 2.0 + re / radius_ * half)),
            static_cast<int>(std::lround(height() / 2.0 - im / radius_ * half))};
}

void PoleZeroPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(drawingColours::background));
    const QPoint centre = pixelOf({0, 0});
    const int unit = pixelOf({1, 0}).x() - centre.x();
    p.setPen(QColor(kAxisColour));
    p.drawLine(0, centre.y(), width(), centre.y());
    p.drawLine(centre.x(), 0, centre.x(), height());
    p.setPen(QColor(kCircleColour));
    p.drawEllipse(centre, unit, unit);

    // Markers without antialiasing, so that each lands on whole pixels around its root's.
    const auto multiplicity = [&p](QPoint at, int count) {
        if (count > 1)
            p.drawText(at + QPoint(kMarker + 2, -kMarker - 1), QString::number(count));
    };
    p.setPen(QPen(QColor(kZeroColour), 2));
    for (const polynomialRoot& z : zeros_) {
        const QPoint at = pixelOf(z.value);
        p.drawEllipse(at, kMarker, kMarker);
        multiplicity(at, z.multiplicity);
    }
    p.setPen(QPen(QColor(kPoleColour), 2));
    for (const polynomialRoot& x : poles_) {
        const QPoint at = pixelOf(x.value);
        p.drawLine(at + QPoint(-kMarker, -kMarker), at + QPoint(kMarker, kMarker));
        p.drawLine(at + QPoint(-kMarker, kMarker), at + QPoint(kMarker, -kMarker));
        multiplicity(at, x.multiplicity);
    }
    p.setPen(QColor(kCircleColour));
    const int line = fontMetrics().height();
    int bottom = height() - 3;
    if (zerosAtInfinity_ > 0) {
        p.drawText(3, bottom, tr("zerouri la infinit : %1").arg(zerosAtInfinity_));
        bottom -= line;
    }
    if (beyondView_ > 0)
        p.drawText(3, bottom, tr("dincolo de margine : %1").arg(beyondView_));
    p.drawText(3, line, tr("margine |z| = %1").arg(radius_, 0, 'g', 3));
}
