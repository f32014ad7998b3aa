// libFuzzer target: the quotation-file reader (CQuoteList) going round the
// list, stepping back, and answering the word questions (fuzz/FuzzChecks.h).
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"
#include "FuzzMain.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    fuzzmain::Require(fuzzcheck::CheckQuoteFile(fuzzmain::WorkDir() + "/quotes", input));
    return 0;
}
