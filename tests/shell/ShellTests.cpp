// The shell through the real main window: start-up rules, the menu, the
// window procedure's gating, the New Hand / Replay / Pause flows with their
// question boxes, the end of a hand, timers, help, placement and a picture;
// and the chooser, How to play, Options and Dictionary dialogs as the shell
// runs them: at start-up, from the menu, with the hand paused around them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <algorithm>
#include <sstream>
#include <typeinfo>

#include "GameDriveSupport.h"
#include "app/Commands.h"
#include "dictionary/Dictionary.h"
#include "framework/Files.h"
#include "framework/TitleGame.h"
#include "platform/QtMainWindow.h"

using namespace testsupport;

namespace {
// A game that writes down what reaches it, says which word is being spelled
// and counts its rebuilds.
class CRecordingGame final : public CGame {
public:
    explicit CRecordingGame(std::vector<std::string>& log) : CGame(TestGameContext()), m_log(log)
    {
        // As if a word was scored: the hand's end earns the speed bonus, and
        // with it a place in the high-score list.
        m_hand.AddWordPoints(0);
    }
    void OnLButtonDown(int x, int y, unsigned k) override
    {
        m_log.push_back("ldown " + std::to_string(x) + "," + std::to_string(y));
        if (endOnClick) {
            EndHand(kEndFinished);  // ends once this handler has returned
            m_log.push_back(IsHandOver() && !Shell().IsHandOver() ? "ending" : "ended too soon");
        }
        // The hand must still be this object while its handler runs.
        m_log.push_back(TheApp()->CurrentGame() == this ? "still here" : "replaced!");
        CGame::OnLButtonDown(x, y, k);
    }
    void OnLButtonDblClk(int, int, unsigned) override { Note("ldbl"); }
    void OnRButtonUp(int, int, unsigned) override { Note("rup"); }
    void OnMouseMove(int, int, unsigned) override { Note("move"); }
    void OnChar(int c) override { Note("char " + std::string(1, static_cast<char>(c))); }
    void OnEnterKey() override { Note("enter"); }
    void OnSpaceKey() override { Note("space"); }
    void OnArrowUp() override { Note("up"); }
    void OnArrowLeft() override { Note("left"); }
    void OnBackspaceKey() override { Note("backspace"); }
    void AfterMove() override { Note("after move"); }
    void OnTimer(unsigned id) override
    {
        Note("timer " + std::to_string(id));
        CGame::OnTimer(id);
    }
    void OnPause() override { Note("pause"); }
    void OnResume() override { Note("resume"); }
    void OnGameOver() override
    {
        m_log.push_back(Shell().MainWindow()->GetTitle());
        CGame::OnGameOver();
    }
    void OnArrowDown() override
    {
        // A game that asks for a new hand from inside its own handler.
        Shell().MainWindow()->SendCommand(IDM_NEWHAND, 0);
        m_log.push_back(TheApp()->CurrentGame() == this ? "still here" : "replaced!");
    }
    CStr CopyCurrentWord() const override { return word; }
    void OnSettingsChanged() override
    {
        ++rebuilds;
        CGame::OnSettingsChanged();
    }
    void PushUndo() { m_undo.Push(CUndoRecord{}); }
    bool endOnClick = false;
    CStr word;
    int rebuilds = 0;

private:
    void Note(const std::string& what) { m_log.push_back(what); }
    std::vector<std::string>& m_log;
};

class Shell : public drivetest::DriveTest {
protected:
    CRecordingGame& Install()
    {
        auto game = std::make_unique<CRecordingGame>(log);
        CRecordingGame& ref = *game;
        app->InstallGame(std::move(game));
        log.clear();
        return ref;
    }
    CQtMainWindow& Window() { return *dynamic_cast<CQtMainWindow*>(app->Window()); }
    // Starts the program again with the chooser at start-up.
    void StartWithChooser()
    {
        WriteRegDword(HKEY_CURRENT_USER, kMainKey, "ShowNagDlg", 1);
        StartApp();
    }

    std::vector<std::string> log;
};
}  // namespace

