// glyphery-drive: plays a script of events on the real main window (offscreen
// unless --visible) and prints what the script asks for. See app/Driver.h.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>

#include "app/Driver.h"
#include "app/GameApp.h"
#include "framework/Registry.h"
#include "app/Settings.h"
#include "platform/Icons.h"

namespace {
// The offscreen platform reports every window operation it cannot carry out;
// those notes say nothing about the script.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.contains("This plugin does not support"))
        return;
    std::cerr << (type == QtWarningMsg ? "warning: " : "") << message.toStdString() << "\n";
}

int Usage()
{
    std::cerr << "usage: glyphery-drive [--visible] [--chooser] [--keep-home] SCRIPT|-\n"
                 "  --visible    show the window on the desktop instead of offscreen\n"
                 "  --chooser    start with the game chooser, as a first run does\n"
                 "  --keep-home  use the player's own settings and files instead of a\n"
                 "               private temporary home\n";
    return 2;
}
}  // namespace

int main(int argc, char** argv)
{
    bool visible = false, chooser = false, keepHome = false;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--visible") visible = true;
        else if (arg == "--chooser") chooser = true;
        else if (arg == "--keep-home") keepHome = true;
        else if (arg.size() > 1 && arg[0] == '-') return Usage();
        else if (script.empty()) script = arg;
        else return Usage();
    }
    if (script.empty())
        return Usage();

    if (!visible)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("ALSOFT_DRIVERS", "null", 0);
    std::filesystem::path home;
    if (!keepHome) {
        home = std::filesystem::temp_directory_path() / ("glyphery-drive-" + std::to_string(getpid()));
        std::filesystem::create_directories(home);
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        std::filesystem::create_directories(home / "runtime");
        std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 0);
        // A known window: 640 x 480 at the corner, no chooser and no rules
        // dialog unless asked for, and tiles at their natural size (a script's
        // click points and the soak's replays were placed on them; "set
        // fittiles 1" before a deal fits them to the window).
        const std::pair<const char*, int> start[] = {{"ShowNagDlg", chooser ? 1 : 0}, {"ShowRulesDlg", 0},
                                                     {"MinMax", 0}, {"Left", 0}, {"Top", 0},
                                                     {"Width", 640}, {"Height", 480}, {"FitTiles", 0}};
        for (const auto& [name, value] : start)
            WriteRegDword(HKEY_CURRENT_USER, kMainKey, name, value);
    }

    if (!visible)
        qInstallMessageHandler(QuietMessages);
    int result = 1;
    {
        QApplication qapp(argc, argv);
        SetUpApplication();
        PrepareScriptedRun();
        CGameApp app;
        CDriver driver(app);
        std::ifstream file;
        std::istream* in = &std::cin;
        if (script != "-") {
            file.open(script);
            if (!file) {
                std::cerr << "cannot read " << script << "\n";
                return 2;
            }
            in = &file;
        }
        if (!app.Start()) {
            std::string ignored;
            driver.RunLine("", std::cout, ignored);
            std::cerr << "Glyphery did not start (no game could be dealt)\n";
        } else {
            result = driver.RunScript(*in, std::cout, std::cerr);
        }
    }
    if (!home.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(home, ec);
    }
    return result;
}
