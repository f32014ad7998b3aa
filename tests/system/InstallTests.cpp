// The installed program: `cmake --install` into a fresh prefix, started from
// another folder with a home of its own, finds its shipped files in
// share/glyphery, deals a word game and ends cleanly on SIGTERM, storing its
// settings; the desktop entry, the metainfo and the icons are where the
// desktop looks for them.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "framework/Registry.h"
#include "framework/Settings.h"

namespace fs = std::filesystem;

namespace {
int Shell(const std::string& command) { return std::system(command.c_str()); }

TEST(Installed, FindsItsDataFromAnyFolderDealsAndEndsCleanly)
{
    const fs::path root = fs::temp_directory_path() / ("glyphery-install-" + std::to_string(getpid()));
    fs::remove_all(root);
    const fs::path prefix = root / "prefix", home = root / "home", elsewhere = root / "elsewhere";
    fs::create_directories(home);
    fs::create_directories(elsewhere);
    ASSERT_EQ(Shell("cmake --install '" GLYPHERY_BINARY_DIR "' --prefix '" + prefix.string() + "' >/dev/null"), 0);
    for (const char* file : {"bin/glyphery", "share/glyphery/words.lst", "share/glyphery/Help.htm",
                             "share/applications/org.glyphery.Glyphery.desktop",
                             "share/metainfo/org.glyphery.Glyphery.metainfo.xml",
                             "share/icons/hicolor/256x256/apps/org.glyphery.Glyphery.png",
                             "share/doc/glyphery/words.lst.COPYRIGHT"})
        EXPECT_TRUE(fs::exists(prefix / file)) << file;

    // Jumble straight away: no chooser, no "How to play".
    const fs::path store = home / "config/glyphery/glyphery.db";
    fs::create_directories(store.parent_path());
    const std::string before = RegistryPath();
    SetRegistryPath(store.string());
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "ShowNagDlg", 0);
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "ShowRulesDlg", 0);
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "CurrentGame", 20);
    CloseRegistry();

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (chdir(elsewhere.c_str()) != 0)
            _exit(126);
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        const std::string program = (prefix / "bin/glyphery").string();
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // The first deal copies the shipped word list into the player's folder.
    const fs::path copied = home / "data/glyphery/modified.lst";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    bool exited = false;
    while (!fs::exists(copied) && std::chrono::steady_clock::now() < deadline && !exited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        exited = waitpid(child, &status, WNOHANG) == child;
    }
    EXPECT_TRUE(fs::exists(copied)) << "the shipped word list was not found";
    if (!exited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the deal finishes
        kill(child, SIGTERM);
        ASSERT_EQ(waitpid(child, &status, 0), child);
    }
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);

    SetRegistryPath(store.string());
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kMainKey, "CurrentGame", -1), 20);
    EXPECT_NE(ReadRegDword(HKEY_CURRENT_USER, kMainKey, "Width", -1), -1) << "settings stored at the end";
    CloseRegistry();
    SetRegistryPath(before);
    fs::remove_all(root);
}
}  // namespace