// On a 1024 x 768 screen with 32-pixel icons: {left, top, width, height} as
// stored, and as corrected.
TEST(ShellStartup, PlacementIsCorrectedAgainstTheScreen)
{
    const struct {
        int in[4], out[4];
    } cases[] = {
        {{-20, 700, 100, 2000}, {0, 700, 458, 480}},  // off the left, still on screen below, too small, too tall
        {{993, 740, 1500, 200}, {0, 0, 640, 458}},    // corner beyond the screen less an icon, too wide, too low
    };
    for (const auto& c : cases) {
        CSettings s;
        s.Left = c.in[0], s.Top = c.in[1], s.Width = c.in[2], s.Height = c.in[3];
        ValidatePlacement(s, 1024, 768, 32);
        EXPECT_EQ((std::vector<int>{s.Left, s.Top, s.Width, s.Height}), std::vector<int>(c.out, c.out + 4));
    }
}

TEST(ShellStartup, ColourDepthRuleSwitchesDesignsOnceAndBack)
{
    CSettings s;  // a rich-colour run before
    EXPECT_TRUE(ApplyColorDepthRule(s, 16));
    EXPECT_EQ(s.ColorDepth, 0);
    EXPECT_EQ(s.LetterTileDesign, 16);
    EXPECT_EQ(s.BackgroundPattern, 0);
    EXPECT_FALSE(ApplyColorDepthRule(s, 16));  // the warning comes once

    EXPECT_FALSE(ApplyColorDepthRule(s, 32));  // rich again: the designs come back
    EXPECT_EQ(s.LetterTileDesign, 1);
    EXPECT_EQ(s.BackgroundPattern, 1);
    EXPECT_EQ(s.ColorDepth, 32);

    CSettings changed;
    ApplyColorDepthRule(changed, 8);
    changed.BackgroundPattern = 5;  // the player chose a pattern meanwhile
    ApplyColorDepthRule(changed, 24);
    EXPECT_EQ(changed.LetterTileDesign, 16);
    EXPECT_EQ(changed.BackgroundPattern, 5);
}

TEST_F(Shell, UndoIsGrayedUnlessTheGameCanUndoEachTimeTheMenuOpens)
{
    QMenu* game = Window().menuBar()->actions()[0]->menu();
    QAction* undo = game->actions()[4];
    ASSERT_EQ(undo->data().toInt(), IDM_UNDO);
    EXPECT_FALSE(undo->isEnabled());
    CRecordingGame& g = Install();
    g.PushUndo();
    emit game->aboutToShow();
    EXPECT_TRUE(undo->isEnabled());
    Run("key ctrl+z");  // undoes the record: the history is empty again
    emit game->aboutToShow();
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(Shell, InputReachesTheGameOnlyWhileRunning)
{
    Install();
    Run("click 30 40\ndblclick 5 6\nclick 9 9 right\nmove 50 50\ntype a\nkey enter kp5 kp8 left backspace f2");
    for (const char* e : {"ldown 30,40", "ldbl", "rup", "move", "char a", "enter", "space", "up", "left", "backspace"})
        EXPECT_NE(std::find(log.begin(), log.end(), e), log.end()) << e;

    log.clear();
    Run("key f3\nclick 30 40\ntype b\nkey enter\nmove 60 60");
    EXPECT_EQ(log, std::vector<std::string>{"pause"});  // no input while paused
    Window().SetTimer(706, 500);
    Run("wait 500");
    EXPECT_EQ(log.back(), "timer 706");  // the game's own timers still run

    Run("key ctrl+p");
    EXPECT_EQ(log.back(), "resume");
}

TEST_F(Shell, PauseTogglesTheTitleTheClockAndTheGame)
{
    Run("game 9 77");
    EXPECT_EQ(Window().TimerPeriod(702), 1000u);
    EXPECT_EQ(Run("key ctrl+p\ntitle"), "Glyphery - Paused\n");
    EXPECT_FALSE(Window().IsTimerSet(702));
    Run("wait 3000");
    EXPECT_EQ(app->CurrentGame()->Hand().clockValue, 0);
    EXPECT_EQ(Run("key f3\ntitle"), "Glyphery\n");
    Run("wait 3000");
    EXPECT_EQ(app->CurrentGame()->Hand().clockValue, 3);
}

// No keeps the running hand; Yes deals (the same hand for Replay) and counts it.
TEST_F(Shell, NewHandAndReplayAskFirst)
{
    const struct {
        const char *key, *question, *statistic;
        bool sameHand;
    } cases[] = {
        {"ctrl+n", "dialog \"New Hand\": Are you sure you want to start a new hand of this game? -> no", "GamesSkipped",
         false},
        {"ctrl+r", "dialog \"Replay Hand\": Are you sure you want to replay this hand from the beginning?",
         "GamesReplayed", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Run("game 9 4242\nwait 2000");
        const int counted = ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), c.statistic, 0);
        const std::string out = Run(std::string("answer no\nkey ") + c.key);
        EXPECT_NE(out.find(c.question), std::string::npos) << out;
        EXPECT_EQ(app->CurrentGame()->Hand().clockValue, 2);  // the same hand, still running
        EXPECT_EQ(app->HandNumber(), 4242u);
        EXPECT_FALSE(app->IsPaused());
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), c.statistic, 0), counted);

        Run(std::string("answer yes\nkey ") + c.key);
        EXPECT_EQ(app->CurrentGame()->Hand().clockValue, 0);
        EXPECT_EQ(app->HandNumber() == 4242u, c.sameHand);
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), c.statistic, 0), counted + 1);
        EXPECT_FALSE(app->IsPaused());
    }
}

