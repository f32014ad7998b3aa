// The string table: every text the program shows, by number.
#include <algorithm>
#include <iterator>

#include "framework/Resources.h"

namespace {
struct StringEntry {
    unsigned id;
    const char* text;
};

// Sorted by id.
constexpr StringEntry kStrings[] = {
    {103, "Glyphery"},
    {109, "MAIN"},
    {110, "Game Over"},
    {111, "Paused"},
    {112, "Are you sure you want to start a new hand of this game?"},
    {113, "New Hand"},
    {119, "Glyphery failed to load its list of quotations.  The list should be located in a file called \"quotes.lst\".  Please make sure an original and uncorrputed version of this file is present in the game's working folder."},
    {120, "Error!"},
    {121, "Warning"},
    {142, "Glyphery failed to load its dictionary of words.  The dictionary should be found in a file called \"words.lst\".  Please make sure an original and uncorrputed version of this file is present in the game's working folder and try again."},
    {144, "Score: %d"},
    {166, "glyph"},
    {167, "ery"},
    {198, "Choose Game"},
    {199, "Are you sure you want to quit the current game and choose a new one?"},
    {223, "Time: %d"},
    {226, "Click the \"Play\" button below when you're ready to play..."},
    {327, "Glyphery works best when running in 32-bit Full Color mode.  It appears that your display is currently set to less than 32-bit color.  For the best experience, please use the Display Properties control panel to increase your Colors setting and restart Glyphery. In the meantime, Glyphery is resorting to its unadorned tile set."},
    {348, "Tiles: %d"},
    {522, "It appears that your Glyphery text and background colors are identical. You may not be able to see the score or time clock during the game. If you would like to change either of these colors, choose \"Options\" from the \"Game\" menu once you have started a game."},
};
}  // namespace

static const StringEntry* FindString(unsigned id)
{
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const StringEntry& e, unsigned v) { return e.id < v; });
    return it != std::end(kStrings) && it->id == id ? it : nullptr;
}

const char* ResString(unsigned id)
{
    const StringEntry* e = FindString(id);
    return e ? e->text : "";
}

bool HasResString(unsigned id) { return FindString(id) != nullptr; }
