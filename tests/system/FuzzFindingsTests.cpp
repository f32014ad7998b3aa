// Faults the fuzzers and the crash tests found, each kept as a test. (Every
// input a fuzzer found also stays in fuzz/corpus/<target>/finding-*, which
// FuzzCorpus runs through the fuzz checks.)
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/Registry.h"
#include "app/Settings.h"
#include "dictionary/Dictionary.h"
#include "framework/Shell.h"
#include "scores/HighScores.h"
#include "scores/Statistics.h"

namespace fs = std::filesystem;

namespace {
struct TempDir {
    fs::path path = fs::temp_directory_path() / ("glyphery-findings-" + std::to_string(getpid()));
    TempDir()
    {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir()
    {
        CloseRegistry();
        SetRegistryPath("");
        fs::remove_all(path);
    }
    std::string Store() const { return (path / "glyphery.db").string(); }
};

void MakeDatabase(const std::string& file, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

bool SomethingMovedAside(const fs::path& dir)
{
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().find(".corrupt-") != std::string::npos)
            return true;
    return false;
}

constexpr const char* kKey = "Software\\Quirkwood\\Glyphery";
}  // namespace

// A database whose table has the store's name but another layout failed every
// write, at every start, and settings were never kept again.
TEST(FuzzFindings, AStoreWithATableOfAnotherLayoutIsMovedAside)
{
    for (const char* layout : {"CREATE TABLE reg_values(key TEXT, name TEXT)",
                               "CREATE TABLE reg_values(key TEXT, name TEXT, type INTEGER, dword INTEGER, text TEXT)"}) {
        TempDir dir;
        MakeDatabase(dir.Store(), layout);
        SetRegistryPath(dir.Store());
        EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Width", 777)) << layout;
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Width", 0), 777) << layout;
        EXPECT_TRUE(SomethingMovedAside(dir.path)) << layout;
    }
}

// Store files the fuzzer made (their first byte chose "the rest is the store
// file"). One whose header SQLite rejects with a plain SQL error was given up
// on for the run, and again at every start; one whose key index is out of
// order passed the quick check at open, and a value written afterwards could
// not be read back.
TEST(FuzzFindings, StoreFilesTheFuzzerDamagedAreMovedAside)
{
    for (const char* finding : {"finding-sql-error-at-open", "finding-index-out-of-order"}) {
        SCOPED_TRACE(finding);
        TempDir dir;
        std::ifstream found(std::string(GLYPHERY_SOURCE_DIR) + "/fuzz/corpus/store/" + finding, std::ios::binary);
        const std::string input(std::istreambuf_iterator<char>(found), {});
        ASSERT_GT(input.size(), 100u);
        std::ofstream(dir.Store(), std::ios::binary) << input.substr(1);
        SetRegistryPath(dir.Store());
        EXPECT_TRUE(WriteRegDword(HKEY_CURRENT_USER, kKey, "Height", 555));
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Height", 0), 555);
        CloseRegistry();
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "Height", 0), 555) << "after a restart";
        EXPECT_TRUE(SomethingMovedAside(dir.path));
    }
}

// Every save killed half-way left a temporary file beside the word list, for
// ever. Now a save removes the leftovers of processes that are gone (and only
// those: another running instance may be saving the same list).
TEST(FuzzFindings, ASaveRemovesTheTemporaryFilesOfKilledSaves)
{
    TempDir dir;
    const pid_t gone = fork();
    ASSERT_GE(gone, 0);
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string list = (dir.path / "custom.lst").string();
    const std::string deadTemp = list + ".tmp" + std::to_string(gone);
    const std::string liveTemp = list + ".tmp" + std::to_string(getppid());
    const std::string otherFile = list + ".tmpnotes";
    for (const std::string& f : {deadTemp, liveTemp, otherFile})
        std::ofstream(f) << "half a list\r\n";

    CDictionary dictionary;
    ASSERT_TRUE(dictionary.AddWord("quokka", list));
    ASSERT_TRUE(dictionary.SaveList(list));
    EXPECT_FALSE(fs::exists(deadTemp));
    EXPECT_TRUE(fs::exists(liveTemp));
    EXPECT_TRUE(fs::exists(otherFile));
    EXPECT_FALSE(fs::exists(list + ".tmp" + std::to_string(getpid())));
    std::ifstream in(list, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "quokka\r\n");
}

// Numbers in a damaged store (a count at the end of its range, a negative
// count, a score text too long for an int) are read without undefined
// arithmetic: counts wrap like the registry's DWORD, means stay in range, and
// a score text is held at the ends of int's range.
TEST(FuzzFindings, DamagedNumbersInTheStatisticsAndHighScoresAreSafe)
{
    TempDir dir;
    SetRegistryPath(dir.Store());
    SetStatisticsSubkey("Golf");
    const char* key = g_StatisticsKey.c_str();
    WriteRegDword(HKEY_CURRENT_USER, key, "GamesPlayed", INT32_MAX);
    WriteRegDword(HKEY_CURRENT_USER, key, "GamesWon", INT32_MAX);
    WriteRegDword(HKEY_CURRENT_USER, key, "AverageScore", INT32_MAX);
    WriteRegDword(HKEY_CURRENT_USER, key, "GamesSkipped", INT32_MAX);
    RecordHand(kEndFinished, INT32_MAX, INT32_MAX);
    CountSkippedHand();
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, key, "GamesPlayed", 0), INT32_MIN);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, key, "GamesSkipped", 0), INT32_MIN);
    FormatStatistics();

    WriteRegDword(HKEY_CURRENT_USER, key, "GamesPlayed", -1);
    RecordHand(kEndFinished, 40, 50);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, key, "AverageScore", 0), 40) << "a negative count starts the mean afresh";

    const std::string scores = HighScoreKey();
    WriteRegString(HKEY_CURRENT_USER, scores.c_str(), "Score9", "99999999999999999999");
    EXPECT_EQ(HighScoreThreshold(), INT_MAX);
    WriteRegString(HKEY_CURRENT_USER, scores.c_str(), "Score9", "-99999999999999999999");
    EXPECT_EQ(HighScoreThreshold(), INT_MIN);
    WriteRegString(HKEY_CURRENT_USER, scores.c_str(), "Score9", "  42 points");
    EXPECT_EQ(HighScoreThreshold(), 42);
}
