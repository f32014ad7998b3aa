// Statistics, the high-score list and their dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <string>

#include "framework/Registry.h"
#include "app/Settings.h"
#include "framework/Game.h"
#include "framework/Shell.h"
#include "app/EndOfHand.h"
#include "app/GameOverDialog.h"
#include "app/HighScoreDialog.h"
#include "scores/HighScores.h"
#include "app/ScoreDialogs.h"
#include "scores/Statistics.h"
#include "app/StatisticsDialog.h"
#include "platform/ModalScript.h"

#include "TestSupport.h"

using testsupport::WhenModal;

namespace {
constexpr unsigned kGolfName = 148;

class ScoresTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_Settings.Sound = 0;
        SetStatisticsSubkey("ScoresTestGame");
        DeleteRegKey(HKEY_CURRENT_USER, g_StatisticsKey.c_str());
    }
    void TearDown() override
    {
        DeleteRegKey(HKEY_CURRENT_USER, g_StatisticsKey.c_str());
        testsupport::ExpectEveryDialogOpened();
    }

    static int Stat(const char* name, int def = -12345)
    {
        return ReadRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), name, def);
    }
    static void SetStat(const char* name, int value)
    {
        WriteRegDword(HKEY_CURRENT_USER, g_StatisticsKey.c_str(), name, value);
    }
    // The eight fields of the Statistics dialog, left column then right.
    static std::string Shown()
    {
        const StatisticsText t = FormatStatistics();
        std::string line;
        for (const std::string* field : {&t.latest, &t.average, &t.best, &t.worst, &t.played, &t.resigned,
                                         &t.finished, &t.replayed})
            line.append(line.empty() ? "" : " | ").append(*field);
        return line;
    }
    // Stores a complete list with the given scores (names "P0".."P9").
    static void StoreList(const std::vector<int>& scores)
    {
        HighScoreTable t;
        for (int r = 0; r < kHighScoreRows; ++r)
            t.rows[r] = {std::string("P").append(std::to_string(r)), std::to_string(scores[r])};
        ASSERT_TRUE(SaveHighScoreTable(t));
    }
};

// Scripted answers for the question boxes the dialogs ask.
struct ScriptedAnswers {
    explicit ScriptedAnswers(std::initializer_list<const char*> answers)
    {
        SetModalScripting(true);
        for (const char* a : answers)
            PushModalAnswer(a);
    }
    ~ScriptedAnswers()
    {
        ClearModalAnswers();
        TakeModalLog();
        SetModalScripting(false);
    }
};

QString FieldText(const CStatisticsDialog& d, int id) { return d.Field(id)->text(); }

// One column of a list, rows separated by spaces.
std::string Column(const HighScoreTable& t, std::string HighScoreRow::*field = &HighScoreRow::score)
{
    std::string line;
    for (const auto& row : t.rows)
        line.append(line.empty() ? "" : " ").append(row.*field);
    return line;
}
}  // namespace

// ---------------------------------------------------------------- statistics

TEST_F(ScoresTest, FinishedAbandonedAndReplayedHands)
{
    RecordHand(kEndFinished, 50, 80);
    EXPECT_EQ(Shown(), "50 (out of 80) | 50 (out of 80) | 50 (out of 80) | 50 (out of 80) | 1 | 0 (0%) | 1 (100%) | 0");
    CountSkippedHand();
    RecordHand(kEndAbandoned, 0, 80);
    EXPECT_EQ(Shown(), "0 (out of 80) | 25 (out of 80) | 50 (out of 80) | 0 (out of 80) | 2 | 1 (50%) | 1 (50%) | 0");
    RecordHand(kEndReplayed, 999, 999);  // a replay counts, nothing else changes
    EXPECT_EQ(Shown(), "0 (out of 80) | 25 (out of 80) | 50 (out of 80) | 0 (out of 80) | 2 | 1 (50%) | 1 (50%) | 1");
    RecordHand(kEndTimeUp, 10, 0);  // time up is a finished hand; no possible score: a plain number
    EXPECT_EQ(Stat("GamesWon"), 2);
    EXPECT_EQ(FormatStatistics().latest, "10");
}

TEST_F(ScoresTest, AveragesRoundFromTheStoredRoundedMean)
{
    SetStat("GamesPlayed", 1);
    SetStat("AverageScore", 7);
    RecordHand(kEndFinished, 8, 0);
    EXPECT_EQ(Stat("AverageScore"), 8);  // (7 + 8) / 2 + 0.5

    SetUp();
    for (int score : {1, 0, 0})
        RecordHand(kEndFinished, score, 0);
    EXPECT_EQ(Stat("AverageScore"), 1);  // the true mean 1/3 would give 0

    SetUp();
    RecordHand(kEndFinished, -3, 0);
    EXPECT_EQ(Stat("AverageScore"), -2);  // -2.5 + 0.5 truncates toward zero
}

