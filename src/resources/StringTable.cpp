// The string table: every text the program shows, by number.
#include <algorithm>
#include <iterator>

#include "framework/Resources.h"

namespace {
struct StringEntry {
    unsigned id;
    const char* text;
};

// Sorted by id (Strings.def).
constexpr StringEntry kStrings[] = {
#define GLYPHERY_STRING(id, name, text) {id, text},
#include "resources/Strings.def"
#undef GLYPHERY_STRING
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

std::vector<unsigned> ResStringIds()
{
    std::vector<unsigned> ids;
    ids.reserve(std::size(kStrings));
    for (const StringEntry& e : kStrings)
        ids.push_back(e.id);
    return ids;
}
