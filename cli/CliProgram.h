#pragma once

#include <iosfwd>

// The whole of stampix-cli: parses the arguments, runs the chosen command and returns the
// exit status: 0 success, 1 a command failed, 2 usage error (help and --version give 0);
// main() turns a stop signal into 128 + the signal (CStopSignals).
// With `detectTerminal`, questions are asked on `in` when stdin is a terminal and progress
// is a bar when stderr is one; without it, only --yes / --no answer.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           std::istream& in, bool detectTerminal);
