// The speed a player sees, each beside a floor measured in the same run:
//  - start-up: from exec to the first painted frame of the main window
//    (offscreen), the program starting its last game at once, beside an
//    empty Qt main window (both timed as whole processes, see StartupProbe);
//  - a full repaint (erase and paint) of a 1920 x 1080 window in the busiest
//    game the factory makes (the one with the most tiles on the table),
//    beside filling a 1920 x 1080 image.
// Each measures its floor in the same iteration and reports the ratio.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/GameApp.h"
#include "app/GameFactory.h"
#include "framework/Registry.h"
#include "app/Settings.h"
#include "framework/Game.h"
#include "platform/ModalScript.h"
#include "platform/QtMainWindow.h"

extern char** environ;

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "glyphery_bench";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    // Never destroyed: Qt's own statics may go first at exit.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A private settings and data folder for this run; the settings start the
// given game at once, as for a player who has played before.
class CBenchHome {
public:
    CBenchHome()
    {
        namespace fs = std::filesystem;
        m_dir = (fs::temp_directory_path() / ("glyphery-speed-" + std::to_string(getpid()))).string();
        fs::create_directories(m_dir + "/config/glyphery");
        fs::create_directories(m_dir + "/data");
        setenv("XDG_CONFIG_HOME", (m_dir + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (m_dir + "/data").c_str(), 1);
        SetRegistryPath("");
    }
    ~CBenchHome()
    {
        CloseRegistry();
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    // Tiles fitted to the window, as a player has them by default;
    // GLYPHERY_BENCH_FIT=0 measures them at their natural size.
    static int FitTiles()
    {
        const char* fit = std::getenv("GLYPHERY_BENCH_FIT");
        return fit && std::string(fit) == "0" ? 0 : 1;
    }
    static void Settings(int gameId, int width, int height)
    {
        const std::pair<const char*, int> values[] = {{"ShowNagDlg", 0}, {"ShowRulesDlg", 0}, {"MinMax", 0},
                                                      {"Left", 0},       {"Top", 0},          {"Width", width},
                                                      {"Height", height}, {"CurrentGame", gameId}, {"Sound", 0},
                                                      {"FitTiles", FitTiles()}};
        for (const auto& [name, value] : values)
            WriteRegDword(HKEY_CURRENT_USER, kMainKey, name, value);
        CloseRegistry();
    }

private:
    std::string m_dir;
};

// The factory's game with the most tiles on the table after the deal.
int BusiestGame()
{
    static int busiest = -1;
    if (busiest >= 0)
        return busiest;
    App();
    CBenchHome home;
    CBenchHome::Settings(24, 800, 600);
    SetModalScripting(true);
    CGameApp app;
    if (!app.Start())
        return busiest = 0;
    int most = -1;
    for (int id = 1; id <= 41; ++id) {
        if (!FindGameDescriptor(id))
            continue;
        app.PlayHand(id, 1);
        CGame* game = app.CurrentGame();
        if (!game)
            continue;
        std::vector<const CTilePile*> piles;
        game->ListPiles(piles);
        int tiles = game->TilesOutsidePiles().GetLength();
        for (const CTilePile* pile : piles)
            tiles += pile->Length();
        if (tiles > most) {
            most = tiles;
            busiest = id;
        }
    }
    return busiest;
}

// Runs the probe once: wall seconds from spawn to exit, and the CPU seconds
// it used (user and system); -1 when it failed.
struct ProbeTime {
    double wall = -1;
    double cpu = 0;
};

ProbeTime RunProbe(const char* mode)
{
    char* argv[] = {const_cast<char*>(GLYPHERY_STARTUP_PROBE), const_cast<char*>(mode), nullptr};
    ProbeTime t;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, GLYPHERY_STARTUP_PROBE, nullptr, nullptr, argv, environ) != 0)
        return t;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return t;
    t.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    t.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return t;
}

// Each iteration starts the empty window and then the program; the wall time
// of the program is the benchmark's time, and the counters give the floor
// and the ratios, by wall time and by the CPU time the processes used (the
// steadier one on a busy machine).
void BM_StartupToFirstFrame(benchmark::State& state)
{
    const int game = BusiestGame();
    CBenchHome home;
    CBenchHome::Settings(game, 800, 600);
    RunProbe("glyphery");  // the first run makes the player's own copy of the word list
    double wall = 0, cpu = 0, floorWall = 0, floorCpu = 0;
    for (auto _ : state) {
        const ProbeTime floor = RunProbe("empty");
        const ProbeTime t = RunProbe("glyphery");
        if (t.wall < 0 || floor.wall < 0) {
            state.SkipWithError("the probe failed");
            break;
        }
        state.SetIterationTime(t.wall);
        wall += t.wall;
        cpu += t.cpu;
        floorWall += floor.wall;
        floorCpu += floor.cpu;
    }
    state.counters["game"] = game;
    state.counters["empty_ms"] = benchmark::Counter(floorWall * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = floorWall > 0 ? wall / floorWall : 0;
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
    state.counters["empty_cpu_ms"] = benchmark::Counter(floorCpu * 1000, benchmark::Counter::kAvgIterations);
    state.counters["cpu_ratio"] = floorCpu > 0 ? cpu / floorCpu : 0;
}
BENCHMARK(BM_StartupToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Each iteration fills a 1920 x 1080 image (the floor) and then repaints the
// whole window of the busiest game (erase and paint, as when it is uncovered).
void BM_FullRepaint1920x1080(benchmark::State& state)
{
    const int game = BusiestGame();
    CBenchHome home;
    CBenchHome::Settings(game, 800, 600);
    SetModalScripting(true);
    CGameApp app;
    if (!app.Start()) {
        state.SkipWithError("the game could not start");
        return;
    }
    auto* window = dynamic_cast<CQtMainWindow*>(app.Window());
    window->SetClientSize(1920, 1080);
    window->ProcessPending();
    const RECT client = window->GetClientRect();
    if (client.Width() != 1920 || client.Height() != 1080) {
        state.SkipWithError("the window is not 1920 x 1080");
        return;
    }
    QImage image(1920, 1080, QImage::Format_RGB32);
    unsigned colour = 0x336699;
    double fill = 0, repaint = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        image.fill(colour++);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
        fill += Seconds(start);
        start = std::chrono::steady_clock::now();
        window->Invalidate(nullptr, true);
        window->UpdateWindow();
        const double took = Seconds(start);
        repaint += took;
        state.SetIterationTime(took);
    }
    state.counters["game"] = game;
    state.counters["fill_us"] = benchmark::Counter(fill * 1e6, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = fill > 0 ? repaint / fill : 0;
}
BENCHMARK(BM_FullRepaint1920x1080)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
