#include <iostream>

#include "cli/CliProgram.h"

int main(int argc, char** argv) { return RunCli(argc, argv, std::cout, std::cerr, std::cin, true); }
