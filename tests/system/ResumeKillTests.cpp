// A hand survives SIGKILL: the real program (glyphery-drive, in a home of its
// own) plays random moves in hands of several families and is killed at a
// random point; started again, it plays on from exactly the last move it
// accepted (the same DescribeState), with no chooser or rules between.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "app/Commands.h"
#include "framework/Files.h"
#include "framework/Registry.h"
#include "framework/Settings.h"

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kEnd = "~~ end ~~";

// glyphery-drive reading its script from a pipe, answering a line at a time.
class CPlayer {
public:
    explicit CPlayer(const std::string& home)
    {
        int toChild[2], fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            dup2(toChild[0], 0);
            dup2(fromChild[1], 1);
            for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]})
                close(fd);
            setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
            setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
            const std::string drive = std::string(GLYPHERY_BINARY_DIR) + "/glyphery-drive";
            std::freopen("/dev/null", "w", stderr);
            execl(drive.c_str(), drive.c_str(), "--keep-home", "-", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        m_in = fdopen(toChild[1], "w");
        m_out = fdopen(fromChild[0], "r");
    }
    ~CPlayer()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_in)
            std::fclose(m_in);
        if (m_out)
            std::fclose(m_out);
    }
    // Runs the lines and returns what they printed.
    std::string Ask(const std::string& lines)
    {
        std::fprintf(m_in, "%s\nprint %s\n", lines.c_str(), kEnd);
        std::fflush(m_in);
        std::string out;
        char buffer[1024];
        while (std::fgets(buffer, sizeof buffer, m_out)) {
            if (std::string(buffer) == std::string(kEnd) + "\n")
                return out;
            out += buffer;
        }
        return out + "(the program ended)";
    }
    void Kill()
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    FILE* m_in = nullptr;
    FILE* m_out = nullptr;
};

// A returning player's store: no chooser, no rules, a known window.
void SeedStore(const std::string& home, int gameId)
{
    const std::string before = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string keptPath = RegistryPath();
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    EnsureDir(UserConfigDir());
    SetRegistryPath(UserConfigDir() + "/glyphery.db");
    const std::pair<const char*, int> start[] = {{"ShowNagDlg", 0}, {"ShowRulesDlg", 0}, {"MinMax", 0},
                                                 {"Left", 0},       {"Top", 0},          {"Width", 640},
                                                 {"Height", 480},   {"FitTiles", 0},     {"Sound", 0},
                                                 {"CurrentGame", gameId}};
    for (const auto& [name, value] : start)
        WriteRegDword(HKEY_CURRENT_USER, kMainKey, name, value);
    CloseRegistry();
    SetRegistryPath(keptPath);
    setenv("XDG_CONFIG_HOME", before.c_str(), 1);
}

std::string State(const std::string& printed)
{
    const std::size_t at = printed.find("game ");
    return at == std::string::npos ? printed : printed.substr(at);
}
}  // namespace

TEST(ResumeAfterKill, EveryRestartPlaysOnFromTheLastAcceptedMove)
{
    // Seven stacks, a drag patience, free tiles, a word hunt, a grid of
    // words, a falling game and the board.
    const int families[] = {5, 2, 40, 10, 11, 34, 20};
    std::mt19937 random(2026);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int hand = 0; hand < 50; ++hand) {
        const int gameId = families[hand % std::size(families)];
        const std::string home = testsupport::ScratchPath("resume-kill-" + std::to_string(hand));
        fs::remove_all(home);
        SeedStore(home, gameId);
        std::string accepted;
        {
            CPlayer player(home);
            accepted = State(player.Ask("game " + std::to_string(gameId) + " " + std::to_string(1000 + hand) + "\nstate"));
            ASSERT_NE(accepted.find("game " + std::to_string(gameId)), std::string::npos) << accepted;
            for (int moves = 1 + pick(25); moves > 0; --moves) {
                const int x = 10 + pick(620), y = 10 + pick(460);
                std::string move;
                switch (pick(6)) {
                case 0: move = "drag " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(10 + pick(620)) +
                               " " + std::to_string(10 + pick(460)); break;
                case 1: move = "type " + std::string(1, static_cast<char>('a' + pick(26))); break;
                case 2: move = pick(2) ? "key enter" : "key ctrl+z"; break;
                case 3: move = pick(2) ? "key left" : "key down"; break;
                default: move = "click " + std::to_string(x) + " " + std::to_string(y); break;
                }
                accepted = State(player.Ask(move + "\nstate"));
                if (accepted.find("hand over: yes") != std::string::npos)
                    break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(pick(30)));
            player.Kill();
        }
        if (accepted.find("hand over: yes") != std::string::npos)
            continue;  // an ended hand is not kept: the next start deals
        CPlayer again(home);
        // A falling hand comes back paused: resumed, it shows its fall under way.
        const std::string title = again.Ask("title");
        const std::string resume = title.find("Paused") != std::string::npos
                                       ? "command " + std::to_string(IDM_PAUSE) + "\n" : std::string();
        EXPECT_EQ(State(again.Ask(resume + "state")), accepted) << "game " << gameId << ", hand " << hand;
        fs::remove_all(home);
    }
}
