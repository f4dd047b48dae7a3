#include "dsp/firdesign.h"

#include "core/showntext.h"
#include "expr/windows.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

extended sinc(extended x)
{
    return x == 0 ? extended{1} : std::sin(kPi * x) / (kPi * x);
}

// The passbands as edges in units of the Nyquist frequency (1 is Nyquist).
std::vector<std::pair<extended, extended>> passbands(const filterParameters& parameters)
{
    const extended low = 2 * cutoffFraction(parameters);
    const extended high = 2 * upperCutoffFraction(parameters);
    switch (parameters.band) {
    case filterBand::lowPass: return {{0, low}};
    case filterBand::highPass: return {{low, 1}};
    case filterBand::bandPass: return {{low, high}};
    case filterBand::bandStop: return {{0, low}, {high, 1}};
    }
    return {};
}

} // namespace

filterDesign designWindowedFir(const filterParameters& parameters, windowShape window)
{
    filterDesign out;
    out.message = checkFilterParameters(parameters, kMaxFirOrder);
    if (out.message.empty() && parameters.order % 2 != 0 &&
        (parameters.band == filterBand::highPass || parameters.band == filterBand::bandStop))
        out.message = KELMO_TEXT("Texts", "Un filtru trece-sus sau opreste-banda cere un ordin par.");
    if (!out.message.empty())
        return out;

    const auto bands = passbands(parameters);
    const int order = parameters.order;
    std::vector<extended>& h = out.system.b;
    for (int n = 0; n <= order; ++n) {
        const extended m = n - static_cast<extended>(order) / 2;
        extended tap = 0;
        for (const auto& [left, right] : bands)
            tap += right * sinc(right * m) - left * sinc(left * m);
        const extended t = static_cast<extended>(n) / order;
        h.push_back(tap * windowFunction(static_cast<int>(window), t));
    }
    // Unit gain at the centre of the first passband.
    const auto [left, right] = bands.front();
    const extended centre = left == 0 ? 0 : (right == 1 ? 1 : (left + right) / 2);
    extended gain = 0;
    for (int n = 0; n <= order; ++n)
        gain += h[static_cast<std::size_t>(n)] * std::cos(kPi * (n - static_cast<extended>(order) / 2) * centre);
    // A window that is 0 at both ends leaves nothing of a two-tap filter: there is no gain to
    // scale to, and dividing by it would give NaN taps.
    if (!(std::isfinite(gain) && gain != 0)) {
        out.system.b.clear();
        out.message = KELMO_TEXT("Texts", "Fereastra aleasa anuleaza filtrul : alegeti un ordin mai mare sau alta fereastra.");
        return out;
    }
    for (extended& tap : h)
        tap /= gain;
    out.system.a = {1};
    return out;
}
