// The unfinished hand through the real window: quit and start again plays
// it on where it was; a hand that ended, the option turned off or a damaged
// record deal a new hand instead, the damage reported in one line.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "app/SavedHand.h"
#include "framework/Settings.h"

namespace {
using namespace drivetest;

class Resume : public DriveTest {
protected:
    // Golf hand 1234 after its first move: the first stack's top tile taken.
    std::string Played()
    {
        Run("game 5 1234");
        const CTilePile* stack = app->CurrentGame()->FindPile("stack0");
        return Run(At("click", Centre(*stack, stack->Length() - 1)) + "state");
    }
};
}  // namespace

TEST_F(Resume, ARestartPlaysTheHandOnAndRedoesWhatWasUndone)
{
    const std::string played = Played();
    EXPECT_EQ(Run("restart\nstate"), played);
    const std::string title = Run("title");
    EXPECT_EQ(title.find("Paused"), std::string::npos) << "Golf plays on at once: " << title;
    // Undo and Redo cross a restart.
    const std::string undone = Run("key ctrl+z\nstate");
    EXPECT_NE(undone, played);
    EXPECT_EQ(Run("restart\nkey ctrl+y\nstate"), played);
}

TEST_F(Resume, WithTheOptionOffOrARecordDamagedANewHandIsDealt)
{
    const std::string played = Played();
    g_Settings.ContinueHand = 0;
    EXPECT_NE(Run("restart\nstate"), played);
    g_Settings.ContinueHand = 1;

    // Killed, and the record damaged before the next start.
    Played();
    driver.reset();
    app.reset();
    KeepSavedHand("GLYH not a hand");
    testing::internal::CaptureStderr();
    StartApp();
    const std::string dealt = Run("state");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(dealt, played);
    const std::size_t first = said.find("an unfinished hand was dropped");
    EXPECT_NE(first, std::string::npos) << said;
    EXPECT_EQ(said.find("dropped", first + std::string("an unfinished hand was dropped").size()), std::string::npos) << "said once: " << said;
}
