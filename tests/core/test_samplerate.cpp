// Reading a typed sample rate: the point as the separator, and only rates a variable may carry.
#include "core/samplerate.h"

#include <gtest/gtest.h>

TEST(SampleRate, TypedTextIsAcceptedClearedOrRefused)
{
    struct entry {
        const char* text;
        sampleRateEntry want;
        double rate; // the rate read, or the one left in place
    };
    const entry entries[] = {
        {"8000", sampleRateEntry::accepted, 8000},
        {" 44100.5\t", sampleRateEntry::accepted, 44100.5},
        {"1e9", sampleRateEntry::accepted, 1e9},
        {"2.5e-3", sampleRateEntry::accepted, 2.5e-3},
        {"", sampleRateEntry::cleared, 7},
        {"   ", sampleRateEntry::cleared, 7},
        {"0", sampleRateEntry::refused, 7},
        {"-8000", sampleRateEntry::refused, 7},
        {"1.000000001e9", sampleRateEntry::refused, 7},
        {"nan", sampleRateEntry::refused, 7},
        {"inf", sampleRateEntry::refused, 7},
        {"8000,5", sampleRateEntry::refused, 7},
        {"8 000", sampleRateEntry::refused, 7},
        {"8000Hz", sampleRateEntry::refused, 7},
        {"1e999", sampleRateEntry::refused, 7},
    };
    for (const entry& e : entries) {
        double rate = 7;
        EXPECT_EQ(readSampleRate(e.text, rate), e.want) << e.text;
        EXPECT_EQ(rate, e.rate) << e.text;
    }
}
