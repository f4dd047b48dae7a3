// The sample buffer: a growable array of complex values with a logical count, the samples that a
// sampling run or a processing operation produces and that the preview plotter draws. Each owner
// keeps its own (the sampling worker, the generation and processing dialogs' previews) and passes
// it to whoever reads it. Its storage grows to the largest count asked for and never shrinks.
#pragma once

#include "core/extended.h"

#include <vector>

struct sampleBuffer {
    std::vector<complexValue> values; // storage; at least `count` entries
    int count = 0;
    bool isComplex = false;

    // The storage grows first, so a failed allocation leaves the buffer as it was.
    void setCount(int n)
    {
        const int wanted = n > 0 ? n : 0;
        if (values.size() < static_cast<std::size_t>(wanted))
            values.resize(static_cast<std::size_t>(wanted));
        count = wanted;
    }
};
