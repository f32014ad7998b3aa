// glyphery-previews: the chooser's preview pictures, drawn by the games
// themselves. Each catalogued game that the factory can create is dealt at a
// fixed hand number in an offscreen window of 640 x 496 client pixels (the
// 80 x 62 shape of the picture) through the scripted driver, and the picture
// is scaled down to 160 x 124. Games that do not exist yet keep the picture
// that is there (their name in tiles).
//
//   glyphery-previews RESOURCES [--hand N] [ID...]
//
// RESOURCES is src/resources; with IDs only those games are drawn.
#include <QApplication>
#include <QImage>
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
#include "app/Registry.h"
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

// Deals the game in a fresh shell and returns its window picture.
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
    std::ostringstream script;
    script << "size " << kClientWidth << " " << kClientHeight << "\n"
           << "game " << gameId << " " << hand << "\n"
           << "screenshot " << shot << " client\n";
    std::istringstream in(script.str());
    std::ostringstream out, err;
    if (driver.RunScript(in, out, err) != 0) {
        std::cerr << "game " << gameId << ": " << err.str();
        return {};
    }
    return QImage(QString::fromStdString(shot));
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
    for (const CatalogueRow& row : Catalogue()) {
        if (!only.empty() && !only.count(row.gameId))
            continue;
        if (!FindGameFactoryRow(row.gameId)) {
            std::cout << "game " << row.gameId << ": not built yet, picture " << row.previewId << " kept\n";
            continue;
        }
        const QImage picture = Render(row.gameId, hand, (home / "shot.png").string());
        const std::string target = resources + "/bitmaps/" + std::to_string(row.previewId) + ".png";
        if (picture.isNull() || !ScaleDown(picture).save(QString::fromStdString(target))) {
            std::cerr << "game " << row.gameId << ": no picture\n";
            ++failures;
            continue;
        }
        std::cout << "game " << row.gameId << ": " << target << "\n";
    }
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    return failures ? 1 : 0;
}
