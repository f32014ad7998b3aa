#include "app/Commands.h"

#include "framework/Resources.h"

// The texts are string resources 2000-2015.
const std::vector<MenuPopup>& MainMenu()
{
    static const std::vector<MenuPopup> menu = {
        {ResString(2000),
         {
             {IDM_NEWHAND, ResString(2001), false},
             {IDM_REPLAY, ResString(2002), false},
             {IDM_CHOOSEGAME, ResString(2003), false},
             {0, nullptr, false},
             {IDM_UNDO, ResString(2004), true},
             {IDM_PAUSE, ResString(2005), false},
             {0, nullptr, false},
             {IDM_DICTIONARY, ResString(2006), false},
             {0, nullptr, false},
             {IDM_HIGHSCORES, ResString(2007), false},
             {IDM_STATISTICS, ResString(2008), false},
             {IDM_OPTIONS, ResString(2009), false},
             {0, nullptr, false},
             {IDM_QUIT, ResString(2010), false},
         }},
        {ResString(2011),
         {
             {IDM_HELP, ResString(2012), false},
             {IDM_HOWTOPLAY, ResString(2013), false},
             {0, nullptr, false},
             {IDM_ABOUT, ResString(2014), false},
             {0, nullptr, false},
             {IDM_DICTIONARY, ResString(2006), false},
             {0, nullptr, false},
             {IDM_WEBSITE, ResString(2015), false},
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
