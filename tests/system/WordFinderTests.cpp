// The word finder of every game that spells its words from tiles it takes,
// on real deals: it finds exactly the words a walk of every sequence of
// takes finds (no word missing, none the walk does not make, each at its
// best value), it leaves the hand as it was, and its best moves, played as
// clicks on the tiles and on the check button, score what it said.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "GameDriveSupport.h"
#include "app/GameFactory.h"
#include "dictionary/Dictionary.h"

namespace {
using namespace drivetest;

std::vector<int> WordSourceGames()
{
    std::vector<int> ids;
    for (const GameDescriptor* row : GameDescriptors())
        if (row->needs == GameNeeds::Dictionary)
            ids.push_back(row->gameId);
    return ids;
}

// Every take sequence up to `depth` letters, pruned by nothing: the words
// among them, each at the best value the source gives it.
void Walk(CWordSource& source, const CDictionary& dictionary, CStr& word, std::vector<int>& takes, int depth,
          std::map<std::string, int>& words)
{
    std::vector<int> next;
    source.NextTakes(next);
    for (const int pile : next) {
        const char letter = source.Lift(pile);
        word.AppendChar(letter);
        takes.push_back(pile);
        if (dictionary.IsWord(word) != 0)
            if (const int value = source.WordValue(word, takes); value >= 0) {
                const auto [at, added] = words.try_emplace(word.str(), value);
                if (!added)
                    at->second = std::max(at->second, value);
            }
        if (static_cast<int>(takes.size()) < depth)
            Walk(source, dictionary, word, takes, depth, words);
        takes.pop_back();
        word.PopLast();
        source.PutBack(pile, letter);
    }
}

class WordFinder : public WordGameDriveTest, public ::testing::WithParamInterface<int> {};
}  // namespace

TEST_P(WordFinder, FindsEveryWordTheTakesSpellAndEachScoresAsFound)
{
    for (const unsigned hand : {7u, 1234u}) {
        Run("game " + std::to_string(GetParam()) + " " + std::to_string(hand));
        CGame& game = *app->CurrentGame();
        CWordSource* source = game.WordSource();
        if (!source)
            GTEST_SKIP() << "game " << GetParam() << " has no word source";
        const CDictionary& dictionary = app->Dictionary();
        const std::string dealt = game.DescribeState();

        constexpr int kDepth = 4;
        std::map<std::string, int> walked;
        CStr word = source->WordSoFar();
        std::vector<int> takes;
        Walk(*source, dictionary, word, takes, kDepth, walked);
        std::map<std::string, int> found;
        for (const CMove& move : FindWords(*source, dictionary, {kDepth, 1000000}))
            found.emplace(move.word.str(), move.points);
        EXPECT_EQ(found, walked) << "hand " << hand;
        ASSERT_EQ(game.DescribeState(), dealt) << "the search changed the hand";

        // The best three, each from the dealt hand.
        const std::string saved = game.Save();
        const std::vector<CMove> best = game.FindMoves();
        for (std::size_t i = 0; i < best.size() && i < 3; ++i) {
            std::string why;
            ASSERT_TRUE(game.Load(saved, why)) << why;
            const int before = game.Hand().score;
            for (const RECT& tile : game.TilesOfMove(best[i]))
                Run(At("click", Middle(tile)));
            ASSERT_EQ(source->WordSoFar(), best[i].word) << "hand " << hand;
            Run(At("click", Middle(source->ScoreButton().rect)));
            EXPECT_EQ(game.Hand().score - before, best[i].points) << best[i].word.c_str();
            EXPECT_EQ(source->WordSoFar(), "") << best[i].word.c_str() << " was not scored";
        }
    }
}

// A hunt that keeps its letters ends with every word its deal spelled:
// the words the player found counted, the rest missed, longest first.
TEST_F(WordGameDriveTest, AHuntSummaryCountsTheWordsFoundAndListsTheMissed)
{
    for (const int id : {10, 20, 31, 32}) {
        Run("game " + std::to_string(id) + " 77");
        CGame& game = *app->CurrentGame();
        ASSERT_TRUE(game.KeepsItsLetters()) << id;
        const std::vector<CMove> every = game.FindMoves();
        ASSERT_FALSE(every.empty()) << id;
        int best = 0;
        for (const CMove& move : every)
            best += move.points;
        const CMove& played = every.back();
        for (const RECT& tile : game.TilesOfMove(played))
            Run(At("click", Middle(tile)));
        Run(At("click", Middle(game.WordSource()->ScoreButton().rect)));

        const std::optional<HuntSummary> summary = game.SummariseHunt();
        ASSERT_TRUE(summary) << id;
        EXPECT_EQ(summary->found, 1) << id;
        EXPECT_EQ(summary->words, static_cast<int>(every.size())) << id;
        EXPECT_EQ(summary->bestScore, best) << id;
        EXPECT_EQ(summary->missed.size(), every.size() - 1) << id;
        EXPECT_EQ(std::count(summary->missed.begin(), summary->missed.end(), played.word.str()), 0) << id;
        EXPECT_TRUE(std::is_sorted(summary->missed.begin(), summary->missed.end(),
                                   [](const std::string& a, const std::string& b) { return a.size() > b.size(); }))
            << id;
    }
}

// The drag games' hints are moves the game takes: dragged (or a word
// double-clicked where it stands) as a player would, each takes from its
// source the tiles it names (a rack's slot gives up its one tile).
TEST_F(WordGameDriveTest, EveryDragHintIsAMoveTheGameTakes)
{
    for (const int id : {1, 2, 7, 8, 15, 17, 21}) {
        for (const unsigned hand : {3u, 1234u}) {
            Run("game " + std::to_string(id) + " " + std::to_string(hand));
            if (id == 1)  // the quotation is dealt at the first press, and a right click turns a tile
                Run("click 5 5 right\nclick 5 5 right");
            CGame& game = *app->CurrentGame();
            const std::string saved = game.Save();
            const std::vector<CMove> moves = game.FindMoves();
            ASSERT_FALSE(moves.empty()) << id;
            for (const CMove& move : moves) {
                std::string why;
                ASSERT_TRUE(game.Load(saved, why)) << why;
                const std::vector<RECT> ends = game.TilesOfMove(move);
                ASSERT_EQ(ends.size(), move.ScoresInPlace() ? 1u : 2u);
                const int before = game.RegisteredPile(move.from)->Length();
                const POINT a = Middle(ends[0]), b = Middle(ends.back());
                Run(move.ScoresInPlace() ? At("dblclick", a) : "drag " + Point(a.x, a.y) + " " + Point(b.x, b.y));
                const bool slot = dynamic_cast<const CSlotPile*>(game.RegisteredPile(move.from)) != nullptr;
                EXPECT_EQ(game.RegisteredPile(move.from)->Length(), before - (slot ? 1 : move.count))
                    << "game " << id << " hand " << hand << ": move from " << move.from << " to " << move.to;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Games, WordFinder, ::testing::ValuesIn(WordSourceGames()),
                         [](const ::testing::TestParamInfo<int>& info) { return "Game" + std::to_string(info.param); });
