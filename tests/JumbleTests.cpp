// Jumble through the real window with the scripted driver: the deal, spelling
// by typing and by mouse, scoring only new words, taking letters back, and
// the count-down that scores the word in hand before the hand ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "GameDriveSupport.h"
#include "dictionary/Dictionary.h"
#include "framework/LetterSupply.h"
#include "framework/Random.h"

using namespace drivetest;

namespace {
// The layout: 64-pixel tiles.
constexpr int kTile = 64;
constexpr int kRackLeft = 114, kRackTop = 10;
constexpr int kWordLeft = 114, kWordTop = 602;
constexpr int kButtonsY = 106;  // centre line of the three buttons
constexpr int kCancelX = 274, kUndoX = 338, kCheckX = 402;

std::string RackTile(int i) { return Point(kRackLeft + i * kTile + kTile / 2, kRackTop + kTile / 2); }
std::string WordTile(int k) { return Point(kWordLeft + k * kTile + kTile / 2, kWordTop + kTile / 2); }

// A word of `length` letters from the source, or "".
std::string WordOfLength(const std::set<std::string>& words, size_t length)
{
    for (const std::string& w : words)
        if (w.size() == length)
            return w;
    return "";
}

class Jumble : public WordGameDriveTest {
protected:
    const CDictionary& Dict() { return app->Dictionary(); }
    // The word a hand deals, as the game must deal it.
    std::string SourceWord(unsigned hand)
    {
        SeedRandom(hand);
        return MakeLetters(kSupplyOneWord, 7, false, false, &Dict(), nullptr).str();
    }
    // Every dictionary word spelled from the letters, each tile used once.
    std::set<std::string> WordsFrom(const std::string& letters)
    {
        std::set<std::string> found;
        std::string used(letters.size(), 0);
        std::function<void(const std::string&)> grow = [&](const std::string& prefix) {
            if (!prefix.empty() && Dict().IsWord(prefix.c_str()))
                found.insert(prefix);
            for (size_t i = 0; i < letters.size(); ++i) {
                if (used[i])
                    continue;
                const std::string next = prefix + letters[i];
                if (!Dict().IsPrefix(next.c_str()))
                    continue;
                used[i] = 1;
                grow(next);
                used[i] = 0;
            }
        };
        grow("");
        found.erase(letters);
        return found;
    }
    // The first hand whose word satisfies `wanted`.
    unsigned FindHand(const std::function<bool(const std::string&)>& wanted)
    {
        return FirstHand([&](unsigned hand) { return wanted(SourceWord(hand)); });
    }
    // The first hand whose letters spell another word of `length` letters, put in `word`.
    unsigned HandWithWord(size_t length, std::string& word)
    {
        return FindHand([&](const std::string& source) {
            return !(word = WordOfLength(WordsFrom(source), length)).empty();
        });
    }
    std::string Deal(unsigned hand)
    {
        Run("game 20 " + std::to_string(hand));
        return SourceWord(hand);
    }
    std::string Rack() { return State().Pile("rack0").letters; }
    std::string Word() { return State().Pile("word").letters; }
    std::string Line(const char* name) { return State().lines[name]; }
    bool CanUndo() { return app->CurrentGame()->CanUndo(); }
};
}  // namespace

TEST_F(Jumble, AHandDealsOneSevenLetterWordInOrderAlreadyInTheBin)
{
    const std::string source = Deal(4321);
    ASSERT_EQ(source.size(), 7u);
    EXPECT_TRUE(Dict().IsWord(source.c_str()));
    const GameState s = State();
    EXPECT_EQ(s.Pile("rack0").letters, source) << "laid out as spelled";
    EXPECT_EQ(s.lines.at("words"), source) << "the source word is in the bin from the start";
    EXPECT_EQ(s.clock, 90);
    EXPECT_EQ(Run("game 20 4321\nstate"), s.text);
    EXPECT_NE(Run("game 20 4322\nstate"), s.text);

    // Spelling the source word itself never shows the checkmark.
    Deal(4321);
    Run("type " + source);
    EXPECT_EQ(Word(), source);
    EXPECT_EQ(Line("check"), "hidden");
    Run("key enter");
    EXPECT_EQ(State().score, 0);
}

TEST_F(Jumble, TypedWordsScoreOnceAndTheTilesGoBackToTheirPlaces)
{
    std::string three, four;
    const unsigned hand = FindHand([&](const std::string& source) {
        const std::set<std::string> words = WordsFrom(source);
        three = WordOfLength(words, 3);
        four = WordOfLength(words, 4);
        return !three.empty() && !four.empty();
    });
    const std::string source = Deal(hand);

    EXPECT_EQ(SoundsOf("type " + three), std::vector<unsigned>(3, kSoundTileMoved));
    EXPECT_EQ(Word(), three);
    EXPECT_EQ(Line("check"), "shown");
    EXPECT_EQ(SoundsOf("key enter"), std::vector<unsigned>{kSoundScored});
    GameState s = State();
    EXPECT_EQ(s.score, 45);
    EXPECT_EQ(s.Pile("rack0").letters, source) << "every tile back on its own place";
    EXPECT_EQ(s.Pile("word").letters, "");
    EXPECT_EQ(s.lines["words"], three + " " + source) << "newest first";
    EXPECT_FALSE(CanUndo()) << "a scored word can't be taken back";

    // The same word again: no checkmark, and neither Enter nor Space scores it.
    Run("type " + three);
    EXPECT_EQ(Line("check"), "hidden");
    Run("key enter\ntype  ");
    EXPECT_EQ(State().score, 45);
    Run("key escape");
    EXPECT_EQ(Rack(), source);

    // A space scores a new word as Enter does.
    Run("type " + four);
    Run("type  ");
    EXPECT_EQ(State().score, 45 + 80);
    EXPECT_EQ(Rack(), source);
}

