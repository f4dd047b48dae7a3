// The curves a graph view draws and how each is named in its legend. A view is one of the graph
// window's classic views (cartesian or modulus and phase, with their logarithmic axes) or the
// spectrum view, which reads a variable's samples as the bins of a transform and draws their
// levels in dB in the layout the user chose. Each curve is one quantity of one variable, in the
// order the plot draws them: the second variable's curves before the first's, and within a
// variable the imaginary part before the real part, the modulus before the phase.
//
// curveValues() computes a curve's values for every shown position, the whole curve at once, on
// whichever thread draws it; it reads only the variable it is given (a copy taken for the pass).
#pragma once

#include "core/variable.h"
#include "plot/plotscale.h"
#include "plot/spectrumaxis.h"

#include <QRgb>
#include <QString>

#include <vector>

struct graphView {
    plotMode classic;      // the three classic toggles
    bool spectrum = false; // the spectrum toggle, which takes over from them
    spectrumLayout layout = spectrumLayout::full;
    friend bool operator==(const graphView&, const graphView&) = default;
};

enum class curveQuantity { real, imaginary, modulus, phase, level };

struct plotCurve {
    int variable = 1; // 1 or 2
    curveQuantity quantity = curveQuantity::real;
    QRgb colour = 0;
    QString name;     // in the legend
};

// The curves of `view` for `first` and, when not null, `second`.
std::vector<plotCurve> curvesOf(const graphView& view, const tdspvar& first, const tdspvar* second);
// The same in a legend's order: the first variable's curves first, the real part before the
// imaginary, the modulus before the phase.
std::vector<plotCurve> legendOrder(std::vector<plotCurve> curves);

// The positions the view shows of a variable: its samples, or its spectrum's shown bins.
std::int64_t shownCount(const graphView& view, const tdspvar& variable);
spectrumAxis spectrumAxisOf(const tdspvar& variable, spectrumLayout layout);

// The curve's value at each shown position.
std::vector<extended> curveValues(const tdspvar& variable, curveQuantity quantity, spectrumLayout layout);
