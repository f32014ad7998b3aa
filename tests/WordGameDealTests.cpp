// Klondike and Jumble dealt from a dictionary that lacks the words they ask
// for, laid out in every window size, and their tooltips.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "dictionary/Dictionary.h"
#include "framework/Random.h"
#include "games/Jumble.h"
#include "games/Klondike.h"

using namespace testsupport;

namespace {
struct WordGameDeal : GameTestBase {
    CDictionary dictionary;

    // A dictionary of short words only.
    void LoadShortWords()
    {
        const std::string path = ScratchPath("short.lst");
        WriteBytes(path, ListText({"at", "cat", "dog", "tea"}));
        ASSERT_TRUE(dictionary.LoadList(path));
    }
};
}  // namespace

TEST_F(WordGameDeal, KlondikeWithoutThirteenLetterWordsDealsNothingAndStillPlays)
{
    LoadShortWords();
    SeedRandom(5);
    CKlondike game(&dictionary, nullptr);
    Show(game, 640, 480);
    const std::string state = game.DescribeState();
    for (int i = 0; i < CKlondike::kPiles; ++i)
        EXPECT_NE(state.find("pile" + std::to_string(i) + ": \"\" down=0"), std::string::npos) << state;
    EXPECT_NE(state.find("stock: \"\""), std::string::npos);
    // Clicks on the empty field change nothing and never fail.
    for (const auto& [x, y] : {std::pair{200, 40}, {250, 230}, {400, 60}}) {
        game.OnLButtonDown(&window, x, y, MK_LBUTTON);
        game.OnLButtonUp(&window, x, y, 0);
        game.OnLButtonDblClk(&window, x, y, MK_LBUTTON);
        game.OnLButtonUp(&window, x, y, 0);
        game.OnRButtonUp(&window, x, y, 0);
    }
    EXPECT_EQ(game.DescribeState(), state);
}

TEST_F(WordGameDeal, JumbleWithoutSevenLetterWordsHasAnEmptyRack)
{
    LoadShortWords();
    SeedRandom(5);
    CJumble game(&dictionary, nullptr);
    Show(game, 640, 480);
    EXPECT_NE(game.DescribeState().find("rack0: \".......\""), std::string::npos) << game.DescribeState();
    game.OnChar(&window, 'a');
    game.OnEnterKey(&window);
    EXPECT_EQ(game.GetScore(), 0);
}

TEST_F(WordGameDeal, BothGamesFitEveryWindowSize)
{
    const std::string path = ScratchPath("long.lst");
    WriteBytes(path, ListText({"abbreviations", "acrylic", "bicentennials", "cat",
                                                   "decomposition", "enterprising"}));
    ASSERT_TRUE(dictionary.LoadList(path));
    for (const auto& [w, h] : {std::pair{256, 256}, {640, 480}, {1600, 1200}, {3000, 900}}) {
        SeedRandom(9);
        CKlondike klondike(&dictionary, nullptr);
        Show(klondike, w, h);
        const int tile = klondike.TileSet().TileWidth();
        EXPECT_GT(tile, 0);
        // Nine columns fit across and eleven rows down, below the 20-pixel margin.
        EXPECT_LE(9 * tile, w) << w << "x" << h;
        EXPECT_LE(11 * tile, h - 20) << w << "x" << h;
        EXPECT_TRUE(window.tools.count(621) && window.tools.count(629) && window.tools.count(630));

        CJumble jumble(&dictionary, nullptr);
        Show(jumble, w, h);
        const int jt = jumble.TileSet().TileWidth();
        EXPECT_LE(12 * jt, w) << w << "x" << h;
        EXPECT_LE(5 * jt, h - 20) << w << "x" << h;
        EXPECT_TRUE(window.tools.count(615)) << "the word bin's tooltip";
    }
}
