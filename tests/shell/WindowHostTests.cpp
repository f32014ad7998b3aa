// The main window host on its own: painting order, timers by id, input
// routing, queued commands, tooltips and scripted modals, with a recording
// window procedure in place of the shell; and the shell's own dialogs over it
// (Replay Hand, the level notices, the progress dialog, where dialogs open).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/DialogSupport.h"
#include "app/Dialogs.h"
#include "app/ProgressDialog.h"
#include "framework/BackBuffer.h"
#include "platform/InputSim.h"
#include "platform/ModalScript.h"
#include "platform/QtMainWindow.h"

#include "TestSupport.h"

using testsupport::RecordingProc;

namespace {
class WindowHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<CQtMainWindow>(proc, "Glyphery", RECT{10, 10, 410, 330});
        proc.window = window.get();
        window->SetMenu(MainMenu());
        window->SetAccelerators(MainAccelerators());
        window->UseManualClock();
        window->Show(false);
        window->ProcessPending();
        proc.log.clear();
    }
    void TearDown() override
    {
        testsupport::ExpectEveryDialogOpened();
        SetModalScripting(false);
        ClearModalAnswers();
        TakeModalLog();
    }
    QWidget* Client() const { return window->ClientWidget(); }

    RecordingProc proc;
    std::unique_ptr<CQtMainWindow> window;
};
}  // namespace

TEST_F(WindowHost, InvalidateWithEraseDeliversEraseThenPaintAndTheScreenShowsIt)
{
    window->Invalidate(nullptr, true);
    window->UpdateWindow();
    ASSERT_EQ(proc.log, (std::vector<std::string>{"erase", "paint"}));
    EXPECT_EQ(window->ScreenImage().pixel(5, 5), 0xFF336699u);

    // Without erase only the paint comes; with nothing pending, nothing at all.
    proc.log.clear();
    window->Invalidate(nullptr, false);
    window->UpdateWindow();
    window->UpdateWindow();
    EXPECT_EQ(proc.log, std::vector<std::string>{"paint"});
}

// The window shows a back buffer's presented pixels without copying them: it
// must still show what was presented, not what was drawn since, and keep it
// when the buffer goes.
TEST_F(WindowHost, BackBufferPresentsShowWhatWasPresentedUntilTheNextPresent)
{
    constexpr QRgb blue = 0xFF0000FFu, red = 0xFFFF0000u;
    auto shown = [&](int x, int y) { return Client()->grab().toImage().pixel(x, y); };
    auto buffer = std::make_unique<CBackBuffer>();
    buffer->SetColors(RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 255));
    buffer->Open(window.get());
    buffer->FillBackground(nullptr);
    buffer->Close();
    EXPECT_EQ(shown(5, 5), blue);

    buffer->Open(window.get());
    buffer->FillRect(RECT{0, 0, 40, 40}, RGB(255, 0, 0));
    EXPECT_EQ(shown(5, 5), blue);  // drawn, not presented yet
    EXPECT_EQ(window->ScreenImage().pixel(5, 5), blue);
    buffer->Close();
    EXPECT_EQ(shown(5, 5), red);
    EXPECT_EQ(shown(50, 50), blue);

    // Drawn and flushed in part: only the flushed part shows.
    buffer->Open(window.get());
    buffer->FillRect(RECT{0, 0, 100, 100}, RGB(0, 255, 0));
    const RECT part{0, 0, 10, 10};
    buffer->Flush(&part);
    EXPECT_EQ(shown(5, 5), 0xFF00FF00u);
    EXPECT_EQ(shown(50, 50), blue);
    buffer->Close();

    buffer.reset();
    EXPECT_EQ(shown(5, 5), 0xFF00FF00u);
    EXPECT_EQ(shown(20, 20), red);
    EXPECT_EQ(shown(50, 50), blue);
    EXPECT_EQ(window->ScreenImage().pixel(20, 20), red);
}

TEST_F(WindowHost, TimersFireByIdAndSetTimerRestartsAnExistingOne)
{
    window->SetTimer(702, 1000);
    window->SetTimer(706, 300);
    window->AdvanceClock(1000);
    EXPECT_EQ(std::count(proc.log.begin(), proc.log.end(), "timer 702"), 1);
    EXPECT_EQ(std::count(proc.log.begin(), proc.log.end(), "timer 706"), 3);

    proc.log.clear();
    window->AdvanceClock(500);
    window->SetTimer(702, 1000);  // restart: the next tick is a full period away
    window->AdvanceClock(900);
    EXPECT_FALSE(proc.Has("timer 702"));
    window->AdvanceClock(100);
    EXPECT_TRUE(proc.Has("timer 702"));

    window->KillTimer(706);
    proc.log.clear();
    window->AdvanceClock(5000);
    EXPECT_FALSE(proc.Has("timer 706"));
    EXPECT_FALSE(window->FireTimer(706));
    EXPECT_TRUE(window->FireTimer(702));
    EXPECT_EQ(window->TimerPeriod(702), 1000u);
}

