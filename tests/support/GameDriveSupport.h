#pragma once
// Driving a game through the real main window (offscreen) with the scripted
// driver, and reading back what the game says about itself.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/Driver.h"
#include "app/GameApp.h"
#include "framework/Registry.h"
#include "app/Settings.h"
#include "framework/Game.h"
#include "framework/Shell.h"
#include "platform/ModalScript.h"

#include "TestSupport.h"

namespace drivetest {

using testsupport::Sounds;

// A point as the driver's commands take it.
inline std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

// One pile line of a game's description: name: "letters" down=N ...
struct PileState {
    std::string letters;
    int down = 0;
    bool operator==(const PileState&) const = default;
};

// The parts of a description every game has, plus its piles by name.
struct GameState {
    int score = 0;
    int clock = 0;
    bool over = false;
    std::map<std::string, PileState> piles;
    std::map<std::string, std::string> lines;  // other "name: rest" lines
    std::string text;

    const PileState& Pile(const std::string& name) const
    {
        static const PileState none;
        const auto it = piles.find(name);
        return it == piles.end() ? none : it->second;
    }
};

inline GameState ParseState(const std::string& text)
{
    GameState state;
    state.text = text;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("score=", 0) == 0) {
            std::sscanf(line.c_str(), "score=%d clock=%d", &state.score, &state.clock);
            continue;
        }
        const std::size_t colon = line.find(": ");
        if (colon == std::string::npos)
            continue;
        const std::string name = line.substr(0, colon);
        const std::string rest = line.substr(colon + 2);
        if (name == "hand over") {
            state.over = rest == "yes";
        } else if (rest.size() >= 2 && rest[0] == '"') {
            const std::size_t close = rest.find('"', 1);
            PileState pile;
            pile.letters = rest.substr(1, close - 1);
            const std::size_t down = rest.find("down=", close);
            if (down != std::string::npos)
                pile.down = std::atoi(rest.c_str() + down + 5);
            state.piles[name] = pile;
        } else {
            state.lines[name] = rest;
        }
    }
    return state;
}

// A started shell with the driver, a fixed client size and the sounds heard.
class DriveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The word lists, the statistics and the quotation place a test reads
        // start afresh, whatever ran before it in this process.
        testsupport::ClearUserData();
        for (const char* game : {"Golf", "Klondike", "Jumble", "Hand"})
            DeleteRegKey(HKEY_CURRENT_USER, (std::string(kMainKey) + "\\" + game).c_str());
        WriteRegDword(HKEY_CURRENT_USER, kMainKey, "QuoteNum", 0);
        PrepareScriptedRun();
        const std::pair<const char*, int> start[] = {{"ShowNagDlg", 0}, {"ShowRulesDlg", 0}, {"MinMax", 0},
                                                     {"Left", 0},       {"Top", 0},          {"Width", 640},
                                                     {"Height", 480},   {"CurrentGame", 24}, {"Sound", 0},
                                                     {"FitTiles", 0}};
        for (const auto& [name, value] : start)
            WriteRegDword(HKEY_CURRENT_USER, kMainKey, name, value);
        StartApp();
        sounds = std::make_unique<testsupport::SoundRecording>();
    }
    void TearDown() override
    {
        testsupport::ExpectEveryDialogOpened();
        sounds.reset();
        driver.reset();
        app.reset();
        SetModalScripting(false);
        ClearModalAnswers();
        TakeModalLog();
    }
    // Starts the program (again, after a test has ended it).
    void StartApp()
    {
        driver.reset();
        app.reset();
        app = std::make_unique<CGameApp>();
        ASSERT_TRUE(app->Start());
        driver = std::make_unique<CDriver>(*app);
    }

    // Runs script lines; returns what they printed.
    std::string Run(const std::string& script)
    {
        std::istringstream in(script);
        std::ostringstream out, err;
        EXPECT_EQ(driver->RunScript(in, out, err), 0) << err.str() << "\nscript:\n" << script;
        return out.str();
    }
    GameState State() { return ParseState(Run("state")); }
    // One step of a scripted hand: runs the script; a refused step leaves the
    // game as it was, and the self-checks hold after every step.
    void PlayStep(const std::string& script, bool refused, const std::string& label)
    {
        const std::string before = app->CurrentGame()->DescribeState();
        Run(script);
        EXPECT_TRUE(!refused || app->CurrentGame()->DescribeState() == before) << label << ": a refusal changed the game";
        std::string why;
        EXPECT_TRUE(app->CurrentGame()->CheckInvariants(why)) << label << ": " << why;
    }
    // The centre of tile i of a pile of the current game: where a click lands on it.
    POINT Centre(const CTilePile& pile, int i)
    {
        const CTileSet& tiles = app->CurrentGame()->TileSet();
        return {pile.TileX(tiles, i) + tiles.TileWidth() / 2, pile.TileY(tiles, i) + tiles.TileHeight() / 2};
    }
    // A driver line dragging tile i of `from` onto tile j of `to`.
    std::string DragTile(const CTilePile& from, int i, const CTilePile& to, int j = 0)
    {
        const POINT a = Centre(from, i), b = Centre(to, j);
        return "drag " + Point(a.x, a.y) + " " + Point(b.x, b.y) + "\n";
    }
    static POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    // A driver line acting at a point: At("click", Centre(pile, 0)).
    static std::string At(const char* verb, POINT p, const char* tail = "")
    {
        return std::string(verb) + " " + Point(p.x, p.y) + tail + "\n";
    }
    // A statistic of the game stored under the main key (`fallback` when absent).
    static int Stat(const std::string& game, const char* name, int fallback = 0)
    {
        return ReadRegDword(HKEY_CURRENT_USER, (std::string(kMainKey) + "\\" + game).c_str(), name, fallback);
    }

    std::unique_ptr<CGameApp> app;
    std::unique_ptr<CDriver> driver;
    std::unique_ptr<testsupport::SoundRecording> sounds;
};

// A word game at a client area of 900 x 740 with the dictionary loaded.
class WordGameDriveTest : public DriveTest {
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        Run("size 900 740");
        ASSERT_TRUE(app->LoadDictionary(app->Window()));
    }
    // The first hand from `first` on that satisfies `wanted`.
    template <class F>
    static unsigned FirstHand(F wanted, unsigned first = 1)
    {
        for (unsigned hand = first; hand < first + 5000; ++hand)
            if (wanted(hand))
                return hand;
        ADD_FAILURE() << "no hand found";
        return first;
    }
};

}  // namespace drivetest
