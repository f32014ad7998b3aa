#pragma once
// The "How to play" lines of every game: each shown for its seconds, in
// order, then from the start; every list ends with the line for the Play
// button. A game's factory row names its list.
#include "framework/GameRow.h"

inline constexpr InstructionLine kHowToPlayBare[] = {{226, 60}};  // the bare game and the title screen
inline constexpr InstructionLine kHowToPlayQuilloQuotes[] = {{318, 3}, {319, 4}, {320, 4}, {321, 5}, {322, 4}, {323, 3}, {324, 7}, {325, 5}, {326, 4}, {226, 3}};  // game 1
inline constexpr InstructionLine kHowToPlayKlondike[] = {{258, 2}, {259, 4}, {260, 5}, {261, 4}, {262, 4}, {263, 4}, {264, 5}, {265, 4}, {226, 3}};  // game 2
inline constexpr InstructionLine kHowToPlayLochNess[] = {{266, 2}, {267, 4}, {268, 5}, {269, 3}, {270, 4}, {271, 5}, {272, 5}, {273, 4}, {226, 3}};  // game 3
inline constexpr InstructionLine kHowToPlayPyramid[] = {{274, 2}, {275, 4}, {276, 4}, {277, 3}, {278, 4}, {279, 5}, {280, 5}, {281, 4}, {226, 3}};  // game 4
inline constexpr InstructionLine kHowToPlayGolf[] = {{227, 2}, {228, 4}, {229, 5}, {230, 3}, {231, 4}, {232, 5}, {233, 5}, {234, 4}, {226, 3}};  // game 5
inline constexpr InstructionLine kHowToPlayGriddle[] = {{249, 2}, {242, 5}, {243, 4}, {244, 7}, {245, 4}, {246, 5}, {247, 5}, {248, 4}, {226, 4}};  // game 6
inline constexpr InstructionLine kHowToPlaySimpleStacks[] = {{282, 2}, {283, 4}, {284, 4}, {285, 3}, {286, 5}, {287, 4}, {288, 5}, {289, 4}, {226, 3}};  // game 7
inline constexpr InstructionLine kHowToPlayFreeCell[] = {{250, 2}, {251, 4}, {252, 5}, {253, 4}, {254, 4}, {255, 4}, {256, 5}, {257, 4}, {226, 3}};  // game 8
inline constexpr InstructionLine kHowToPlayGobble[] = {{365, 2}, {358, 5}, {359, 4}, {360, 7}, {361, 4}, {362, 5}, {363, 5}, {364, 4}, {226, 5}};  // game 10
inline constexpr InstructionLine kHowToPlayWormHole[] = {{299, 2}, {300, 4}, {301, 4}, {302, 5}, {303, 3}, {304, 4}, {305, 5}, {306, 4}, {307, 4}, {226, 3}};  // game 11
inline constexpr InstructionLine kHowToPlayVowelStrength[] = {{350, 2}, {351, 4}, {352, 5}, {353, 6}, {354, 4}, {355, 5}, {356, 5}, {357, 4}, {226, 3}};  // game 13
inline constexpr InstructionLine kHowToPlayWallsOfJericho[] = {{290, 2}, {291, 4}, {292, 4}, {293, 5}, {294, 3}, {295, 4}, {296, 5}, {297, 4}, {298, 4}, {226, 3}};  // game 14
inline constexpr InstructionLine kHowToPlayElegance[] = {{235, 2}, {236, 4}, {237, 4}, {238, 3}, {239, 5}, {240, 4}, {241, 4}, {226, 5}};  // game 15
inline constexpr InstructionLine kHowToPlayTetrisSticky[] = {{523, 2}, {524, 4}, {525, 5}, {526, 4}, {527, 7}, {528, 6}, {529, 6}, {530, 6}, {531, 4}, {226, 3}};  // game 16
inline constexpr InstructionLine kHowToPlayCrossWays[] = {{396, 2}, {397, 6}, {398, 6}, {399, 5}, {400, 5}, {401, 7}, {402, 6}, {226, 6}};  // game 17
inline constexpr InstructionLine kHowToPlayLeScarab[] = {{389, 2}, {390, 5}, {391, 4}, {392, 7}, {393, 7}, {394, 6}, {395, 5}, {226, 4}};  // game 19
inline constexpr InstructionLine kHowToPlayJumble[] = {{374, 2}, {375, 5}, {376, 4}, {377, 6}, {378, 6}, {379, 7}, {380, 5}, {226, 6}};  // game 20
inline constexpr InstructionLine kHowToPlayAnagrammer[] = {{382, 2}, {383, 6}, {384, 5}, {385, 4}, {386, 6}, {387, 5}, {388, 6}, {226, 6}};  // game 21
inline constexpr InstructionLine kHowToPlayWordSpeed[] = {{366, 2}, {367, 5}, {368, 4}, {369, 7}, {370, 4}, {371, 5}, {372, 5}, {373, 4}, {226, 5}};  // game 22
inline constexpr InstructionLine kHowToPlayAntiGravity[] = {{308, 2}, {309, 4}, {310, 4}, {311, 5}, {312, 5}, {313, 4}, {314, 4}, {315, 4}, {316, 5}, {317, 5}, {226, 6}};  // game 23
inline constexpr InstructionLine kHowToPlayCaveIn[] = {{427, 2}, {428, 4}, {429, 5}, {430, 3}, {431, 7}, {432, 5}, {433, 6}, {434, 5}, {435, 5}, {226, 6}};  // game 25
inline constexpr InstructionLine kHowToPlayAvalanche[] = {{437, 2}, {438, 6}, {439, 5}, {440, 4}, {441, 6}, {442, 5}, {443, 6}, {444, 5}, {445, 5}, {226, 5}};  // game 26
inline constexpr InstructionLine kHowToPlayImplosion[] = {{461, 2}, {462, 4}, {463, 5}, {464, 3}, {465, 7}, {466, 5}, {467, 6}, {226, 6}};  // game 29
inline constexpr InstructionLine kHowToPlayUseItOrLoseIt[] = {{479, 2}, {480, 5}, {481, 4}, {482, 6}, {483, 6}, {484, 7}, {485, 5}, {486, 5}, {487, 5}, {226, 6}};  // game 30
inline constexpr InstructionLine kHowToPlayProspector[] = {{488, 2}, {489, 5}, {490, 5}, {491, 5}, {492, 9}, {493, 5}, {494, 5}, {495, 5}, {496, 5}, {226, 6}};  // game 31
inline constexpr InstructionLine kHowToPlayUnscramble[] = {{497, 2}, {498, 5}, {499, 4}, {500, 6}, {501, 6}, {502, 7}, {503, 5}, {226, 6}};  // game 32
inline constexpr InstructionLine kHowToPlaySpelunker[] = {{505, 2}, {506, 4}, {507, 4}, {508, 5}, {509, 3}, {510, 4}, {511, 5}, {512, 4}, {513, 4}, {226, 3}};  // game 33
inline constexpr InstructionLine kHowToPlayDeadLines[] = {{532, 2}, {533, 4}, {534, 5}, {535, 7}, {536, 5}, {537, 6}, {538, 6}, {539, 6}, {540, 4}, {226, 3}};  // game 34
inline constexpr InstructionLine kHowToPlayBubbles[] = {{226, 3}};  // game 35
inline constexpr InstructionLine kHowToPlayTriPeaks[] = {{514, 2}, {515, 4}, {516, 4}, {517, 3}, {518, 4}, {519, 5}, {520, 5}, {521, 4}, {226, 3}};  // game 36
inline constexpr InstructionLine kHowToPlayRockPiles[] = {{562, 2}, {563, 4}, {564, 4}, {565, 3}, {566, 4}, {567, 5}, {568, 5}, {569, 4}, {226, 3}};  // game 37
inline constexpr InstructionLine kHowToPlayTetrisClassic[] = {{570, 2}, {571, 4}, {572, 5}, {573, 4}, {574, 7}, {575, 6}, {576, 6}, {577, 6}, {578, 4}, {226, 3}};  // game 38
inline constexpr InstructionLine kHowToPlayTetrisSlippery[] = {{579, 2}, {580, 4}, {581, 5}, {582, 4}, {583, 7}, {584, 6}, {585, 6}, {586, 6}, {587, 4}, {226, 3}};  // game 39
inline constexpr InstructionLine kHowToPlayLetterBox[] = {{591, 2}, {592, 6}, {593, 6}, {594, 4}, {595, 5}, {596, 5}, {597, 5}, {598, 6}, {599, 4}, {226, 3}};  // game 40
inline constexpr InstructionLine kHowToPlayTowerOfBabble[] = {{600, 2}, {601, 4}, {602, 5}, {603, 3}, {604, 7}, {605, 5}, {606, 6}, {607, 5}, {608, 5}, {226, 6}};  // game 41
