// Transfer folders left behind by runs that were killed, and the ones that are not stale.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ops/CTempFolder.h"
#include "tests/imaging/BmpBuilder.h"

namespace fs = std::filesystem;

namespace {

// Field 22 of /proc/<pid>/stat, read independently of the code under test.
std::string StartTimeOf(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(in, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) fields >> field;
    return field;
}

pid_t DeadProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

fs::path Folder(const fs::path& base, const std::string& name, const std::string& owner) {
    fs::create_directory(base / name);
    std::ofstream(base / name / "QUIL3") << "data";
    if (!owner.empty()) std::ofstream(base / name / "owner") << owner << "\n";
    return base / name;
}

}  // namespace

TEST(TempFolder, StaleFoldersGoAndEveryOtherEntryStays) {
    bmptest::TempFolder baseFolder;
    const fs::path base = baseFolder.Path();
    const std::string self = std::to_string(getpid());
    const fs::path dead = Folder(base, "stampix-dead01", std::to_string(DeadProcess()) + " 1");
    const fs::path reused = Folder(base, "stampix-reuse1", self + " 1");  // after a power cut
    const fs::path live = Folder(base, "stampix-live01", self + " " + StartTimeOf(getpid()));
    const fs::path fresh = Folder(base, "stampix-fresh1", "");  // owner not written yet
    const fs::path garbled = Folder(base, "stampix-garbl1", "not a process");
    fs::last_write_time(garbled, fs::file_time_type::clock::now() - std::chrono::hours(1));
    const fs::path otherName = Folder(base, "stampix-longname", std::to_string(DeadProcess()));
    std::ofstream(base / "stampix-file01") << "a file, not a folder";
    bmptest::TempFolder elsewhereFolder;
    const fs::path elsewhere = elsewhereFolder.Path();
    Folder(elsewhere, "target", std::to_string(DeadProcess()) + " 1");
    fs::create_directory_symlink(elsewhere / "target", base / "stampix-link01");

    EXPECT_EQ(CTempFolder::RemoveStaleFolders(base), 3);
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_FALSE(fs::exists(reused));
    EXPECT_FALSE(fs::exists(garbled));
    EXPECT_TRUE(fs::exists(live / "QUIL3"));
    EXPECT_TRUE(fs::exists(fresh / "QUIL3"));
    EXPECT_TRUE(fs::exists(otherName));
    EXPECT_TRUE(fs::exists(base / "stampix-file01"));
    EXPECT_TRUE(fs::exists(elsewhere / "target" / "QUIL3"));

    // A new folder names its owner, and is not stale to the next run while it lives.
    setenv("TMPDIR", base.c_str(), 1);
    {
        CTempFolder folder;
        ASSERT_FALSE(folder.Path().empty());
        std::ifstream owner(folder.Path() / "owner");
        std::string pid, start;
        owner >> pid >> start;
        EXPECT_EQ(pid, self);
        EXPECT_EQ(start, StartTimeOf(getpid()));
        EXPECT_EQ(CTempFolder::RemoveStaleFolders(base), 0);
        EXPECT_TRUE(fs::exists(folder.Path()));
    }
    unsetenv("TMPDIR");
}