TEST_F(WindowHost, KeysMakeKeyDownAndCharacterMessagesUnlessAnAcceleratorTakesThem)
{
    QTest::keyClick(Client(), Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(proc.log, (std::vector<std::string>{"key 65", "char 97"}));

    proc.log.clear();
    QTest::keyClick(Client(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(Client(), Qt::Key_F3);
    QTest::keyClick(Client(), Qt::Key_Question, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(Client(), Qt::Key_Slash, Qt::AltModifier);
    std::vector<std::string> commands;
    std::copy_if(proc.log.begin(), proc.log.end(), std::back_inserter(commands),
                 [](const std::string& e) { return e.rfind("command", 0) == 0; });
    EXPECT_EQ(commands, (std::vector<std::string>{"command 32778 1", "command 32781 1", "command 104 1",
                                                  "command 104 1"}));
    EXPECT_FALSE(proc.Has("key 78"));  // the N of Ctrl+N never reaches the game
    EXPECT_FALSE(proc.Has("char 14"));

    proc.log.clear();
    QTest::keyClick(Client(), Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(Client(), Qt::Key_Left);
    QTest::keyClick(Client(), Qt::Key_Backspace);
    EXPECT_EQ(proc.log[0], "key 100");
    EXPECT_TRUE(proc.Has("key 37"));
    EXPECT_TRUE(proc.Has("key 8"));
}

TEST_F(WindowHost, MouseMessagesCarryPositionAndKeyFlags)
{
    Qt::MouseButtons held;
    for (MouseMessage m : {MouseMessage::LButtonDown, MouseMessage::LButtonUp, MouseMessage::LButtonDblClk,
                           MouseMessage::LButtonUp})
        held = SimulateMouse(Client(), m, 40, 50, Qt::NoModifier, held);
    EXPECT_EQ(proc.log, (std::vector<std::string>{"ldown 40,50 f1", "lup 40,50 f0", "ldbl 40,50 f1", "lup 40,50 f0"}));

    proc.log.clear();
    held = SimulateMouse(Client(), MouseMessage::RButtonDown, 7, 9, Qt::ShiftModifier, held);
    SimulateMouse(Client(), MouseMessage::RButtonUp, 7, 9, Qt::ShiftModifier, held);
    EXPECT_TRUE(proc.Has("rdown 7,9 f6"));
    EXPECT_TRUE(proc.Has("rup 7,9 f4"));
}

TEST_F(WindowHost, PostedCommandsWaitForTheCurrentHandlerSentOnesDoNot)
{
    window->PostCommand(32778, 0);
    EXPECT_TRUE(proc.log.empty());
    EXPECT_EQ(window->SendCommand(104, 0), 1);
    EXPECT_EQ(proc.log, std::vector<std::string>{"command 104 0"});
    window->ProcessPending();
    EXPECT_EQ(proc.log.back(), "command 32778 0");

    window->PostClose();
    EXPECT_FALSE(window->IsClosed());
    window->ProcessPending();
    EXPECT_TRUE(window->IsClosed());
    EXPECT_TRUE(proc.Has("close"));
}

TEST_F(WindowHost, TooltipsShowOverTheirRectangleAndGoWithTheirTools)
{
    window->AddTool(610, RECT{10, 10, 50, 50}, "Score: click this button");
    QTest::mouseMove(Client(), QPoint(100, 100));
    EXPECT_EQ(window->ShownTooltip(), "");
    QTest::mouseMove(Client(), QPoint(20, 20));
    EXPECT_EQ(window->ShownTooltip(), "Score: click this button");
    window->RemoveAllTools();
    EXPECT_EQ(window->ShownTooltip(), "");
    QTest::mouseMove(Client(), QPoint(21, 21));
    EXPECT_EQ(window->ShownTooltip(), "");

    window->AddTool(611, RECT{10, 10, 50, 50}, "Undo");
    window->ActivateTools(false);
    QTest::mouseMove(Client(), QPoint(22, 22));
    EXPECT_EQ(window->ShownTooltip(), "");
}

TEST_F(WindowHost, ScriptedMessageBoxesTakeQueuedAnswers)
{
    SetModalScripting(true);
    PushModalAnswer("no");
    PushModalAnswer("YES");
    EXPECT_EQ(window->MessageBox("Are you sure?", "New Hand", MB_YESNO), IDNO);
    EXPECT_EQ(window->MessageBox("Are you sure?", "New Hand", MB_YESNO), IDYES);
    // Nothing queued: the box is closed as Escape would (No for a Yes/No box).
    EXPECT_EQ(window->MessageBox("Again?", "New Hand", MB_YESNO), IDNO);
    const auto log = TakeModalLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].caption, "New Hand");
    EXPECT_EQ(log[0].text, "Are you sure?");
    EXPECT_EQ(log[2].answer, "");
}

TEST_F(WindowHost, ClientAreaNeverGetsSmallerThan256)
{
    window->SetClientSize(100, 120);
    window->ProcessPending();
    const RECT r = window->GetClientRect();
    EXPECT_GE(r.Width(), 256);
    EXPECT_GE(r.Height(), 256);
}

// ---- The shell's own dialogs

TEST_F(WindowHost, ReplayHandShowsTheNumberReadOnlyAndYesReadsItBack)
{
    unsigned hand = 4000000000u;  // above the signed range: shown and read as unsigned
    testsupport::WhenModal([](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>("handNumber");
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), "4000000000");
        EXPECT_TRUE(edit->isReadOnly());
        for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
            if (b->text() == "&Yes")
                b->click();
    });
    EXPECT_EQ(RunReplayHandDialog(window.get(), hand), 1);
    EXPECT_EQ(hand, 4000000000u);

    SetModalScripting(true);
    PushModalAnswer("no");
    EXPECT_EQ(RunReplayHandDialog(window.get(), hand), 2);
    PushModalAnswer("cancel");  // Escape answers No
    EXPECT_EQ(RunReplayHandDialog(window.get(), hand), 2);
}

TEST_F(WindowHost, LevelNoticeRunsTimer705AndClosesAtAClick)
{
    testsupport::WhenModal([](QWidget* dialog) {
        const auto* timer = dialog->findChild<QTimer*>("705");
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive());
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QApplication::sendEvent(dialog, &press);
    });
    EXPECT_EQ(RunLevelNotice(window.get(), 420), IDOK);
    EXPECT_EQ(RunLevelNotice(window.get(), 999), 0);  // no such notice

    // Scripted runs do not wait for it, and it takes no answer.
    SetModalScripting(true);
    PushModalAnswer("yes");
    EXPECT_EQ(RunLevelNotice(window.get(), 419), IDOK);
    EXPECT_EQ(PendingModalAnswers(), 1u);
}

