#include "CliRun.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

CliOutcome RunInFolder(const std::filesystem::path& folder, const std::string& command) {
    // Each folder keeps its own state (the sync ledger), never the user's.
    const std::string line = "cd '" + folder.string() + "' && export XDG_STATE_HOME='" +
                             (folder / "state").string() + "' && " + command +
                             " > out.txt 2> err.txt < /dev/null";
    const int raw = std::system(line.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(folder / "out.txt"),
            Slurp(folder / "err.txt")};
}
