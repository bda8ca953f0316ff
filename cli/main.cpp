#include <iostream>

#include "cli/CStopSignals.h"
#include "cli/CliProgram.h"

int main(int argc, char** argv) {
    CStopSignals::Install();
    const int status = RunCli(argc, argv, std::cout, std::cerr, std::cin, true);
    if (const int signal = CStopSignals::Caught()) return 128 + signal;
    return status;
}
