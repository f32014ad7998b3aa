// Golf through the real main window, played with the scripted driver: the
// deal, taking letters, scoring, the word-tile click, bombs, the buttons,
// the end of the hand with its statistics and high score, and a restart.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "GameDriveSupport.h"
#include "games/Golf.h"
#include "scores/HighScores.h"
#include "scores/Statistics.h"

namespace {
using drivetest::Sounds;

const char* const kGolfKey = "Software\\Quirkwood\\Glyphery\\Golf";

class GolfTest : public drivetest::DriveTest {
protected:
    void SetUp() override
    {
        DeleteRegKey(HKEY_CURRENT_USER, kGolfKey);
        DriveTest::SetUp();
    }
    CGolf& Golf()
    {
        auto* golf = dynamic_cast<CGolf*>(app->CurrentGame());
        EXPECT_NE(golf, nullptr);
        return *golf;
    }
    // Deals hand `hand` of Golf, then (when given) puts these letters on the
    // stacks instead: the last letter of each is the one the player can take.
    void Deal(std::vector<const char*> stacks = {}, unsigned hand = 1234)
    {
        Run("game 5 " + std::to_string(hand));
        if (stacks.empty())
            return;
        CStr all;
        for (int i = 0; i < CGolf::kStacks; ++i) {
            CTilePile& stack = Golf().Stack(i);
            stack.tiles = i < static_cast<int>(stacks.size()) ? stacks[i] : "";
            stack.faceDownCount = std::max(stack.Length() - 1, 0);
            all.Append(stack.tiles);
        }
        Golf().LetterBin().SetText(all, false, true);
        app->Window()->Invalidate(nullptr, true);
        app->Window()->UpdateWindow();
        Sounds().clear();
    }
    POINT Centre(const CTilePile& pile, int i)
    {
        const CTileSet& tiles = Golf().TileSet();
        return {pile.TileX(tiles, i) + tiles.TileWidth() / 2, pile.TileY(tiles, i) + tiles.TileHeight() / 2};
    }
    static std::string At(const char* verb, POINT p)
    {
        return std::string(verb) + " " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
    }
    // Clicks the takeable tile of each stack in turn.
    void Take(std::initializer_list<int> stacks)
    {
        std::string script;
        for (int i : stacks) {
            CTilePile& stack = Golf().Stack(i);
            script += At("click", Centre(stack, stack.Length() - 1));
        }
        Run(script);
    }
    void ClickButton(const CTileButton& button)
    {
        ASSERT_TRUE(button.visible);
        Run(At("click", {(button.rect.left + button.rect.right) / 2, (button.rect.top + button.rect.bottom) / 2}));
    }
    std::string Word() { return Golf().Word().Letters().str(); }
    int Score() { return Golf().GetScore(); }
    static bool Heard(unsigned id) { return std::count(Sounds().begin(), Sounds().end(), id) > 0; }
    static int Stat(const char* name) { return ReadRegDword(HKEY_CURRENT_USER, kGolfKey, name, -1); }
};
}  // namespace

TEST_F(GolfTest, AHandNumberGivesAFixedDeal)
{
    Deal();
    const std::string first = Golf().DescribeState();
    const char* const expected[] = {"dosypt", "bapces", "mminop", "ainxcv", "scijep", "lrcion", "caiere"};
    std::string dealt;  // stack 6 holds the first six letters of the deal, stack 0 the last six
    for (int i = CGolf::kStacks - 1; i >= 0; --i) {
        EXPECT_EQ(Golf().Stack(i).tiles, expected[i]) << i;
        EXPECT_EQ(Golf().Stack(i).faceDownCount, 5);
        dealt += Golf().Stack(i).tiles.str();
    }
    std::sort(dealt.begin(), dealt.end());
    std::string bin;
    for (char c : dealt)
        bin += std::string(1, static_cast<char>(c - 'a' + 'A')) + " ";
    EXPECT_EQ(Golf().LetterBin().displayText.str(), bin);
    EXPECT_EQ(Golf().Bombs().tiles, "ZZZZ");
    EXPECT_EQ(Golf().Bombs().faceDownCount, 3);
    EXPECT_TRUE(Golf().Tooltips().HasTool(622));  // the bombs
    EXPECT_TRUE(Golf().Tooltips().HasTool(614));  // the letter bin
    EXPECT_FALSE(Golf().Tooltips().HasTool(610));  // no word, no check button

    Deal({}, 99);
    EXPECT_NE(Golf().DescribeState(), first);
    Deal({}, 1234);
    EXPECT_EQ(Golf().DescribeState(), first);
}

