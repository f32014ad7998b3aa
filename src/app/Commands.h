#pragma once
// Menu resource 109 and accelerator table 109: the commands of the main window.
#include <vector>

#include "platform/MainWindow.h"

enum Command : int {
    IDM_QUIT = 105,
    IDM_ABOUT = 104,
    IDM_HELP = 32771,
    IDM_WEBSITE = 32776,
    IDM_NEWHAND = 32778,
    IDM_HIGHSCORES = 32779,
    IDM_OPTIONS = 32780,
    IDM_PAUSE = 32781,
    IDM_STATISTICS = 32784,
    IDM_CHOOSEGAME = 32785,
    IDM_UNDO = 32786,
    IDM_HOWTOPLAY = 32791,
    IDM_REPLAY = 32793,
    IDM_DICTIONARY = 32794,
    IDM_REDO = 32795,
    IDM_HINT = 32796,
};

const std::vector<MenuPopup>& MainMenu();
const std::vector<Accelerator>& MainAccelerators();
