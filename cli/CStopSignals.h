#pragma once

#include "serial/CStopFlag.h"

// Ctrl+C (SIGINT), SIGTERM and SIGHUP end the running printer operation the way a failed
// line does: the handler only sets a process-wide stop flag that every session of the
// command line follows, so the operation unwinds normally (port closed, transfer files and
// folder removed) and the program then exits with 128 + the signal. A second signal ends
// the program at once. A signal that was ignored when the program started stays ignored.
class CStopSignals {
  public:
    static void Install();
    static const CStopFlag& Flag();
    // The first of those signals that arrived; 0 when none did.
    static int Caught();
};
