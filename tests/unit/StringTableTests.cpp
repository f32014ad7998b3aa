// The string table: the binary search relies on its order, and every text a
// game, the chooser or a dialog asks for is there.
#include <gtest/gtest.h>

#include <string>

#include "app/Catalogue.h"
#include "app/GameFactory.h"
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

TEST(StringTable, EveryCatalogueTextAndInstructionLineExists)
{
    for (const GameDescriptor* row : OfferedGames()) {
        EXPECT_EQ(OfferedGames()[static_cast<std::size_t>(CatalogueIndex(row->gameId))], row) << "one entry per game id";
        EXPECT_TRUE(HasResString(row->nameId)) << row->gameId;
        EXPECT_TRUE(HasResString(row->chooser.descriptionId)) << row->gameId;
        EXPECT_TRUE(HasResString(row->chooser.difficultyId)) << row->gameId;
        EXPECT_TRUE(HasResString(row->chooser.scoringId)) << row->gameId;
    }
    for (const GameDescriptor* row : GameDescriptors()) {
        const int game = row->gameId;
        if (unsigned name = GameNameId(game)) {
            EXPECT_TRUE(HasResString(name)) << game;
        }
        const auto lines = InstructionLines(game);
        ASSERT_FALSE(lines.empty()) << game;
        EXPECT_LE(lines.size(), static_cast<size_t>(kMaxInstructionLines)) << game;
        EXPECT_EQ(lines.back().textId, kPlayButtonLineId) << game << ": the lines end with the Play button's";
        for (const InstructionLine& line : lines)
            EXPECT_TRUE(HasResString(line.textId) && line.seconds > 0) << "game " << game << " line " << line.textId;
    }
    for (unsigned id = 468; id <= 478; ++id)
        EXPECT_TRUE(HasResString(id)) << id;
}
