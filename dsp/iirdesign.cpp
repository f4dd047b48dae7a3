#include "dsp/iirdesign.h"

#include "core/showntext.h"
#include "dsp/polynomialroots.h"

#include <cmath>
#include <vector>

namespace {

using cx = complexExtended;

// Zeros, poles and gain of an analog (s) or digital (z) system.
struct zeroPoleGain {
    std::vector<cx> zeros;
    std::vector<cx> poles;
    extended gain = 1;
};

cx productOfNegated(const std::vector<cx>& roots)
{
    cx product = 1;
    for (const cx& r : roots)
        product *= -r;
    return product;
}

// The analog low-pass prototype with its cutoff at 1 rad/s; poles -e^(j pi m / 2N) (Butterworth)
// or -sinh(mu + j pi m / 2N) (Chebyshev), m = -N+1, -N+3, ..., N-1 (m = 0 gives an exactly real
// pole).
zeroPoleGain prototype(iirFamily family, int order, extended rippleDb)
{
    zeroPoleGain s;
    const bool chebyshev = family == iirFamily::chebyshev1;
    const extended rippleFactor = chebyshev ? std::sqrt(std::pow(extended{10}, rippleDb / 10) - 1) : 0;
    const extended mu = chebyshev ? std::asinh(1 / rippleFactor) / order : 0;
    for (int m = -order + 1; m < order; m += 2) {
        const extended theta = kPi * m / (2 * order);
        s.poles.push_back(chebyshev ? -std::sinh(cx(mu, theta)) : -std::exp(cx(0, theta)));
    }
    if (chebyshev) {
        s.gain = productOfNegated(s.poles).real();
        // An even order starts at the bottom of the ripple band.
        if (order % 2 == 0)
            s.gain /= std::sqrt(1 + rippleFactor * rippleFactor);
    }
    return s;
}

// The band's substitution, at the prewarped analog cutoffs w1 (and w2 for a band).
zeroPoleGain toBand(const zeroPoleGain& lp, filterBand band, extended w1, extended w2)
{
    const std::size_t degree = lp.poles.size() - lp.zeros.size();
    const extended width = w2 - w1, centre = std::sqrt(w1 * w2);
    zeroPoleGain s;
    switch (band) {
    case filterBand::lowPass:
        for (const cx& p : lp.poles)
            s.poles.push_back(w1 * p);
        s.gain = lp.gain * std::pow(w1, static_cast<extended>(degree));
        break;
    case filterBand::highPass:
        for (const cx& p : lp.poles)
            s.poles.push_back(w1 / p);
        s.zeros.assign(degree, cx{0});
        s.gain = lp.gain * (productOfNegated(lp.zeros) / productOfNegated(lp.poles)).real();
        break;
    case filterBand::bandPass:
        for (const cx& p : lp.poles) {
            const cx q = p * width / extended{2}, root = std::sqrt(q * q - centre * centre);
            s.poles.push_back(q + root);
            s.poles.push_back(q - root);
        }
        s.zeros.assign(degree, cx{0});
        s.gain = lp.gain * std::pow(width, static_cast<extended>(degree));
        break;
    case filterBand::bandStop:
        for (const cx& p : lp.poles) {
            const cx q = (width / extended{2}) / p, root = std::sqrt(q * q - centre * centre);
            s.poles.push_back(q + root);
            s.poles.push_back(q - root);
        }
        s.zeros.assign(degree, cx(0, centre));
        s.zeros.insert(s.zeros.end(), degree, cx(0, -centre));
        s.gain = lp.gain * (productOfNegated(lp.zeros) / productOfNegated(lp.poles)).real();
        break;
    }
    return s;
}

// The bilinear transform s = 2 fs (z - 1) / (z + 1) with fs = 2 (the prewarping's own rate):
// each root r goes to (4 + r) / (4 - r), and the zeros at infinity to -1.
zeroPoleGain bilinear(const zeroPoleGain& s)
{
    constexpr extended twiceRate = 4;
    zeroPoleGain z;
    cx zeroFactor = 1, poleFactor = 1;
    for (const cx& r : s.zeros) {
        z.zeros.push_back((twiceRate + r) / (twiceRate - r));
        zeroFactor *= twiceRate - r;
    }
    for (const cx& r : s.poles) {
        z.poles.push_back((twiceRate + r) / (twiceRate - r));
        poleFactor *= twiceRate - r;
    }
    z.zeros.insert(z.zeros.end(), s.poles.size() - s.zeros.size(), cx{-1});
    z.gain = s.gain * (zeroFactor / poleFactor).real();
    return z;
}

} // namespace

filterDesign designIir(const filterParameters& parameters, iirFamily family, extended rippleDb)
{
    filterDesign out;
    const bool band = isBandFilter(parameters.band);
    out.message = checkFilterParameters(parameters, band ? kMaxIirBandOrder : kMaxIirOrder);
    if (out.message.empty() && family == iirFamily::chebyshev1 && !(rippleDb > 0 && rippleDb <= kMaxRippleDb))
        out.message = KELMO_TEXT("Texts", "Riplul trebuie sa fie intre 0 si 100 dB.");
    if (!out.message.empty())
        return out;

    // Prewarping: the analog cutoff whose bilinear image falls on the digital one.
    const extended w1 = 4 * std::tan(kPi * cutoffFraction(parameters));
    const extended w2 = band ? 4 * std::tan(kPi * upperCutoffFraction(parameters)) : 0;
    const zeroPoleGain analog = toBand(prototype(family, parameters.order, rippleDb), parameters.band, w1, w2);
    const zeroPoleGain z = bilinear(analog);
    out.system.b = polynomialFromRoots(z.zeros);
    for (extended& v : out.system.b)
        v *= z.gain;
    out.system.a = polynomialFromRoots(z.poles);
    return out;
}
