#pragma once
// Shared set-up of the fuzz targets: a private folder for the files each
// input is written to, private settings and data folders, and one way to
// report a failed check (libFuzzer then saves the input as a crash).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzzmain {

inline const std::string& WorkDir()
{
    static const std::string dir = [] {
        const std::string base = std::filesystem::temp_directory_path().string() + "/glyphery-fuzz-" + std::to_string(getpid());
        std::filesystem::create_directories(base + "/config");
        std::filesystem::create_directories(base + "/data");
        setenv("XDG_CONFIG_HOME", (base + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (base + "/data").c_str(), 1);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(std::filesystem::temp_directory_path().string() + "/glyphery-fuzz-" +
                                            std::to_string(getpid()), ec);
        });
        return base;
    }();
    return dir;
}

inline void Require(const std::string& why)
{
    if (why.empty())
        return;
    std::fprintf(stderr, "check failed: %s\n", why.c_str());
    std::abort();
}

}  // namespace fuzzmain
