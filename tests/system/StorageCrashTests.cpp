// What the program keeps survives SIGKILL at any moment: a child saves
// settings, statistics, high-score lists and a word list round after round and
// is killed at random. After every kill each completed write is there and
// nothing is half-written (each is all of one round). Two instances recording
// hands or high scores at the same time lose no update.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "framework/Registry.h"
#include "app/Settings.h"
#include "dictionary/Dictionary.h"
#include "framework/Files.h"
#include "framework/Shell.h"
#include "scores/HighScores.h"
#include "scores/Statistics.h"

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

enum Op : int { kSettings, kHand, kHighScores, kWordList, kOps };
const char* const kOpNames[] = {"settings", "statistics", "high scores", "word list"};

constexpr int kListWords = 1500;

// Every setting is a function of the round that saved it.
void SettingsOfRound(int round, CSettings& s)
{
    s.Left = round;
    s.Top = round % 700;
    s.Width = 300 + round % 900;
    s.Height = 301 + round % 900;
    s.CurrentGame = 1 + round % 41;
    s.BackgroundColor = round * 3;
    s.ForegroundColor = round * 5;
    s.Sound = round % 2;
    s.Timer = (round + 1) % 2;
    s.MinMax = round % 3;
}

// A word list of a round: every word carries the round, so a list made of
// two rounds' words shows.
std::string Letters(int n)
{
    std::string s;
    do {
        s += static_cast<char>('a' + n % 26);
        n /= 26;
    } while (n > 0);
    return s;
}
std::string ListWord(int round, int i) { return std::string("w").append(Letters(i)).append("0").append(Letters(round)); }

// The high-score list of a round.
HighScoreTable TableOfRound(int round)
{
    HighScoreTable table;
    for (int r = 0; r < kHighScoreRows; ++r) {
        table.rows[static_cast<std::size_t>(r)].name = "Round " + std::to_string(round);
        table.rows[static_cast<std::size_t>(r)].score = std::to_string(round * 10 + (kHighScoreRows - r));
    }
    return table;
}

// Hand number h (from 1) of the statistics.
void RecordHandNumber(int h) { RecordHand(h % 3 == 0 ? kEndTimeUp : kEndFinished, (h * 37) % 1000, (h * 37) % 1000 + 50); }

// What the writer tells: it starts (started = 1) or has finished a write.
struct Report {
    int op;
    int round;
    int started;
};

// The rounds now on disk, as a new run finds them; -1 when something is
// half there (with `why`).
struct OnDisk {
    int round[kOps] = {};
    std::string why;
};

std::string ListPath() { return WritablePath("custom.lst"); }

