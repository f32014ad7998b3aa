// The sorted word array: the search rules games depend on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "dictionary/WordArray.h"
#include "framework/Random.h"

namespace {

std::vector<std::string> Numbered(const std::string& stem, int count)
{
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%03d", i);
        words.push_back(stem + buf);
    }
    return words;
}

// `stem` and 1..span letters from the first `letters` of the alphabet.
std::string RandomWord(const std::string& stem, int span, int letters)
{
    std::string w = stem;
    const int len = 1 + ProgramRandom().InRange(span, 0);
    for (int i = 0; i < len; ++i)
        w += static_cast<char>('a' + ProgramRandom().InRange(letters, 0));
    return w;
}

void Fill(CWordArray& array, const std::vector<std::string>& words)
{
    for (const std::string& w : words)
        array.Append(w);
}

}  // namespace

// Up to 64 words the scan ignores case and stops at the first match; from 65
// on, halving compares bytes and lands wherever the halving meets a match.
TEST(DictionaryWordArray, SixtyFourScanLinearlySixtyFiveByHalving)
{
    CWordArray small, large;
    Fill(small, Numbered("ab", 64));
    Fill(large, Numbered("ab", 65));

    EXPECT_EQ(small.Find("AB010"), 10);  // case ignored in a scan
    EXPECT_LT(large.Find("AB010"), 0);   // bytes compared when halving
    EXPECT_EQ(large.Find("ab010"), 10);

    EXPECT_EQ(small.FindPrefix("ab"), 0);   // the first word with the prefix
    EXPECT_EQ(large.FindPrefix("ab"), 32);  // the middle, where halving starts
    EXPECT_EQ(large.FindPrefix("ab06"), 60);
}

TEST(DictionaryWordArray, MissingWordsGiveTheirInsertionPoint)
{
    // Against lower_bound over random sorted sets, empty and on both sides of the switch.
    ProgramRandom().Seed(7);
    for (int size : {0, 1, 2, 3, 63, 64, 65, 66, 100, 129, 1000}) {
        std::set<std::string> set;
        while (static_cast<int>(set.size()) < size)
            set.insert(RandomWord(std::string(1, static_cast<char>('a' + ProgramRandom().InRange(6, 0))), 5, 6));
        const std::vector<std::string> sorted(set.begin(), set.end());
        CWordArray array;
        Fill(array, sorted);
        for (int probe = 0; probe < 300; ++probe) {
            const std::string w = RandomWord("", 7, 6);
            const int at = static_cast<int>(std::lower_bound(sorted.begin(), sorted.end(), w) - sorted.begin());
            const bool present = set.count(w) > 0;
            EXPECT_EQ(array.Find(w.c_str()), present ? at : ~at) << size << " " << w;
            // FindPrefix finds some word with the prefix exactly when one exists.
            const bool hasPrefix = at < size && sorted[static_cast<size_t>(at)].compare(0, w.size(), w) == 0;
            const int p = array.FindPrefix(w.c_str());
            EXPECT_EQ(p >= 0, hasPrefix) << size << " " << w;
            if (p >= 0) {
                EXPECT_EQ(std::strncmp(array.GetAt(p), w.c_str(), w.size()), 0);
            }
        }
        EXPECT_STREQ(array.GetAt(size), "");  // out of range: an empty word
        EXPECT_STREQ(array.GetAt(-1), "");
        EXPECT_EQ(array.GetFirst() == nullptr, size == 0);
    }
}

TEST(DictionaryWordArray, BlankMatchesAnyCharacterOnEitherSide)
{
    for (int extra : {0, 100}) {  // scanned and halved
        CWordArray array;
        std::vector<std::string> words = {"bat", "cat", "cot", "dog"};
        for (int i = 0; i < extra; ++i)
            words.push_back(std::string("z").append(std::to_string(1000 + i)));
        std::sort(words.begin(), words.end());
        Fill(array, words);
        EXPECT_GE(array.Find("c t"), 0);
        EXPECT_STREQ(array.GetAt(array.Find("d g")), "dog");
        EXPECT_LT(array.Find("c  t"), 0);  // the blank stands for exactly one character
        EXPECT_GE(array.FindPrefix("co "), 0);
        EXPECT_LT(array.Find("ca"), 0);
        EXPECT_GE(array.FindPrefix("ca"), 0);
    }
    // A blank in the stored word matches too.
    CWordArray withBlank;
    withBlank.Append("c t");
    EXPECT_EQ(withBlank.Find("cat"), 0);
    EXPECT_EQ(withBlank.FindPrefix("cu"), 0);
}

TEST(DictionaryWordArray, InsertSortedKeepsOrderAndStripsMarksFromCopies)
{
    CWordArray array;
    for (const char* w : {"pear", "apple", "fig", "apple", "o'clock", "well-being"})
        array.InsertSorted(w);
    std::vector<std::string> got;
    for (const char* w = array.GetFirst(); w; w = array.GetNext())
        got.emplace_back(w);
    EXPECT_EQ(got, (std::vector<std::string>{"apple", "apple", "fig", "oclock", "pear", "wellbeing"}));

    // A non-owning array keeps the caller's pointer, marks and all.
    const char* word = "it's";
    CWordArray borrowed(false);
    EXPECT_EQ(borrowed.InsertSorted(word), word);
    EXPECT_EQ(borrowed.GetAt(0), word);
}

