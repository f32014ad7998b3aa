// Klondike through the real window with the scripted driver. A small model of
// the rules deals every hand the way the game must, finds hands with the
// situations each test needs, and plays them move by move against the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "GameDriveSupport.h"
#include "dictionary/Dictionary.h"
#include "framework/LetterSupply.h"
#include "framework/Random.h"

using namespace drivetest;

namespace {
constexpr int kPiles = 7;

// The layout: 64-pixel tiles, a quarter tile between the columns.
constexpr int kTile = 64;
constexpr int kLeft = 178, kPitch = 80, kTableauTop = 202;
constexpr int kStockX = 210, kStockY = 42;  // centres
constexpr int kWasteX = 290, kWasteY = 42;
constexpr int kFoundationX = 530, kFoundationY = 80;

enum class Kind { ScorePile, ScoreWaste, Run, Draw };
struct Move {
    Kind kind;
    int from = -1, to = -1, count = 0;
};

struct Model {
    struct Pile {
        std::string t;
        int down = 0;
        std::string FaceUp() const { return t.substr(static_cast<size_t>(std::min<int>(down, t.size()))); }
    };
    Pile piles[kPiles];
    std::string stock, waste;
    std::string words[4];
    int progress[4] = {};
    int score = 0;
    const CDictionary* dict = nullptr;

    static Model Deal(unsigned hand, const CDictionary& dictionary)
    {
        Model m;
        m.dict = &dictionary;
        SeedRandom(hand);
        std::string letters = MakeLetters(kSupplyFourWords, 52, false, false, &dictionary, nullptr).str();
        for (int k = 0; k < 4; ++k)
            m.words[k] = letters.substr(letters.size() - 13 * (k + 1), 13);
        Shuffle(letters);
        for (int i = 0; i < kPiles; ++i) {
            m.piles[i].t = letters.substr(letters.size() - (i + 1));
            letters.resize(letters.size() - (i + 1));
            m.piles[i].down = i;
        }
        m.stock = letters;
        return m;
    }
    int Wants(char c) const
    {
        for (int k = 0; k < 4; ++k)
            if (progress[k] < 13 && words[k][progress[k]] == c)
                return k;
        return -1;
    }
    bool IsWord(const std::string& s) const { return dict->IsWord(s.c_str()) != 0; }
    static void Flip(Pile& p)
    {
        if (p.down > 0 && p.down >= static_cast<int>(p.t.size()))
            p.down = static_cast<int>(p.t.size()) - 1;
    }
    void ScorePile(int i)
    {
        Pile& p = piles[i];
        ++progress[Wants(p.t.back())];
        p.t.pop_back();
        Flip(p);
        score += 10;
    }
    void ScoreWaste()
    {
        ++progress[Wants(waste.back())];
        waste.pop_back();
        score += 10;
    }
    void MoveRun(int from, int to, int count)
    {
        Pile& p = piles[from];
        piles[to].t += p.t.substr(p.t.size() - count);
        p.t.resize(p.t.size() - count);
        Flip(p);
    }
    void Draw()
    {
        if (!stock.empty()) {
            waste += stock.back();
            stock.pop_back();
        } else {
            stock.assign(waste.rbegin(), waste.rend());
            waste.clear();
            score -= 100;
        }
    }
    void Apply(const Move& move)
    {
        switch (move.kind) {
        case Kind::ScorePile: ScorePile(move.from); break;
        case Kind::ScoreWaste: ScoreWaste(); break;
        case Kind::Run: MoveRun(move.from, move.to, move.count); break;
        case Kind::Draw: Draw(); break;
        }
    }
    bool Done() const { return std::all_of(progress, progress + 4, [](int p) { return p == 13; }); }
};

// A simple player: score what can be scored, uncover face-down tiles with
// words or empty piles, otherwise turn the stock.
std::optional<Move> NextMove(const Model& m)
{
    for (int i = 0; i < kPiles; ++i)
        if (!m.piles[i].t.empty() && m.Wants(m.piles[i].t.back()) >= 0)
            return Move{Kind::ScorePile, i};
    if (!m.waste.empty() && m.Wants(m.waste.back()) >= 0)
        return Move{Kind::ScoreWaste};
    for (int j = 0; j < kPiles; ++j) {
        const std::string run = m.piles[j].FaceUp();
        if (m.piles[j].down == 0 || run.size() > 4)
            continue;
        for (int i = 0; i < kPiles; ++i)
            if (i != j && (m.piles[i].t.empty() || m.IsWord(m.piles[i].FaceUp() + run)))
                return Move{Kind::Run, j, i, static_cast<int>(run.size())};
    }
    if (m.stock.empty() && m.waste.empty())
        return std::nullopt;
    return Move{Kind::Draw};
}

// The moves that win the hand, or nothing when the simple player gets stuck.
std::optional<std::vector<Move>> Solve(Model m)
{
    std::vector<Move> moves;
    int idleDraws = 0;
    while (!m.Done()) {
        const std::optional<Move> move = NextMove(m);
        if (!move)
            return std::nullopt;
        idleDraws = move->kind == Kind::Draw ? idleDraws + 1 : 0;
        if (idleDraws > static_cast<int>(m.stock.size() + m.waste.size()) + 1)
            return std::nullopt;  // a whole round of the stock without progress
        m.Apply(*move);
        moves.push_back(*move);
    }
    return moves;
}

int ColumnX(int i) { return kLeft + i * kPitch + kTile / 2; }
// The top of tile k of a pile whose first `down` tiles are face down.
int TileTop(int k, int down) { return kTableauTop + std::min(k, down) * kTile / 4 + std::max(0, k - down) * kTile; }

class Klondike : public WordGameDriveTest {
protected:
    Model Deal(unsigned hand)
    {
        Run("game 2 " + std::to_string(hand));
        return Model::Deal(hand, app->Dictionary());
    }
    // The first hand whose deal satisfies `wanted`.
    template <class F>
    unsigned FindHand(F wanted)
    {
        return FirstHand([&](unsigned hand) { return wanted(Model::Deal(hand, app->Dictionary())); });
    }
    // The game's state must be the model's.
    void ExpectState(const Model& m, const std::string& context = "")
    {
        const GameState s = State();
        for (int i = 0; i < kPiles; ++i) {
            const PileState& p = s.Pile("pile" + std::to_string(i));
            EXPECT_EQ(p.letters, m.piles[i].t) << "pile " << i << " " << context;
            EXPECT_EQ(p.down, m.piles[i].down) << "pile " << i << " " << context;
        }
        EXPECT_EQ(s.Pile("stock").letters, m.stock) << context;
        EXPECT_EQ(s.Pile("waste").letters, m.waste) << context;
        EXPECT_EQ(s.score, m.score) << context;
        std::string foundation;
        for (int k = 0; k < 4; ++k) {
            std::string word = m.words[k];
            for (int c = 0; c < m.progress[k]; ++c)
                word[c] = static_cast<char>(word[c] - 'a' + 'A');
            foundation += " " + word + "(" + std::to_string(m.progress[k]) + ")";
        }
        EXPECT_EQ(" " + s.lines.at("foundation"), foundation) << context;
    }
    // Drags the face-up tiles of pile `from` from the tile `count` from the
    // top so that the image's centre lands on the top of column `to`.
    std::string DragRun(const Model& m, int from, int to, int count)
    {
        const Model::Pile& p = m.piles[from];
        const int k = static_cast<int>(p.t.size()) - count;
        const int pressY = TileTop(k, p.down) + kTile / 2;
        const int releaseY = kTableauTop + kTile / 2 + kTile / 2 - count * kTile / 2;
        return "drag " + Point(ColumnX(from), pressY) + " " + Point(ColumnX(to), releaseY);
    }
    std::string TopTile(const Model& m, int i)
    {
        const Model::Pile& p = m.piles[i];
        return Point(ColumnX(i), TileTop(static_cast<int>(p.t.size()) - 1, p.down) + kTile / 2);
    }
    std::string Play(const Model& m, const Move& move)
    {
        switch (move.kind) {
        case Kind::ScorePile: return "dblclick " + TopTile(m, move.from);
        case Kind::ScoreWaste: return "dblclick " + Point(kWasteX, kWasteY);
        case Kind::Run: return DragRun(m, move.from, move.to, move.count);
        case Kind::Draw: return "click " + Point(kStockX, kStockY);
        }
        return "";
    }
};
}  // namespace

