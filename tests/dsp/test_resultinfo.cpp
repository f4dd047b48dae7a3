// The sample rate and domain a processing result takes from its source.
#include "dsp/resultinfo.h"

#include <gtest/gtest.h>

TEST(ResultInfo, RateAndDomainFollowTheSource)
{
    using enum processingType;
    using enum signalDomain;
    const tdspvar signal("S", signalSamples::real(std::vector<extended>(1000)), {"s", 8000, time});
    const tdspvar bins("F", signalSamples::real(std::vector<extended>(1000)), {"f", 8000, spectrum});
    const tdspvar fast("X", signalSamples::real({1}), {"x", 1e9, time});
    struct entry {
        processingType type;
        const tdspvar* source;
        std::int64_t count;
        double rate;
        signalDomain domain;
    };
    const entry entries[] = {
        {windowing, &signal, 1000, 8000, time},
        {convolution, &signal, 1900, 8000, time}, // the first operand's, whatever the length
        {product, &bins, 1000, 8000, spectrum},
        {resampling, &signal, 250, 2000, time},    // the same duration in fewer samples
        {resampling, &bins, 250, 8000, spectrum}, // the bins still span the rate
        {resampling, &fast, 2, 0, time},           // 2e9 Hz is no rate a variable carries
        {fourier, &signal, 1000, 8000, spectrum},
        {fourier, &bins, 1000, 8000, time},
    };
    for (const entry& e : entries) {
        const variableInfo info = processingResultInfo({.type = e.type, .source = e.source}, e.count, "d");
        EXPECT_EQ(info, (variableInfo{"d", e.rate, e.domain})) << static_cast<int>(e.type) << " " << e.count;
    }
    EXPECT_EQ(processingResultInfo({.type = sum}, 4, "d"), variableInfo{"d"}); // no source
}
