// glyphery-previews: the chooser's preview pictures, drawn by the games
// themselves. Each catalogued game that the factory can create is dealt at a
// fixed hand number in an offscreen window of 640 x 496 client pixels (the
// 80 x 62 shape of the picture) through the scripted driver. The part of the
// window the game draws on (found by dealing the same hand once more on a
// plain background) is cut out in the picture's shape and scaled down to
// 160 x 124. Games that do not exist yet keep the picture that is there
// (their name in tiles).
//
//   glyphery-previews RESOURCES [--hand N] [ID...]
//
// RESOURCES is src/resources; with IDs only those games are drawn.
#include <QApplication>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>

#include "app/Catalogue.h"
#include "app/Driver.h"
#include "app/GameApp.h"
#include "app/GameFactory.h"
#include "framework/Registry.h"
#include "app/Settings.h"

namespace {
constexpr int kClientWidth = 640, kClientHeight = 496;
constexpr int kPreviewWidth = 160, kPreviewHeight = 124;

void QuietMessages(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (!message.contains("This plugin does not support"))
        std::cerr << message.toStdString() << "\n";
}

// Halves the picture until one more halving would pass the target, then
// scales the rest of the way: smoother than one big step.
QImage ScaleDown(QImage image)
{
    while (image.width() / 2 >= kPreviewWidth && image.height() / 2 >= kPreviewHeight)
        image = image.scaled(image.width() / 2, image.height() / 2, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    return image.scaled(kPreviewWidth, kPreviewHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

constexpr int kMarkerColor = 0x030201;  // COLORREF of an unlikely plain background
constexpr int kMargin = 12;

// The smallest rectangle of the preview's shape around everything that is not
// the plain background, with a margin, inside the picture.
QRect ContentFrame(const QImage& plain)
{
    const QRgb background = qRgb(1, 2, 3);
    QRect box;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if ((plain.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    if (box.isEmpty())
        return plain.rect();
    box.adjust(-kMargin, -kMargin, kMargin, kMargin);
    // Widen or heighten to the preview's shape, around the same centre.
    const double shape = static_cast<double>(kPreviewWidth) / kPreviewHeight;
    int w = box.width(), h = box.height();
    if (w < h * shape)
        w = static_cast<int>(h * shape + 0.5);
    else
        h = static_cast<int>(w / shape + 0.5);
    w = std::min(w, plain.width());
    h = std::min(h, plain.height());
    QRect frame(0, 0, w, h);
    frame.moveCenter(box.center());
    frame.moveLeft(std::clamp(frame.left(), 0, plain.width() - w));
    frame.moveTop(std::clamp(frame.top(), 0, plain.height() - h));
    return frame;
}

// Driver lines played after the deal, for the games whose deal alone shows
// little of them (an empty well, a board before its first word): the same
// for the plain picture that finds the frame and for the real one. Points
// are client pixels of the 640 x 496 window the pictures are taken in.
// A game may take its own hand, so that games sharing a deal (the 7 x 7
// grids, the three pyramids) show different letters.
struct MidHand {
    int gameId;
    const char* script;
    unsigned hand = 0;  // 0: the hand given on the command line
};
// The falling-shape games: a few shapes dropped, the next one on its way.
constexpr const char* kShapesLanded =
    "wait 1000\nkey left\nkey left\nkey down\nwait 900\nkey down\nwait 900\nkey right\nkey right\nkey space\n"
    "key down\nwait 900\nkey left\nkey down\nwait 4000";
constexpr MidHand kMidHand[] = {
    {16, kShapesLanded},  // Tetris (Sticky)
    // Cross Ways: "at" down and "ten" across from the racks.
    {17, "drag 248 395 249 174\ndrag 155 395 202 174\ndrag 460 80 296 174\ndrag 460 33 202 127"},
    // Le Scarab: "earn" across the scarab, scored.
    {19, "drag 320 423 377 199\ndrag 291 423 319 199\ndrag 262 423 348 199\ndrag 233 423 290 199\nclick 486 422"},
    {23, "wait 9000"},  // Anti-Gravity: letters rising under the stacks
    {26, "click 363 429\nclick 320 386\nclick 277 429"},  // Avalanche: "day" dug out around the climber
    // Dead Lines: six letters dropped about the well, the seventh falling.
    {34, "key left\nkey down\nwait 2500\nkey down\nwait 2500\nkey right\nkey right\nkey down\nwait 2500\nkey left\nkey left\nkey left\nkey down\nwait 2500\nkey right\nkey down\nwait 2500\nkey down\nwait 4000"},
    {35, "wait 9000"},  // Bubbles
    {38, kShapesLanded},  // Tetris (Classic)
    {39, kShapesLanded},  // Tetris (Slippery)
    {41, "click 198 74\nclick 198 74\nclick 198 74"},  // Tower of Babble: three advances raise the tower
    // The grid games: a word being traced, its check mark up.
    {6, "click 202 127\nclick 202 166\nclick 202 205\nclick 241 205\nclick 202 244"},  // Griddle: "train"
    {14, "click 322 390\nclick 277 390\nclick 232 390\nclick 187 390", 3},  // Walls of Jericho: "fern" off the outer wall
    {11, "click 280 245\nclick 280 284\nclick 241 284", 2},  // Worm Hole: the worm digs "let"
    // The pyramids: a word spelled from the bottom rows.
    {36, "click 164 303\nclick 216 303\nclick 580 303\nclick 60 303"},  // Tri Peaks: "hard"
    {37, "click 138 283\nclick 318 241\nclick 500 283\nclick 163 325", 4},  // Rock Piles: "seal" off the tops
};

const MidHand* FindMidHand(int gameId)
{
    for (const MidHand& m : kMidHand)
        if (m.gameId == gameId)
            return &m;
    return nullptr;
}

std::string MidHandScript(int gameId)
{
    const MidHand* m = FindMidHand(gameId);
    return m ? std::string(m->script) + "\n" : "";
}

// Deals the game in a fresh shell and returns the part of its window picture
// that shows the game.
QImage Render(int gameId, unsigned hand, const std::string& shot)
{
    // A first start that goes straight to the title screen with the default look.
    const std::pair<const char*, int> start[] = {{"ShowNagDlg", 0}, {"ShowRulesDlg", 0}, {"CurrentGame", 24},
                                                 {"MinMax", 0}, {"Left", 0}, {"Top", 0},
                                                 {"Width", kClientWidth + 100}, {"Height", kClientHeight + 100}};
    for (const auto& [name, value] : start)
        WriteRegDword(HKEY_CURRENT_USER, kMainKey, name, value);
    g_Settings = CSettings{};

    CGameApp app;
    if (!app.Start())
        return {};
    CDriver driver(app);
    const std::string plainShot = shot + ".plain.png";
    std::ostringstream script;
    script << "size " << kClientWidth << " " << kClientHeight << "\n"
           << "set BackgroundPattern 0\nset BackgroundColor " << kMarkerColor << "\n"
           << "game " << gameId << " " << hand << "\n"
           << MidHandScript(gameId) << "screenshot " << plainShot << " client\n"
           << "set BackgroundPattern " << g_Settings.BackgroundPattern << "\n"
           << "set BackgroundColor " << g_Settings.BackgroundColor << "\n"
           << "game " << gameId << " " << hand << "\n"
           << MidHandScript(gameId) << "screenshot " << shot << " client\n";
    std::istringstream in(script.str());
    std::ostringstream out, err;
    if (driver.RunScript(in, out, err) != 0) {
        std::cerr << "game " << gameId << ": " << err.str();
        return {};
    }
    const QImage picture(QString::fromStdString(shot));
    const QImage plain(QString::fromStdString(plainShot));
    if (picture.isNull() || plain.size() != picture.size())
        return picture;
    return picture.copy(ContentFrame(plain));
}
}  // namespace

int main(int argc, char** argv)
{
    std::string resources;
    unsigned hand = 1;
    std::set<int> only;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--hand" && i + 1 < argc)
            hand = static_cast<unsigned>(std::stoul(argv[++i]));
        else if (resources.empty())
            resources = arg;
        else
            only.insert(std::stoi(arg));
    }
    if (resources.empty()) {
        std::cerr << "usage: glyphery-previews RESOURCES [--hand N] [ID...]\n";
        return 2;
    }

    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("ALSOFT_DRIVERS", "null", 0);
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("glyphery-previews-" + std::to_string(getpid()));
    std::filesystem::create_directories(home);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    qInstallMessageHandler(QuietMessages);
    QApplication qapp(argc, argv);
    PrepareScriptedRun();

    int failures = 0;
    for (const GameDescriptor* game : OfferedGames()) {
        if (!only.empty() && !only.count(game->gameId))
            continue;
        const MidHand* mid = FindMidHand(game->gameId);
        const unsigned gameHand = mid && mid->hand ? mid->hand : hand;
        const QImage picture = Render(game->gameId, gameHand, (home / "shot.png").string());
        const std::string target = resources + "/bitmaps/" + std::to_string(game->chooser.previewId) + ".png";
        if (picture.isNull() || !ScaleDown(picture).save(QString::fromStdString(target))) {
            std::cerr << "game " << game->gameId << ": no picture\n";
            ++failures;
            continue;
        }
        std::cout << "game " << game->gameId << ": " << target << "\n";
    }
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    return failures ? 1 : 0;
}
