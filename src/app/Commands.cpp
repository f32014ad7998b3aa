#include "app/Commands.h"

#include "framework/Resources.h"
#include "resources/StringIds.h"

// The texts are string resources 2000-2017.
const std::vector<MenuPopup>& MainMenu()
{
    static const std::vector<MenuPopup> menu = {
        {ResString(kStrMenuGame),
         {
             {IDM_NEWHAND, ResString(kStrMenuNewHand), false},
             {IDM_REPLAY, ResString(kStrMenuReplayHand), false},
             {IDM_CHOOSEGAME, ResString(kStrMenuChooseGame), false},
             {0, nullptr, false},
             {IDM_UNDO, ResString(kStrMenuUndo), true},
             {IDM_REDO, ResString(kStrMenuRedo), true},
             {IDM_HINT, ResString(kStrMenuHint), true},
             {IDM_PAUSE, ResString(kStrMenuPause), false},
             {0, nullptr, false},
             {IDM_DICTIONARY, ResString(kStrMenuDictionary), false},
             {0, nullptr, false},
             {IDM_HIGHSCORES, ResString(kStrMenuHighScores), false},
             {IDM_STATISTICS, ResString(kStrMenuStatistics), false},
             {IDM_OPTIONS, ResString(kStrMenuOptions), false},
             {0, nullptr, false},
             {IDM_QUIT, ResString(kStrMenuQuit), false},
         }},
        {ResString(kStrMenuHelp),
         {
             {IDM_HELP, ResString(kStrMenuHelpWithGlyphery), false},
             {IDM_HOWTOPLAY, ResString(kStrMenuHowToPlayThis), false},
             {0, nullptr, false},
             {IDM_ABOUT, ResString(kStrMenuAbout), false},
             {0, nullptr, false},
             {IDM_DICTIONARY, ResString(kStrMenuDictionary), false},
             {0, nullptr, false},
             {IDM_WEBSITE, ResString(kStrMenuGoToWebSite), false},
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
        {'Y', ACCEL_CONTROL, IDM_REDO},
        {'Z', ACCEL_CONTROL | ACCEL_SHIFT, IDM_REDO},
        {'H', ACCEL_CONTROL, IDM_HINT},  // H alone where letters are not typed (the shell's OnChar)
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
