#pragma once
// The letter supply: every hand starts from a string of letters drawn from
// one of fifteen supplies. Every draw comes from the generator passed in (the
// game's, Random.h), so the same seed and the same dictionary deal the same letters.
// CGame::DealLetters calls MakeLetters and returns its letters.
#include <string>
#include <string_view>

#include "framework/Str.h"

class CDictionary;

// Where supply 6 takes its letters from; the quotation list implements it.
class CQuoteSource {
public:
    virtual ~CQuoteSource() = default;
    // Makes the next quotation current (depth 0 when called from outside).
    virtual bool ReadNextQuote(int depth) = 0;
    // The letters of the current quotation, lower case, shuffled.
    virtual CStr GetShuffledLetters(CRandom& random) = 0;
};

// Supply selectors for DealLetters; anything else deals the default supply,
// the alphabet once, shuffled.
enum LetterSupply : int {
    kSupplyCommon = 1,               // DistCommon, may be balanced
    kSupplyUpperCase = 2,            // 'A'..'Z', uniform
    kSupplyFlat = 3,                 // DistFlat, may be balanced
    kSupplyStandard = 4,             // DistStandard, may be balanced
    kSupplyAlphabets = 5,            // the alphabet `count` times, shuffled
    kSupplyQuotation = 6,            // the next quotation's letters, shuffled
    kSupplyFourWords = 7,            // four random words of count / 4 letters
    kSupplySevenWords = 8,           // seven random words of count / 7 letters
    kSupplyWords = 9,                // random words of random lengths, about count letters
    kSupplyConsonantsEven = 10,      // DistConsonantsEven
    kSupplyConsonantsCommon = 11,    // DistConsonantsCommon
    kSupplyConsonantsStandard = 12,  // DistConsonantsStandard
    kSupplyOneWord = 13,             // one random word of count letters
    kSupplyBag = 14,                 // the DistStandard bag, without replacement
    kSupplyRich = 15,                // DistRich, may be balanced
};

// The letter distributions: each letter occurs as often as its weight.
inline constexpr std::string_view DistStandard =
    "aaaaaaaaabbccddddeeeeeeeeeeeeffggghhiiiiiiiiijkllllmmnnnnnnooooooooppqrrrrrrssssttttttuuuuvvwwxyyz";
inline constexpr std::string_view DistCommon =
    "aaaaaaaabbccccdddeeeeeeeeeeefggghhiiiiiiiiijklllllmmmnnnnnnnooooooopppqrrrrrrrsssssssssstttttttuuuvwxyyz";
inline constexpr std::string_view DistRich =
    "aaaaaaaaaabbccccdddeeeeeeeeeeeeefggghhiiiiiiiiiiijklllllmmmnnnnnnnoooooooopppqrrrrrrrsssssssssstttttttuuuuvwxyyz";
inline constexpr std::string_view DistFlat =
    "aaaaaaaaabbbbbbbcccccccddddddddeeeeeeeeeffffffgggggggghhhhhhiiiiiiiiiijjkkkkklllllllllmmmmmmmnnnnnnnnnooooooooo"
    "pppppppqrrrrrrrrrssssssssstttttttttuuuuuuuuuvvvvvvwwwwwwxxyyyyyyz";
inline constexpr std::string_view DistConsonantsCommon =
    "bbccccdddfggghhjklllllmmmnnnnnnnpppqrrrrrrrsssssssssstttttttvwxyyz";
inline constexpr std::string_view DistConsonantsEven = "bcdfghjklmnpqrstvwxyz";
inline constexpr std::string_view DistConsonantsStandard =
    "bbccddddffggghhjkllllmmnnnnnnppqrrrrrrssssttttttvvwwxyyz";
inline constexpr std::string_view Alphabet = "abcdefghijklmnopqrstuvwxyz";

// Supply 9 gives up after this many draws in a row found no word of the
// length drawn (a dictionary without words of most lengths).
inline constexpr int kMaxWordLengthRedraws = 1000;

// How a deal is adjusted after the draw: the Q-U fix (every q gets a u; all
// supplies but 6) and the vowel balance (supplies 1, 3, 4 and 15).
enum DealRule : unsigned { kDealAsDrawn = 0, kDealFixQu = 1, kDealBalanced = 2 };
constexpr DealRule operator|(DealRule a, DealRule b) { return static_cast<DealRule>(unsigned{a} | unsigned{b}); }

// The letters of one deal. `dictionary` serves supplies 7, 8, 9 and 13 and
// `quotes` supply 6; either may be null, and those supplies then give
// nothing. Supply 14 with count 98 or more also gives nothing. fixQu applies
// the Q-U fix (all supplies but 6); balance the vowel balance (1, 3, 4, 15).
CStr MakeLetters(CRandom& random, int supply, int count, bool fixQu, bool balance, const CDictionary* dictionary,
                 CQuoteSource* quotes);

// The pieces, for the games that need one directly.
CStr DrawLetters(CRandom& random, std::string_view distribution, int count, bool balance);  // with replacement
void BalanceVowels(CRandom& random, std::string& letters, std::string_view distribution);
void FixQu(std::string& letters, int count);
CStr DrawFromBag(CRandom& random, int count);  // DistStandard without replacement; empty when count >= 98
CStr RandomWords(const CDictionary* dictionary, int words, int length);
CStr WordsOfRandomLengths(const CDictionary* dictionary, int count);