TEST_F(ScoresTest, BestAndWorstKeepTheirPossibleScores)
{
    RecordHand(kEndFinished, 1200, 1300);  // above the old "worst" default of 1000
    EXPECT_EQ(FormatStatistics().worst, "1200 (out of 1300)");
    RecordHand(kEndFinished, 1200, 1);     // a tie keeps the older hand
    RecordHand(kEndFinished, 300, 400);
    RecordHand(kEndFinished, 300, 2);
    EXPECT_EQ(Shown(), "300 (out of 2) | 750 (out of 426) | 1200 (out of 1300) | 300 (out of 400) | 4 | 0 (0%) | 4 (100%) | 0");

    ResetStatistics();  // the latest score survives a reset
    EXPECT_EQ(Shown(), "300 (out of 2) | 0 | 0 | 0 | 0 | 0 (0%) | 0 (0%) | 0");
    RecordHand(kEndFinished, 40, 50);  // the first hand after a reset sets both
    EXPECT_EQ(Shown(), "40 (out of 50) | 40 (out of 50) | 40 (out of 50) | 40 (out of 50) | 1 | 0 (0%) | 1 (100%) | 0");
    RecordHand(kEndFinished, -25, 50);
    EXPECT_EQ(FormatStatistics().worst, "-25 (out of 50)");
}

TEST_F(ScoresTest, StatisticsDialogShowsAndResets)
{
    RecordHand(kEndFinished, 50, 80);
    CStatisticsDialog dialog(nullptr, kGolfName);
    EXPECT_EQ(dialog.windowTitle(), "Game Statistics - Golf");
    EXPECT_EQ(FieldText(dialog, 1015), "50 (out of 80)");
    EXPECT_EQ(FieldText(dialog, 1023), "1 (100%)");
    EXPECT_TRUE(dialog.Button(1)->isDefault());

    dialog.show();
    ScriptedAnswers answers{"no", "yes"};
    dialog.Button(1013)->click();
    EXPECT_EQ(Stat("GamesPlayed"), 1);
    EXPECT_EQ(FieldText(dialog, 1021), "1");

    dialog.Button(1013)->click();
    EXPECT_EQ(Stat("GamesPlayed"), 0);
    EXPECT_EQ(FieldText(dialog, 1017), "0");
    EXPECT_EQ(FieldText(dialog, 1015), "50 (out of 80)");
    EXPECT_TRUE(dialog.isVisible());  // the dialog stays open
}

TEST_F(ScoresTest, GameOverButtonsAndEscape)
{
    RecordHand(kEndFinished, 50, 80);
    {
        CGameOverDialog dialog(nullptr, kGolfName);
        EXPECT_EQ(dialog.windowTitle(), "Game Over - Golf");
        EXPECT_EQ(FieldText(dialog, 1016), "50 (out of 80)");
        EXPECT_TRUE(dialog.Button(kPlayAgain)->isDefault());
    }
    const std::pair<const char*, int> choices[] = {
        {"Play Again", 32778}, {"Different Game", 32785}, {"Replay Hand", 32793}, {"Quit", 105}};
    for (const auto& [button, command] : choices) {
        ScriptedAnswers answer{button};
        EXPECT_EQ(GameOverCommand(RunGameOverDialog(nullptr, kGolfName)), command);
    }
    WhenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(RunGameOverDialog(nullptr, kGolfName), kQuit);
}

// ---------------------------------------------------------------- high scores

// A new score replaces the default it beats, and goes below stored scores
// equal to it.
TEST_F(ScoresTest, DefaultListThresholdAndNewRows)
{
    HighScoreTable t = LoadHighScoreTable(false, 0);
    EXPECT_EQ(t.newRow, -1);
    EXPECT_EQ(Column(t), "910 729 568 427 306 205 124 63 22 1");
    EXPECT_EQ(HighScoreThreshold(), 1);
    EXPECT_FALSE(CheckHighScore(nullptr, 1, kGolfName));  // equal to d(1): no dialog

    t = LoadHighScoreTable(true, 500);
    ASSERT_EQ(t.newRow, 3);
    EXPECT_EQ(Column(t), "910 729 568 500 306 205 124 63 22 1");  // 427 is gone, not moved down
    EXPECT_EQ(t.rows[3].name, "");

    StoreList({900, 800, 700, 600, 500, 400, 300, 200, 100, 0});
    EXPECT_EQ(HighScoreThreshold(), 0);
    t = LoadHighScoreTable(true, 700);
    ASSERT_EQ(t.newRow, 3);
    EXPECT_EQ(Column(t), "900 800 700 700 600 500 400 300 200 100");
    EXPECT_EQ(Column(t, &HighScoreRow::name), "P0 P1 P2  P3 P4 P5 P6 P7 P8");  // the stored tenth dropped off
    EXPECT_EQ(LoadHighScoreTable(false, 0).rows[9].score, "0");
}

