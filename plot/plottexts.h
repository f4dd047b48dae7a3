// The graph's texts that have variable parts, as templates for fillText (%1, %2 ... the parts):
// the cursor readout's lines and the spectrum view's frequency axis title.
#pragma once

#include "core/showntext.h"

#include <array>
#include <string_view>

// %1 the variable's ordinal (1 or 2), %2 the sample's index.
inline constexpr std::string_view kPositionLineText = KELMO_TEXT("Texts", "Pozitie %1 :%2");
inline constexpr std::string_view kValueLineText = KELMO_TEXT("Texts", "Valoare : %1");
// %1 the slope, %2 its unit ("db", "/dec", "db/dec" or nothing).
inline constexpr std::string_view kSlopeLineText = KELMO_TEXT("Texts", "Panta : %1%2");
// %1 the unit: "Hz" or the cycles per sample.
inline constexpr std::string_view kFrequencyTitleText = KELMO_TEXT("Texts", "Frecventa [%1]");
// The spectrum readout's frequency: %1 the number, %2 the unit, as in the title.
inline constexpr std::string_view kFrequencyLineText = KELMO_TEXT("Texts", "f = %1 %2");

inline constexpr std::array kPlotTextTemplates = {kPositionLineText, kValueLineText, kSlopeLineText,
                                                  kFrequencyTitleText, kFrequencyLineText};
