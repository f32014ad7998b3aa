// libFuzzer target: the settings store's reads of values, from a broken or
// strange store file or from well-formed stores holding odd values, with the
// settings, statistics and high-score readers on top (fuzz/FuzzChecks.h).
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"
#include "FuzzMain.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    fuzzmain::Require(fuzzcheck::CheckStoreInput(fuzzmain::WorkDir() + "/store", input));
    return 0;
}