TEST(DictionaryWordArray, RemoveByWordAndByPointer)
{
    CWordArray owner;
    const char* first = owner.InsertSorted("tea");
    const char* second = owner.InsertSorted("tea");  // goes before its twin
    owner.InsertSorted("sea");
    EXPECT_EQ(owner.GetAt(1), second);
    EXPECT_EQ(owner.GetAt(2), first);

    CWordArray view(false);
    view.InsertSorted(first);
    view.InsertSorted(second);
    EXPECT_TRUE(view.RemovePointer(first));
    ASSERT_EQ(view.GetCount(), 1);
    EXPECT_EQ(view.GetAt(0), second);
    EXPECT_FALSE(view.RemovePointer(first));

    EXPECT_TRUE(owner.Remove("sea"));
    EXPECT_FALSE(owner.Remove("sea"));
    EXPECT_EQ(owner.GetCount(), 2);
    owner.RemoveAt(5);  // out of range: nothing happens
    EXPECT_EQ(owner.GetCount(), 2);
}

// The quick membership answers agree with the searches they stand in for,
// in order or not, before and after changes, with blanks and capitals.
TEST(DictionaryWordArray, QuickAnswersAgreeWithTheSearches)
{
    ProgramRandom().Seed(31);
    for (int size : {10, 65, 300, 2000}) {
        std::vector<std::string> words;
        for (int i = 0; i < size; ++i)
            words.push_back(RandomWord("b", 12, 4));  // duplicates and long words included
        std::sort(words.begin(), words.end());
        CWordArray sorted, unsorted;
        Fill(sorted, words);
        std::vector<std::string> shuffled = words;
        std::swap(shuffled.front(), shuffled.back());
        Fill(unsorted, shuffled);
        auto check = [&](const CWordArray& array, const std::string& probe) {
            EXPECT_EQ(array.Contains(probe.c_str()), array.Find(probe.c_str()) >= 0) << size << " " << probe;
            EXPECT_EQ(array.ContainsPrefix(probe.c_str()), array.FindPrefix(probe.c_str()) >= 0)
                << size << " " << probe;
        };
        for (int round = 0; round < 3; ++round) {
            for (int i = 0; i < 400; ++i) {
                std::string probe = RandomWord("b", 13, 4);
                if (i % 5 == 0) probe = words[static_cast<size_t>(ProgramRandom().InRange(size, 0))];
                if (i % 7 == 0) probe = probe.substr(0, probe.size() / 2);
                if (i % 11 == 0 && probe.size() > 1) probe[1] = ' ';
                if (i % 13 == 0) probe[0] = 'B';
                check(sorted, probe);
                check(unsorted, probe);
            }
            check(sorted, "");
            check(sorted, "a");
            // Change the array between rounds: the answers follow.
            const std::string added = RandomWord("b", 10, 4);
            sorted.InsertSorted(added.c_str());
            EXPECT_TRUE(sorted.Contains(added.c_str()));
            EXPECT_TRUE(sorted.ContainsPrefix(added.c_str()));
            const int gone = ProgramRandom().InRange(sorted.GetCount(), 0);
            const std::string removed = sorted.GetAt(gone);
            sorted.RemoveAt(gone);
            EXPECT_EQ(sorted.Contains(removed.c_str()), sorted.Find(removed.c_str()) >= 0);
        }
    }
}

// Appending notices words out of order wherever the difference lies: past
// the eighth byte, or in bytes above 127 (compared unsigned, as strcmp
// does). The quick answers then stay with the searches.
TEST(DictionaryWordArray, AppendSeesDisorderPastTheEighthByteAndInHighBytes)
{
    std::vector<std::string> late = Numbered("bbbbbbbb", 200);
    std::reverse(late.begin(), late.end());  // same first eight bytes, descending
    std::vector<std::string> high;
    for (int i = 0; i < 100; ++i) {
        high.push_back(std::string("bz") + static_cast<char>('a' + i % 26) + std::to_string(i));
        high.push_back(std::string("b\xE9") + static_cast<char>('a' + i % 26) + std::to_string(i));
    }
    std::vector<std::string> highSorted = high;
    std::sort(highSorted.begin(), highSorted.end(),
              [](const std::string& a, const std::string& b) { return std::strcmp(a.c_str(), b.c_str()) < 0; });
    for (const auto* words : {&late, &high, &highSorted}) {
        CWordArray array;
        Fill(array, *words);
        CWordArray linked(false);
        for (int i = 0; i < array.GetCount(); ++i)
            linked.AppendFrom(array, i);
        for (const std::string& w : *words) {
            EXPECT_EQ(array.Contains(w.c_str()), array.Find(w.c_str()) >= 0) << w;
            EXPECT_EQ(linked.Contains(w.c_str()), linked.Find(w.c_str()) >= 0) << w;
            EXPECT_EQ(linked.Find(w.c_str()), array.Find(w.c_str())) << w;
            if (words == &highSorted) {  // in order, every word is found
                EXPECT_TRUE(array.Contains(w.c_str())) << w;
            }
        }
    }
}

// Room made ahead (too little, or far too much) changes nothing but speed:
// every word stays where it was stored, byte for byte.
TEST(DictionaryWordArray, ReservedRoomKeepsEveryStoredWord)
{
    const std::vector<std::string> words = Numbered("bword", 3000);
    for (const auto& [count, bytes] : {std::pair{10, size_t{5}}, std::pair{3000, size_t{1} << 20}, std::pair{0, size_t{0}}}) {
        CWordArray array;
        array.Reserve(count, bytes);
        std::vector<const char*> stored;
        for (const std::string& w : words)
            stored.push_back(array.Append(w));
        ASSERT_EQ(array.GetCount(), 3000);
        for (int i = 0; i < array.GetCount(); ++i) {
            EXPECT_EQ(array.GetAt(i), stored[static_cast<size_t>(i)]);
            EXPECT_STREQ(array.GetAt(i), words[static_cast<size_t>(i)].c_str());
        }
        EXPECT_TRUE(array.Contains("bword2999"));
    }
}
