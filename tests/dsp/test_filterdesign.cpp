#include "dsp/firdesign.h"
#include "dsp/frequencyresponse.h"
#include "dsp/iirdesign.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// Within 1e-12 of the largest reference coefficient.
void expectCoefficients(const std::vector<extended>& got, const std::vector<double>& want, const std::string& label)
{
    ASSERT_EQ(got.size(), want.size()) << label;
    double largest = 0;
    for (double v : want)
        largest = std::max(largest, std::fabs(v));
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_NEAR(static_cast<double>(got[i]), want[i], 1e-12 * largest) << label << ", coefficient " << i;
}

constexpr filterBand lp = filterBand::lowPass, hp = filterBand::highPass, bp = filterBand::bandPass,
                     bs = filterBand::bandStop;

} // namespace

// The reference values are scipy.signal's firwin(order + 1, 2 f, window, pass_zero), butter and
// cheby1(order, ripple, 2 f, band) for cutoffs f as fractions of the rate, computed once.
TEST(FilterDesign, EqualsTheCommonDesigns)
{
    const struct {
        filterParameters parameters;
        windowShape window;
        std::vector<double> taps;
    } firCases[] = {
        {{lp, 10, 0.1L, 0, 1}, windowShape::hamming,
         {7.391423150964e-19, 0.009304283145018, 0.04757776613442, 0.1223635463611, 0.2022465584298, 0.2370156918592,
          0.2022465584298, 0.1223635463611, 0.04757776613442, 0.009304283145018, 7.391423150964e-19}},
        {{bp, 12, 0.1L, 0.25L, 1}, windowShape::hamming,
         {0.003133614196473, 0.011325781681, -0.018214132517, -0.1404204818775, -0.1464047472635, 0.1546630336801,
          0.3768419405892, 0.1546630336801, -0.1464047472635, -0.1404204818775, -0.018214132517, 0.011325781681,
          0.003133614196473}},
        {{bs, 12, 0.15L, 0.3L, 1}, windowShape::hamming,
         {0.001535309055685, -0.008978548056386, -0.03780260237192, 0.0511676206824, 0.1877935730734,
          -0.04224838641979, 0.6970660680732, -0.04224838641979, 0.1877935730734, 0.0511676206824, -0.03780260237192,
          -0.008978548056386, 0.001535309055685}},
        {{lp, 9, 0.2L, 0, 1}, windowShape::hamming,
         {-0.003328430698394, -0.01623901735047, 7.179381798063e-18, 0.1555067167269, 0.364060731322, 0.364060731322,
          0.1555067167269, 7.179381798063e-18, -0.01623901735047, -0.003328430698394}},
        {{hp, 8, 2800, 0, 8000}, windowShape::hanning, // in Hz: 0.35 of the rate
         {0, -0.00533173400499, 0.08403774268775, -0.2440711124656, 0.3331188216834, -0.2440711124656,
          0.08403774268775, -0.00533173400499, 0}},
    };
    for (const auto& c : firCases) {
        const filterDesign d = designWindowedFir(c.parameters, c.window);
        EXPECT_TRUE(d.message.empty() && d.system.a == std::vector<extended>{1});
        expectCoefficients(d.system.b, c.taps, "FIR order " + std::to_string(c.parameters.order));
    }

    const struct {
        filterParameters parameters;
        iirFamily family;
        extended ripple;
        std::vector<double> b, a;
    } iirCases[] = {
        {{lp, 4, 0.1L, 0, 1}, iirFamily::butterworth, 0,
         {0.004824343357716, 0.01929737343086, 0.0289460601463, 0.01929737343086, 0.004824343357716},
         {1, -2.369513007182, 2.313988414416, -1.054665405879, 0.1873794923682}},
        {{hp, 3, 0.2L, 0, 1}, iirFamily::butterworth, 0,
         {0.2569156012485, -0.7707468037454, 0.7707468037454, -0.2569156012485},
         {1, -0.5772405248063, 0.4217870486896, -0.05629723649184}},
        {{bp, 2, 800, 1600, 8000}, iirFamily::butterworth, 0, // in Hz: 0.1 and 0.2 of the rate
         {0.06745527388907, 0, -0.1349105477781, 0, 0.06745527388907},
         {1, -1.942468776548, 2.119202397144, -1.216651635516, 0.4128015980962}},
        {{bs, 2, 0.15L, 0.3L, 1}, iirFamily::butterworth, 0,
         {0.5050010290459, -0.354653141942, 1.072268689175, -0.354653141942, 0.5050010290459},
         {1, -0.4824307325199, 0.8100558093419, -0.2268755513641, 0.272214937925}},
        {{lp, 4, 0.125L, 0, 1}, iirFamily::chebyshev1, 1,
         {0.004241237779405, 0.01696495111762, 0.02544742667643, 0.01696495111762, 0.004241237779405},
         {1, -2.728032772795, 3.254977580668, -1.925947715144, 0.4751428601925}},
        {{hp, 5, 0.3L, 0, 1}, iirFamily::chebyshev1, 0.5L,
         {0.009998682437302, -0.04999341218651, 0.09998682437302, -0.09998682437302, 0.04999341218651,
          -0.009998682437302},
         {1, 2.005660620294, 2.604563781471, 2.018552930884, 0.9720377999355, 0.2324301922343}},
        {{bs, 2, 0.2L, 0.35L, 1}, iirFamily::chebyshev1, 2,
         {0.438119512855, 0.3076834557618, 0.9302591652905, 0.3076834557618, 0.438119512855},
         {1, 0.4837256980597, 0.8231722626458, 0.2909753444347, 0.4510742163648}},
    };
    for (const auto& c : iirCases) {
        const filterDesign d = designIir(c.parameters, c.family, c.ripple);
        EXPECT_TRUE(d.message.empty());
        const std::string label = "IIR order " + std::to_string(c.parameters.order);
        expectCoefficients(d.system.b, c.b, label + " b");
        expectCoefficients(d.system.a, c.a, label + " a");
    }
}

