// The settings store: value types, case, defaults, the buffer rule, deleting
// keys and broken store files. (Two processes writing at once: StorageCrashTests.)
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "framework/Registry.h"
#include "app/Settings.h"

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kKey = "Software\\Quirkwood\\Glyphery";
constexpr const char* kGolf = "Software\\Quirkwood\\Glyphery\\Golf";

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("glyphery-store-" + std::to_string(getpid()) + "-" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "glyphery.db").string();
        SetRegistryPath(path_);
    }
    void TearDown() override
    {
        CloseRegistry();
        SetRegistryPath("");
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    // Files moved aside next to the store.
    int CountAside() const
    {
        int n = 0;
        for (const auto& e : fs::directory_iterator(dir_))
            if (e.path().filename().string().rfind("glyphery.db.corrupt-", 0) == 0 &&
                e.path().string().find("-wal") == std::string::npos)
                ++n;
        return n;
    }
    fs::path dir_;
    std::string path_;
};

}  // namespace

TEST_F(StoreTest, NumbersAndStringsKeepTheirTypes)
{
    EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Sound", 0));
    EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Min", INT32_MIN));
    EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Max", INT32_MAX));
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Text", "hello world"));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 1), 0);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Min", 0), INT32_MIN);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Max", 0), INT32_MAX);

    std::string s = "stale";
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Text", s, 256));
    EXPECT_EQ(s, "hello world");

    // The wrong type reads as missing: the default, or failure with an empty buffer.
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Text", 77), 77);
    s = "stale";
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Sound", s, 256));
    EXPECT_EQ(s, "");

    // Writing the other type replaces the value and its type.
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Sound", "1"));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 5), 5);
    EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Text", 9));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Text", 0), 9);
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Text", s, 256));

    // 8-bit text and an empty string survive.
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Latin", "caf\xe9 \x01\xff"));
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Latin", s, 256));
    EXPECT_EQ(s, "caf\xe9 \x01\xff");
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Empty", ""));
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "Empty", s, 1));
    EXPECT_EQ(s, "");

    // Missing keys and values read as defaults; nameless keys and null strings are refused.
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, "Software\\Nowhere", "Sound", 42), 42);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Timer", -3), -3);
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, kKey, "Name0", s, 256));
    EXPECT_FALSE(WriteRegDword(HKEY_CURRENT_USER, "", "Sound", 1));
    EXPECT_FALSE(WriteRegString(HKEY_CURRENT_USER, kKey, "Null", nullptr));
}

TEST_F(StoreTest, NamesAndKeysIgnoreCase)
{
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, "Software\\Quirkwood\\Glyphery\\Golf\\HighScores", "Score9", "17"));
    std::string s;
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, "software\\QUIRKWOOD\\glyphery\\gOLF\\highscores", "score9", s, 256));
    EXPECT_EQ(s, "17");
    // Doubled and trailing separators name the same key.
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, "Software\\\\Quirkwood\\Glyphery\\Golf\\HighScores\\", "SCORE9", s, 256));

    // Writing under another case updates the one value, not a second one.
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "CurrentGame", 3));
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, "SOFTWARE\\quirkwood\\GLYPHERY", "currentgame", 4));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "CurrentGame", 0), 4);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* q = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM reg_values WHERE name LIKE 'currentgame'", -1, &q, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(q), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(q, 0), 1);
    sqlite3_finalize(q);
    sqlite3_close(db);

    // Different names are different values.
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "CurrentGame2", -1), -1);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, "Software\\Quirkwood", "CurrentGame", -1), -1);
}

// A string is read only into a buffer with room for its terminator; otherwise
// the read fails and leaves the buffer empty.
TEST_F(StoreTest, StringMustFitTheBufferWithItsTerminator)
{
    const std::string four = "abcd", longest(255, 'n');
    const struct {
        const std::string& value;
        int size;
        bool fits;
    } cases[] = {{four, 5, true}, {four, 4, false}, {four, 0, false}, {four, -1, false}, {longest, 256, true},
                 {longest, 255, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.value.size()) + " bytes in " + std::to_string(c.size));
        ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Name0", c.value.c_str()));
        std::string s = "stale";
        EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, "Name0", s, c.size), c.fits);
        EXPECT_EQ(s, c.fits ? c.value : "");
    }
}

