// The manual page of stampix-cli names every command and option that its help lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "CliRun.h"
#include "tests/imaging/BmpBuilder.h"

namespace {

bool IsNameCharacter(char c) { return (c >= 'a' && c <= 'z') || c == '-'; }

std::string ManualPage() {
    const char* source = std::getenv("STAMPIX_SOURCE_DIR");
    std::ifstream file(std::string(source != nullptr ? source : ".") + "/docs/man/stampix-cli.1");
    std::stringstream read;
    read << file.rdbuf();
    const std::string roff = read.str();
    // roff writes a minus as "\-" and changes fonts with "\fB", "\fI", "\fR", "\fP".
    std::string text;
    for (std::size_t i = 0; i < roff.size(); ++i) {
        if (roff[i] == '\\' && i + 1 < roff.size() && roff[i + 1] == '-') {
            text += '-';
            ++i;
        } else if (roff.compare(i, 2, "\\f") == 0 && i + 2 < roff.size()) {
            i += 2;
        } else {
            text += roff[i];
        }
    }
    return text;
}

// The long options a help text lists ("--port", "--width-mm").
std::set<std::string> Options(const std::string& help) {
    std::set<std::string> options;
    for (std::size_t at = help.find("--"); at != std::string::npos; at = help.find("--", at + 2)) {
        const bool starts = at == 0 || help[at - 1] == ' ' || help[at - 1] == ',';
        std::size_t end = at + 2;
        if (!starts || end >= help.size() || help[end] < 'a' || help[end] > 'z') continue;
        while (end < help.size() && IsNameCharacter(help[end])) ++end;
        options.insert(help.substr(at, end - at));
    }
    return options;
}

// The subcommands under "Subcommands:", one a line ("  convert   Convert ...").
std::set<std::string> Commands(const std::string& help) {
    std::set<std::string> commands;
    const auto start = help.find("Subcommands:");
    if (start == std::string::npos) return commands;
    std::istringstream lines(help.substr(start));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("  ", 0) != 0 || line.size() < 3 || line[2] < 'a' || line[2] > 'z') continue;
        std::size_t end = 2;
        while (end < line.size() && line[end] >= 'a' && line[end] <= 'z') ++end;
        if (end < line.size() && line[end] == ' ') commands.insert(line.substr(2, end - 2));
    }
    return commands;
}

// The text of a section or entry: from `start` to the next entry or section.
std::string Part(const std::string& page, const std::string& start) {
    const auto from = page.find(start);
    if (from == std::string::npos) return {};
    const auto entryEnd = page.find("\n.TP", from + 1);
    const auto sectionEnd = page.find("\n.SH", from + 1);
    return page.substr(from, std::min(entryEnd, sectionEnd) - from);
}

TEST(ManualPage, NamesEveryCommandAndOptionOfTheHelp) {
    bmptest::TempFolder folder;
    const auto help = [&](const std::string& args) {
        const CliOutcome run =
            RunInFolder(folder.Path(), "'" STAMPIX_CLI_PATH "' " + args + " --help");
        EXPECT_EQ(run.status, 0) << args << run.err;
        return run.out;
    };
    const std::string page = ManualPage();
    ASSERT_NE(page.find(".SH COMMANDS"), std::string::npos);
    const std::string top = help("");
    const std::set<std::string> commands = Commands(top);
    ASSERT_GE(commands.size(), 6u) << top;
    for (const std::string& option : Options(top)) {
        if (option == "--help") continue;
        EXPECT_NE(page.find(option), std::string::npos) << option;
    }
    // A command's option is named in the command's entry (a line that starts with the
    // command) or among the options shared by several commands.
    const auto optionsStart = page.find("\n.SH OPTIONS");
    ASSERT_NE(optionsStart, std::string::npos);
    const std::string shared =
        page.substr(optionsStart, page.find("\n.SH", optionsStart + 1) - optionsStart);
    for (const std::string& command : commands) {
        const std::string entry = Part(page, "\n" + command + " ");
        EXPECT_FALSE(entry.empty()) << command;
        for (const std::string& option : Options(help(command))) {
            if (option == "--help") continue;
            EXPECT_TRUE(entry.find(option) != std::string::npos ||
                        shared.find(option) != std::string::npos)
                << command << " " << option;
        }
    }
}

}  // namespace
