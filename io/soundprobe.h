// What the sound import learns before and beside libsndfile: which file extensions the installed
// library reads (for the file dialog's filter), and how many frames a WAV or AIFF header
// announces, which the library does not say when the file was cut short (it reads what is there
// and counts only that).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Extensions in lower case without the dot, the common ones first ("wav", "flac", "ogg", "oga",
// then "opus" and "mp3" where the library decodes them, "aif", "aiff", "aifc"), then every other
// format the library knows, except header-less raw data.
std::vector<std::string> soundFileExtensions();

// The frames that the first bytes of a RIFF WAVE or an AIFF/AIFC file announce for its data; -1
// for another format, a header cut before the count, or a count left open by a writer that could
// not go back to fill it in (0 or 0xFFFFFFFF bytes of WAV data).
std::int64_t announcedFrames(std::string_view head);
