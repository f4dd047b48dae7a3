// The file readers' and writers' messages that have variable parts, as templates: %1, %2 ... are
// the parts, filled in with fillText. The messages without variable parts are marked where they
// are made. All are in the words of a program's runtime library, in English.
#pragma once

#include "core/showntext.h"

#include <array>
#include <string_view>

inline constexpr std::string_view kReadingFailedText = KELMO_TEXT("Texts", "Reading the file %1 failed.");
inline constexpr std::string_view kWritingFailedText = KELMO_TEXT("Texts", "Writing to the file %1 failed.");
inline constexpr std::string_view kWritingRefusedText =
    KELMO_TEXT("Texts", "Writing to the file %1 was refused.");
inline constexpr std::string_view kFolderRefusedText =
    KELMO_TEXT("Texts", "Creating a file in the folder %1 was refused.");
// %1 the runtime's message ("Invalid numeric input"), %2 the row, %3 the column, %4 the cell.
inline constexpr std::string_view kInvalidCellText = KELMO_TEXT("Texts", "%1 in row %2, column %3 : \"%4\"");
inline constexpr std::string_view kMissingValueText = KELMO_TEXT("Texts", "Missing value in row %1, column %2");
inline constexpr std::string_view kColumnLeftOutText =
    KELMO_TEXT("Texts", "Column %1 holds only text and was left out");
inline constexpr std::string_view kColumnsLeftOutText =
    KELMO_TEXT("Texts", "Columns %1 hold only text and were left out");
inline constexpr std::string_view kSoundUnreadableText = KELMO_TEXT("Texts", "Cannot read the sound file : %1");
inline constexpr std::string_view kSoundReadChannelsText =
    KELMO_TEXT("Texts", "Cannot read the sound file : %1 channels (at most %2)");
inline constexpr std::string_view kSoundIncompleteText =
    KELMO_TEXT("Texts", "The sound file is incomplete : %1 samples expected, %2 read");
inline constexpr std::string_view kSoundUnwritableText = KELMO_TEXT("Texts", "Cannot write the sound file : %1");
inline constexpr std::string_view kSoundWriteChannelsText =
    KELMO_TEXT("Texts", "Cannot write the sound file : %1 channels (at most %2)");
inline constexpr std::string_view kInvalidSampleCountText =
    KELMO_TEXT("Texts", "Invalid sample count in variable #%1");

// Every template above, for a reader that recognises a finished message by its template.
inline constexpr std::array kIoTextTemplates = {
    kReadingFailedText,   kWritingFailedText,     kWritingRefusedText,   kFolderRefusedText,
    kInvalidCellText,     kMissingValueText,      kColumnLeftOutText,    kColumnsLeftOutText,
    kSoundUnreadableText, kSoundReadChannelsText, kSoundIncompleteText,  kSoundUnwritableText,
    kSoundWriteChannelsText, kInvalidSampleCountText,
};
