#pragma once
// Resources by number. Every user-visible text is a string resource; bitmaps
// and sounds are embedded files named by their id (bitmaps/<id>.png,
// sounds/<id>.wav), read through the platform layer.

#include <vector>

// The text of a string resource, or "" when there is none.
const char* ResString(unsigned id);
bool HasResString(unsigned id);

// Every id of the string table, in table order (ascending).
std::vector<unsigned> ResStringIds();
