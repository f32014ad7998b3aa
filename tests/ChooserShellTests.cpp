// The chooser, How to play, Options and Dictionary dialogs as the shell runs
// them: at start-up, from the menu, with the hand paused around them.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <typeinfo>

#include "GameDriveSupport.h"
#include "app/Commands.h"
#include "dictionary/Dictionary.h"
#include "framework/TitleGame.h"

using namespace testsupport;

namespace {
// A game that says which word is being spelled and counts its rebuilds.
class CWordGame final : public CGame {
public:
    CWordGame() : CGame(TestGameContext()) {}
    CStr CopyCurrentWord() const override { return word; }
    int OnSettingsChanged(HWND hwnd, HDC dc) override
    {
        ++rebuilds;
        return CGame::OnSettingsChanged(hwnd, dc);
    }
    CStr word;
    int rebuilds = 0;
};

class ChooserShell : public drivetest::DriveTest {
protected:
    // Starts the program again with the chooser at start-up.
    void StartWithChooser()
    {
        WriteRegDword(HKEY_CURRENT_USER, kMainKey, "ShowNagDlg", 1);
        StartApp();
    }
    CWordGame& Install()
    {
        auto game = std::make_unique<CWordGame>();
        CWordGame& ref = *game;
        app->InstallGame(std::move(game));
        return ref;
    }
    HWND Hwnd() { return app->Window(); }
};
}  // namespace

TEST_F(ChooserShell, StartUpChooserRunsOverTheTitleScreenAndQuitEndsTheProgram)
{
    TakeModalLog();
    PushModalAnswer("quit");
    StartWithChooser();
    const std::vector<ModalRecord> shown = TakeModalLog();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Welcome to Glyphery!");
    ASSERT_NE(app->CurrentGame(), nullptr);
    // The title screen stays behind the chooser.
    EXPECT_NE(dynamic_cast<CTitleGame*>(app->CurrentGame()), nullptr);
    app->Window()->ProcessPending();
    EXPECT_TRUE(app->Window()->IsClosed());
}

TEST_F(ChooserShell, PlayWithNothingSelectedDealsTheStoredGame)
{
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "CurrentGame", 12);  // no row in the list
    WritePlayersWords({"ant", "bee"});
    PushModalAnswer("play");
    StartWithChooser();
    ASSERT_NE(app->CurrentGame(), nullptr);
    EXPECT_TRUE(typeid(*app->CurrentGame()) == typeid(CGame));  // 12 is the bare game
    EXPECT_EQ(g_Settings.CurrentGame, 12);
    EXPECT_EQ(app->GameNameId(), 0u);  // the title names no game
    app->Window()->ProcessPending();
    EXPECT_FALSE(app->Window()->IsClosed());
}

TEST_F(ChooserShell, DoubleClickingGolfStartsGolfAtOnce)
{
    WritePlayersWords({"ant", "bee", "cat"});
    SetModalScripting(false);
    WhenModal([](QWidget* d) {
        auto* list = Child<QListWidget>(d, "gameList");
        QListWidgetItem* golf = list->findItems("Golf", Qt::MatchExactly).front();
        list->scrollToItem(golf);
        const QPoint at = list->visualItemRect(golf).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    });
    StartWithChooser();
    ASSERT_NE(app->CurrentGame(), nullptr);
    EXPECT_EQ(app->CurrentGame()->GetGameId(), 5);
    EXPECT_EQ(g_Settings.CurrentGame, 5);
    EXPECT_EQ(app->GameNameId(), 148u);
    EXPECT_EQ(app->Window()->GetTitle(), "Glyphery - Golf");
}

TEST_F(ChooserShell, HowToPlayShowsTheGamesLinesWhileTheHandIsPaused)
{
    Install();
    SetModalScripting(false);
    bool pausedMeanwhile = false;
    QString shown;
    WhenModal([&](QWidget* d) {
        pausedMeanwhile = app->IsPaused();
        shown = Child<QWidget>(d, "instruction")->property("text").toString();
        Click(d, "play");
    });
    Hwnd()->SendCommand(IDM_HOWTOPLAY, 0);
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_EQ(shown, "Click the \"Play\" button below when you're ready to play...");  // the bare game's line
    EXPECT_FALSE(app->IsPaused());
}

TEST_F(ChooserShell, OptionsRebuildTheGameOnlyAfterAChange)
{
    CWordGame& game = Install();
    PushModalAnswer("ok");
    Hwnd()->SendCommand(IDM_OPTIONS, 0);
    EXPECT_EQ(game.rebuilds, 0);
    EXPECT_FALSE(app->IsPaused());

    SetModalScripting(false);
    bool pausedMeanwhile = false;
    const int timer = g_Settings.Timer;
    WhenModal([&](QWidget* d) {
        pausedMeanwhile = app->IsPaused();
        Click(d, "timer");
        Click(d, "ok");
    });
    Hwnd()->SendCommand(IDM_OPTIONS, 0);
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_EQ(game.rebuilds, 1);
    EXPECT_EQ(g_Settings.Timer, timer ? 0 : 1);
    EXPECT_FALSE(app->IsPaused());
}

TEST_F(ChooserShell, DictionaryOpensOnTheWordBeingSpelledAndChangesReachTheGames)
{
    WritePlayersWords({"ant", "bee", "cat"});
    CWordGame& game = Install();  // over the title screen (game 24): no dictionary loaded yet
    game.word = "Bee";
    SetModalScripting(false);
    QString typed;
    bool pausedMeanwhile = false;
    WhenModal([&](QWidget* d) {
        pausedMeanwhile = app->IsPaused();
        typed = Child<QLineEdit>(d, "lookUp")->text();
        Child<QLineEdit>(d, "lookUp")->setText("dog");
        Click(d, "add");
        Click(d, "close");
    });
    Hwnd()->SendCommand(IDM_DICTIONARY, 0);
    EXPECT_EQ(typed, "Bee");
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_FALSE(app->IsPaused());
    EXPECT_EQ(app->Dictionary().IsWord("dog"), 3);
    EXPECT_EQ(ReadBytes(UserDataDir() + "/modified.lst"), ListText({"ant", "bee", "cat", "dog"}));
}