TEST_F(GolfTest, RefusedLettersChangeNothingAndASixLetterWordScores138ForGood)
{
    Deal({"xp", "zl", "ma", "jn", "ke", "vt", "uq"});
    Take({0});
    EXPECT_TRUE(Heard(kSoundTileMoved));
    Sounds().clear();
    const std::string before = Golf().DescribeState();
    Take({6});  // "pq" begins no word: refused, and nothing changes
    EXPECT_EQ(Sounds(), std::vector<unsigned>{kSoundRefused});
    EXPECT_EQ(Golf().DescribeState(), before);
    Take({1, 2, 3});
    EXPECT_EQ(Word(), "plan");
    CWordPile& word = Golf().Word();
    EXPECT_TRUE(word.check.visible);  // a word, though longer ones are possible
    Take({4, 5});
    EXPECT_EQ(Word(), "planet");
    EXPECT_TRUE(word.undo.visible);
    EXPECT_TRUE(Golf().Tooltips().HasTool(610));
    EXPECT_TRUE(Golf().Tooltips().HasTool(611));
    EXPECT_EQ(Golf().CopyCurrentWord(), "planet");

    Sounds().clear();
    ClickButton(word.check);
    EXPECT_EQ(Score(), 138);
    EXPECT_EQ(Word(), "");
    EXPECT_TRUE(Heard(kSoundScored));
    EXPECT_FALSE(word.check.visible);
    EXPECT_FALSE(word.undo.visible);
    EXPECT_FALSE(Golf().CanUndo());
    EXPECT_FALSE(Golf().Tooltips().HasTool(610));
    EXPECT_EQ(Golf().LetterBin().displayText.str().find('P'), std::string::npos);
    Run("key ctrl+z");  // nothing to take back
    EXPECT_EQ(Golf().Stack(0).tiles, "x");
    EXPECT_EQ(Score(), 138);
}

TEST_F(GolfTest, TheCheckButtonStaysBesideTheWordAtAnySize)
{
    Deal({"xp", "ze", "mn", "jq", "kq", "vq", "uq"});
    Take({0, 1, 2});
    ASSERT_EQ(Word(), "pen");
    for (const char* size : {"", "size 1000 700\n", "size 300 260\n"}) {
        Run(size);
        const CWordPile& word = Golf().Word();
        const CTileSet& tiles = Golf().TileSet();
        ASSERT_TRUE(word.check.visible);
        EXPECT_EQ(word.check.x, word.word.Rect(tiles).right + tiles.TileWidth() / 4) << size;
        EXPECT_EQ(word.check.rect.left, word.check.x) << size;
        EXPECT_EQ(word.check.y, word.word.y + tiles.TileHeight() / 4) << size;
        EXPECT_EQ(word.undo.y, word.word.y - 3 * tiles.TileHeight() / 4) << size;
    }
}

TEST_F(GolfTest, ClickingAWordTileSendsItAndTheLaterOnesBack)
{
    Deal({"xs", "zt", "mo", "jn", "ke", "vq", "uq"});
    Take({0, 1, 2, 3, 4});
    ASSERT_EQ(Word(), "stone");
    Run(At("click", Centre(Golf().Word().word, 2)));
    EXPECT_EQ(Word(), "st");
    EXPECT_EQ(Golf().Stack(2).tiles.str() + Golf().Stack(3).tiles.str() + Golf().Stack(4).tiles.str(), "mojnke");
    EXPECT_EQ(Golf().Stack(4).faceDownCount, 1);  // the undo record restored it
    EXPECT_FALSE(Golf().Word().check.visible);

    // The undo button takes back one letter at a time.
    ClickButton(Golf().Word().undo);
    EXPECT_EQ(Word(), "s");
    EXPECT_EQ(Golf().Stack(1).tiles, "zt");
}

TEST_F(GolfTest, BombsDestroyTheWordAtTwentyFivePointsEach)
{
    Deal({"aq", "bq", "cq", "dq", "eq", "fq", "go"});
    Run(At("click", Centre(Golf().Bombs(), 3)));  // no word: nothing spent, nothing heard
    EXPECT_EQ(Golf().Bombs().Length(), 4);
    EXPECT_TRUE(Sounds().empty());

    for (int bomb = 1; bomb <= 4; ++bomb) {
        Take({bomb - 1});  // a q each time
        ASSERT_EQ(Word(), "q");
        if (bomb % 2)
            Run(At("click", Centre(Golf().Bombs(), Golf().Bombs().Length() - 1)));
        else
            Run("click 5 5 right\n");  // any right-button release uses a bomb
        EXPECT_EQ(Golf().Bombs().Length(), 4 - bomb);
        EXPECT_EQ(Score(), -25 * bomb);  // the score may go negative
        EXPECT_EQ(Word(), "");
        EXPECT_FALSE(Golf().CanUndo());
        EXPECT_TRUE(Heard(kSoundPenalty));
        Sounds().clear();
    }
    EXPECT_EQ(Golf().Bombs().faceDownCount, 0);
    EXPECT_EQ(Golf().Stack(0).tiles, "a");  // destroyed tiles do not come back
    Take({4});
    Run("click 5 5 right\n");
    EXPECT_EQ(Sounds(), (std::vector<unsigned>{kSoundTileMoved, kSoundRefused}));
    EXPECT_EQ(Word(), "q");
}

