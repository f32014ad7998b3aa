#include "framework/Files.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

static std::string EnvDir(const char* var, const char* homeFallback)
{
    if (const char* v = std::getenv(var); v && *v == '/')
        return std::string(v) + "/glyphery";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/" + homeFallback + "/glyphery";
}

std::string ProgramDir()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec).string();
    return exe.parent_path().string();
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::string ShippedDataPath(const std::string& name)
{
    const std::string dir = ProgramDir();
    const std::string beside = dir + "/" + name;
    if (FileExists(beside)) return beside;
    const std::string installed = dir + "/../share/glyphery/" + name;
    if (FileExists(installed)) return installed;
    return beside;
}

std::string UserDataDir() { return EnvDir("XDG_DATA_HOME", ".local/share"); }
std::string UserConfigDir() { return EnvDir("XDG_CONFIG_HOME", ".config"); }

bool EnsureDir(const std::string& dir)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    return fs::is_directory(dir, ec);
}

std::string FindReadablePath(const std::string& name)
{
    if (name.find('/') != std::string::npos) return name;
    const std::string own = UserDataDir() + "/" + name;
    if (FileExists(own)) return own;
    return ShippedDataPath(name);
}

std::string WritablePath(const std::string& name)
{
    EnsureDir(UserDataDir());
    return UserDataDir() + "/" + name;
}

std::string MoveAside(const std::string& path, const char* label)
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    const std::string base = path + "." + label + "-" + stamp;
    std::string aside = base;
    struct stat st {};
    for (int n = 2; ::lstat(aside.c_str(), &st) == 0; ++n)
        aside = base + "-" + std::to_string(n);
    return std::rename(path.c_str(), aside.c_str()) == 0 ? aside : std::string();
}
