// The chooser, How to play, Options and Dictionary dialogs as the shell runs
// them: at start-up, from the menu, with the hand paused around them.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "DialogTestSupport.h"
#include "DictionaryTestUtil.h"
#include "app/Commands.h"
#include "app/Driver.h"
#include "app/GameApp.h"
#include "app/Registry.h"
#include "app/Settings.h"
#include "dictionary/Dictionary.h"
#include "framework/Game.h"
#include "framework/TitleGame.h"
#include <typeinfo>
#include "platform/ModalScript.h"

using namespace dialogtest;

namespace {
// A game that says which word is being spelled and counts its rebuilds.
class CWordGame final : public CGame {
public:
    CWordGame() : CGame(nullptr, nullptr) {}
    int GetGameId() const override { return 9; }
    CStr CopyCurrentWord() const override { return word; }
    int OnSettingsChanged(HWND hwnd, HDC dc) override
    {
        ++rebuilds;
        return CGame::OnSettingsChanged(hwnd, dc);
    }
    CStr word;
    int rebuilds = 0;
};

class ChooserShell : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareScriptedRun();
        ClearModalAnswers();
        TakeModalLog();
        const std::pair<const char*, int> start[] = {{"ShowNagDlg", 0}, {"ShowRulesDlg", 0}, {"MinMax", 0},
                                                     {"Width", 640}, {"Height", 480}, {"CurrentGame", 24}};
        for (const auto& [name, value] : start)
            WriteRegDword(HKEY_CURRENT_USER, kMainKey, name, value);
    }
    void TearDown() override
    {
        app.reset();
        SetModalScripting(false);
        ClearModalAnswers();
        TakeModalLog();
    }
    void StartApp()
    {
        app = std::make_unique<CGameApp>();
        ASSERT_TRUE(app->Start());
    }
    CWordGame& Install()
    {
        auto game = std::make_unique<CWordGame>();
        CWordGame& ref = *game;
        app->InstallGame(std::move(game));
        return ref;
    }
    HWND Hwnd() { return app->Window(); }

    std::unique_ptr<CGameApp> app;
};
}  // namespace

TEST_F(ChooserShell, StartUpChooserRunsOverTheTitleScreenAndQuitEndsTheProgram)
{
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "ShowNagDlg", 1);
    PushModalAnswer("quit");
    StartApp();
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
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "ShowNagDlg", 1);
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "CurrentGame", 12);  // no row in the list
    dicttest::ClearUserData();
    dicttest::WriteBytes(UserDataDir() + "/modified.lst", dicttest::ListText({"ant", "bee"}));
    PushModalAnswer("play");
    StartApp();
    ASSERT_NE(app->CurrentGame(), nullptr);
    EXPECT_TRUE(typeid(*app->CurrentGame()) == typeid(CGame));  // 12 is the bare game
    EXPECT_EQ(g_Settings.CurrentGame, 12);
    EXPECT_EQ(app->GameNameId(), 0u);  // the title names no game
    app->Window()->ProcessPending();
    EXPECT_FALSE(app->Window()->IsClosed());
}

TEST_F(ChooserShell, DoubleClickingGolfStartsGolfAtOnce)
{
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "ShowNagDlg", 1);
    dicttest::ClearUserData();
    dicttest::WriteBytes(UserDataDir() + "/modified.lst", dicttest::ListText({"ant", "bee", "cat"}));
    SetModalScripting(false);
    WhenModal([](QWidget* d) {
        auto* list = Child<QListWidget>(d, "gameList");
        QListWidgetItem* golf = list->findItems("Golf", Qt::MatchExactly).front();
        list->scrollToItem(golf);
        const QPoint at = list->visualItemRect(golf).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    });
    StartApp();
    ASSERT_NE(app->CurrentGame(), nullptr);
    EXPECT_EQ(app->CurrentGame()->GetGameId(), 5);
    EXPECT_EQ(g_Settings.CurrentGame, 5);
    EXPECT_EQ(app->GameNameId(), 148u);
    EXPECT_EQ(app->Window()->GetTitle(), "Glyphery - Golf");
}

TEST_F(ChooserShell, HowToPlayShowsTheGamesLinesWhileTheHandIsPaused)
{
    StartApp();
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
    StartApp();
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
    dicttest::ClearUserData();
    dicttest::WriteBytes(UserDataDir() + "/modified.lst", dicttest::ListText({"ant", "bee", "cat"}));
    StartApp();  // the title screen: the dictionary is not loaded yet
    CWordGame& game = Install();
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
    EXPECT_EQ(dicttest::ReadBytes(UserDataDir() + "/modified.lst"),
              dicttest::ListText({"ant", "bee", "cat", "dog"}));
}
