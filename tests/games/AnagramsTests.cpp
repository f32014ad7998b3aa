// Anagrammer through the real window: planted letters dragged into three
// words by the word-beginning rule, a two-tile drop back onto the places
// undone as a whole, and the three words scored by their length; the
// self-checks catch a checkmark over a row that spells no word.
#include <gtest/gtest.h>

#include <functional>

#include "GameDriveSupport.h"

using namespace drivetest;

namespace {
class Anagrams : public WordGameDriveTest {
protected:
    CTilePile& Pile(const std::string& name) { return const_cast<CTilePile&>(*app->CurrentGame()->FindPile(name)); }
    // Hand 1234 with nine letters on the places instead of its word.
    void Plant()
    {
        Run("game 21 1234");
        const std::string letters = "catdogpen";
        for (int i = 0; i < 14; ++i)
            Pile("places[" + std::to_string(i) + "]").tiles = letters.substr(std::min<size_t>(i, 9), 1).c_str();
        Run("size 900 740");  // drawn again as planted
    }
    // Drags place `from` (or word row `from` from tile `first` on) to the end of word row `to` (or onto place `to`).
    std::string Drag(const std::string& from, int first, const std::string& to)
    {
        return DragTile(Pile(from), first, Pile(to), to[0] == 'w' ? Pile(to).Length() : 0);
    }
    std::string P(int i) { return "places[" + std::to_string(i) + "]"; }
};
}  // namespace

TEST_F(Anagrams, ThreeWordsFromThePlacesWithAWholeDropUndone)
{
    Plant();
    struct Step {
        std::function<std::string()> input;
        std::string table;  // the places, the first word row, the checkmarks
        bool changes = true;
    };
    const Step steps[] = {
        {[&] { return Drag(P(0), 0, "word0"); }, ".atdogp en..... c 000"},  // an empty row takes anything
        {[&] { return Drag(P(3), 0, "word0"); }, ".atdogp en..... c 000", false},  // no word begins "cd"
        {[&] { return Drag(P(1), 0, "word0"); }, "..tdogp en..... ca 000"},
        {[] { return std::string("key ctrl+z"); }, ".atdogp en..... c 000"},
        {[&] { return Drag(P(1), 0, "word0"); }, "..tdogp en..... ca 000"},
        {[&] { return Drag(P(2), 0, "word0"); }, "...dogp en..... cat 100"},
        // Two tiles on one place: the second moves on to the next empty one.
        {[&] { return Drag("word0", 1, P(0)); }, "at.dogp en..... c 000"},
        {[] { return std::string("key ctrl+z"); }, "...dogp en..... cat 100"},  // the whole drop back
    };
    for (const Step& step : steps) {
        const std::string before = Run("state"), input = step.input();
        Run(input);
        const GameState s = State();
        EXPECT_EQ(s.Pile("places0").letters + " " + s.Pile("places1").letters + " " + s.Pile("word0").letters + " " +
                      s.lines.at("flags"), step.table) << input;
        EXPECT_EQ(s.text != before, step.changes) << input;
        std::string why;
        EXPECT_TRUE(app->CurrentGame()->CheckInvariants(why)) << input << ": " << why;
    }
    for (const auto& [place, row] : {std::pair{3, "word1"}, {4, "word1"}, {5, "word1"}, {6, "word2"}, {7, "word2"}})
        Run(Drag(P(place), 0, row));
    // "pen" uses the last letter: three words of three letters at 160 each,
    // and the speed bonus of 300 for a hand that took no time.
    const std::string out = Run("answer cancel \"Play Again\"\n" + Drag(P(8), 0, "word2"));
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Anagrams", "LatestScore"), 3 * 160 + 300);
}

TEST_F(Anagrams, TheSelfChecksCatchAFalseCheckmark)
{
    Plant();
    Run(Drag(P(0), 0, "word0") + Drag(P(1), 0, "word0") + Drag(P(2), 0, "word0"));
    std::string why;
    ASSERT_TRUE(app->CurrentGame()->CheckInvariants(why)) << why;
    Pile("word0").tiles = "cxt";
    EXPECT_FALSE(app->CurrentGame()->CheckInvariants(why));
    EXPECT_NE(why.find("flag of stack 0"), std::string::npos) << why;
}
