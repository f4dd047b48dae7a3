// The info a processing result carries besides its samples: the sample rate and domain it takes
// from its operands. Windowing, autocorrelation, correlation, sum, product and convolution keep
// the first operand's; resampling a signal to M samples keeps its duration, so its rate scales by
// M / N (a spectrum keeps its rate: its bins still span it); the Fourier transform keeps the rate
// and turns a signal into a spectrum and a spectrum back into a signal, in either direction. A
// rate the scaling takes outside the valid ones (core/samplerate.h) is dropped.
#pragma once

#include "core/variable.h"
#include "dsp/operations.h"

#include <string>

// The info of the result of `request` (its type and source are read) with `count` samples.
variableInfo processingResultInfo(const processingRequest& request, std::int64_t count,
                                  std::string description);
