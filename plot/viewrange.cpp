#include "plot/viewrange.h"

#include <algorithm>
#include <cmath>

viewRange::viewRange(std::int64_t samples, int columns)
    : samples_(std::max<std::int64_t>(samples, 0)), columns_(std::max(columns, 1))
{
    home();
}

std::int64_t viewRange::smallestCount() const
{
    return std::min<std::int64_t>(samples_, columns_);
}

std::int64_t viewRange::columnStart(int column) const
{
    return columnBoundary(first_, count_, columns_, column);
}

extended viewRange::pixelOf(extended position) const
{
    return count_ > 0 ? (position - first_) * columns_ / count_ : 0;
}

extended viewRange::positionAt(extended pixel) const
{
    return first_ + pixel * count_ / columns_;
}

void viewRange::home()
{
    first_ = 0;
    count_ = samples_;
}

void viewRange::setColumns(int columns)
{
    columns_ = std::max(columns, 1);
    show(first_, count_);
}

void viewRange::show(extended first, extended count)
{
    // Limits come first, in extended: a wild factor cannot overflow the conversion.
    count = std::clamp(std::nearbyint(count), static_cast<extended>(smallestCount()),
                       static_cast<extended>(samples_));
    count_ = static_cast<std::int64_t>(count);
    first = std::clamp(std::nearbyint(first), extended(0), static_cast<extended>(samples_ - count_));
    first_ = static_cast<std::int64_t>(first);
}

void viewRange::zoomAround(int pixel, extended factor)
{
    if (!(std::isfinite(factor) && factor > 0))
        return;
    const extended anchor = positionAt(pixel);
    extended count = std::clamp(count_ / factor, static_cast<extended>(smallestCount()),
                                static_cast<extended>(samples_));
    show(anchor - static_cast<extended>(pixel) * count / columns_, count);
}

void viewRange::panByPixels(int dx)
{
    show(first_ - static_cast<extended>(dx) * count_ / columns_, count_);
}

void viewRange::zoomToPixels(int fromPixel, int toPixel)
{
    const int low = std::clamp(std::min(fromPixel, toPixel), 0, columns_ - 1);
    const int high = std::clamp(std::max(fromPixel, toPixel), 0, columns_ - 1);
    const std::int64_t begin = columnStart(low);
    const std::int64_t end = columnStart(high + 1);
    const extended count = std::max(end - begin, smallestCount());
    show((begin + end) / extended(2) - count / 2, count);
}

valueSpan followVisible(const minMax& visible, const minMax& wholeFinite, yFollow kind,
                        extended decibelRange)
{
    minMax shown = visible;
    if (!std::isfinite(shown.low))
        shown.low = wholeFinite.low;
    if (!std::isfinite(shown.high))
        shown.high = wholeFinite.high;
    const bool known = !shown.empty() && std::isfinite(shown.low) && std::isfinite(shown.high);
    switch (kind) {
    case yFollow::magnitude:
        return {0, known && shown.high > 0 ? shown.high : extended(1)};
    case yFollow::decibels: {
        const extended top = std::isfinite(shown.high) ? shown.high : 0;
        return {top - decibelRange, top};
    }
    case yFollow::values:
        break;
    }
    if (!known)
        return {-1, 1};
    if (shown.low < shown.high)
        return {shown.low, shown.high};
    const extended spread = shown.low != 0 ? std::fabs(shown.low) : 1;
    return {shown.low - spread, shown.low + spread};
}
