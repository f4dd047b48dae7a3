#include "plot/spectrumaxis.h"

#include "plot/plottexts.h"

#include <algorithm>
#include <cmath>

std::string_view unitText(frequencyUnit unit)
{
    return unit == frequencyUnit::hertz ? "Hz" : KELMO_TEXT("Texts", "cicluri/esantion");
}

std::string frequencyTitle(frequencyUnit unit)
{
    return fillText(kFrequencyTitleText, {unitText(unit)});
}

spectrumAxis::spectrumAxis(std::int64_t bins, std::optional<extended> rate, spectrumLayout layout)
    : bins_(std::max<std::int64_t>(bins, 0)), layout_(layout)
{
    const bool hasRate = rate && std::isfinite(*rate) && *rate > 0;
    unit_ = hasRate ? frequencyUnit::hertz : frequencyUnit::cyclesPerSample;
    spacing_ = bins_ > 0 ? (hasRate ? *rate : extended(1)) / static_cast<extended>(bins_) : 0;
}

std::int64_t spectrumAxis::shownCount() const
{
    if (bins_ == 0)
        return 0;
    return layout_ == spectrumLayout::oneSided ? bins_ / 2 + 1 : bins_;
}

std::int64_t spectrumAxis::offset() const
{
    // Centred: N even shows bin N/2 as -fs/2 at the left end; N odd runs from -(N-1)/2.
    return layout_ == spectrumLayout::centred ? bins_ / 2 : 0;
}

std::int64_t spectrumAxis::binAt(std::int64_t position) const
{
    const std::int64_t shown = shownCount();
    if (shown == 0)
        return 0;
    position = (position % shown + shown) % shown;
    return ((position - offset()) % bins_ + bins_) % bins_;
}

extended spectrumAxis::frequencyAt(extended position) const
{
    return (position - static_cast<extended>(offset())) * spacing_;
}

std::int64_t spectrumAxis::positionNearest(extended frequency) const
{
    const std::int64_t shown = shownCount();
    if (shown == 0 || std::isnan(frequency))
        return 0;
    const extended at = std::nearbyint(frequency / spacing_ + static_cast<extended>(offset()));
    return static_cast<std::int64_t>(std::clamp(at, extended(0), static_cast<extended>(shown - 1)));
}