TEST_F(ScoresTest, EntryDialogSavesTheNameOnOk)
{
    CHighScoreDialog dialog(nullptr, true, 500, kGolfName);
    dialog.show();
    ASSERT_EQ(dialog.NewRow(), 3);
    QLineEdit* box = dialog.NameBox(3);
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_TRUE(dialog.NameBox(2)->isReadOnly());
    EXPECT_EQ(dialog.ScoreField(3)->text(), "500");
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(box->hasFocus());

    QTest::keyClicks(box, QString(300, QLatin1Char('x')));
    EXPECT_EQ(box->text().size(), kHighScoreNameMax);  // the box takes no more
    QTest::keyClick(box, Qt::Key_Return);              // OK is the default button
    EXPECT_EQ(dialog.result(), 1);

    const HighScoreTable t = LoadHighScoreTable(false, 0);
    EXPECT_EQ(t.rows[3].name, std::string(kHighScoreNameMax, 'x'));
    EXPECT_EQ(t.rows[3].score, "500");
    EXPECT_EQ(HighScoreThreshold(), 1);
    std::string stored;
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, HighScoreKey().c_str(), "Name9", stored, 256));
}

TEST_F(ScoresTest, CancelSavesNothingAndViewModeOkSavesTheDefaults)
{
    {
        ScriptedAnswers answer{"cancel"};
        EXPECT_EQ(RunHighScoreDialog(nullptr, true, 500, kGolfName), 2);
    }
    std::string text;
    EXPECT_FALSE(ReadRegString(HKEY_CURRENT_USER, HighScoreKey().c_str(), "Name0", text, 256));

    std::string shown;
    WhenModal([&shown](QWidget* w) {
        auto* d = static_cast<CHighScoreDialog*>(w);
        EXPECT_EQ(d->windowTitle(), "High Score List - Golf");
        EXPECT_EQ(d->NewRow(), -1);
        shown = d->NameBox(0)->text().toStdString();
        d->findChild<QPushButton*>("button1")->click();
    });
    EXPECT_EQ(RunHighScoreDialog(nullptr, false, 0, kGolfName), 1);
    EXPECT_TRUE(ReadRegString(HKEY_CURRENT_USER, HighScoreKey().c_str(), "Name0", text, 256));
    EXPECT_EQ(text, shown);
    EXPECT_EQ(HighScoreThreshold(), 1);  // "Score9" of the stored defaults
}

TEST_F(ScoresTest, ResetScoresForgetsTheStoredList)
{
    StoreList({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    CHighScoreDialog dialog(nullptr, false, 0, kGolfName);
    dialog.show();
    EXPECT_EQ(dialog.NameBox(0)->text(), "P0");

    ScriptedAnswers answers{"no", "yes"};
    dialog.findChild<QPushButton*>("button1009")->click();
    EXPECT_EQ(HighScoreThreshold(), 50);

    dialog.findChild<QPushButton*>("button1009")->click();
    EXPECT_EQ(HighScoreThreshold(), 1);
    EXPECT_EQ(dialog.ScoreField(0)->text(), "910");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ScoresTest, FinishHandRecordsAsksForTheNameAndReturnsTheCommand)
{
    // Two dialogs in turn: the name entry, then Game Over.
    WhenModal([](QWidget* entry) {
        auto* d = qobject_cast<CHighScoreDialog*>(entry);
        ASSERT_NE(d, nullptr);
        d->NameBox(d->NewRow())->setText("Ada");
        WhenModal([](QWidget* over) {
            auto* g = qobject_cast<CGameOverDialog*>(over);
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->Field(1015)->text(), "600");
            g->Button(kReplayHand)->click();
        }, entry);
        d->accept();
    });
    EXPECT_EQ(FinishHand(nullptr, kEndFinished, 600, 0, kGolfName), 32793);
    EXPECT_EQ(Stat("GamesWon"), 1);
    EXPECT_EQ(LoadHighScoreTable(false, 0).rows[2].name, "Ada");
}

TEST_F(ScoresTest, AHintedHandIsCountedButNeverEntersTheTable)
{
    const HighScoreTable before = LoadHighScoreTable(false, 0);
    WhenModal([](QWidget* over) {
        auto* g = qobject_cast<CGameOverDialog*>(over);
        ASSERT_NE(g, nullptr) << "no name was asked for";
        g->Button(kPlayAgain)->click();
    });
    EXPECT_EQ(FinishHand(nullptr, kEndFinished, 99999, 0, kGolfName, false), 32778);
    EXPECT_EQ(Stat("GamesWon"), 1);
    EXPECT_EQ(LoadHighScoreTable(false, 0).rows[0].score, before.rows[0].score);
}

TEST_F(ScoresTest, GameOverAfterAHuntShowsTheWordsFoundAndMissed)
{
    const HuntSummary hunt{3, 5, 420, {"tears", "rate"}};
    CGameOverDialog dialog(nullptr, kGolfName, &hunt);
    ASSERT_NE(dialog.HuntLine(), nullptr);
    EXPECT_EQ(dialog.HuntLine()->text(), "You found 3 of 5 words; the best possible score was 420");
    ASSERT_NE(dialog.MissedWords(), nullptr);
    EXPECT_EQ(dialog.MissedWords()->toPlainText(), "tears, rate");
    CGameOverDialog plain(nullptr, kGolfName);
    EXPECT_EQ(plain.HuntLine(), nullptr);
}
