// The shell's own dialogs as widgets: Replay Hand, the level notices, the
// progress dialog, and where dialogs open.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "app/DialogSupport.h"
#include "app/Dialogs.h"
#include "app/ProgressDialog.h"
#include "framework/Shell.h"
#include "platform/ModalScript.h"
#include "platform/QtMainWindow.h"

#include "TestSupport.h"

namespace {
class ShellDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<CQtMainWindow>(proc, "Glyphery", RECT{0, 0, 640, 480});
        window->Show(false);
    }
    void TearDown() override
    {
        SetModalScripting(false);
        ClearModalAnswers();
        TakeModalLog();
    }
    // Runs `check` on the modal dialog once it is up (scripting off: a real modal loop).
    static void WhenModalShows(std::function<void(QWidget*)> check)
    {
        QTimer::singleShot(0, [check] { check(QApplication::activeModalWidget()); });
    }

    testsupport::RecordingProc proc;
    std::unique_ptr<CQtMainWindow> window;
};
}  // namespace

TEST_F(ShellDialogs, ReplayHandShowsTheNumberReadOnlyAndYesReadsItBack)
{
    unsigned hand = 4000000000u;  // above the signed range: shown and read as unsigned
    bool checked = false;
    WhenModalShows([&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Replay Hand");
        auto* edit = dialog->findChild<QLineEdit*>("handNumber");
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), "4000000000");
        EXPECT_TRUE(edit->isReadOnly());
        checked = true;
        for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
            if (b->text() == "&Yes")
                b->click();
    });
    EXPECT_EQ(RunReplayHandDialog(window.get(), hand), 1);
    EXPECT_TRUE(checked);
    EXPECT_EQ(hand, 4000000000u);

    SetModalScripting(true);
    PushModalAnswer("no");
    EXPECT_EQ(RunReplayHandDialog(window.get(), hand), 2);
    PushModalAnswer("cancel");  // Escape answers No
    EXPECT_EQ(RunReplayHandDialog(window.get(), hand), 2);
}

TEST_F(ShellDialogs, LevelNoticeRunsTimer705AndClosesAtAClick)
{
    bool checked = false;
    WhenModalShows([&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        const auto* timer = dialog->findChild<QTimer*>("705");
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 2000);
        const auto labels = dialog->findChildren<QLabel*>();
        ASSERT_FALSE(labels.empty());
        EXPECT_TRUE(labels[0]->text().endsWith("Getting faster..."));
        checked = true;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QApplication::sendEvent(dialog, &press);
    });
    EXPECT_EQ(RunLevelNotice(window.get(), 420), IDOK);
    EXPECT_TRUE(checked);
    EXPECT_EQ(RunLevelNotice(window.get(), 999), 0);  // no such notice

    // Scripted runs do not wait for it, and it takes no answer.
    SetModalScripting(true);
    PushModalAnswer("yes");
    EXPECT_EQ(RunLevelNotice(window.get(), 419), IDOK);
    EXPECT_EQ(PendingModalAnswers(), 1u);
}

TEST_F(ShellDialogs, ProgressDialogNeedsAParentAndATemplate)
{
    CProgressDialog loading(434, 434);
    EXPECT_FALSE(loading.Create(nullptr));
    ASSERT_TRUE(loading.Create(window.get()));
    auto* dialog = window->findChild<QDialog*>("progress434");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    const auto labels = dialog->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](QLabel* l) { return l->text() == "Loading the dictionary..."; }));
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

TEST_F(ShellDialogs, CentredDialogsOpenWholeOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QDialog dialog(window.get());
    auto* layout = new QVBoxLayout(&dialog);
    auto* content = new QLabel(&dialog);
    content->setFixedSize(300, 200);
    layout->addWidget(content);

    // Over a window large enough, centred on it.
    window->setGeometry(screen.adjusted(50, 50, -50, -50));
    CentreDialog(&dialog);
    EXPECT_LE((dialog.frameGeometry().center() - window->geometry().center()).manhattanLength(), 2);

    // Over a small window in a corner (and partly off it): moved inside.
    for (const QPoint corner : {screen.bottomRight() - QPoint(60, 40), screen.topLeft() - QPoint(60, 40)}) {
        window->setGeometry(QRect(corner, QSize(120, 90)));
        CentreDialog(&dialog);
        EXPECT_TRUE(screen.contains(dialog.frameGeometry())) << corner.x() << "," << corner.y();
    }
}
