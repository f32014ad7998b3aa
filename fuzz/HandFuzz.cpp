// libFuzzer target: the hand record's reader (CHandRecord). The input is
// opened as a saved hand (mark, version, game, checksum), and read as the
// body of one, value by value, in an order the input itself chooses: no
// reading may go past the end, allocate beyond the bytes there are, or
// read a value that was not written.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzMain.h"
#include "framework/HandRecord.h"
#include "framework/TilePile.h"

namespace {
void Check(bool holds, const char* what)
{
    if (!holds)
        fuzzmain::Require(what);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string body, why;
    int gameId = 0;
    if (CHandRecord::Open(input, 0, body, why, &gameId))
        Check(CHandRecord::Open(input, gameId, body, why), "a record opened once opens for its game");
    else
        Check(!why.empty(), "a refused record says why");

    // The body read as values of the kinds a hand holds, chosen by its bytes.
    CHandRecord reading = CHandRecord::Reading(input);
    for (int step = 0; step < 256 && !reading.Failed() && !reading.AtEnd(); ++step) {
        int kind = 0;
        reading.Bounded(kind, 0, 255);
        switch (kind % 6) {
        case 0: { int v = 0; reading(v); break; }
        case 1: { CStr v; reading(v); Check(v.GetLength() <= static_cast<int>(size), "a string longer than the record"); break; }
        case 2: { std::vector<int> v; reading(v); Check(v.size() <= size, "a list longer than the record"); break; }
        case 3: { CTilePile v; reading(v); Check(v.faceDownCount >= 0 && v.faceDownCount <= v.Length(), "a pile's face-down count out of range"); break; }
        case 4: { RECT v{}; bool b = false; reading(v, b); break; }
        default: { std::vector<bool> v; reading(v); break; }
        }
    }
    // Whatever was read, written again reads back the same.
    CHandRecord again;
    CStr text = CStr(std::string(input.substr(0, 64)));
    int number = static_cast<int>(size);
    again(text, number);
    CHandRecord back = CHandRecord::Reading(again.Bytes());
    CStr text2;
    int number2 = 0;
    back(text2, number2);
    Check(!back.Failed() && back.AtEnd() && text2.str() == text.str() && number2 == number,
                      "a record written reads back");
    return 0;
}
