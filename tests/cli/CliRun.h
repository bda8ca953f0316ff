#pragma once

#include <filesystem>
#include <string>

// What one run of a program through the shell left behind.
struct CliOutcome {
    int status;  // exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs `command` (a shell command line) in `folder`, with no input, and collects its exit
// status and both output streams (kept in out.txt and err.txt of the folder). The folder's
// "state" subfolder is the program's state folder.
CliOutcome RunInFolder(const std::filesystem::path& folder, const std::string& command);
