#pragma once
// Every text of the string table as a named constant, made from Strings.def:
// kStrGameOver is the number of "Game Over". ResString(kStrGameOver) gives the text.
enum StringId : unsigned {
#define GLYPHERY_STRING(id, name, text) kStr##name = id,
#include "resources/Strings.def"
#undef GLYPHERY_STRING
};
