// The letter supply: distributions, balance, the Q-U fix, the bag, the word
// and quotation supplies, and reproducible deals.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "dictionary/Dictionary.h"
#include "framework/Game.h"
#include "framework/LetterSupply.h"
#include "framework/Random.h"

using namespace testsupport;

namespace {

int Vowels(const std::string& s) { return static_cast<int>(std::count_if(s.begin(), s.end(), IsVowel)); }

std::map<char, int> Tally(std::string_view s)
{
    std::map<char, int> counts;
    for (char c : s)
        ++counts[c];
    return counts;
}

std::string Deal(int supply, int count, bool fixQu = false, bool balance = false,
                 const CDictionary* dict = nullptr, CQuoteSource* quotes = nullptr)
{
    return MakeLetters(ProgramRandom(), supply, count, fixQu, balance, dict, quotes).str();
}

class CFixedQuotes final : public CQuoteSource {
public:
    int reads = 0;
    bool ReadNextQuote(int depth) override
    {
        EXPECT_EQ(depth, 0);
        ++reads;
        return true;
    }
    CStr GetShuffledLetters(CRandom&) override { return CStr("quiqqa"); }
};

class LetterSupplyWords : public ::testing::Test {
protected:
    void Load(const std::vector<std::string>& words)
    {
        const std::string path = ScratchPath("supply.lst");
        WriteBytes(path, ListText(words));
        ASSERT_TRUE(dict.LoadList(path));
    }
    CDictionary dict;
};

}  // namespace

// The exact deals of a known seed, worked out independently of this code.
TEST(LetterSupply, DealsAreReproducible)
{
    ProgramRandom().Seed(1);
    EXPECT_EQ(Deal(kSupplyStandard, 12), "anesnlhutret");
    ProgramRandom().Seed(77);
    EXPECT_EQ(Deal(kSupplyUpperCase, 10), "AMQQNPOCDM");
    for (int supply = 0; supply <= 17; ++supply) {
        if (supply == kSupplyQuotation) continue;
        ProgramRandom().Seed(4242);
        const std::string first = Deal(supply, 20, true, true);
        ProgramRandom().Seed(4242);
        EXPECT_EQ(Deal(supply, 20, true, true), first) << supply;
    }
}

TEST(LetterSupply, BalancedDrawsKeepVowelsInBounds)
{
    ProgramRandom().Seed(99);
    for (int supply : {kSupplyCommon, kSupplyFlat, kSupplyStandard, kSupplyRich}) {
        for (int round = 0; round < 300; ++round) {
            const int count = 2 + round % 30;
            const std::string s = Deal(supply, count, false, true);
            ASSERT_EQ(static_cast<int>(s.size()), count);
            const int v = Vowels(s), k = count - v;
            EXPECT_LT(v, 2 * k) << supply << " " << s;
            EXPECT_LT(k, 4 * v) << supply << " " << s;
        }
    }
    // Without balance such draws do happen.
    ProgramRandom().Seed(99);
    bool unbalanced = false;
    for (int round = 0; round < 300 && !unbalanced; ++round) {
        const std::string s = Deal(kSupplyStandard, 4);
        unbalanced = Vowels(s) >= 2 * (4 - Vowels(s)) || 4 - Vowels(s) >= 4 * Vowels(s);
    }
    EXPECT_TRUE(unbalanced);
    EXPECT_EQ(Deal(kSupplyStandard, 0, true, true), "");
}

TEST(LetterSupply, BalanceWalksFromTheFront)
{
    // Six vowels: the first ones become consonants until V < 2K.
    std::string s = "aeioua";
    ProgramRandom().Seed(3);
    BalanceVowels(ProgramRandom(), s, DistStandard);
    EXPECT_EQ(Vowels(s), 3);
    EXPECT_EQ(s.substr(3), "oua");
    // Five consonants: the first ones become vowels until K < 4V.
    s = "bcdfg";
    BalanceVowels(ProgramRandom(), s, DistStandard);
    EXPECT_EQ(Vowels(s), 2);
    EXPECT_EQ(s.substr(2), "dfg");
}

TEST(LetterSupply, ConsonantSuppliesNeverHoldVowels)
{
    ProgramRandom().Seed(12);
    for (int balance : {0, 1}) {
        const std::string even = Deal(kSupplyConsonantsEven, 500, false, balance);
        EXPECT_EQ(Vowels(even), 0);
        EXPECT_EQ(Tally(even).size(), 21u);  // every consonant turns up
        EXPECT_EQ(Vowels(Deal(kSupplyConsonantsCommon, 200, false, balance)), 0);
        EXPECT_EQ(Vowels(Deal(kSupplyConsonantsStandard, 200, false, balance)), 0);
    }
}

