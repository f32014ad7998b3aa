// Questions the games ask: words, prefixes, random words, shortest words;
// and the changes the Dictionary dialog makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "dictionary/Dictionary.h"
#include "framework/Random.h"

using namespace testsupport;

namespace {

// A dictionary of one or more lists, each written to a scratch file and loaded.
class DictionaryLookup : public ::testing::Test {
protected:
    void AddList(const std::string& name, const std::vector<std::string>& words)
    {
        const std::string path = ScratchPath(name);
        WriteBytes(path, ListText(words));
        ASSERT_TRUE(dict.LoadList(path));
    }
    CDictionary dict;
};

const std::vector<std::string> kAnimals = {"ant", "ape", "bat", "bee", "cat", "caterpillar", "cattle",
                                           "cow", "dog", "quail", "quay", "yak", "zebra"};

}  // namespace

TEST_F(DictionaryLookup, WordsPrefixesAndBlanks)
{
    AddList("animals.lst", kAnimals);
    EXPECT_EQ(dict.IsWord("cat"), 3);
    EXPECT_EQ(dict.IsWord("cats"), 0);
    EXPECT_EQ(dict.IsWord("ca"), 0);
    EXPECT_EQ(dict.IsWord(""), 0);
    EXPECT_EQ(dict.IsWord(nullptr), 0);
    EXPECT_EQ(dict.IsWord("c w"), 3);    // a blank inside matches any letter
    EXPECT_EQ(dict.IsWord(" xyz"), 4);   // a blank first letter is accepted unseen
    EXPECT_EQ(dict.IsWord("4x4"), 3);    // so is any other non-letter
    EXPECT_EQ(dict.IsPrefix("cat"), 3);  // a whole word is its own prefix
    EXPECT_EQ(dict.IsPrefix("catt"), 4);
    EXPECT_EQ(dict.IsPrefix("cax"), 0);
    EXPECT_EQ(dict.IsPrefix("z b"), 3);
    EXPECT_EQ(dict.IsWord("CAT"), 3);    // small buckets are scanned without regard to case

    CDictionary empty;
    EXPECT_EQ(empty.IsWord(" xyz"), 0);  // no lists, nothing found
}

TEST_F(DictionaryLookup, ShortestWords)
{
    EXPECT_EQ(dict.FindShortestWord("q"), "qua");  // whatever the lists hold
    AddList("animals.lst", kAnimals);
    EXPECT_EQ(dict.FindShortestWord("q"), "qua");
    EXPECT_EQ(dict.FindShortestWord("qu"), "quay");
    EXPECT_EQ(dict.FindShortestWord("cat"), "cat");
    EXPECT_EQ(dict.FindShortestWord("catt"), "cattle");
    EXPECT_EQ(dict.FindShortestWord("cate"), "caterpillar");
    EXPECT_TRUE(dict.FindShortestWord("xyz").IsEmpty());
    EXPECT_TRUE(dict.FindShortestWord(std::string(22, 'a').c_str()).IsEmpty());
    // Empty letters: a random two-letter word, and there is none here.
    EXPECT_TRUE(dict.FindShortestWord("").IsEmpty());
    AddList("short.lst", {"ox", "qi"});
    const CStr two = dict.FindShortestWord("");
    EXPECT_TRUE(two == "ox" || two == "qi") << two.c_str();
    // A later list's answer counts only when strictly shorter.
    EXPECT_EQ(dict.FindShortestWord("q"), "qua");
    EXPECT_EQ(dict.FindShortestWord("o"), "ox");
}