int WordListRound(std::string& why)
{
    if (!FileExists(ListPath()))
        return 0;
    std::ifstream in(ListPath(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    CDictionary dictionary;
    if (!dictionary.LoadList(ListPath())) {
        why = "the word list does not load (" + std::to_string(text.size()) + " bytes)";
        return -1;
    }
    const int words = dictionary.GetWordCount();
    const std::string first = text.substr(0, text.find('\r'));
    const std::string roundLetters = first.substr(first.find('0') + 1);
    int round = 0;
    for (std::size_t i = roundLetters.size(); i-- > 0;)
        round = round * 26 + (roundLetters[i] - 'a');
    std::string expected;
    for (int i = 0; i < kListWords; ++i)
        expected += ListWord(round, i) + "\r\n";
    if (words != kListWords || text.size() != expected.size()) {
        why = "the word list holds " + std::to_string(words) + " words in " + std::to_string(text.size()) + " bytes";
        return -1;
    }
    // Saved lists are in the list's order: sort the expected words the same way.
    CDictionary model;
    for (int i = 0; i < kListWords; ++i)
        model.AddWord(ListWord(round, i).c_str(), "model");
    std::string sorted;
    CWordList& list = const_cast<CWordList&>(*model.GetList(0));
    for (CStr w = list.GetFirstWord(); !w.IsEmpty(); w = list.GetNextWord())
        sorted += w.str() + "\r\n";
    if (text != sorted) {
        why = "the word list mixes rounds";
        return -1;
    }
    return round;
}

OnDisk ReadOnDisk(const std::string& modelPath, const std::string& storePath)
{
    OnDisk d;
    CloseRegistry();
    // Settings: all of one round (or none saved yet).
    LoadSettings();
    const bool noSettings = ReadRegDword(HKEY_CURRENT_USER, kMainKey, "Left", -1) == -1;
    const CSettings found = g_Settings;
    CSettings expected = found;
    SettingsOfRound(found.Left, expected);
    if (!noSettings && std::memcmp(&found, &expected, sizeof found) != 0) {
        d.why = "the settings are of two rounds (Left " + std::to_string(found.Left) + ", Width " +
                std::to_string(found.Width) + ")";
        return d;
    }
    d.round[kSettings] = noSettings ? 0 : found.Left;

    // Statistics: exactly what GamesPlayed hands give, recorded one by one on a model store.
    const int hands = ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), "GamesPlayed", 0);
    static const char* const kStats[] = {"GamesPlayed", "GamesWon", "AverageScore", "AverageScorePossible",
                                         "BestScore", "BestScorePossible", "WorstScore", "WorstScorePossible",
                                         "LatestScore", "LatestScorePossible", "GamesSkipped"};
    std::map<std::string, int> stored;
    for (const char* name : kStats)
        stored[name] = ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), name, -1);
    SetRegistryPath(modelPath);
    int modelled = ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), "GamesPlayed", 0);
    while (modelled < hands)
        RecordHandNumber(++modelled);
    std::map<std::string, int> model;
    if (modelled == hands)
        for (const char* name : kStats)
            model[name] = ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), name, -1);
    SetRegistryPath(storePath);
    if (modelled != hands || stored != model) {
        d.why = "the statistics after " + std::to_string(hands) + " hands are not those of " + std::to_string(hands) + " whole hands:";
        for (const char* name : kStats)
            d.why += std::string(" ") + name + "=" + std::to_string(stored[name]) + "/" + std::to_string(model[name]);
        return d;
    }
    d.round[kHand] = hands;

    // High scores: a whole list of one round, or none stored yet.
    std::string name;
    if (ReadRegString(HKEY_CURRENT_USER, HighScoreKey().c_str(), "Name0", name, 256)) {
        const int round = std::atoi(name.c_str() + 6);
        const HighScoreTable want = TableOfRound(round);
        for (int r = 0; r < kHighScoreRows; ++r) {
            std::string n, s;
            const bool ok = ReadRegString(HKEY_CURRENT_USER, HighScoreKey().c_str(), ("Name" + std::to_string(r)).c_str(), n, 256) &&
                            ReadRegString(HKEY_CURRENT_USER, HighScoreKey().c_str(), ("Score" + std::to_string(r)).c_str(), s, 256);
            if (!ok || n != want.rows[static_cast<std::size_t>(r)].name || s != want.rows[static_cast<std::size_t>(r)].score) {
                d.why = "the high-score list mixes rounds at row " + std::to_string(r) + ": " + n + " " + s;
                return d;
            }
        }
        d.round[kHighScores] = round;
    }

    const int listRound = WordListRound(d.why);
    if (listRound < 0)
        return d;
    d.round[kWordList] = listRound;
    return d;
}

