// Where the collapsing grids part ways, as one table: whether a letter that
// cannot continue the word is refused aloud, whether the checkmark keeps its
// place on the button row or follows the word, and whether the game keeps a
// list of the words found.
#include <gtest/gtest.h>

#include "GridWordDriveSupport.h"

namespace {
using namespace drivetest;

class GridWordRules : public GridWordDriveTest {};
}  // namespace

TEST_F(GridWordRules, RefusalCheckmarkAndFoundWordsFollowEachGame)
{
    struct Row {
        int game;
        const char* name;
        bool refusalHeard;  // a letter no word goes on with plays the refusal
        bool checkFollows;  // the checkmark stands just right of the word
        bool foundList;
    };
    const Row rows[] = {
        {41, "Tower of Babble", true, false, false},
        {25, "Cave In", false, false, true},
        {26, "Avalanche", false, false, true},
        {29, "Implosion", false, true, true},
    };
    for (const Row& row : rows) {
        Run("game " + std::to_string(row.game) + " 1234");
        // A "q" beside an "x" at the foot of the first two columns.
        const int bottom = Grid().Rows() - 1;
        for (int r = 0; r < Grid().Rows(); ++r)
            for (int c = 0; c < Grid().Columns(); ++c)
                if (Grid().Cell(r, c).Top() != '|')  // Avalanche's digger stays
                    Grid().Cell(r, c).tiles = r < bottom || c > 1 ? "" : c == 0 ? "q" : "x";
        if (row.game != 26) {  // the digger only takes what it has room for
            Run(Input("pick " + std::to_string(bottom) + " 0"));
            Sounds().clear();
            PlayStep(Input("pick " + std::to_string(bottom) + " 1"), true, row.name);
            EXPECT_EQ(Sounds() == std::vector<unsigned>{kSoundRefused}, row.refusalHeard) << row.name;
            Run("key escape");
        }

        // The checkmark over a short word and a long one.
        CWordPile& word = Grid().Word();
        RECT at[2];
        for (int i = 0; i < 2; ++i) {
            word.word.tiles = i == 0 ? "at" : "cats";
            Grid().Refresh();
            ASSERT_TRUE(word.check.visible) << row.name;
            at[i] = word.check.rect;
            EXPECT_FALSE(Overlaps(at[i], word.word.Rect(Grid().TileSet()))) << row.name;
        }
        EXPECT_EQ(at[0].left != at[1].left, row.checkFollows) << row.name;
        word.word.tiles = "";

        EXPECT_EQ(State().lines.count("found") == 1, row.foundList) << row.name;
    }
}