TEST_F(DictionaryLookup, RandomWordsOfAGivenLength)
{
    const std::string w21(21, 'r'), w22(22, 's'), w25(25, 't');
    AddList("lengths.lst", {"ant", "bee", "cow", "zebra", w21, w22, w25});
    ProgramRandom().Seed(11);
    std::set<std::string> threes;
    for (int i = 0; i < 200; ++i) {
        const CStr w = dict.GetRandomWord(ProgramRandom(), 3);
        ASSERT_EQ(w.GetLength(), 3);
        threes.insert(w.c_str());
    }
    EXPECT_EQ(threes.size(), 3u);
    EXPECT_EQ(dict.GetRandomWord(ProgramRandom(), 5), "zebra");
    EXPECT_TRUE(dict.GetRandomWord(ProgramRandom(), 4).IsEmpty());   // no word of that length
    EXPECT_TRUE(dict.GetRandomWord(ProgramRandom(), 30).IsEmpty());
    EXPECT_TRUE(dict.GetRandomWord(ProgramRandom(), 0).IsEmpty());
    // The long ones share one bucket: drawn by trying words of it.
    std::set<std::string> longOnes;
    for (int i = 0; i < 30; ++i) {
        for (int n : {21, 25}) {
            const CStr w = dict.GetRandomWord(ProgramRandom(), n);
            if (!w.IsEmpty()) longOnes.insert(w.str());
        }
    }
    EXPECT_EQ(longOnes, (std::set<std::string>{w21, w25}));
}

// The list is chosen in proportion to its size; when the chosen list has no
// word of the length, the first list's draw stands.
TEST_F(DictionaryLookup, RandomWordsWeighListsBySize)
{
    std::vector<std::string> small, large;
    for (int i = 0; i < 10; ++i)
        small.push_back(std::string("a") + static_cast<char>('a' + i) + "x");
    for (int i = 0; i < 30; ++i)
        large.push_back(std::string("b") + static_cast<char>('a' + i % 26) + static_cast<char>('a' + i / 26));
    AddList("small.lst", small);
    AddList("large.lst", large);
    ProgramRandom().Seed(5);
    int fromLarge = 0;
    for (int i = 0; i < 4000; ++i)
        if (dict.GetRandomWord(ProgramRandom(), 3).GetAt(0) == 'b') ++fromLarge;
    EXPECT_GT(fromLarge, 2800);  // about 3,000 of 4,000
    EXPECT_LT(fromLarge, 3200);

    AddList("long.lst", {"abcdefg"});  // only the third list has 7 letters
    ProgramRandom().Seed(5);
    int found = 0;
    for (int i = 0; i < 400; ++i)
        if (!dict.GetRandomWord(ProgramRandom(), 7).IsEmpty()) ++found;
    EXPECT_GT(found, 0);
    EXPECT_LT(found, 40);  // only when the draw lands on that one word
}

TEST_F(DictionaryLookup, AddedWordsAreFoundAndDrawn)
{
    AddList("modified.lst", kAnimals);
    const std::string main = ScratchPath("modified.lst");
    const int before = dict.GetWordCount();
    EXPECT_TRUE(dict.AddWord("gnu", main));
    EXPECT_EQ(dict.IsWord("gnu"), 3);
    EXPECT_EQ(dict.GetWordCount(), before + 1);
    EXPECT_EQ(dict.GetListCount(), 1);

    // Marks are dropped from the stored copy, which goes by its own length.
    EXPECT_TRUE(dict.AddWord("o'clock", main));
    EXPECT_EQ(dict.IsWord("oclock"), 6);
    EXPECT_EQ(dict.FindShortestWord("ocl"), "oclock");
    EXPECT_TRUE(dict.GetRandomWord(ProgramRandom(), 7).IsEmpty());

    // Words that do not begin with a letter change nothing, not even the count.
    EXPECT_FALSE(dict.AddWord("'tis", main));
    EXPECT_FALSE(dict.AddWord("", "other.lst"));
    EXPECT_EQ(dict.GetWordCount(), before + 2);
    EXPECT_EQ(dict.GetListCount(), 1);

    // A new list name makes a new list.
    EXPECT_TRUE(dict.AddWord("wombat", "custom.lst"));
    EXPECT_EQ(dict.GetListCount(), 2);
    EXPECT_EQ(dict.IsWord("wombat"), 6);
}