// The soak relies on Golf's own checks: scored and bombed tiles leave play,
// and the letter bin shows exactly the letters still on the table.
TEST_F(GolfTest, SelfChecksFollowScoringAndBombsAndCatchAStrayLetter)
{
    Deal({"xp", "zl", "ma", "jn", "ke", "vt", "uq"});
    std::string why;
    ASSERT_TRUE(Golf().CheckInvariants(why)) << why;  // takes the count
    Take({0, 1, 2, 3, 4, 5});
    ClickButton(Golf().Word().check);
    ASSERT_EQ(Score(), 138);
    EXPECT_TRUE(Golf().CheckInvariants(why)) << why;
    Take({6});
    Run("click 5 5 right\n");
    ASSERT_EQ(Golf().Bombs().Length(), 3);
    EXPECT_TRUE(Golf().CheckInvariants(why)) << why;

    Golf().LetterBin().StrikeLetter('x');  // struck, yet still on the table
    EXPECT_FALSE(Golf().CheckInvariants(why));
    EXPECT_NE(why.find("letter bin"), std::string::npos) << why;
    Golf().LetterBin().SetText("XZMJKVU", false, true);
    ASSERT_TRUE(Golf().CheckInvariants(why)) << why;
    Golf().Word().word.tiles = "zq";  // no word begins so
    EXPECT_FALSE(Golf().CheckInvariants(why));
    EXPECT_NE(why.find("begins no dictionary word"), std::string::npos) << why;
}

TEST_F(GolfTest, DoubleClickOnEmptySpaceScoresACompleteWord)
{
    Deal({"xc", "za", "mt", "js", "kq", "vq", "uq"});
    Take({0, 1});
    Run("dblclick 5 300\n");  // "ca" is no word: only a click
    EXPECT_EQ(Word(), "ca");
    Take({2});
    Run("dblclick 5 300\n");
    EXPECT_EQ(Word(), "");
    EXPECT_EQ(Score(), 69);
}

// The word that empties the last stack ends the hand: speed bonus, the
// high-score list asks for a name, and Game Over offers the next hand. The
// statistics of that, an abandoned and a replayed hand survive a restart.
TEST_F(GolfTest, ClearingTheStacksEndsTheHandAndTheStatisticsSurviveARestart)
{
    Deal({"c", "a", "t"});
    Take({0, 1, 2});
    const CTileButton& check = Golf().Word().check;
    const std::string out = Run("answer ok \"Play Again\"\n" +
                                At("click", {(check.rect.left + check.rect.right) / 2, check.rect.top + 2}));
    const auto high = out.find("dialog \"Congratulations!  You got a high score!\"");
    const auto over = out.find("dialog \"Game Over - Golf\"");
    ASSERT_NE(high, std::string::npos) << out;
    ASSERT_NE(over, std::string::npos) << out;
    EXPECT_LT(high, over);
    EXPECT_TRUE(Heard(kSoundHighScore));
    EXPECT_EQ(Stat("LatestScore"), 69 + 300);
    // Play Again: a new hand replaced the old one once the handler returned.
    EXPECT_FALSE(app->IsHandOver());
    EXPECT_EQ(Score(), 0);
    EXPECT_EQ(Golf().Stack(0).Length(), 6);

    Run("answer yes\nkey ctrl+n\n");  // abandon the new hand at score 0
    Run("answer yes\nkey ctrl+r\n");  // and replay that one
    std::string stored;  // the average is (369 + 0) / 2 + 0.5
    for (const char* name : {"GamesPlayed", "GamesWon", "GamesSkipped", "GamesReplayed", "AverageScore", "BestScore", "WorstScore"})
        stored.append(name).append("=").append(std::to_string(Stat(name))).append(" ");
    EXPECT_EQ(stored, "GamesPlayed=2 GamesWon=1 GamesSkipped=1 GamesReplayed=1 AverageScore=185 BestScore=369 WorstScore=0 ");

    StartApp();
    Run("game 5 7");
    const StatisticsText t = FormatStatistics();
    EXPECT_EQ(t.played + " | " + t.resigned + " | " + t.finished + " | " + t.replayed + " | " + t.best,
              "2 | 1 (50%) | 1 (50%) | 1 | 369");
    EXPECT_EQ(HighScoreThreshold(), 1);
    EXPECT_EQ(LoadHighScoreTable(false, 0).rows[4].score, "369");
}
