// Test entry point: one QApplication on the offscreen platform, and a private
// settings store and data folder for this process, so no test reads or writes
// the developer's own files.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "framework/Registry.h"
#include "framework/Settings.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    const std::string home = std::filesystem::temp_directory_path().string() + "/glyphery-test-" +
                             std::to_string(getpid());
    std::filesystem::create_directories(home);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    // Tests place their clicks on today's natural tile sizes; the tests of
    // fitted tiles turn the option on themselves.
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "FitTiles", 0);
    g_Settings.FitTiles = 0;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    return result;
}