TEST_F(Klondike, AHandNumberDealsTheSameFourWordsAndPilesEveryTime)
{
    const Model m = Deal(1234);
    ExpectState(m, "as dealt");
    for (const std::string& word : m.words) {
        EXPECT_EQ(word.size(), 13u);
        EXPECT_TRUE(m.IsWord(word)) << word;
    }
    const std::string first = Run("state");
    EXPECT_EQ(Run("game 2 1234\nstate"), first) << "the same hand again";
    EXPECT_NE(Run("game 2 1235\nstate"), first);
}

TEST_F(Klondike, DragsBetweenPilesFollowTheWordRuleAndUndoHidesTheFlippedTile)
{
    // A hand where pile 0's tile completes a word on another pile's top, and
    // where it would not on some third pile.
    int onto = -1, refuse = -1;
    const unsigned hand = FindHand([&](const Model& m) {
        onto = refuse = -1;
        for (int i = 1; i < kPiles; ++i) {
            const bool word = m.IsWord(m.piles[i].FaceUp() + m.piles[0].t);
            if (word && onto < 0)
                onto = i;
            if (!word && refuse < 0)
                refuse = i;
        }
        return onto > 0 && refuse > 0;
    });
    Model m = Deal(hand);

    // Onto a pile where it spells no word: the tile flies back.
    EXPECT_TRUE(SoundsOf(DragRun(m, 0, refuse, 1)).empty());
    ExpectState(m, "refused drop");
    EXPECT_FALSE(app->CurrentGame()->CanUndo());

    // Onto the pile where it spells a word.
    EXPECT_EQ(SoundsOf(DragRun(m, 0, onto, 1)), std::vector<unsigned>{kSoundTileMoved});
    m.MoveRun(0, onto, 1);
    ExpectState(m, "accepted drop");

    // The two-tile run onto the now empty pile 0: any run goes there, and the
    // tile it uncovers turns face up.
    Run(DragRun(m, onto, 0, 2));
    const Model before = m;
    m.MoveRun(onto, 0, 2);
    ExpectState(m, "run onto the empty pile");
    EXPECT_EQ(m.piles[onto].down, onto - 1);

    // A run dropped back on its own pile changes nothing.
    Run("drag " + TopTile(m, 0) + " " + Point(ColumnX(0), 500));
    ExpectState(m, "dropped on its own pile");

    // Undo puts the run back and hides the flipped tile again.
    Run("key ctrl+z");
    ExpectState(before, "after undo");
}

