// The filter functions' messages that have variable parts, as templates for fillText (%1 the
// part). The messages without variable parts are marked where they are made.
#pragma once

#include "core/showntext.h"

#include <array>
#include <string_view>

// %1 the first sample whose value is not finite.
inline constexpr std::string_view kFilterDivergesText =
    KELMO_TEXT("Texts", "Filtrul diverge : de la esantionul %1 valorile nu mai sunt finite.");
inline constexpr std::string_view kOrderRangeText = KELMO_TEXT("Texts", "Ordinul trebuie sa fie intre 1 si %1.");
// %1 half the sampling rate.
inline constexpr std::string_view kCutoffRangeText =
    KELMO_TEXT("Texts", "Frecventele de taiere trebuie sa fie intre 0 si %1.");

inline constexpr std::array kDspTextTemplates = {kFilterDivergesText, kOrderRangeText, kCutoffRangeText};
