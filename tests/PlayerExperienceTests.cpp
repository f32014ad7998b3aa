// What a player notices at once: window titles exactly the program's own,
// dialogs centred on the main window, a refused action seen as well as heard,
// text on the table readable on every background.
#include <gtest/gtest.h>

#include <QDialog>
#include <QImage>
#include <QMainWindow>

#include "GameDriveSupport.h"
#include "app/DialogSupport.h"
#include "dictionary/Dictionary.h"
#include "framework/BackBuffer.h"
#include "framework/Registry.h"
#include "platform/Icons.h"
#include "platform/QtMainWindow.h"

using namespace drivetest;

namespace {
class PlayerExperience : public WordGameDriveTest {
protected:
    CQtMainWindow& Window() { return *dynamic_cast<CQtMainWindow*>(app->Window()); }
    QImage Client() { return Window().ClientWidget()->grab().toImage(); }
};
}  // namespace

// The platform appends the application's display name to every title that
// does not end with it ("Glyphery - Golf — Glyphery"); the program sets none,
// so its titles show as they are.
TEST(PlayerExperienceTitle, NoDisplayNameIsAppendedToTheProgramsTitles)
{
    SetUpApplication();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
}

TEST_F(PlayerExperience, DialogsCentreOnTheWholeMainWindow)
{
    QDialog dialog(&Window());
    dialog.setFixedSize(200, 100);
    CentreDialog(&dialog);
    const QPoint window = Window().frameGeometry().center(), centred = dialog.frameGeometry().center();
    EXPECT_LE((window - centred).manhattanLength(), 2) << window.x() << "," << window.y() << " against "
                                                       << centred.x() << "," << centred.y();
}

// With the sound off, a letter that begins no word still shows: the client
// area's edge is inverted for a moment, then comes back as it was.
TEST_F(PlayerExperience, ARefusedLetterShowsBrieflyWithTheSoundOff)
{
    g_Settings.Sound = 0;
    const std::string rack = ParseState(Run("game 20 1\nstate")).Pile("rack0").letters;
    std::string refused;
    for (std::size_t i = 0; i < rack.size(); ++i)
        for (std::size_t j = 0; j < rack.size(); ++j)
            if (i != j && refused.empty() && !app->Dictionary().IsPrefix(std::string{rack[i], rack[j]}.c_str()))
                refused = std::string{rack[i], rack[j]};
    ASSERT_FALSE(refused.empty()) << rack;
    Run(std::string("type ") + refused[0]);
    const QImage before = Client();
    Run(std::string("type ") + refused[1]);
    ASSERT_EQ(testsupport::Sounds().back(), 239u);
    const QImage during = Client();
    EXPECT_EQ(during.pixel(1, 1) & 0xFFFFFF, ~before.pixel(1, 1) & 0xFFFFFF);
    EXPECT_EQ(during.pixel(before.width() / 2, before.height() / 2), before.pixel(before.width() / 2, before.height() / 2));
    Run("wait 400");
    EXPECT_EQ(Client().pixel(1, 1), before.pixel(1, 1));
}

// Light text gets a dark edge and dark text a light one, so white text on the
// tan stucco and black letters on dark red both stand out; the letters
// themselves keep their colour.
TEST(PlayerExperienceText, TableTextHasAContrastingEdgeAndKeepsItsColour)
{
    testsupport::TestWindow window(200, 60);
    for (const COLORREF text : {RGB(255, 255, 255), RGB(0, 0, 0)}) {
        for (const COLORREF back : {RGB(230, 200, 150), RGB(128, 0, 0)}) {
            CBackBuffer buffer;
            buffer.SetColors(text, text, back);
            buffer.Open(&window);
            buffer.FillBackground(nullptr);
            RECT r{10, 10, 190, 50};
            buffer.DrawText("IIII", r, buffer.CreateFont(24, "Arial", 1, 0x20), DT_SINGLELINE);
            buffer.Close();
            int inText = 0, edge = 0;
            const COLORREF edgeColour = text == RGB(0, 0, 0) ? RGB(255, 255, 255) : RGB(0, 0, 0);
            auto distance = [](COLORREF a, COLORREF b) {
                return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
                       std::abs(GetBValue(a) - GetBValue(b));
            };
            for (int y = 10; y < 50; ++y)
                for (int x = 10; x < 190; ++x) {
                    const COLORREF p = window.ScreenPixel(x, y);
                    inText += p == text;
                    edge += distance(p, edgeColour) < distance(back, edgeColour) - 40;
                }
            EXPECT_GT(inText, 50) << std::hex << text << " on " << back;
            EXPECT_GT(edge, 50) << std::hex << text << " on " << back;
        }
    }
}

// Forty letters typed faster than Jumble answers: every pick and score whose
// next key is already waiting lands at once, so all of them are handled
// within a second of the animations' time; the same letters typed one at a
// time (each flight played out) end in exactly the same state.
TEST_F(PlayerExperience, TypedAheadLettersAreHandledAtOnceWithTheSameResult)
{
    const std::string rack = ParseState(Run("game 20 3\nstate")).Pile("rack0").letters;
    // The rack's letters in turn, each followed by a space (score) now and then.
    std::string text;
    for (std::size_t i = 0; text.size() < 40; ++i)
        text += i % 4 == 3 ? ' ' : rack[i % rack.size()];
    const long long start = Window().AnimationTime();
    Run("typeahead " + text);
    const long long ahead = Window().AnimationTime() - start;
    const std::string afterAhead = Run("state");

    Run("game 20 3");
    const long long startSlow = Window().AnimationTime();
    Run("type " + text);
    const long long slow = Window().AnimationTime() - startSlow;
    EXPECT_EQ(Run("state"), afterAhead);
    EXPECT_LE(ahead, 1000) << "typed one at a time the flights took " << slow << " ms";
    EXPECT_GT(slow, 1000);
}