TEST(FilterDesign, ProgramsOwnBlackmanWindowKeepsUnitGain)
{
    // At the centre of the passband: 0 for a low-pass, 0.15 of the rate (w = 0.3 pi, point 6 of
    // 21) for this band-pass.
    const filterDesign low = designWindowedFir({lp, 30, 0.1L, 0, 1}, windowShape::blackman);
    const filterDesign band = designWindowedFir({bp, 40, 0.1L, 0.2L, 1}, windowShape::blackman);
    EXPECT_NEAR(static_cast<double>(computeFrequencyResponse(low.system, 2).magnitudeDb[0]), 0, 1e-15);
    EXPECT_NEAR(static_cast<double>(computeFrequencyResponse(band.system, 21).magnitudeDb[6]), 0, 1e-15);
}

TEST(FilterDesign, BadParametersAreRefusedWithAMessage)
{
    const std::string range = "Frecventele de taiere trebuie sa fie intre 0 si 0.5.";
    const struct {
        filterParameters parameters;
        bool fir;
        extended ripple;
        std::string message;
    } cases[] = {
        {{lp, 0, 0.1L, 0, 1}, true, 0, "Ordinul trebuie sa fie intre 1 si 1000."},
        {{hp, 9, 0.1L, 0, 1}, true, 0, "Un filtru trece-sus sau opreste-banda cere un ordin par."},
        {{lp, 4, 0, 0, 1}, true, 0, range},
        {{lp, 4, 0.5L, 0, 1}, false, 0, range},
        {{bp, 4, 0.1L, 0.6L, 1}, false, 0, range},
        {{lp, 4, std::nanl(""), 0, 1}, false, 0, range},
        {{lp, 4, 4000, 0, 8000}, true, 0, "Frecventele de taiere trebuie sa fie intre 0 si 4000."},
        {{bs, 4, 0.3L, 0.2L, 1}, false, 0, "Frecventele de taiere trebuie sa fie crescatoare."},
        {{lp, 4, 0.1L, 0, 0}, false, 0, "Frecventa de esantionare trebuie sa fie pozitiva."},
        {{lp, 51, 0.1L, 0, 1}, false, 0, "Ordinul trebuie sa fie intre 1 si 50."},
        {{bp, 26, 0.1L, 0.2L, 1}, false, 0, "Ordinul trebuie sa fie intre 1 si 25."},
        {{lp, 4, 0.1L, 0, 1}, false, 0, "Riplul trebuie sa fie intre 0 si 100 dB."},
        {{lp, 4, 0.1L, 0, 1}, false, std::nanl(""), "Riplul trebuie sa fie intre 0 si 100 dB."},
    };
    for (const auto& c : cases) {
        const filterDesign d = c.fir ? designWindowedFir(c.parameters, windowShape::hamming)
                                     : designIir(c.parameters, iirFamily::chebyshev1, c.ripple);
        EXPECT_EQ(d.message, c.message) << "order " << c.parameters.order;
        EXPECT_TRUE(d.system.b.empty() && d.system.a.empty());
    }
    // A window that is 0 at both ends cancels a two-tap filter: refused, never NaN taps.
    const filterDesign twoTaps = designWindowedFir({lp, 1, 0.1L, 0, 1}, windowShape::bartlett);
    EXPECT_EQ(twoTaps.message, "Fereastra aleasa anuleaza filtrul : alegeti un ordin mai mare sau alta fereastra.");
    EXPECT_TRUE(twoTaps.system.b.empty());
}
