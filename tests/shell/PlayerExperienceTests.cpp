// What a player notices: window titles exactly the program's own, dialogs
// centred on the main window, a refused action seen as well as heard, text on
// the table readable on every background, flights that never hold up typing,
// and help that always opens.
#include <gtest/gtest.h>

#include <QDialog>
#include <QImage>
#include <QMainWindow>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

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

// Help opens in the program's own window, whatever the desktop has: F1 at the
// current game's section, its contents list moving within the page. Without
// the page the player is told so.
TEST_F(PlayerExperience, HelpOpensInTheProgramsOwnWindowAtTheGamesSection)
{
    Run("game 5 1\nkey f1");
    QWidget* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "helpWindow" && w->isVisible())
            help = w;
    ASSERT_NE(help, nullptr);
    auto* browser = help->findChild<QTextBrowser*>("helpBrowser");
    ASSERT_NE(browser, nullptr);
    // The first line shown is Golf's heading.
    auto topLine = [&] {
        return browser->cursorForPosition(QPoint(4, 4)).block().text().toStdString();
    };
    EXPECT_EQ(topLine(), "Golf");
    // A click on "Options" in the contents list goes to that section.
    QTextCursor found = browser->document()->find(QStringLiteral("Options"));
    while (!found.isNull() && found.charFormat().anchorHref() != "#options")
        found = browser->document()->find(QStringLiteral("Options"), found);
    ASSERT_FALSE(found.isNull());
    browser->verticalScrollBar()->setValue(0);
    const QPoint link = browser->cursorRect(found).center() - QPoint(2, 0);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, link);
    EXPECT_EQ(browser->source().fragment(), "options");
    EXPECT_EQ(topLine().substr(0, 7), "Options");
    // Go To Web Site opens the home page in the browser; only without one, the
    // help page at its top.
    EXPECT_NE(Run("command 32776").find("open https://"), std::string::npos);
    EXPECT_EQ(browser->source().fragment(), "options");
    SetDocumentOpener([](const std::string&) { return false; });
    Run("command 32776");
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    PrepareScriptedRun();
    help->close();
}

TEST(PlayerExperienceHelp, AMissingHelpPageIsReported)
{
    // The driver and the word list alone in a folder: no help page beside them.
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("glyphery-nohelp-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    for (const char* file : {"glyphery-drive", "words.lst"})
        std::filesystem::copy_file(std::string(GLYPHERY_BINARY_DIR) + "/" + file, dir / file,
                                   std::filesystem::copy_options::overwrite_existing);
    const std::string command = (dir / "glyphery-drive").string() + " - 2>/dev/null <<< 'key f1'";
    std::string out;
    if (FILE* p = popen(("bash -c \"" + command + "\"").c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, p))
            out += buffer;
        pclose(p);
    }
    std::filesystem::remove_all(dir);
    EXPECT_NE(out.find("dialog \"Quirkwood Software\": No such file or directory:\n" + (dir / "Help.htm").string()),
              std::string::npos)
        << out;
}

// "Fit tiles to the window": off, Golf's tiles stop at the sheet's 64 pixels
// as they always have; on, they fill the grid's cell from the large master,
// every pixel still either exactly the key or free of its pink.
TEST_F(PlayerExperience, FittedTilesFillTheWindowFromTheLargeMasterWithAnExactKey)
{
    Run("size 1920 1080\nset lettertiledesign 1\nset fittiles 0\ngame 5 1234");
    const CTileSet& tiles = app->CurrentGame()->TileSet();
    EXPECT_EQ(tiles.TileWidth(), 64);
    EXPECT_EQ(tiles.ForcedSize(), 0);
    EXPECT_EQ(tiles.SheetBitmapId(), 382u);

    for (int id : {5, 2}) {
        Run("set fittiles 1\ngame " + std::to_string(id) + " 1234");
        const CTileSet& fitted = app->CurrentGame()->TileSet();
        EXPECT_GE(fitted.TileWidth(), 90) << id;
        EXPECT_EQ(fitted.SheetBitmapId(), 1382u) << id;
        std::vector<const CTilePile*> piles;
        app->CurrentGame()->ListPiles(piles);
        int left = 1920, right = 0;
        for (const CTilePile* pile : piles) {
            if (pile->IsEmpty())  // an empty pile may sit anywhere
                continue;
            const RECT r = pile->Rect(fitted);
            left = std::min<int>(left, r.left);
            right = std::max<int>(right, r.right);
        }
        EXPECT_GE((right - left) * 10, 1920 * 4) << id << ": the board spans " << left << " to " << right;
    }

    // The letter cells (the first two rows of the sheet): light wood and
    // dark brown ink, never tinted towards the magenta key.
    const CTileSet& fitted = app->CurrentGame()->TileSet();
    const CBitmap& sheet = fitted.Sheet();
    const int size = fitted.TileWidth();
    int keyed = 0;
    for (int y = 0; y < 2 * size; ++y)
        for (int x = 0; x < 13 * size; ++x) {
            const COLORREF c = sheet.GetPixel(x, y);
            if (c == kMagenta) {
                ++keyed;
                continue;
            }
            ASSERT_LE(GetBValue(c), GetGValue(c) + 16) << "pink at " << x << "," << y;
        }
    EXPECT_GT(keyed, 0);
}

// At a device pixel ratio of 2 the table is drawn at device resolution: a
// 960 x 540 window lays Golf out as 1920 x 1080 device pixels would (96-pixel
// tiles), its picture is not made of doubled pixels, and the mouse, given in
// logical pixels, still lands on the tile under it.
TEST(PlayerExperienceScale, AtRatioTwoTheTableIsDrawnAtDeviceResolution)
{
    const std::string shot = testsupport::ScratchPath("ratio2.png");
    // The first column's bottom tile: device 552 to 648 across, so logical 300,
    // and its row (the sixth of 96 pixels below the top band) at logical 388.
    const std::string script = "set fittiles 1\nsize 960 540\ngame 5 1234\nclick 300 388\nstate\nscreenshot " + shot +
                               " client\n";
    const std::string command = "QT_SCALE_FACTOR=2 " + std::string(GLYPHERY_BINARY_DIR) +
                                "/glyphery-drive - 2>/dev/null <<'EOF'\n" + script + "EOF\n";
    std::string out;
    if (FILE* p = popen(("bash -c \"" + command + "\"").c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, p))
            out += buffer;
        pclose(p);
    }
    EXPECT_NE(out.find("word: \"t\""), std::string::npos) << out;
    const QImage image(QString::fromStdString(shot));
    ASSERT_EQ(image.size(), QSize(1920, 1080));
    int mixed = 0;  // 2 x 2 blocks whose pixels differ: none where every pixel is doubled
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c)
                ++mixed;
        }
    EXPECT_GT(mixed, 1920 * 1080 / 4 / 10);
}
