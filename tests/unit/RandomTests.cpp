#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/Random.h"
#include "framework/Str.h"

TEST(Random, RangeBoundsHold)
{
    CRandom random(12345);
    for (int i = 0; i < 100000; ++i) {
        EXPECT_EQ(random.InRange(1, 0), 0);
        const int v = random.InRange(91, 65);
        ASSERT_GE(v, 65);
        ASSERT_LT(v, 91);
    }
}

TEST(Random, ShuffleIsAPermutationAndReproducible)
{
    std::string a = "abcdefghijklmnopqrstuvwxyz", b = a;
    CRandom first(7), second(7);
    first.Shuffle(a);
    second.Shuffle(b);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(std::multiset<char>(a.begin(), a.end()).size(), 26u);
    std::string sorted = a;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, "abcdefghijklmnopqrstuvwxyz");
}

TEST(Str, OutOfRangeIndexIsHarmless)
{
    CStr s("hello");
    EXPECT_EQ(s.GetAt(-1), 0);
    EXPECT_EQ(s.GetAt(5), 0);
    s.SetAt(5, 'x');
    s.SetAt(-3, 'x');
    EXPECT_EQ(s, "hello");
    EXPECT_EQ(s.Right(2), "lo");
    s.DropLast(9);
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.PopLast(), 0);
}

TEST(Str, WildcardComparisons)
{
    EXPECT_EQ(WildCompare("cat", "c t"), 0);
    EXPECT_EQ(WildCompare(" at", "bat"), 0);
    EXPECT_LT(WildCompare("cab", "cat"), 0);
    EXPECT_NE(WildCompare("ca", "cat"), 0);
    // n = 1 compares nothing: the first characters decide, a blank matching.
    EXPECT_EQ(WildCompareN("abc", "xbc", 1), 'a' - 'x');
    EXPECT_EQ(WildCompareN(" bc", "xbc", 1), 0);
    EXPECT_EQ(WildCompareN("abcz", "abcy", 4), 'z' - 'y');
    EXPECT_EQ(WildCompareN("abcz", "abcy", 3), 'c' - 'c');
    EXPECT_EQ(WildCompareNoCase("CaT", "cat"), 0);
}

TEST(Str, WholeWordsIgnoreMarks)
{
    CStr s("It's a well-known fact, isn't it");
    EXPECT_EQ(s.FindWholeWord("its", 0, false), 0);
    EXPECT_EQ(s.FindWholeWord("wellknown", 0, false), 7);
    EXPECT_EQ(s.FindWholeWord("it", 1, false), 30);
    EXPECT_EQ(s.FindWholeWord("fac", 0, false), -1);
}