[[noreturn]] void Writer(int reportFd, int firstOp)
{
    CloseRegistry();
    LoadSettings();
    int round[kOps] = {ReadRegDword(HKEY_CURRENT_USER, kMainKey, "Left", 0),
                       ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), "GamesPlayed", 0), 0, 0};
    std::string name, why;
    if (ReadRegString(HKEY_CURRENT_USER, HighScoreKey().c_str(), "Name0", name, 256))
        round[kHighScores] = std::atoi(name.c_str() + 6);
    round[kWordList] = std::max(WordListRound(why), 0);
    auto report = [&](int op, int started) {
        const Report r{op, round[op], started};
        if (write(reportFd, &r, sizeof r) != static_cast<ssize_t>(sizeof r))
            _exit(3);
    };
    // Each child starts with another kind of write, so that the first write
    // of a run (which opens the store) is each kind in turn.
    for (int op = firstOp;; op = (op + 1) % kOps) {
        ++round[op];
        switch (op) {
        case kSettings:
            SettingsOfRound(round[op], g_Settings);
            report(op, 1);
            SaveSettings();
            break;
        case kHand:
            report(op, 1);
            RecordHandNumber(round[op]);
            break;
        case kHighScores:
            report(op, 1);
            SaveHighScoreTable(TableOfRound(round[op]));
            break;
        default: {
            CDictionary dictionary;
            for (int i = 0; i < kListWords; ++i)
                dictionary.AddWord(ListWord(round[op], i).c_str(), "custom.lst");
            report(op, 1);
            if (!dictionary.SaveList("custom.lst"))
                _exit(4);
            break;
        }
        }
        report(op, 0);
    }
}

struct TempHome {
    fs::path dir = fs::temp_directory_path() / ("glyphery-storage-" + std::to_string(getpid()));
    std::string savedData = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    TempHome()
    {
        fs::remove_all(dir);
        fs::create_directories(dir / "data");
        setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
        SetRegistryPath((dir / "glyphery.db").string());
    }
    ~TempHome()
    {
        CloseRegistry();
        SetRegistryPath("");
        setenv("XDG_DATA_HOME", savedData.c_str(), 1);
        fs::remove_all(dir);
    }
};

}  // namespace

TEST(StorageCrash, SettingsStatisticsHighScoresAndWordListsSurviveKills)
{
    TempHome home;
    const std::string storePath = (home.dir / "glyphery.db").string();
    const std::string modelPath = (home.dir / "model.db").string();
    SetStatisticsSubkey("Golf");
    const CSettings savedSettings = g_Settings;

    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    std::mt19937 random(20261207);
    int reported[kOps] = {}, previous[kOps] = {}, midway[kOps] = {};
    std::vector<Report> pending;
    constexpr int kKills = 200;
    for (int kill = 0; kill < kKills; ++kill) {
        CloseRegistry();
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(fds[0]);
            Writer(fds[1], kill % kOps);
        }
        // Let the child get a random number of steps (starts and ends of
        // writes) under way, then kill it a random moment later: the kills
        // fall all over the writes whatever speed this build runs at.
        const int steps = static_cast<int>(random() % 8);
        for (int seen = 0; seen < steps;) {
            pollfd p{fds[0], POLLIN, 0};
            if (poll(&p, 1, 10000) <= 0)
                break;
            Report r{};
            if (read(fds[0], &r, sizeof r) != static_cast<ssize_t>(sizeof r))
                continue;
            ++seen;
            pending.push_back(r);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
        for (Report r{}; read(fds[0], &r, sizeof r) == static_cast<ssize_t>(sizeof r);)
            pending.push_back(r);
        Report last{-1, 0, 0};
        for (const Report& r : pending) {
            if (!r.started)
                reported[r.op] = std::max(reported[r.op], r.round);
            last = r;
        }
        pending.clear();
        if (last.op >= 0 && last.started)  // killed during this write
            ++midway[last.op];

        const OnDisk found = ReadOnDisk(modelPath, storePath);
        ASSERT_EQ(found.why, "") << "after kill " << kill;
        for (int op = 0; op < kOps; ++op) {
            const int known = std::max(reported[op], previous[op]);
            // Everything reported is there; beyond it at most the one write under way.
            ASSERT_GE(found.round[op], known) << kOpNames[op] << " lost a completed write after kill " << kill;
            ASSERT_LE(found.round[op], known + 1) << kOpNames[op] << " after kill " << kill;
            previous[op] = found.round[op];
        }
    }
    close(fds[0]);
    close(fds[1]);
    g_Settings = savedSettings;
    // The kills fell in the middle of every kind of write, not only between rounds.
    std::printf("%d kills; killed while writing:", kKills);
    for (int op = 0; op < kOps; ++op)
        std::printf(" %s %d (of %d rounds)", kOpNames[op], midway[op], previous[op]);
    std::printf("\n");
    for (int op = 0; op < kOps; ++op) {
        EXPECT_GT(previous[op], 10) << kOpNames[op];
        EXPECT_GT(midway[op], 0) << kOpNames[op];
    }
    // Killed saves leave no half-written files behind for ever: beside the
    // list, at most the one of the last kill (the next save removes it).
    int others = 0;
    for (const auto& entry : fs::directory_iterator(home.dir / "data" / "glyphery"))
        others += entry.path().filename() != "custom.lst";
    EXPECT_LE(others, 1) << "temporary files of killed saves are left in the data folder";
    // The store was never found broken and moved aside, and it checks whole.
    CloseRegistry();
    for (const auto& entry : fs::directory_iterator(home.dir))
        EXPECT_EQ(entry.path().filename().string().find("corrupt"), std::string::npos) << entry.path();
    EXPECT_EQ(testsupport::StoreIntegrity(storePath), "ok");
}

