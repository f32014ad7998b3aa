// The falling well's levels, on a Dead Lines hand: each step of the ladder
// raises the level once, shows the notice between two pauses, leaves the
// hand running again and shortens the fall interval by 250 / level.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "app/Commands.h"
#include "games/WordDrop.h"

namespace {
using namespace drivetest;
class FallingWellTest : public WordGameDriveTest {};
}  // namespace

TEST_F(FallingWellTest, TheLadderRaisesTheLevelWithANoticeAndFasterFalls)
{
    struct Row {
        int count;  // dead lines so far
        int level;
        int interval;  // ms
        bool notice;
    };
    const Row rows[] = {
        {6, 0, 850, false}, {7, 1, 600, true},  {13, 1, 600, false}, {14, 2, 475, true},
        {21, 3, 392, true}, {28, 3, 392, false},  // no step at 28
        {35, 4, 330, true}, {42, 5, 280, true}, {49, 6, 239, true}, {60, 6, 239, false},
    };
    Run("game 34 1234");
    CFallingWell& well = dynamic_cast<CWordDrop*>(app->CurrentGame())->Well();
    TakeModalLog();
    for (const Row& row : rows) {
        EXPECT_EQ(well.CheckLevel(*app->CurrentGame(), row.count), row.notice) << row.count;
        EXPECT_EQ(well.Level(), row.level) << row.count;
        EXPECT_EQ(well.Interval(), row.interval) << row.count;
        const std::vector<ModalRecord> shown = TakeModalLog();
        ASSERT_EQ(shown.size(), row.notice ? 1u : 0u) << row.count;
        if (row.notice) {
            EXPECT_NE(shown[0].text.find("Getting faster"), std::string::npos) << shown[0].text;
        }
        EXPECT_FALSE(app->IsPaused()) << row.count;
        EXPECT_TRUE(well.IsTimerRunning()) << row.count;
    }
}

// A hand draws from its own generator: the first look at the high scores
// (which names the list's default winners at random) changes none of the
// letters that fall afterwards.
TEST_F(FallingWellTest, LookingAtTheHighScoresChangesNoLetterThatFalls)
{
    const auto play = [&](bool look) {
        DeleteRegKey(HKEY_CURRENT_USER, (std::string(kMainKey) + "\\WordDrop").c_str());
        Run("game 34 1234\nkey down");
        if (look)
            Run("answer ok\ncommand " + std::to_string(IDM_HIGHSCORES));
        for (int i = 0; i < 5; ++i)
            Run("key down\nwait 1000");
        std::string letters;  // the well's and the queue's, not where the falling tile is
        for (const auto& [name, pile] : ParseState(app->CurrentGame()->DescribeState()).piles)
            letters += name + "=" + pile.letters + " ";
        return letters;
    };
    const std::string looked = play(true);
    EXPECT_EQ(looked, play(false));
}
