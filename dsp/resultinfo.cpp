#include "dsp/resultinfo.h"

#include "core/samplerate.h"

variableInfo processingResultInfo(const processingRequest& request, std::int64_t count,
                                  std::string description)
{
    variableInfo info{.description = std::move(description)};
    if (!request.source)
        return info;
    const variableInfo& from = request.source->info();
    info.sampleRate = from.sampleRate;
    info.domain = from.domain;
    const int n = request.source->sampleCount();
    if (request.type == processingType::resampling && from.domain == signalDomain::time && n > 0)
        info.sampleRate = from.sampleRate * static_cast<double>(count) / n;
    if (request.type == processingType::fourier)
        info.domain = from.domain == signalDomain::time ? signalDomain::spectrum : signalDomain::time;
    if (!isValidSampleRate(info.sampleRate))
        info.sampleRate = 0;
    return info;
}