TEST(StorageCrash, TwoInstancesRecordingHandsAtOnceLoseNoUpdate)
{
    TempHome home;
    SetStatisticsSubkey("Golf");
    constexpr int kHands = 150;
    pid_t children[2];
    for (pid_t& child : children) {
        CloseRegistry();
        child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int h = 1; h <= kHands; ++h) {
                if (h % 5 == 0) {
                    CountSkippedHand();
                    RecordHand(kEndAbandoned, h, 0);
                } else {
                    RecordHand(kEndFinished, 500 + h, 1000);
                }
                if (h % 10 == 0)
                    RecordHand(kEndReplayed, 0, 0);
            }
            _exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    CloseRegistry();
    for (const auto& [name, value] : {std::pair{"GamesPlayed", 2 * kHands}, {"GamesWon", 2 * kHands * 4 / 5},
                                      {"GamesSkipped", 2 * kHands / 5}, {"GamesReplayed", 2 * kHands / 10},
                                      {"BestScore", 500 + kHands - 1}})
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), name, 0), value) << name;
}

TEST(StorageCrash, TwoInstancesEnteringHighScoresAtOnceKeepBoth)
{
    TempHome home;
    SetStatisticsSubkey("Golf");
    HighScoreTable start;
    for (int r = 0; r < kHighScoreRows; ++r)
        start.rows[static_cast<std::size_t>(r)] = {"Stored " + std::to_string(r), std::to_string(1000 - 100 * r)};
    ASSERT_TRUE(SaveHighScoreTable(start));

    // Both instances open the name entry on the same stored list...
    HighScoreTable first = LoadHighScoreTable(true, 550);
    HighScoreTable second = LoadHighScoreTable(true, 750);
    ASSERT_EQ(first.newRow, 5);
    ASSERT_EQ(second.newRow, 3);
    first.rows[5].name = "First";
    second.rows[3].name = "Second";
    // ...and press OK one after the other.
    ASSERT_TRUE(SaveHighScoreTable(second));
    ASSERT_TRUE(SaveHighScoreTable(first));

    std::string names, scores;
    for (const auto& row : LoadHighScoreTable(false, 0).rows)
        names += row.name + ",", scores += row.score + " ";
    EXPECT_EQ(names, "Stored 0,Stored 1,Stored 2,Second,Stored 3,Stored 4,First,Stored 5,Stored 6,Stored 7,");
    EXPECT_EQ(scores, "1000 900 800 750 700 600 550 500 400 300 ");
}