TEST_F(StoreTest, DeleteKeyTakesItsSubkeysButNotItsSiblings)
{
    const char* doomed[] = {"Software\\Quirkwood\\Glyphery\\Golf", "Software\\Quirkwood\\Glyphery\\Golf\\HighScores",
                            "Software\\Quirkwood\\Glyphery\\golf\\Deeper\\Still"};
    const char* kept[] = {"Software\\Quirkwood\\Glyphery", "Software\\Quirkwood\\Glyphery\\Golf2",
                          "Software\\Quirkwood\\Glyphery\\Golf2\\HighScores", "Software\\Quirkwood\\Glyphery\\Golf]",
                          "Software\\Quirkwood\\Glyphery\\Golf[", "Software\\Quirkwood\\Glyphery\\Golf_",
                          "Software\\Quirkwood\\Glyphery\\GolfHighScores", "Software\\Quirkwood\\Glyphery\\Gol",
                          "Software\\Quirkwood\\Glyphery\\Golf %"};
    for (const char* k : doomed) ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, k, "Score0", 1));
    for (const char* k : kept) ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, k, "Score0", 2));

    EXPECT_TRUE(DeleteRegKey(HKEY_CURRENT_USER, "SOFTWARE\\Quirkwood\\Glyphery\\GOLF"));
    for (const char* k : doomed) EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, k, "Score0", -1), -1) << k;
    for (const char* k : kept) EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, k, "Score0", -1), 2) << k;

    // Like the registry: a key that is not there cannot be deleted, and the root is never deleted.
    EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, kGolf));
    EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, ""));
    EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, "\\"));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Score0", -1), 2);

    // A high-score list can be written again after it was deleted.
    EXPECT_TRUE(DeleteRegKey(HKEY_CURRENT_USER, "Software\\Quirkwood\\Glyphery\\Golf2\\HighScores"));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, "Software\\Quirkwood\\Glyphery\\Golf2", "Score0", -1), 2);
    EXPECT_TRUE(WriteRegString(HKEY_CURRENT_USER, "Software\\Quirkwood\\Glyphery\\Golf2\\HighScores", "Name0", "x"));
}

TEST_F(StoreTest, AddAndTransactionsWorkInOneProcess)
{
    std::int32_t v = 0;
    EXPECT_TRUE(AddRegDword(HKEY_CURRENT_USER, kGolf, "GamesPlayed", 1, &v));
    EXPECT_EQ(v, 1);
    EXPECT_TRUE(AddRegDword(HKEY_CURRENT_USER, kGolf, "GamesPlayed", 5, &v));
    EXPECT_EQ(v, 6);
    // A string in the way counts as 0 and is replaced by a number.
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kGolf, "GamesWon", "12"));
    EXPECT_TRUE(AddRegDword(HKEY_CURRENT_USER, kGolf, "GamesWon", 1, &v));
    EXPECT_EQ(v, 1);
    // Counters wrap like 32-bit numbers.
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kGolf, "Big", INT32_MAX));
    EXPECT_TRUE(AddRegDword(HKEY_CURRENT_USER, kGolf, "Big", 1, &v));
    EXPECT_EQ(v, INT32_MIN);

    // Inside a transaction reads see its own writes; nesting joins it.
    const bool ok = RegTransaction([] {
        WriteRegDword(HKEY_CURRENT_USER, kGolf, "BestScore", 50);
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kGolf, "BestScore", 0), 50);
        EXPECT_TRUE(RegTransaction([] { AddRegDword(HKEY_CURRENT_USER, kGolf, "GamesPlayed", 1); }));
        EXPECT_TRUE(DeleteRegKey(HKEY_CURRENT_USER, "Software\\Quirkwood\\Glyphery\\Golf\\HighScores") == false);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kGolf, "BestScore", 0), 50);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kGolf, "GamesPlayed", 0), 7);
}

// --- Broken store files --------------------------------------------------------

