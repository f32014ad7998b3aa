// The settings store survives being killed at any moment: a child writes in a
// loop and is killed with SIGKILL at random times; after every kill the store
// opens cleanly, holds every write the child reported complete, and no
// transaction is half there.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "app/Registry.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kKey = "Software\\Quirkwood\\Glyphery\\Golf";
constexpr const char* kHighScores = "Software\\Quirkwood\\Glyphery\\Golf\\HighScores";

std::string ScoreName(int row) { return "Score" + std::to_string(row); }
std::string NameName(int row) { return "Name" + std::to_string(row); }

// One round of the child's work, numbered `round`: a statistics update in one
// transaction, a lone setting, and a whole high-score list replaced at once.
void WriteRound(int round)
{
    RegTransaction([&] {
        WriteRegDword(HKEY_CURRENT_USER, kKey, "LatestScore", round);
        WriteRegString(HKEY_CURRENT_USER, kKey, "LatestText", std::to_string(round).c_str());
        AddRegDword(HKEY_CURRENT_USER, kKey, "GamesPlayed", 1);
        WriteRegDword(HKEY_CURRENT_USER, kKey, "LatestScorePossible", round);
    });
    WriteRegDword(HKEY_CURRENT_USER, kKey, "Seq", round);
    RegTransaction([&] {
        DeleteRegKey(HKEY_CURRENT_USER, kHighScores);
        for (int row = 0; row < 10; ++row) {
            WriteRegString(HKEY_CURRENT_USER, kHighScores, NameName(row).c_str(), "Somebody");
            WriteRegString(HKEY_CURRENT_USER, kHighScores, ScoreName(row).c_str(), std::to_string(round).c_str());
        }
    });
}

[[noreturn]] void ChildLoop(int reportFd)
{
    const int first = ReadRegDword(HKEY_CURRENT_USER, kKey, "LatestScore", 0) + 1;
    for (int round = first; round < first + 1000000; ++round) {
        WriteRound(round);
        if (write(reportFd, &round, sizeof round) != static_cast<ssize_t>(sizeof round)) _exit(3);
    }
    _exit(0);
}

std::string Integrity(const std::string& path)
{
    sqlite3* db = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* q = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &q, nullptr) == SQLITE_OK && sqlite3_step(q) == SQLITE_ROW)
            result = reinterpret_cast<const char*>(sqlite3_column_text(q, 0));
        sqlite3_finalize(q);
    }
    sqlite3_close(db);
    return result;
}

}  // namespace

TEST(StoreCrash, KilledWritersLoseNoCompletedWrite)
{
    const fs::path dir = fs::temp_directory_path() / ("glyphery-crash-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / "glyphery.db").string();
    SetRegistryPath(path);

    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delayUs(0, 3000);
    int reported = 0;       // the last round a child said it completed
    int previous = 0;       // the last round found in the store
    int killedMidway = 0;   // kills that left a round unfinished
    constexpr int kKills = 200;

    for (int kill = 0; kill < kKills; ++kill) {
        CloseRegistry();  // the child opens the store itself, as a new run would
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(fds[0]);
            ChildLoop(fds[1]);
        }
        // Half the kills hit a writer that is under way, the others may
        // also land while it opens the store.
        if (kill % 2 == 0) {
            pollfd p{fds[0], POLLIN, 0};
            poll(&p, 1, 5000);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;

        // Collect the rounds it reported (a report is written whole or not at all).
        for (int round = 0; read(fds[0], &round, sizeof round) == static_cast<ssize_t>(sizeof round);)
            reported = round;

        // A new run opens the store and finds every completed write.
        CloseRegistry();
        const int latest = ReadRegDword(HKEY_CURRENT_USER, kKey, "LatestScore", 0);
        // Every reported round is there; at most the one round the child was
        // busy with beyond what was known before it started may be there too.
        ASSERT_GE(latest, reported) << "after kill " << kill;
        ASSERT_GE(latest, previous) << "after kill " << kill;
        ASSERT_LE(latest, std::max(reported, previous) + 1) << "after kill " << kill;
        if (latest != std::max(reported, previous)) ++killedMidway;
        previous = latest;
        // One transaction is all there or not at all.
        ASSERT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "LatestScorePossible", -1), latest == 0 ? -1 : latest);
        ASSERT_EQ(ReadRegDword(HKEY_CURRENT_USER, kKey, "GamesPlayed", 0), latest) << "a counter update was lost or doubled";
        std::string text;
        if (latest > 0) {
            ASSERT_TRUE(ReadRegString(HKEY_CURRENT_USER, kKey, "LatestText", text, 32));
            ASSERT_EQ(text, std::to_string(latest));
        }
        const int seq = ReadRegDword(HKEY_CURRENT_USER, kKey, "Seq", 0);
        ASSERT_GE(seq, reported);
        ASSERT_LE(seq, latest);
        // The high-score list is always a whole list of one round.
        if (reported > 0) {
            std::string first;
            ASSERT_TRUE(ReadRegString(HKEY_CURRENT_USER, kHighScores, "Score0", first, 32));
            const int listRound = std::atoi(first.c_str());
            ASSERT_GE(listRound, reported);
            ASSERT_LE(listRound, latest);
            for (int row = 0; row < 10; ++row) {
                ASSERT_TRUE(ReadRegString(HKEY_CURRENT_USER, kHighScores, ScoreName(row).c_str(), text, 32));
                ASSERT_EQ(text, first) << "row " << row;
                ASSERT_TRUE(ReadRegString(HKEY_CURRENT_USER, kHighScores, NameName(row).c_str(), text, 256));
            }
        }
        if (kill % 20 == 0) {
            ASSERT_EQ(Integrity(path), "ok") << "after kill " << kill;
        }
    }
    CloseRegistry();
    EXPECT_EQ(Integrity(path), "ok");
    // Nothing was ever found broken and moved aside.
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_EQ(e.path().filename().string().find("corrupt"), std::string::npos) << e.path();
    // The kills landed while work was going on, not only between rounds.
    EXPECT_GE(reported, kKills / 2);  // every other kill waited for a finished round
    EXPECT_GT(killedMidway, 0);
    close(fds[0]);
    close(fds[1]);
    SetRegistryPath("");
    fs::remove_all(dir);
}
