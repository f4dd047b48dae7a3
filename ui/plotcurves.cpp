#include "ui/plotcurves.h"

#include "core/workspace.h"
#include "plot/spectrumlevels.h"
#include "ui/drawingcolours.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

QString nameOf(const tdspvar& variable)
{
    return QString::fromStdString(asciiLower(variable.name()));
}

// A curve's name in the legend: the variable's name and the part of it the curve shows.
constexpr const char* kModulusPart = QT_TRANSLATE_NOOP("PlotCurves", "%1: modul");
constexpr const char* kPhasePart = QT_TRANSLATE_NOOP("PlotCurves", "%1: faza");
constexpr const char* kImaginaryPart = QT_TRANSLATE_NOOP("PlotCurves", "%1: imaginar");
constexpr const char* kRealPart = QT_TRANSLATE_NOOP("PlotCurves", "%1: real");

QString partName(const QString& name, const char* part)
{
    return QCoreApplication::translate("PlotCurves", part).arg(name);
}

void addCurves(std::vector<plotCurve>& curves, const graphView& view, const plotFlags& flags,
               const tdspvar& v, int number)
{
    using namespace drawingColours;
    const bool first = number == 1;
    const QString name = nameOf(v);
    using enum curveQuantity;
    if (view.spectrum) {
        curves.push_back({number, level, first ? spectrum : secondSpectrum, name});
    } else if (flags.modulusView) {
        curves.push_back({number, modulus, first ? drawingColours::modulus : secondModulus, partName(name, kModulusPart)});
        curves.push_back({number, phase, first ? drawingColours::phase : secondPhase, partName(name, kPhasePart)});
    } else {
        if (flags.complexData)
            curves.push_back({number, imaginary, first ? drawingColours::imaginary : secondImaginary,
                              partName(name, kImaginaryPart)});
        curves.push_back({number, real, first ? drawingColours::real : secondReal,
                          flags.complexData ? partName(name, kRealPart) : name});
    }
}

} // namespace

std::vector<plotCurve> curvesOf(const graphView& view, const tdspvar& first, const tdspvar* second)
{
    const plotFlags flags = plotPassFlags(view.classic, &first, second);
    std::vector<plotCurve> curves;
    if (second)
        addCurves(curves, view, flags, *second, 2);
    addCurves(curves, view, flags, first, 1);
    return curves;
}

std::vector<plotCurve> legendOrder(std::vector<plotCurve> curves)
{
    // By variable, and within one the real part before the imaginary, the modulus before the phase.
    const auto rank = [](const plotCurve& c) {
        return 2 * c.variable + (c.quantity == curveQuantity::imaginary || c.quantity == curveQuantity::phase);
    };
    std::stable_sort(curves.begin(), curves.end(), [&](const plotCurve& a, const plotCurve& b) { return rank(a) < rank(b); });
    return curves;
}

spectrumAxis spectrumAxisOf(const tdspvar& variable, spectrumLayout layout)
{
    return spectrumAxis(variable.sampleCount(), static_cast<extended>(variable.sampleRate()), layout);
}

std::int64_t shownCount(const graphView& view, const tdspvar& variable)
{
    return view.spectrum ? spectrumAxisOf(variable, view.layout).shownCount() : variable.sampleCount();
}

std::vector<extended> curveValues(const tdspvar& variable, curveQuantity quantity, spectrumLayout layout)
{
    const auto n = static_cast<std::size_t>(variable.sampleCount());
    const std::vector<extended>& re = variable.real();
    const std::vector<extended>& im = variable.imag();
    std::vector<extended> values(n);
    switch (quantity) {
    case curveQuantity::real:
        return re;
    case curveQuantity::imaginary:
        return im.size() == n ? im : values; // a real variable's imaginary parts are 0
    case curveQuantity::modulus:
        for (std::size_t i = 0; i < n; ++i)
            values[i] = variable.sampleModulus(static_cast<std::int64_t>(i));
        return values;
    case curveQuantity::phase:
        for (std::size_t i = 0; i < n; ++i)
            values[i] = std::atan2(im.size() == n ? im[i] : extended(0), re[i]);
        return values;
    case curveQuantity::level:
        return computeSpectrumLevels(spectrumAxisOf(variable, layout), re, im).level;
    }
    return values;
}
