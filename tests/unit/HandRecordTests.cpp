// The hand record's reader: values read back as written, and a record that
// is damaged, cut short, of another version or for another game refused
// whole, never read wrong.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/HandRecord.h"
#include "framework/TilePile.h"

namespace {
struct Values {
    int small = -3, large = 2000000000;
    bool flag = true;
    CStr letters = "quixotic";
    std::vector<int> list{5, -1, 70000};
    RECT rect{1, -2, 300, 4000};
    CTilePile pile;
    void Declare(CHandRecord& record) { record(small, large, flag, letters, list, rect, pile); }
};

std::string Written()
{
    Values v;
    v.pile.tiles = "abc";
    v.pile.faceDownCount = 2;
    CHandRecord record;
    v.Declare(record);
    return record.Close(5);
}
}  // namespace

TEST(HandRecord, ReadsBackWhatWasWritten)
{
    std::string body, why;
    ASSERT_TRUE(CHandRecord::Open(Written(), 5, body, why)) << why;
    Values v{0, 0, false, "", {}, {}, {}};
    CHandRecord reading = CHandRecord::Reading(body);
    v.Declare(reading);
    EXPECT_FALSE(reading.Failed());
    EXPECT_TRUE(reading.AtEnd());
    EXPECT_EQ(v.small, -3);
    EXPECT_EQ(v.large, 2000000000);
    EXPECT_TRUE(v.flag);
    EXPECT_EQ(v.letters.str(), "quixotic");
    EXPECT_EQ(v.list, (std::vector<int>{5, -1, 70000}));
    EXPECT_EQ(v.rect.bottom, 4000);
    EXPECT_EQ(v.pile.tiles.str(), "abc");
    EXPECT_EQ(v.pile.faceDownCount, 2);
}

TEST(HandRecord, RefusesWhatIsNotAWholeHandOfThisGame)
{
    const std::string whole = Written();
    std::string flipped = whole;
    flipped.back() ^= 0x10;
    std::string otherVersion = whole;
    otherVersion[4] = static_cast<char>(CHandRecord::kVersion + 1);
    const struct {
        std::string bytes;
        int gameId;
        const char* why;
    } cases[] = {
        {flipped, 5, "a byte changed on disk"},
        {whole.substr(0, whole.size() - 3), 5, "cut short"},
        {otherVersion, 5, "another format"},
        {whole, 6, "another game's hand"},
        {"", 5, "nothing at all"},
        {"GLYH", 5, "a header alone"},
    };
    for (const auto& c : cases) {
        std::string body, why;
        EXPECT_FALSE(CHandRecord::Open(c.bytes, c.gameId, body, why)) << c.why;
        EXPECT_FALSE(why.empty()) << c.why;
    }
}

TEST(HandRecord, AReadingPastTheEndOrOutOfRangeFails)
{
    // A face-down count beyond the pile's tiles, and a count of values longer than the bytes left.
    CHandRecord writing;
    CTilePile pile;
    pile.tiles = "ab";
    pile.faceDownCount = 1;
    writing(pile);
    std::string bytes = writing.Bytes();
    bytes[3] = 2 * 9;  // the face-down count, 9, after the tiles' length and two letters
    CHandRecord reading = CHandRecord::Reading(bytes);
    CTilePile back;
    reading(back);
    EXPECT_TRUE(reading.Failed());
    EXPECT_EQ(back.faceDownCount, 0);

    CHandRecord shortList = CHandRecord::Reading(std::string("\x7f", 1));
    std::vector<int> list;
    shortList(list);
    EXPECT_TRUE(shortList.Failed());
    EXPECT_TRUE(list.empty());
}
