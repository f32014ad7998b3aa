// The string table: the binary search relies on its order, and the texts are
// the program's own words, kept exactly (misspellings included).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/Catalogue.h"
#include "framework/Resources.h"

TEST(StringTable, IdsStrictlyAscendingSoLookupFindsEveryEntry)
{
    const std::vector<unsigned> ids = ResStringIds();
    ASSERT_GT(ids.size(), 400u);
    for (size_t i = 1; i < ids.size(); ++i)
        EXPECT_LT(ids[i - 1], ids[i]) << "entry " << i << " is out of order or repeated";
    for (unsigned id : ids) {
        EXPECT_TRUE(HasResString(id)) << id;
        EXPECT_STRNE(ResString(id), "") << id;
    }
}

TEST(StringTable, MissingIdsGiveEmptyText)
{
    EXPECT_FALSE(HasResString(0));
    EXPECT_STREQ(ResString(0), "");
    EXPECT_FALSE(HasResString(124));
    EXPECT_STREQ(ResString(124), "");
    EXPECT_FALSE(HasResString(99999));
}

TEST(StringTable, KeyTextsExactly)
{
    EXPECT_STREQ(ResString(103), "Glyphery");
    EXPECT_STREQ(ResString(144), "Score: %d");
    EXPECT_STREQ(ResString(223), "Time: %d");
    EXPECT_STREQ(ResString(348), "Tiles: %d");
    EXPECT_STREQ(ResString(446), "Oxygen: %d");
    EXPECT_STREQ(ResString(140), "%d (out of %d)");
    EXPECT_STREQ(ResString(171), "%d");
    EXPECT_STREQ(ResString(169), "%d (%d%%)");
    EXPECT_STREQ(ResString(226), "Click the \"Play\" button below when you're ready to play...");
    EXPECT_STREQ(ResString(114), "Congratulations!  You got a high score!");
    EXPECT_STREQ(ResString(136),
                 "This action will erase your best score, worst score, average score \r\nand the number of games "
                 "played (setting them all back to zero).\r\nAre you sure you want to proceed?");
    EXPECT_STREQ(ResString(163),
                 "\n<--- Click on the name of a game in this list, and a description of that game will appear "
                 "here.\n\nClick on the up and down arrows of the scroll bar to see even more games in the list.");
    EXPECT_STREQ(ResString(610), "Score: click this button to score your current word");
    EXPECT_STREQ(ResString(631), "Finish: click this button to score all of your words and end the game");
    EXPECT_STREQ(ResString(492), "So you can mine \"prose\" from \"prospector\", \r\n but you can't spell \"store\".");
}

TEST(StringTable, OddSpellingAndSpacingKept)
{
    EXPECT_NE(std::string(ResString(142)).find("uncorrputed"), std::string::npos);
    EXPECT_NE(std::string(ResString(119)).find("uncorrputed"), std::string::npos);
    EXPECT_STREQ(ResString(497), "You are about to play Unsramble!");
    EXPECT_STREQ(ResString(313), "But your words have to be long enough!  ");
    const std::string griddle = ResString(160);
    EXPECT_EQ(griddle.back(), ' ');
    EXPECT_STREQ(ResString(414),
                 "Because it's there.\r\nStarting at the bottom, try to \"climb\" these three challenging "
                 "mountain peaks by spelling words with their letters. Clear all of the tiles to win.");
}

TEST(StringTable, TooltipsAndAttributionsComplete)
{
    for (unsigned id = 610; id <= 631; ++id)
        EXPECT_TRUE(HasResString(id)) << id;
    std::set<std::string> names;
    for (unsigned id = 328; id <= 347; ++id) {
        const std::string name = ResString(id);
        EXPECT_FALSE(name.empty()) << id;
        EXPECT_LE(name.size(), 20u) << id;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 20u);
}

TEST(StringTable, EveryCatalogueTextAndInstructionLineExists)
{
    for (const CatalogueRow& row : Catalogue()) {
        EXPECT_TRUE(HasResString(row.nameId)) << row.gameId;
        EXPECT_TRUE(HasResString(row.descriptionId)) << row.gameId;
        EXPECT_TRUE(HasResString(row.difficultyId)) << row.gameId;
        EXPECT_TRUE(HasResString(row.scoringId)) << row.gameId;
    }
    for (int game = 1; game <= 41; ++game) {
        if (unsigned name = GameNameId(game)) {
            EXPECT_TRUE(HasResString(name)) << game;
        }
        for (const InstructionLine& line : InstructionLines(game))
            EXPECT_TRUE(HasResString(line.textId)) << "game " << game << " line " << line.textId;
    }
    for (unsigned id = 468; id <= 478; ++id)
        EXPECT_TRUE(HasResString(id)) << id;
}
