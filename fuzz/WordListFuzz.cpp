// libFuzzer target: the word-list reader (CDictionary::LoadList) with the
// lookups, saving and loading back (fuzz/FuzzChecks.h).
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"
#include "FuzzMain.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    fuzzmain::Require(fuzzcheck::CheckWordListFile(fuzzmain::WorkDir() + "/words", input));
    return 0;
}