TEST_F(Jumble, TypingPicksTheLeftmostPlaceAndRefusesWhatCannotBeSpelled)
{
    // A word with a repeated letter, and a letter that begins no word with it.
    char twice = 0;
    const unsigned hand = FindHand([&](const std::string& source) {
        for (char c : source)
            if (std::count(source.begin(), source.end(), c) == 2 && Dict().IsPrefix(std::string(1, c).c_str())) {
                twice = c;
                return true;
            }
        return false;
    });
    const std::string source = Deal(hand);
    const size_t left = source.find(twice);
    Run(std::string("type ") + twice);
    std::string expected = source;
    expected[left] = '.';
    EXPECT_EQ(Rack(), expected) << "the left one of the two";

    // A letter no place shows: nothing at all.
    char absent = 'a';
    while (source.find(absent) != std::string::npos)
        ++absent;
    EXPECT_TRUE(SoundsOf(std::string("type ") + absent).empty());
    EXPECT_EQ(Rack(), expected);

    // A letter that cannot continue the word: refused where it stands.
    for (size_t i = 0; i < source.size(); ++i) {
        if (expected[i] == '.' || Dict().IsPrefix((std::string(1, twice) + source[i]).c_str()))
            continue;
        EXPECT_EQ(SoundsOf("click " + RackTile(static_cast<int>(i))), std::vector<unsigned>{kSoundRefused});
        EXPECT_EQ(Rack(), expected);
        EXPECT_EQ(Word(), std::string(1, twice));
        break;
    }
}

TEST_F(Jumble, BackspaceEscapeAndAClickOnTheWordTakeLettersBack)
{
    std::string five;
    const unsigned hand = HandWithWord(5, five);
    const std::string source = Deal(hand);
    Run("type " + five);
    ASSERT_EQ(Word(), five);
    Run("key backspace");
    EXPECT_EQ(Word(), five.substr(0, 4));
    Run("type " + five.substr(4));

    // A click on the third letter sends it and the two after it back.
    Run("click " + WordTile(2));
    EXPECT_EQ(Word(), five.substr(0, 2));
    std::string rack = Rack();
    EXPECT_EQ(std::count(rack.begin(), rack.end(), '.'), 2);

    Run("key escape");
    EXPECT_EQ(Word(), "");
    EXPECT_EQ(Rack(), source);
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(Line("undo"), "hidden");
    EXPECT_EQ(Line("cancel"), "hidden");
}

TEST_F(Jumble, TheButtonsScoreUndoAndCancelWithTheMouse)
{
    std::string three;
    const unsigned hand = HandWithWord(3, three);
    const std::string source = Deal(hand);
    // Spell by clicking the tiles.
    std::string rack = source;
    for (char c : three) {
        const size_t i = rack.find(c);
        Run("click " + RackTile(static_cast<int>(i)));
        rack[i] = '.';
    }
    EXPECT_EQ(Word(), three);
    EXPECT_EQ(Rack(), rack);

    Run("click " + Point(kUndoX, kButtonsY));
    EXPECT_EQ(Word(), three.substr(0, 2));
    Run("click " + Point(kCancelX, kButtonsY));
    EXPECT_EQ(Word(), "");
    EXPECT_EQ(Rack(), source);

    Run("type " + three);
    Run("down " + Point(kCheckX, kButtonsY));
    EXPECT_EQ(State().score, 0) << "the checkmark acts when the button goes up";
    Run("up " + Point(kCheckX, kButtonsY));
    EXPECT_EQ(State().score, 45);
    EXPECT_EQ(Rack(), source);
}

TEST_F(Jumble, WhenTheClockRunsOutTheWordInHandScoresAndTheHandEnds)
{
    std::string three;
    const unsigned hand = HandWithWord(3, three);
    Deal(hand);
    Run("type " + three);
    Sounds().clear();
    Run("wait 79000");
    EXPECT_EQ(State().clock, 11);
    EXPECT_TRUE(Sounds().empty()) << "no warning before the last ten seconds";

    // Ten seconds of warnings, then zero: the word scores and the hand is over.
    Run("answer cancel \"Play Again\"");
    const std::string out = Run("wait 11000");
    EXPECT_EQ(std::count(Sounds().begin(), Sounds().end(), kSoundClockWarning), 11);
    EXPECT_NE(std::find(Sounds().begin(), Sounds().end(), kSoundScored), Sounds().end());
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    // 45 for the word, and the speed bonus for a 90-second hand.
    EXPECT_EQ(Stat("Jumble", "LatestScore"), 45 + 300 - 90);
    EXPECT_EQ(Stat("Jumble", "GamesPlayed"), 1);
}

TEST_F(Jumble, ARepeatedWordInHandIsLeftWhenTheClockRunsOut)
{
    std::string three;
    const unsigned hand = HandWithWord(3, three);
    Deal(hand);
    Run("type " + three + "\nkey enter\ntype " + three);
    Run("wait 89000");
    Run("answer cancel \"Play Again\"");
    Run("wait 1000");
    EXPECT_EQ(Stat("Jumble", "LatestScore"), 45 + 300 - 90) << "only the word scored by Enter";
}
