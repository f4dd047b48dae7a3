// Import of PC-DSP sample files (*.dsp), read only.
// The file is a 14-byte header (name: 8 bytes ending at the first byte 0; 2 bytes unused; kind and
// sample count as little-endian unsigned 16-bit numbers) followed by IEEE single-precision samples:
// N values for a real file, N (real, imaginary) pairs for kind 2. A file is taken only when its
// size is exactly 14 + kind * 4 * N bytes; every kind but 2 is read as real, 4 bytes a sample.
// Malformed files are ignored without a message; only a file that cannot be opened or read is
// reported. Runs on the calling (GUI) thread.
#pragma once

#include "core/variable.h"
#include "core/workspace.h"
#include "io/loadcallbacks.h"

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::size_t kDspHeaderSize = 14;

// Imports a PC-DSP file held in memory (`bytes` is the whole file) as one new variable, stored
// with its name in lower case and described "Loaded from : <shownPath>". A refused name goes
// through loadCallbacks::askName without Skip and Ignore All. Returns the new variable, or null
// when the file was ignored or the name was cancelled.
tdspvarPtr importDspData(std::string_view bytes, const std::string& shownPath,
                         tworkspace& workspace, loadCallbacks& callbacks);

// The same for the file at `path`, described with its absolute path. Only the header and the
// sample bytes that are used are read, whatever size the header announces.
tdspvarPtr importDspFile(const std::string& path, tworkspace& workspace, loadCallbacks& callbacks);