TEST_F(Shell, EndOfHandPausesTheGameWhichStaysUntilItsHandlerHasReturned)
{
    CRecordingGame& g = Install();
    g.endOnClick = true;
    // Game Over (after the high-score list, left without a name) answered Play Again.
    const std::string out = Run("answer cancel \"Play Again\"\nclick 10 10");
    EXPECT_NE(std::find(log.begin(), log.end(), "ending"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "Glyphery - Game Over"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "still here"), log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), "replaced!"), log.end());
    EXPECT_NE(out.find("\"Game Over\""), std::string::npos) << out;
    // Play Again posted New Hand, which asked nothing because the hand was over.
    EXPECT_EQ(out.find("\"New Hand\""), std::string::npos) << out;
    EXPECT_EQ(dynamic_cast<CRecordingGame*>(app->CurrentGame()), nullptr);
    EXPECT_FALSE(app->IsHandOver());
    EXPECT_TRUE(Window().IsTimerSet(702));
}

// A hand ends once, and takes no input once it is over.
TEST_F(Shell, AHandEndsOnce)
{
    Install();
    const int played = ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), "GamesPlayed", 0);
    Run("answer cancel \"Replay Hand\" no");  // no name; Game Over: replay? No: the hand stays over
    app->EndHand(kEndFinished);
    EXPECT_NE(Run("title").find("Glyphery - Game Over"), std::string::npos);
    EXPECT_EQ(PendingModalAnswers(), 0u);
    app->EndHand(kEndTimeUp);  // nothing more happens
    EXPECT_EQ(TakeModalLog().size(), 0u);
    EXPECT_EQ(std::count(log.begin(), log.end(), "pause"), 1);
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), "GamesPlayed", 0), played + 1);
    log.clear();
    Run("click 30 40\ntype c\nkey space");
    EXPECT_TRUE(app->IsHandOver());
    EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const std::string& e) {
        return e.rfind("ldown", 0) == 0 || e.rfind("char", 0) == 0 || e == "space";
    })) << "input reached the game after its hand was over";
}

TEST_F(Shell, ANewHandAskedForInsideAGameHandlerWaitsForTheHandlerToReturn)
{
    Install();
    const std::string out = Run("answer yes\nkey down");
    EXPECT_NE(std::find(log.begin(), log.end(), "still here"), log.end());
    EXPECT_NE(out.find("\"New Hand\""), std::string::npos) << out;  // asked once the handler had returned
    EXPECT_EQ(dynamic_cast<CRecordingGame*>(app->CurrentGame()), nullptr);
}

// The stored corner is the frame's, where a window manager places a window.
TEST_F(Shell, ClosingStoresTheNormalRectangleEvenWhenMaximized)
{
    Window().resize(500, 400);
    Window().move(30, 40);
    Window().ProcessPending();
    ASSERT_GT(Window().geometry().top(), Window().frameGeometry().top());  // the test platform draws a frame
    Window().Show(true);
    Window().ProcessPending();
    Run("key ctrl+q");
    EXPECT_TRUE(Window().IsClosed());
    for (const auto& [name, value] : {std::pair{"MinMax", 2}, {"Left", 30}, {"Top", 40}, {"Width", 500}, {"Height", 400}})
        EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kMainKey, name, -1), value) << name;
    // Started again and restored, the frame is where it was.
    StartApp();
    Window().showNormal();
    Window().ProcessPending();
    EXPECT_EQ(Window().frameGeometry().topLeft(), QPoint(30, 40));
    EXPECT_EQ(Window().size(), QSize(500, 400));
}