TEST_F(DictionaryLookup, LaterListsAreSearchedAndRemovedWordsAreGoneFromEvery)
{
    AddList("a.lst", kAnimals);
    AddList("b.lst", {"cat", "cow", "owl"});
    EXPECT_EQ(dict.IsWord("owl"), 3);
    EXPECT_EQ(dict.IsPrefix("ow"), 2);
    EXPECT_EQ(dict.RemoveWord("cat"), 2);
    EXPECT_EQ(dict.IsWord("cat"), 0);
    EXPECT_EQ(dict.RemoveWord("cat"), 0);
    EXPECT_EQ(dict.GetWordCount(), static_cast<int>(kAnimals.size()) + 3 - 2);
    EXPECT_EQ(dict.FindShortestWord("ca"), "cattle");
    ProgramRandom().Seed(3);
    for (int i = 0; i < 300; ++i)
        EXPECT_NE(dict.GetRandomWord(ProgramRandom(), 3), "cat");
}

// Removing with a blank takes one word out of both kinds of bucket, not one
// word from the letters and another from the lengths.
TEST_F(DictionaryLookup, RemovingWithABlankKeepsBucketsInStep)
{
    // Enough c-words that the letter bucket is halved (landing on "cot")
    // while the length bucket is scanned (where "cat" comes first).
    std::vector<std::string> words = {"cat", "cot", "cut"};
    for (int i = 0; i < 97; ++i)
        words.push_back("czz" + std::to_string(1000 + i));
    AddList("c.lst", words);
    EXPECT_EQ(dict.RemoveWord("c t"), 1);
    const CWordList& list = *dict.GetList(0);
    ASSERT_EQ(list.LetterBucket(2).GetCount(), 99);
    ASSERT_EQ(list.LengthBucket(2).GetCount(), 2);
    EXPECT_EQ(dict.IsWord("cot"), 0);
    for (int i = 0; i < 2; ++i)
        EXPECT_STREQ(list.LetterBucket(2).GetAt(i), list.LengthBucket(2).GetAt(i));
    ProgramRandom().Seed(9);
    for (int i = 0; i < 100; ++i)
        EXPECT_GT(dict.IsWord(dict.GetRandomWord(ProgramRandom(), 3)), 0);
}

TEST_F(DictionaryLookup, PagesWalkTheMergedListsFromAnyPosition)
{
    // The dialog pages through every list as one sequence: a word held by two
    // lists stands twice, the first list's copy first.
    AddList("a.lst", kAnimals);
    AddList("custom.lst", {"yeti", "bison", "cat", "cobra"});  // not in order: loads sorted
    std::vector<std::string> merged(kAnimals);
    merged.insert(merged.end(), {"bison", "cat", "cobra", "yeti"});
    std::stable_sort(merged.begin(), merged.end());
    const int total = dict.GetWordCount();
    ASSERT_EQ(total, static_cast<int>(merged.size()));
    const auto page = [&](int top, int max) {
        CWordArray words;
        const int taken = dict.FillPage(top, words, max);
        std::vector<std::string> got;
        for (int i = 0; i < words.GetCount(); ++i)
            got.emplace_back(words.GetAt(i));
        EXPECT_EQ(taken, words.GetCount());
        return got;
    };
    for (int top = 0; top <= total; ++top)
        for (int max : {1, 3, 7})
            EXPECT_EQ(page(top, max), std::vector<std::string>(merged.begin() + top,
                                                               merged.begin() + std::min(total, top + max)))
                << "from " << top << ", " << max << " words";
    EXPECT_EQ(dict.PositionOf("cat"), 5);  // ant ape bat bee bison
    EXPECT_EQ(dict.PositionOf("Cat"), 5);
    EXPECT_EQ(dict.PositionOf("caz"), 9);  // past both copies of "cat", "caterpillar" and "cattle"
    EXPECT_EQ(dict.PositionOf(""), 0);
    EXPECT_EQ(dict.PositionOf("zzz"), total);
    EXPECT_TRUE(page(-1, 5).empty());
}
