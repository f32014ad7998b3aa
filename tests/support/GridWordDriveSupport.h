#pragma once
// The scripted hands of the collapsing grids (Cave In, Implosion, Tower of
// Babble): a planted grid, inputs by name, and each step checked the same way.
#include <initializer_list>
#include <span>
#include <string>

#include "GameDriveSupport.h"
#include "framework/GridWordGame.h"

namespace drivetest {

class GridWordDriveTest : public DriveTest {
protected:
    struct Step {
        const char* input;
        const char* word;  // the word afterwards
        int score;         // the score afterwards
        const char* expect[2] = {};  // "pathEnd=5 0" or "row7=bZoe.": a line, or a pile's letters
        bool refused = false;        // nothing at all changes
    };

    CGridWordGame& Grid() { return *dynamic_cast<CGridWordGame*>(app->CurrentGame()); }
    // Deals hand 1234 of the game and plants its grid, one string a column,
    // top row first, '.' an empty cell.
    void PlantColumns(int gameId, std::initializer_list<const char*> columns)
    {
        Run("game " + std::to_string(gameId) + " 1234");
        int c = 0;
        for (const char* column : columns) {
            for (int r = 0; r < Grid().Rows(); ++r) {
                Grid().Cell(r, c).tiles = "";
                if (column[r] != '.')
                    Grid().Cell(r, c).Push(column[r]);
            }
            ++c;
        }
    }
    // "pick R C" clicks a cell, "word K" tile K of the word, "check" and
    // "cancel" those buttons; anything else is a driver line.
    virtual std::string Input(const std::string& step)
    {
        const std::string verb = step.substr(0, step.find(' '));
        if (verb == "pick")
            return At("click", Centre(Grid().Cell(step[5] - '0', step[7] - '0'), 0));
        if (verb == "word")
            return At("click", Centre(Grid().Word().word, step[5] - '0'));
        if (verb == "check" || verb == "cancel")
            return At("click", Middle(verb == "check" ? Grid().Word().check.rect : Grid().Cancel().rect));
        return step + "\n";
    }
    void Play(std::span<const Step> steps)
    {
        for (const Step& step : steps) {
            const std::string before = Grid().DescribeState();
            Run(Input(step.input));
            EXPECT_EQ(Grid().Word().Letters().str(), step.word) << step.input;
            EXPECT_EQ(Grid().GetScore(), step.score) << step.input;
            GameState state = ParseState(Grid().DescribeState());
            for (const char* expect : step.expect) {
                if (!expect)
                    continue;
                const std::string name = std::string(expect).substr(0, std::string(expect).find('='));
                const std::string value = expect + name.size() + 1;
                EXPECT_EQ(state.piles.count(name) ? state.Pile(name).letters : state.lines[name], value) << step.input;
            }
            EXPECT_TRUE(!step.refused || state.text == before) << step.input << ": a refusal changed the game";
            std::string why;
            EXPECT_TRUE(Grid().CheckInvariants(why)) << step.input << ": " << why;
        }
    }
    // Plants the fault, which the game's self-check must name with `words`.
    void ExpectCaught(const std::function<void()>& plant, const char* words)
    {
        std::string why;
        ASSERT_TRUE(Grid().CheckInvariants(why)) << why;
        plant();
        EXPECT_FALSE(Grid().CheckInvariants(why));
        EXPECT_NE(why.find(words), std::string::npos) << why;
    }
};

}  // namespace drivetest