TEST_F(Shell, TitleScreenShowsItsTilesInTheWindowPicture)
{
    app->StartHand(app->MainWindow(), StartMode::StartupChooser);  // Play with the stored game: the title screen
    const std::string path = std::string(GLYPHERY_BINARY_DIR) + "/shell-title.png";
    Run("answer play\nscreenshot " + path + " client");
    const QImage picture(QString::fromStdString(path));
    ASSERT_FALSE(picture.isNull());
    // Light wood tiles on deep red: count tile-coloured pixels in the top and bottom bands.
    auto woodPixels = [&](int top, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                n += c.red() > 170 && c.green() > 130 && c.blue() > 80;
            }
        return n;
    };
    const int h = picture.height();
    EXPECT_GT(woodPixels(0, h / 3), 2000);       // "glyph"
    EXPECT_GT(woodPixels(2 * h / 3, h), 1000);   // "ery"
    EXPECT_LT(woodPixels(h / 3 + 20, 2 * h / 3 - 20), 50);  // nothing in between
}

TEST_F(Shell, ChoosingAnotherGameAsksFirstThenShowsHowToPlayButANewHandDoesNot)
{
    Run("game 9 5\nset ShowRulesDlg 1");
    // Yes to the question, then Play in the chooser with nothing selected (game 9 has no
    // row in its list), which keeps game 9.
    std::string out = Run("answer yes play\nkey ctrl+o");
    EXPECT_NE(out.find("dialog \"Choose Game\": Are you sure you want to quit the current game and choose a new one? "
                       "-> yes"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("dialog \"Welcome to Glyphery!\""), std::string::npos) << out;
    EXPECT_EQ(g_Settings.CurrentGame, 9);

    // A new hand of the same game (the running game says it is game 9): no rules.
    Install();
    out = Run("answer yes\nkey ctrl+n");
    EXPECT_EQ(out.find("How to play"), std::string::npos) << out;
    // Another game: the rules come up once it is dealt.
    Install();
    g_Settings.CurrentGame = 5;
    out = Run("answer yes play\nkey ctrl+n");
    EXPECT_NE(out.find("dialog \"How to play...\""), std::string::npos) << out;
}

TEST_F(Shell, DriverReportsTheFailingLineAndWhy)
{
    std::istringstream in("title\nfrobnicate 3\n");
    std::ostringstream out, err;
    EXPECT_EQ(driver->RunScript(in, out, err), 1);
    EXPECT_EQ(err.str(), "line 2: unknown command \"frobnicate\"\n");
    std::string error;
    EXPECT_FALSE(driver->RunLine("key ctrl+", out, error));
    EXPECT_FALSE(driver->RunLine("timer 999", out, error));
    EXPECT_EQ(error, "timer 999 is not set");
    EXPECT_FALSE(driver->RunLine("click 10", out, error));
    EXPECT_TRUE(driver->RunLine("   # only a comment", out, error));
}

TEST_F(Shell, WithoutAGameTheWindowShowsTheBackgroundColourAndGameCommandsDoNothing)
{
    g_Settings.BackgroundColor = static_cast<std::int32_t>(RGB(10, 120, 30));
    app->InstallGame(nullptr);  // as after a word list failed to load
    Run("key ctrl+z\ncommand 40001\nclick 5 5\nkey ctrl+p\nkey ctrl+p\nwait 2000");
    EXPECT_EQ(Window().ScreenImage().pixel(5, 5), 0xFF0A781Eu);
    const QImage& screen = Window().ScreenImage();  // all of it, to the last row
    EXPECT_EQ(screen.pixel(screen.width() - 1, screen.height() - 1), 0xFF0A781Eu);
    EXPECT_EQ(app->CurrentGame(), nullptr);
    EXPECT_EQ(Window().SendCommand(40001, 0), 0);  // nobody handled it
}

// The player's word lists are read beside the window's creation; the game
// dealt at start-up has them all, in load order, as if read before its deal.
TEST_F(Shell, WordListsReadDuringStartUpReachTheGameDealtAtOnceAndTheTitleNamesIt)
{
    WritePlayersWords({"able", "about", "above", "acorn", "adder", "after", "again", "agent"});
    WriteBytes(UserDataDir() + "/custom.lst", ListText({"zyzzyva"}));
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "CurrentGame", 2);
    StartApp();
    CDictionary& dictionary = app->Dictionary();
    ASSERT_EQ(dictionary.GetListCount(), 2);
    EXPECT_EQ(dictionary.GetList(0)->GetName(), "modified.lst");
    EXPECT_EQ(dictionary.GetList(1)->GetName(), "custom.lst");
    EXPECT_GT(dictionary.IsWord("zyzzyva"), 0);
    ASSERT_NE(app->CurrentGame(), nullptr);
    ASSERT_EQ(app->CurrentGame()->GetGameId(), 2);
    // Restarting the last game, the window is named after it from the start.
    EXPECT_NE(Run("title").find("Glyphery - Klondike"), std::string::npos) << Run("title");
    const std::string dealt = Run("state");
    app->PlayHand(2, app->HandNumber());  // the same hand again, the lists surely loaded
    EXPECT_EQ(Run("state"), dealt);
}

