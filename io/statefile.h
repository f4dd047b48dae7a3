// The state file (*.var): the program's own text format for keeping variables between runs.
// Each variable is a block: the header line "kind N name" (kind 1 real, 2 complex), then one line
// per sample with the real part, or the real part, a blank and the imaginary part, each in the
// 23-character number form of statenumber.h; the line "0" closes the file. The writer ends every
// line with CR LF. The reader is looser: numbers are separated by any bytes up to code 32, a line
// ends at CR (optionally followed by LF) or at a lone LF, and code 26 ends the file.
//
// After the closing line the writer keeps what a variable carries besides its samples (its
// description, sample rate and domain) in lines that a reader following the format above never
// reaches, so the file up to and including the "0" line is the same as without them:
//   KELMO INFO 1
//   variable <k> <kind> <N> <name>   the k-th block of the file, as its header line reads
//   description <text>               "\\" for a backslash, "\xHH" for a byte below 32
//   rate <Hz>                        the shortest decimal form that reads back exactly
//   domain spectrum
//   end
// Only variables with something to keep have a "variable" line, and a file where none has any
// ends at the "0" line. Loading applies each entry to the block it names when that block was
// loaded and still matches its kind, count and name; a rate that is not a valid one, an unknown
// line or a missing trailer changes nothing.
//
// Loading adds variables to the workspace and never replaces one. A refused name goes through
// loadCallbacks::askName with Skip and Ignore All offered; errors go to loadCallbacks::showError
// after the file is closed, and what was completed before an error stays in the workspace.
// Everything here runs on the calling (GUI) thread.
#pragma once

#include "core/showntext.h"
#include "core/variable.h"
#include "core/workspace.h"
#include "io/loadcallbacks.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Messages of the reader besides the system's file errors.
inline constexpr const char* kInvalidNumericInput = KELMO_TEXT("Texts", "Invalid numeric input");
inline constexpr const char* kReadBeyondEndOfFile = KELMO_TEXT("Texts", "Read beyond end of file");
// "Invalid sample count in variable #<k>": a negative count, or one above kMaxVariableSamples.
// A valid count whose block the file cuts short keeps the samples read, zeros after them, and
// ends the load with kReadBeyondEndOfFile.
std::string invalidSampleCountMessage(int ordinal);

// The first line after the closing "0" line when the variables' info follows.
inline constexpr std::string_view kInfoTrailerMark = "KELMO INFO 1";

// Writes the blocks of `variables` in the given order and the closing line through `sink`, in
// pieces of about 64 KiB; stops early when the sink returns false. Null entries are left out.
// Control characters (codes below 32) in a name are not written, so a name can never break the
// line structure.
void writeStateText(const std::vector<tdspvarPtr>& variables,
                    const std::function<bool(std::string_view)>& sink);
std::string stateText(const std::vector<tdspvarPtr>& variables);

// Writes a state file. The old file at `path` is replaced only once the new one is complete on
// the disk; on any failure it stays as it was, and the error ("File access denied", "Disk
// full", ...) is shown through `callbacks`. Returns true when the file was written.
bool saveStateFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                   loadCallbacks& callbacks);

// Reads state-file text into `workspace`. Each variable gets the description
// "Variable #<k> in file <shownPath>", k counting every block, skipped ones too, unless the
// trailer keeps its own, and the display peak of its samples. Returns the number of variables
// created.
int loadStateText(std::string_view text, const std::string& shownPath, tworkspace& workspace,
                  loadCallbacks& callbacks);

// Reads the state file at `path` (described with its absolute path) into `workspace`. A file that
// cannot be read shows its error and creates nothing. Returns the number of variables created.
int loadStateFile(const std::string& path, tworkspace& workspace, loadCallbacks& callbacks);