TEST_F(Klondike, StockTurnsOneTileAtATimeAndRecyclingCosts)
{
    Model m = Deal(77);
    // A left click and a right-button release anywhere both turn a tile.
    Run("click " + Point(kStockX, kStockY));
    Run("up 800 700 right");
    m.Draw();
    m.Draw();
    ExpectState(m, "two turns");
    ASSERT_TRUE(app->CurrentGame()->CanUndo());
    Run("key ctrl+z");
    m.stock += m.waste.back();
    m.waste.pop_back();
    ExpectState(m, "a turn undone");

    while (!m.stock.empty()) {
        Run("click " + Point(kStockX, kStockY));
        m.Draw();
    }
    ExpectState(m, "stock used up");
    EXPECT_EQ(SoundsOf("click " + Point(kStockX, kStockY)), std::vector<unsigned>{kSoundTileMoved});
    m.Draw();
    ExpectState(m, "recycled");
    EXPECT_EQ(m.score, -100);
    EXPECT_FALSE(app->CurrentGame()->CanUndo()) << "recycling forgets the undo history";
}

TEST_F(Klondike, ScoringByDoubleClickAndByDragAndTheButtonUpAfterward)
{
    // Pile 0's tile is the first letter of a target word, and another top tile
    // or the first turned stock tile is wanted after it.
    const unsigned hand = FindHand([](const Model& start) {
        if (start.Wants(start.piles[0].t.back()) < 0)
            return false;
        Model m = start;
        m.ScorePile(0);
        for (int i = 1; i < kPiles; ++i)
            if (m.Wants(m.piles[i].t.back()) >= 0)
                return true;
        return false;
    });
    Model m = Deal(hand);

    // A double-click on a tile no word wants is refused.
    int unwanted = 1;
    while (m.Wants(m.piles[unwanted].t.back()) >= 0)
        ++unwanted;
    EXPECT_EQ(SoundsOf("dblclick " + TopTile(m, unwanted)),
              std::vector<unsigned>{kSoundRefused}) << "only the refusal, the press just lifts and returns";
    ExpectState(m, "refused double-click");

    // Turn a stock tile, then double-click pile 0: the tile scores, and the
    // button-up that ends the double-click does not play the waste onto the
    // pile it emptied.
    Run("click " + Point(kStockX, kStockY));
    m.Draw();
    EXPECT_EQ(SoundsOf("dblclick " + TopTile(m, 0)), std::vector<unsigned>{kSoundScored});
    m.ScorePile(0);
    ExpectState(m, "scored by double-click");
    // A plain click there does play the waste onto the empty pile.
    Run("click " + Point(ColumnX(0), kTableauTop + kTile / 2));
    m.piles[0].t += m.waste.back();
    m.waste.pop_back();
    ExpectState(m, "waste played onto the empty pile");

    // Drag another wanted top tile onto the foundation.
    int wanted = 1;
    while (m.Wants(m.piles[wanted].t.back()) < 0)
        ++wanted;
    EXPECT_EQ(SoundsOf("drag " + TopTile(m, wanted) + " " + Point(kFoundationX, kFoundationY)),
              std::vector<unsigned>{kSoundScored});
    m.ScorePile(wanted);
    ExpectState(m, "scored by drag");
    EXPECT_FALSE(app->CurrentGame()->CanUndo()) << "a scored tile never comes back";
}

TEST_F(Klondike, AWholeHandPlayedToTheEnd)
{
    std::optional<std::vector<Move>> moves;
    const unsigned hand = FindHand([&](const Model& m) { return (moves = Solve(m)).has_value(); });
    ASSERT_TRUE(moves);
    Model m = Deal(hand);
    for (size_t n = 0; n + 1 < moves->size(); ++n) {
        const Move& move = (*moves)[n];
        Run(Play(m, move));
        m.Apply(move);
        if (move.kind != Kind::Draw)
            ExpectState(m, "move " + std::to_string(n));
        if (HasFailure())
            return;
    }
    // The last tile ends the hand: 520 points for the tiles, the recycles
    // taken off, and the speed bonus (no time has passed).
    const int final = m.score + 10 + 300;
    Run(final > 1 ? "answer cancel \"Play Again\"" : "answer \"Play Again\"");
    const std::string out = Run(Play(m, moves->back()));
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Klondike", "GamesWon"), 1);
    EXPECT_EQ(Stat("Klondike", "LatestScore"), final);
}
