#pragma once
// The timed rack hunts through the real window: a planted rack and a table of
// steps, each checked for the word row, the score and the self-checks.
#include <string>
#include <vector>

#include "GameDriveSupport.h"
#include "framework/WordHunt.h"

namespace drivetest {

class WordHuntDriveTest : public WordGameDriveTest {
protected:
    struct Step {
        std::string input;  // see Input
        std::string word;   // the word row afterwards
        int score;
        bool refused = false;  // nothing at all changes
    };
    CTilePile& Pile(const std::string& name)
    {
        return const_cast<CTilePile&>(*app->CurrentGame()->FindPile(name));
    }
    CTilePile& Word() { return const_cast<CTilePile&>(dynamic_cast<CWordHunt&>(*app->CurrentGame()).Word().word); }
    CTilePile& Place(int i) { return Pile("rack[" + std::to_string(i) + "]"); }
    // Deals hand 1 of the game, then puts one letter on each place ('.' leaves it empty).
    void Plant(int game, const std::string& letters)
    {
        Run("game " + std::to_string(game) + " 1");
        for (size_t i = 0; i < letters.size(); ++i)
            Place(static_cast<int>(i)).tiles = letters[i] == '.' ? "" : std::string(1, letters[i]).c_str();
        Run("key escape");  // a repaint
    }
    // "place N" clicks rack place N, "tile N" word tile N, "check" the checkmark;
    // anything else is a driver line.
    virtual std::string Input(const std::string& step)
    {
        const std::string verb = step.substr(0, step.find(' '));
        if (verb == "check")
            return At("click", Middle(dynamic_cast<CWordHunt&>(*app->CurrentGame()).Word().check.rect));
        if (verb != "place" && verb != "tile")
            return step;
        const int n = std::stoi(step.substr(verb.size() + 1));
        return At("click", verb == "place" ? Centre(Place(n), 0) : Centre(Word(), n));
    }
    void Play(const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            const std::string before = Run("state");
            Run(Input(step.input));
            const GameState s = State();
            EXPECT_EQ(s.Pile("word").letters, step.word) << step.input;
            EXPECT_EQ(s.score, step.score) << step.input;
            if (step.refused) {
                EXPECT_EQ(s.text, before) << step.input;
            }
            std::string why;
            EXPECT_TRUE(app->CurrentGame()->CheckInvariants(why)) << step.input << ": " << why;
        }
    }
    // The hand ends when the clock runs out; returns the score it was stored with.
    int EndOfHand(const std::string& subkey)
    {
        const std::string out = Run("answer cancel \"Play Again\"\nwait 1000");
        EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
        return Stat(subkey, "LatestScore");
    }
    // A planted fault is caught, and `why` names it.
    void ExpectCaught(const std::string& words)
    {
        std::string why;
        EXPECT_FALSE(app->CurrentGame()->CheckInvariants(why));
        EXPECT_NE(why.find(words), std::string::npos) << why;
    }
};

}  // namespace drivetest