// ---- The chooser, How to play, Options and Dictionary from the shell

TEST_F(Shell, StartUpChooserRunsOverTheTitleScreenAndQuitEndsTheProgram)
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

TEST_F(Shell, PlayWithNothingSelectedDealsTheStoredGame)
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

TEST_F(Shell, DoubleClickingGolfStartsGolfAtOnce)
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

// Help in the chooser opens at the highlighted game; the help window is the
// main window's, so it stays open after Play.
TEST_F(Shell, ChooserHelpOpensAtTheHighlightedGameAndStaysOpenAfterPlay)
{
    WritePlayersWords({"ant", "bee", "cat"});
    SetModalScripting(false);
    const auto helpWindow = []() -> QWidget* {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "helpWindow" && w->isVisible())
                return w;
        return nullptr;
    };
    std::string topLine;
    WhenModal([&](QWidget* d) {
        auto* list = Child<QListWidget>(d, "gameList");
        list->setCurrentItem(list->findItems("Tri Peaks", Qt::MatchExactly).front());
        Click(d, "help");
        QWidget* help = helpWindow();
        ASSERT_NE(help, nullptr);
        auto* browser = help->findChild<QTextBrowser*>("helpBrowser");
        topLine = browser->cursorForPosition(QPoint(4, 4)).block().text().toStdString();
        EXPECT_TRUE(d->isVisible());
        Click(d, "play");
    });
    StartWithChooser();
    EXPECT_EQ(topLine, "Tri Peaks");
    QWidget* help = helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->parentWidget(), &Window());
    help->close();
}

TEST_F(Shell, HowToPlayShowsTheGamesLinesWhileTheHandIsPaused)
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
    app->Window()->SendCommand(IDM_HOWTOPLAY, 0);
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_EQ(shown, "Click the \"Play\" button below when you're ready to play...");  // the bare game's line
    EXPECT_FALSE(app->IsPaused());
}

TEST_F(Shell, OptionsRebuildTheGameOnlyAfterAChange)
{
    CRecordingGame& game = Install();
    PushModalAnswer("ok");
    app->Window()->SendCommand(IDM_OPTIONS, 0);
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
    app->Window()->SendCommand(IDM_OPTIONS, 0);
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_EQ(game.rebuilds, 1);
    EXPECT_EQ(g_Settings.Timer, timer ? 0 : 1);
    EXPECT_FALSE(app->IsPaused());
}

TEST_F(Shell, DictionaryOpensOnTheWordBeingSpelledAndChangesReachTheGames)
{
    WritePlayersWords({"ant", "bee", "cat"});
    // Over the title screen (game 24) no dictionary is loaded yet: it is loaded
    // before the dialog works on it, so the saved list keeps every word.
    CRecordingGame& game = Install();
    game.word = "Bee";
    SetModalScripting(false);
    QString typed;
    bool pausedMeanwhile = false;
    WhenModal([&](QWidget* d) {
        pausedMeanwhile = app->IsPaused();
        typed = Child<QLineEdit>(d, "lookUp")->text();
        Child<QLineEdit>(d, "lookUp")->setText("dog");
        Click(d, "add");
        // The game behind shows or hides its check mark at once.
        EXPECT_EQ(std::count(log.begin(), log.end(), "after move"), 1);
        Click(d, "close");
    });
    EXPECT_FALSE(app->Dictionary().IsLoaded());
    app->Window()->SendCommand(IDM_DICTIONARY, 0);
    EXPECT_EQ(typed, "Bee");
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_FALSE(app->IsPaused());
    EXPECT_EQ(app->Dictionary().IsWord("dog"), 3);
    EXPECT_EQ(ReadBytes(UserDataDir() + "/modified.lst"), ListText({"ant", "bee", "cat", "dog"}));
}