TEST(LetterSupply, QuFix)
{
    // The first vowels other than u turn; no vowel, no change; only the
    // first `count` letters are counted.
    const struct { const char* in; int count; const char* out; } cases[] = {
        {"qaqeio", 6, "ququio"}, {"qqxyz", 5, "qqxyz"}, {"aeq", 2, "aeq"}, {"quaq", 4, "quuq"}};
    for (const auto& c : cases) {
        std::string s = c.in;
        FixQu(s, c.count);
        EXPECT_EQ(s, c.out) << c.in;
    }

    // Through the supply: every dealt q has a u to go with it when vowels allow.
    ProgramRandom().Seed(8);
    for (int i = 0; i < 300; ++i) {
        const std::string d = Deal(kSupplyFlat, 12, true, true);
        const auto q = std::count(d.begin(), d.end(), 'q'), u = std::count(d.begin(), d.end(), 'u');
        EXPECT_TRUE(q <= u || Vowels(d) == u) << d;
    }
    // Capitals are never changed.
    ProgramRandom().Seed(8);
    for (int i = 0; i < 50; ++i) {
        const std::string d = Deal(kSupplyUpperCase, 15, true);
        EXPECT_TRUE(std::all_of(d.begin(), d.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) << d;
    }
}

TEST(LetterSupply, BagNeverExceedsTheDistribution)
{
    const auto limits = Tally(DistStandard);
    ProgramRandom().Seed(21);
    for (int round = 0; round < 200; ++round) {
        const std::string s = Deal(kSupplyBag, 1 + round % 97);
        for (const auto& [letter, n] : Tally(s))
            ASSERT_LE(n, limits.at(letter)) << s;
    }
    // 97 letters are the whole bag but one.
    const std::string almost = Deal(kSupplyBag, 97);
    int missing = 0;
    const auto got = Tally(almost);
    for (const auto& [letter, n] : limits)
        missing += n - (got.count(letter) ? got.at(letter) : 0);
    EXPECT_EQ(missing, 1);
    EXPECT_EQ(Deal(kSupplyBag, 98), "");
    EXPECT_EQ(Deal(kSupplyBag, 200), "");
}

TEST(LetterSupply, AlphabetSupplies)
{
    ProgramRandom().Seed(5);
    const std::string three = Deal(kSupplyAlphabets, 3);
    ASSERT_EQ(three.size(), 78u);
    for (const auto& [letter, n] : Tally(three))
        EXPECT_EQ(n, 3) << letter;
    for (int other : {0, 16, 17, -1, 1000}) {
        std::string s = Deal(other, 40);
        EXPECT_NE(s, Alphabet);  // shuffled
        std::sort(s.begin(), s.end());
        EXPECT_EQ(s, Alphabet) << other;
    }
}

TEST(LetterSupply, QuotationLetters)
{
    CFixedQuotes quotes;
    EXPECT_EQ(Deal(kSupplyQuotation, 10, true, true, nullptr, &quotes), "quiqqa");  // no Q-U fix
    EXPECT_EQ(quotes.reads, 1);
    EXPECT_EQ(Deal(kSupplyQuotation, 10, true, true, nullptr, nullptr), "");
}

TEST_F(LetterSupplyWords, FourAndSevenWordsOfEvenLength)
{
    Load({"ant", "at", "bee", "cow", "go", "ox", "yak"});
    ProgramRandom().Seed(30);
    const std::string four = Deal(kSupplyFourWords, 13, false, false, &dict);
    ASSERT_EQ(four.size(), 12u);  // four words of 13 / 4 = 3 letters
    for (size_t i = 0; i < 12; i += 3)
        EXPECT_EQ(dict.IsWord(four.substr(i, 3).c_str()), 3) << four;
    const std::string seven = Deal(kSupplySevenWords, 20, false, false, &dict);
    ASSERT_EQ(seven.size(), 14u);  // seven words of 20 / 7 = 2 letters
    for (size_t i = 0; i < 14; i += 2)
        EXPECT_EQ(dict.IsWord(seven.substr(i, 2).c_str()), 2) << seven;
    // No word of the length: those words contribute nothing.
    EXPECT_EQ(Deal(kSupplyFourWords, 20, false, false, &dict), "");
    EXPECT_EQ(Deal(kSupplyFourWords, 12, false, false, nullptr), "");
}

TEST_F(LetterSupplyWords, WordsOfRandomLengthsFillTheCount)
{
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'z'; ++a)
        for (int len = 2; len <= 18; ++len)
            words.push_back(std::string(1, a).append(static_cast<size_t>(len - 1), 'x'));
    std::sort(words.begin(), words.end());
    Load(words);
    ProgramRandom().Seed(17);
    for (int count : {1, 2, 5, 12, 30, 60}) {
        const std::string s = Deal(kSupplyWords, count, false, false, &dict);
        EXPECT_TRUE(static_cast<int>(s.size()) == count || static_cast<int>(s.size()) == count + 1)
            << count << " " << s;
    }
}

// Supply 9 stops redrawing lengths when the dictionary has no words of them.
TEST_F(LetterSupplyWords, WordsOfRandomLengthsGiveUpOnMissingLengths)
{
    Load({"apple", "berry", "mango"});  // five letters only
    ProgramRandom().Seed(23);
    const std::string s = Deal(kSupplyWords, 12, false, false, &dict);
    // Lengths up to 12 are drawn until a five comes; after two fives only
    // two letters remain, and there is no two-letter word.
    EXPECT_EQ(s.size() % 5, 0u);
    EXPECT_LE(s.size(), 10u);
    for (size_t i = 0; i < s.size(); i += 5)
        EXPECT_EQ(dict.IsWord(s.substr(i, 5).c_str()), 5) << s;
    CDictionary empty;
    EXPECT_EQ(Deal(kSupplyWords, 40, false, false, &empty), "");
}

// The game deals from its own dictionary; a supply with nothing to give
// deals an empty string.
TEST_F(LetterSupplyWords, GameDealsFromItsDictionary)
{
    Load({"ant", "bee", "cow", "zebra"});
    CGame game(CGameContext{&dict, nullptr, nullptr});
    ProgramRandom().Seed(2);
    EXPECT_EQ(game.DealLetters(kSupplyOneWord, 5), "zebra");
    EXPECT_TRUE(game.DealLetters(kSupplyOneWord, 4).IsEmpty()) << "no word of four letters";
    EXPECT_TRUE(game.DealLetters(kSupplyBag, 98, kDealFixQu | kDealBalanced).IsEmpty());
    EXPECT_TRUE(game.DealLetters(kSupplyQuotation, 10).IsEmpty());  // no quotation list
}
