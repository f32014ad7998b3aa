#include "app/Commands.h"

const std::vector<MenuPopup>& MainMenu()
{
    static const std::vector<MenuPopup> menu = {
        {"&Game",
         {
             {IDM_NEWHAND, "&New Hand\tCtrl+N", false},
             {IDM_REPLAY, "&Replay Hand\tCtrl+R", false},
             {IDM_CHOOSEGAME, "&Choose Game\tCtrl+O", false},
             {0, nullptr, false},
             {IDM_UNDO, "&Undo\tCtrl+Z", true},
             {IDM_PAUSE, "&Pause\tCtrl+P", false},
             {0, nullptr, false},
             {IDM_DICTIONARY, "&Dictionary...\tCtrl+D", false},
             {0, nullptr, false},
             {IDM_HIGHSCORES, "&High Scores...", false},
             {IDM_STATISTICS, "&Statistics...", false},
             {IDM_OPTIONS, "&Options...", false},
             {0, nullptr, false},
             {IDM_QUIT, "&Quit\tCtrl+Q", false},
         }},
        {"&Help",
         {
             {IDM_HELP, "&Help With Glyphery...\tF1", false},
             {IDM_HOWTOPLAY, "How To &Play This Game...", false},
             {0, nullptr, false},
             {IDM_ABOUT, "&About...", false},
             {0, nullptr, false},
             {IDM_DICTIONARY, "&Dictionary...\tCtrl+D", false},
             {0, nullptr, false},
             {IDM_WEBSITE, "&Go To Web Site", false},
         }},
    };
    return menu;
}

const std::vector<Accelerator>& MainAccelerators()
{
    static const std::vector<Accelerator> table = {
        {'N', ACCEL_CONTROL, IDM_NEWHAND},
        {'R', ACCEL_CONTROL, IDM_REPLAY},
        {'O', ACCEL_CONTROL, IDM_CHOOSEGAME},
        {'Z', ACCEL_CONTROL, IDM_UNDO},
        {'P', ACCEL_CONTROL, IDM_PAUSE},
        {VK_F3, 0, IDM_PAUSE},
        {'D', ACCEL_CONTROL, IDM_DICTIONARY},
        {'Q', ACCEL_CONTROL, IDM_QUIT},
        {VK_F1, 0, IDM_HELP},  // the menu shows F1 beside Help
        {VK_OEM_2, ACCEL_ALT, IDM_ABOUT},                // Alt+/
        {VK_OEM_2, ACCEL_ALT | ACCEL_SHIFT, IDM_ABOUT},  // Alt+?
    };
    return table;
}