// Garbage, a directory, or a store cut in the middle (big enough to span many
// pages) is moved aside once, and a new store takes its place.
TEST_F(StoreTest, BrokenStoreIsMovedAsideOnce)
{
    auto subkey = [](int i) { return std::string(kKey) + "\\K" + std::to_string(i); };
    const std::function<void()> damages[] = {
        [&] {
            std::ofstream f(path_, std::ios::binary);
            for (int i = 0; i < 5000; ++i) f.put(static_cast<char>((i * 7919) & 0xFF));
        },
        [&] { fs::create_directories(fs::path(path_) / "inner"); },
        [&] {
            const std::string text(900, 't');
            ASSERT_TRUE(RegTransaction([&] {
                for (int i = 0; i < 300; ++i)
                    WriteRegString(HKEY_CURRENT_USER, subkey(i).c_str(), "Name0", text.c_str());
            }));
            CloseRegistry();  // checkpoints the log into the file
            ASSERT_FALSE(fs::exists(path_ + "-wal"));
            const auto size = fs::file_size(path_);
            ASSERT_GT(size, 100000u);
            fs::resize_file(path_, size / 2 + 1000);
        },
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(&damage - damages);
        CloseRegistry();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        damage();
        ::testing::internal::CaptureStderr();
        std::string s;
        for (int i = 0; i < 300; i += 7)
            ReadRegString(HKEY_CURRENT_USER, subkey(i).c_str(), "Name0", s, 1024);
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 1), 1);
        EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Sound", 0));
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 1), 0);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(CountAside(), 1);
        // Said once, naming the file it was moved to.
        EXPECT_NE(err.find("glyphery.db.corrupt-"), std::string::npos) << err;
        EXPECT_EQ(err.find("Glyphery:"), err.rfind("Glyphery:")) << err;
        EXPECT_EQ(testsupport::StoreIntegrity(path_), "ok");
    }
}

TEST_F(StoreTest, StoreThatCannotBeCreatedGivesDefaults)
{
    SetRegistryPath("/proc/self/no-such-dir/glyphery.db");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 1), 1);
    EXPECT_FALSE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Sound", 0));
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Sound", 1), 1);
    EXPECT_FALSE(AddRegDword(HKEY_CURRENT_USER, kKey, "Count", 1));
    bool ran = false;
    EXPECT_FALSE(RegTransaction([&] { ran = true; }));
    EXPECT_TRUE(ran);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("cannot use the settings store"), std::string::npos) << err;
    EXPECT_EQ(err.find("Glyphery:"), err.rfind("Glyphery:")) << err;
}

TEST_F(StoreTest, ReadOnlyStoreIsMovedAside)
{
    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Sound", 0));
    CloseRegistry();
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // Root ignores file permissions: check as an ordinary user in a child.
    fs::permissions(dir_, fs::perms::all);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(10);
        fclose(stderr);
        int bad = 0;
        if (ReadRegDword(HKEY_CURRENT_USER, kKey, "Timer", 5) != 5) bad |= 1;
        if (!WriteRegDword(HKEY_CURRENT_USER, kKey, "Timer", 1)) bad |= 2;
        if (ReadRegDword(HKEY_CURRENT_USER, kKey, "Timer", 5) != 1) bad |= 4;
        _exit(bad);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(CountAside(), 1);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Timer", 5), 1);
}

// --- The settings of the main key ------------------------------------------------

TEST_F(StoreTest, SettingsDefaultRoundTripAndWrongTypesReadAsDefaults)
{
    g_Settings.Sound = 0;
    g_Settings.CurrentGame = 3;
    LoadSettings();  // missing values take their defaults, not what was in memory
    EXPECT_EQ(g_Settings.Sound, 1);
    EXPECT_EQ(g_Settings.CurrentGame, 10);

    g_Settings = CSettings{};
    g_Settings.Music = 0;
    g_Settings.LayoutVertical = 1;
    g_Settings.CurrentGame = 42;
    g_Settings.Left = -20;
    g_Settings.QuilloDragTiles = 7;
    SaveSettings();
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "QuilloDragTiles", 0), 7);

    g_Settings = CSettings{};
    LoadSettings();
    EXPECT_EQ(g_Settings.Music, 0);
    EXPECT_EQ(g_Settings.LayoutVertical, 1);
    EXPECT_EQ(g_Settings.CurrentGame, 42);
    EXPECT_EQ(g_Settings.Left, -20);

    ASSERT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "CurrentGame", 0));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "Width", "1024"));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kKey, "sound", "0"));
    LoadSettings();
    EXPECT_EQ(g_Settings.CurrentGame, 0);
    EXPECT_EQ(g_Settings.Width, 640);
    EXPECT_EQ(g_Settings.Sound, 1);
    g_Settings = CSettings{};
}
