// What the program does when a signal asks it to stop (SIGTERM, SIGINT, SIGHUP).
// The first such signal only makes a note and writes one byte into a pipe that the GUI thread
// watches; the GUI then quits as after File > Exit, once the command in progress (a save, say) has
// finished, so nothing is left half-done. A second one, while the first is still being handled,
// abandons every unfinished save (abandonUnfinishedSaves: no temporary file stays, a file written
// in place gets its old bytes back) and ends the process at once with status 128 + the signal.
#pragma once

// Installs the handlers, except for a signal that is ignored already. Returns the read end of the pipe that the first signal writes its number
// into (non-blocking), or -1 when no pipe could be made; the handlers are installed either way.
int installTerminationHandlers();

// The number of the first terminating signal that arrived, 0 while none has.
int terminationSignal();