namespace {
// The program (glyphery-drive playing a script from a pipe) in a home of its
// own, started from a store holding `start`.
class ProgramChild {
public:
    ProgramChild(const fs::path& home, const std::vector<std::pair<const char*, int>>& start)
    {
        const std::string saved = RegistryPath();
        CloseRegistry();
        SetRegistryPath((home / "config" / "glyphery" / "glyphery.db").string());
        for (const auto& [name, value] : start)
            WriteRegDword(HKEY_CURRENT_USER, kMainKey, name, value);
        CloseRegistry();
        SetRegistryPath(saved);

        const std::string program = std::string(GLYPHERY_BINARY_DIR) + "/glyphery-drive";
        const std::string config = "XDG_CONFIG_HOME=" + (home / "config").string();
        const std::string data = "XDG_DATA_HOME=" + (home / "data").string();
        std::vector<std::string> env{config, data, "QT_QPA_PLATFORM=offscreen", "ALSOFT_DRIVERS=null"};
        for (char** e = environ; *e; ++e)
            if (std::strncmp(*e, "XDG_", 4) != 0 && std::strncmp(*e, "QT_QPA", 6) != 0)
                env.emplace_back(*e);
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        int toChild[2], fromChild[2];
        if (pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            dup2(toChild[0], 0);
            dup2(fromChild[1], 1);
            execle(program.c_str(), program.c_str(), "--keep-home", "-", static_cast<char*>(nullptr), envp.data());
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        m_in = toChild[1];
        m_out = fromChild[0];
    }
    ~ProgramChild()
    {
        close(m_in);
        close(m_out);
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
            ::kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    void Send(const std::string& script) { ASSERT_EQ(write(m_in, script.data(), script.size()), static_cast<ssize_t>(script.size())); }
    // What the program printed up to and including the line `last` (at most 60 s).
    std::string ReadThrough(const std::string& last)
    {
        std::string text;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (text.find("\n" + last + "\n") == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            pollfd p{m_out, POLLIN, 0};
            if (poll(&p, 1, 1000) <= 0)
                continue;
            char buffer[4096];
            const ssize_t n = read(m_out, buffer, sizeof buffer);
            if (n <= 0)
                break;
            text.append(buffer, static_cast<std::size_t>(n));
        }
        return text;
    }
    // Sends `signal` and waits for the end; the wait status.
    int Stop(int signal)
    {
        ::kill(pid, signal);
        int status = 0;
        waitpid(pid, &status, 0);
        pid = -1;
        return status;
    }

    pid_t pid = -1;

private:
    int m_in = -1, m_out = -1;
};
}  // namespace

// The player picks "Radioactive water" in Options, chooses Golf and makes the
// window larger; then the program is ended from outside. What the player set
// is in the store at once, whatever ends the program; a signal asking it to
// end (the session manager's, the terminal's) closes it as Quit does, so
// the window's place is kept too.
TEST(StorageCrash, SettingsAreStoredWhenChangedAndSignalsEndTheProgramCleanly)
{
    TempHome home;
    const std::string storePath = RegistryPath();
    for (const int signal : {SIGKILL, SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        const fs::path childHome = home.dir / ("child-" + std::to_string(signal));
        fs::create_directories(childHome / "config" / "glyphery");
        ProgramChild child(childHome, {{"ShowNagDlg", 0}, {"ShowRulesDlg", 0}, {"MinMax", 0}, {"Left", 0},
                                       {"Top", 0}, {"Width", 640}, {"Height", 480}, {"CurrentGame", 24},
                                       {"Sound", 0}, {"BackgroundPattern", 1}});
        ASSERT_GT(child.pid, 0);
        child.Send("answer 1057+ok\ncommand 32780\n"  // Options: Radioactive water
                   "answer yes Golf+play\ncommand 32785\n"  // Choose Game: Golf
                   "size 700 500\nprint ready\nloop\n");
        const std::string out = child.ReadThrough("ready");
        ASSERT_NE(out.find("\nready\n"), std::string::npos) << out;
        const int status = child.Stop(signal);
        if (signal == SIGKILL) {
            EXPECT_TRUE(WIFSIGNALED(status)) << status;
        } else {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "not a clean end: " << status;
        }
        CloseRegistry();
        SetRegistryPath((childHome / "config" / "glyphery" / "glyphery.db").string());
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kMainKey, "BackgroundPattern", 0), 2);
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kMainKey, "CurrentGame", 0), 5);
        // The window's place is stored when it closes: a killed program keeps the old one.
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kMainKey, "Width", 0), signal == SIGKILL ? 640 : 700);
        CloseRegistry();
        SetRegistryPath(storePath);
    }
}
