#include "app/Catalogue.h"

#include <utility>

#include <algorithm>
#include <iterator>

namespace {
// {GameId, name, description, preview, difficulty, scoring}, in the chooser's order.
constexpr CatalogueRow kRows[] = {
    {21, 183, 196, 406, 469, 477},  // Anagrammer
    {23, 224, 225, 394, 469, 474},  // Anti-Gravity
    {26, 416, 404, 407, 470, 475},  // Avalanche
    {25, 415, 403, 408, 469, 474},  // Cave In
    {17, 180, 193, 409, 469, 473},  // Cross Ways
    {34, 425, 413, 460, 470, 589},  // Dead Lines
    {15, 177, 190, 401, 470, 473},  // Elegance
    {8, 150, 159, 402, 468, 473},   // Free Cell
    {10, 172, 185, 412, 468, 474},  // Gobble
    {5, 148, 157, 395, 469, 473},   // Golf
    {6, 151, 160, 400, 471, 473},   // Griddle
    {1, 145, 154, 403, 470, 473},   // Quillo's Quotes
    {20, 182, 195, 413, 468, 474},  // Jumble
    {2, 146, 155, 396, 468, 473},   // Klondike
    {19, 181, 194, 410, 469, 478},  // Le Scarab
    {40, 544, 555, 470, 469, 474},  // Letter Box
    {3, 147, 156, 399, 468, 474},   // Loch Ness
    {31, 421, 409, 415, 468, 474},  // Prospector
    {4, 149, 158, 404, 470, 473},   // Pyramid
    {37, 541, 552, 427, 469, 590},  // Rock Piles
    {7, 152, 161, 397, 468, 474},   // Simple Stacks
    {16, 178, 191, 425, 469, 588},  // Tetris (Sticky)
    {39, 543, 554, 429, 469, 588},  // Tetris (Slippery)
    {38, 542, 553, 428, 468, 589},  // Tetris (Classic)
    {41, 545, 556, 479, 469, 474},  // Tower of Babble
    {36, 426, 414, 426, 469, 473},  // Tri Peaks
    {32, 422, 410, 417, 470, 473},  // Unscramble
    {13, 176, 189, 411, 469, 473},  // Vowel Strength
    {14, 173, 186, 398, 469, 473},  // Walls of Jericho
    {22, 184, 197, 484, 468, 474},  // Word Speed
    {11, 174, 187, 405, 468, 474},  // Worm Hole
};
static_assert(std::size(kRows) == kCatalogueSize);

// Games that exist but are not offered; {GameId, name, description}.
struct UnlistedGame {
    int gameId;
    unsigned nameId;
    unsigned descriptionId;
};
constexpr UnlistedGame kUnlisted[] = {
    {29, 419, 407},  // Implosion
    {30, 420, 408},  // Use It or Lose It
    {33, 423, 411},  // Spelunker
    {35, 424, 0},    // Bubbles
};

// The bare game (and the title screen) has a single line.
constexpr InstructionLine kLinesBare[] = {{226, 60}};

constexpr InstructionLine kLines1[] = {{318, 3}, {319, 4}, {320, 4}, {321, 5}, {322, 4}, {323, 3}, {324, 7}, {325, 5}, {326, 4}, {226, 3}};  // Quillo's Quotes
constexpr InstructionLine kLines2[] = {{258, 2}, {259, 4}, {260, 5}, {261, 4}, {262, 4}, {263, 4}, {264, 5}, {265, 4}, {226, 3}};  // Klondike
constexpr InstructionLine kLines3[] = {{266, 2}, {267, 4}, {268, 5}, {269, 3}, {270, 4}, {271, 5}, {272, 5}, {273, 4}, {226, 3}};  // Loch Ness
constexpr InstructionLine kLines4[] = {{274, 2}, {275, 4}, {276, 4}, {277, 3}, {278, 4}, {279, 5}, {280, 5}, {281, 4}, {226, 3}};  // Pyramid
constexpr InstructionLine kLines5[] = {{227, 2}, {228, 4}, {229, 5}, {230, 3}, {231, 4}, {232, 5}, {233, 5}, {234, 4}, {226, 3}};  // Golf
constexpr InstructionLine kLines6[] = {{249, 2}, {242, 5}, {243, 4}, {244, 7}, {245, 4}, {246, 5}, {247, 5}, {248, 4}, {226, 4}};  // Griddle
constexpr InstructionLine kLines7[] = {{282, 2}, {283, 4}, {284, 4}, {285, 3}, {286, 5}, {287, 4}, {288, 5}, {289, 4}, {226, 3}};  // Simple Stacks
constexpr InstructionLine kLines8[] = {{250, 2}, {251, 4}, {252, 5}, {253, 4}, {254, 4}, {255, 4}, {256, 5}, {257, 4}, {226, 3}};  // Free Cell
constexpr InstructionLine kLines10[] = {{365, 2}, {358, 5}, {359, 4}, {360, 7}, {361, 4}, {362, 5}, {363, 5}, {364, 4}, {226, 5}};  // Gobble
constexpr InstructionLine kLines11[] = {{299, 2}, {300, 4}, {301, 4}, {302, 5}, {303, 3}, {304, 4}, {305, 5}, {306, 4}, {307, 4}, {226, 3}};  // Worm Hole
constexpr InstructionLine kLines13[] = {{350, 2}, {351, 4}, {352, 5}, {353, 6}, {354, 4}, {355, 5}, {356, 5}, {357, 4}, {226, 3}};  // Vowel Strength
constexpr InstructionLine kLines14[] = {{290, 2}, {291, 4}, {292, 4}, {293, 5}, {294, 3}, {295, 4}, {296, 5}, {297, 4}, {298, 4}, {226, 3}};  // Walls of Jericho
constexpr InstructionLine kLines15[] = {{235, 2}, {236, 4}, {237, 4}, {238, 3}, {239, 5}, {240, 4}, {241, 4}, {226, 5}};  // Elegance
constexpr InstructionLine kLines16[] = {{523, 2}, {524, 4}, {525, 5}, {526, 4}, {527, 7}, {528, 6}, {529, 6}, {530, 6}, {531, 4}, {226, 3}};  // Tetris (Sticky)
constexpr InstructionLine kLines17[] = {{396, 2}, {397, 6}, {398, 6}, {399, 5}, {400, 5}, {401, 7}, {402, 6}, {226, 6}};  // Cross Ways
constexpr InstructionLine kLines19[] = {{389, 2}, {390, 5}, {391, 4}, {392, 7}, {393, 7}, {394, 6}, {395, 5}, {226, 4}};  // Le Scarab
constexpr InstructionLine kLines20[] = {{374, 2}, {375, 5}, {376, 4}, {377, 6}, {378, 6}, {379, 7}, {380, 5}, {226, 6}};  // Jumble
constexpr InstructionLine kLines21[] = {{382, 2}, {383, 6}, {384, 5}, {385, 4}, {386, 6}, {387, 5}, {388, 6}, {226, 6}};  // Anagrammer
constexpr InstructionLine kLines22[] = {{366, 2}, {367, 5}, {368, 4}, {369, 7}, {370, 4}, {371, 5}, {372, 5}, {373, 4}, {226, 5}};  // Word Speed
constexpr InstructionLine kLines23[] = {{308, 2}, {309, 4}, {310, 4}, {311, 5}, {312, 5}, {313, 4}, {314, 4}, {315, 4}, {316, 5}, {317, 5}, {226, 6}};  // Anti-Gravity
constexpr InstructionLine kLines25[] = {{427, 2}, {428, 4}, {429, 5}, {430, 3}, {431, 7}, {432, 5}, {433, 6}, {434, 5}, {435, 5}, {226, 6}};  // Cave In
constexpr InstructionLine kLines26[] = {{437, 2}, {438, 6}, {439, 5}, {440, 4}, {441, 6}, {442, 5}, {443, 6}, {444, 5}, {445, 5}, {226, 5}};  // Avalanche
constexpr InstructionLine kLines29[] = {{461, 2}, {462, 4}, {463, 5}, {464, 3}, {465, 7}, {466, 5}, {467, 6}, {226, 6}};  // Implosion
constexpr InstructionLine kLines30[] = {{479, 2}, {480, 5}, {481, 4}, {482, 6}, {483, 6}, {484, 7}, {485, 5}, {486, 5}, {487, 5}, {226, 6}};  // Use It or Lose It
constexpr InstructionLine kLines31[] = {{488, 2}, {489, 5}, {490, 5}, {491, 5}, {492, 9}, {493, 5}, {494, 5}, {495, 5}, {496, 5}, {226, 6}};  // Prospector
constexpr InstructionLine kLines32[] = {{497, 2}, {498, 5}, {499, 4}, {500, 6}, {501, 6}, {502, 7}, {503, 5}, {226, 6}};  // Unscramble
constexpr InstructionLine kLines33[] = {{505, 2}, {506, 4}, {507, 4}, {508, 5}, {509, 3}, {510, 4}, {511, 5}, {512, 4}, {513, 4}, {226, 3}};  // Spelunker
constexpr InstructionLine kLines34[] = {{532, 2}, {533, 4}, {534, 5}, {535, 7}, {536, 5}, {537, 6}, {538, 6}, {539, 6}, {540, 4}, {226, 3}};  // Dead Lines
constexpr InstructionLine kLines35[] = {{226, 3}};  // Bubbles
constexpr InstructionLine kLines36[] = {{514, 2}, {515, 4}, {516, 4}, {517, 3}, {518, 4}, {519, 5}, {520, 5}, {521, 4}, {226, 3}};  // Tri Peaks
constexpr InstructionLine kLines37[] = {{562, 2}, {563, 4}, {564, 4}, {565, 3}, {566, 4}, {567, 5}, {568, 5}, {569, 4}, {226, 3}};  // Rock Piles
constexpr InstructionLine kLines38[] = {{570, 2}, {571, 4}, {572, 5}, {573, 4}, {574, 7}, {575, 6}, {576, 6}, {577, 6}, {578, 4}, {226, 3}};  // Tetris (Classic)
constexpr InstructionLine kLines39[] = {{579, 2}, {580, 4}, {581, 5}, {582, 4}, {583, 7}, {584, 6}, {585, 6}, {586, 6}, {587, 4}, {226, 3}};  // Tetris (Slippery)
constexpr InstructionLine kLines40[] = {{591, 2}, {592, 6}, {593, 6}, {594, 4}, {595, 5}, {596, 5}, {597, 5}, {598, 6}, {599, 4}, {226, 3}};  // Letter Box
constexpr InstructionLine kLines41[] = {{600, 2}, {601, 4}, {602, 5}, {603, 3}, {604, 7}, {605, 5}, {606, 6}, {607, 5}, {608, 5}, {226, 6}};  // Tower of Babble

struct GameLines {
    int gameId;
    std::span<const InstructionLine> lines;
};
constexpr GameLines kLines[] = {
    {1, kLines1},
    {2, kLines2},
    {3, kLines3},
    {4, kLines4},
    {5, kLines5},
    {6, kLines6},
    {7, kLines7},
    {8, kLines8},
    {10, kLines10},
    {11, kLines11},
    {13, kLines13},
    {14, kLines14},
    {15, kLines15},
    {16, kLines16},
    {17, kLines17},
    {19, kLines19},
    {20, kLines20},
    {21, kLines21},
    {22, kLines22},
    {23, kLines23},
    {25, kLines25},
    {26, kLines26},
    {29, kLines29},
    {30, kLines30},
    {31, kLines31},
    {32, kLines32},
    {33, kLines33},
    {34, kLines34},
    {35, kLines35},
    {36, kLines36},
    {37, kLines37},
    {38, kLines38},
    {39, kLines39},
    {40, kLines40},
    {41, kLines41},
};
}  // namespace