TEST_F(WindowHost, ProgressDialogNeedsAParentAndATemplate)
{
    CProgressDialog loading(434, 434);
    EXPECT_FALSE(loading.Create(nullptr));
    ASSERT_TRUE(loading.Create(window.get()));
    auto* dialog = window->findChild<QDialog*>("progress434");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    auto* animation = dialog->findChild<QLabel*>("animation");
    ASSERT_NE(animation, nullptr);  // the animation 434 is embedded
    const QImage first = animation->pixmap().toImage();
    bool moved = false;
    for (int i = 0; i < 8 && !moved; ++i) {
        loading.Pump();
        moved = animation->pixmap().toImage() != first;
    }
    EXPECT_TRUE(moved);  // the work's pumping moves it on
    loading.Destroy();
    EXPECT_EQ(window->findChild<QDialog*>("progress434"), nullptr);

    CProgressDialog saving(433);
    ASSERT_TRUE(saving.Create(window.get()));
    EXPECT_EQ(window->findChild<QDialog*>("progress433")->findChild<QLabel*>("animation"), nullptr);
    CProgressDialog unknown(999);
    EXPECT_FALSE(unknown.Create(window.get()));
}

TEST_F(WindowHost, CentredDialogsOpenWholeOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QDialog dialog(window.get());
    auto* layout = new QVBoxLayout(&dialog);
    auto* content = new QLabel(&dialog);
    content->setFixedSize(300, 200);
    layout->addWidget(content);

    // Over a small window in a corner (and partly off it): moved inside, the
    // first time too, before the dialog has a frame of its own.
    for (const QPoint corner : {screen.bottomRight() - QPoint(60, 40), screen.topLeft() - QPoint(60, 40)}) {
        window->setGeometry(QRect(corner, QSize(120, 90)));
        CentreDialog(&dialog);
        EXPECT_TRUE(screen.contains(dialog.frameGeometry())) << corner.x() << "," << corner.y();
    }

    // Over a window large enough, centred on it.
    window->setGeometry(screen.adjusted(50, 50, -50, -50));
    CentreDialog(&dialog);
    EXPECT_LE((dialog.frameGeometry().center() - window->geometry().center()).manhattanLength(), 2);
}