std::span<const CatalogueRow> Catalogue() { return kRows; }

int CatalogueIndex(int gameId)
{
    for (int i = 0; i < kCatalogueSize; ++i)
        if (kRows[i].gameId == gameId)
            return i;
    return -1;
}

const CatalogueRow* FindCatalogueRow(int gameId)
{
    const int i = CatalogueIndex(gameId);
    return i < 0 ? nullptr : &kRows[i];
}

// A game's name and description, from its row or else from the games the
// list does not offer; 0 for neither.
static std::pair<unsigned, unsigned> GameTexts(int gameId)
{
    if (const CatalogueRow* row = FindCatalogueRow(gameId))
        return {row->nameId, row->descriptionId};
    for (const UnlistedGame& g : kUnlisted)
        if (g.gameId == gameId)
            return {g.nameId, g.descriptionId};
    return {0, 0};
}

unsigned GameNameId(int gameId) { return GameTexts(gameId).first; }
unsigned GameDescriptionId(int gameId) { return GameTexts(gameId).second; }

std::span<const InstructionLine> InstructionLines(int gameId)
{
    for (const GameLines& g : kLines)
        if (g.gameId == gameId)
            return g.lines;
    return kLinesBare;
}

int FillInstructionLines(int gameId, std::int32_t* seconds, std::uint32_t* textIds, int capacity)
{
    const std::span<const InstructionLine> lines = InstructionLines(gameId);
    const int count = std::min(static_cast<int>(lines.size()), std::max(capacity, 0));
    for (int i = 0; i < count; ++i) {
        seconds[i] = lines[static_cast<size_t>(i)].seconds;
        textIds[i] = lines[static_cast<size_t>(i)].textId;
    }
    return count;
}

unsigned NextInstruction(const std::int32_t* seconds, const std::uint32_t* textIds, int count,
                         unsigned currentId, int& outSeconds)
{
    if (count <= 0) {
        outSeconds = 0;
        return 0;
    }
    int found = -1;
    for (int i = 0; i < count; ++i)
        if (textIds[i] == currentId)
            found = i;
    const int next = found < 0 || found + 1 >= count ? 0 : found + 1;
    outSeconds = seconds[next];
    return textIds[next];
}
