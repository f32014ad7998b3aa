#include "framework/LetterSupply.h"

#include <algorithm>

#include "dictionary/Dictionary.h"
#include "framework/Game.h"
#include "framework/Random.h"
#include "lists/QuoteList.h"

// Supply 6 reads the quotation list of the game through CQuoteSource.
static CQuoteSource* QuoteSourceOf(CQuoteList* list) { return list; }

static_assert(DistStandard.size() == 98);
static_assert(DistCommon.size() == 104);
static_assert(DistRich.size() == 112);
static_assert(DistFlat.size() == 176);
static_assert(DistConsonantsCommon.size() == 66);
static_assert(DistConsonantsEven.size() == 21);
static_assert(DistConsonantsStandard.size() == 56);
static_assert(Alphabet.size() == 26);

namespace {

char DrawFrom(CRandom& random, std::string_view distribution)
{
    return distribution[static_cast<size_t>(random.InRange(static_cast<int>(distribution.size()), 0))];
}

}  // namespace

void BalanceVowels(CRandom& random, std::string& letters, std::string_view distribution)
{
    const int n = static_cast<int>(letters.size());
    int vowels = static_cast<int>(std::count_if(letters.begin(), letters.end(), IsVowel));
    int consonants = n - vowels;
    // Too many vowels: replace vowels from the front by consonants. Each walk
    // checks its condition after a position, so it looks at one at least.
    if (vowels >= 2 * consonants) {
        for (int i = 0; i < n; ++i) {
            if (IsVowel(letters[static_cast<size_t>(i)])) {
                char c;
                do c = DrawFrom(random, distribution);
                while (IsVowel(c));
                letters[static_cast<size_t>(i)] = c;
                --vowels;
                ++consonants;
            }
            if (vowels < 2 * consonants) break;
        }
    }
    // Too many consonants: replace consonants from the front by vowels.
    if (consonants >= 4 * vowels) {
        for (int i = 0; i < n; ++i) {
            if (!IsVowel(letters[static_cast<size_t>(i)])) {
                char c;
                do c = DrawFrom(random, distribution);
                while (!IsVowel(c));
                letters[static_cast<size_t>(i)] = c;
                --consonants;
                ++vowels;
            }
            if (consonants < 4 * vowels) break;
        }
    }
}

CStr DrawLetters(CRandom& random, std::string_view distribution, int count, bool balance)
{
    std::string letters(static_cast<size_t>(std::max(count, 0)), ' ');
    for (char& c : letters)
        c = DrawFrom(random, distribution);
    if (balance) BalanceVowels(random, letters, distribution);
    return CStr(std::move(letters));
}

void FixQu(std::string& letters, int count)
{
    const size_t counted = std::min(letters.size(), static_cast<size_t>(std::max(count, 0)));
    const auto q = std::count(letters.begin(), letters.begin() + static_cast<long>(counted), 'q');
    auto u = std::count(letters.begin(), letters.begin() + static_cast<long>(counted), 'u');
    for (size_t i = 0; i < letters.size() && q > u; ++i) {
        if (IsVowel(letters[i]) && letters[i] != 'u') {
            letters[i] = 'u';
            ++u;
        }
    }
}

CStr DrawFromBag(CRandom& random, int count)
{
    if (count >= static_cast<int>(DistStandard.size())) return CStr();
    std::string bag(DistStandard);
    std::string letters;
    int remaining = static_cast<int>(bag.size());
    for (int i = 0; i < count; ++i) {
        const int r = random.InRange(remaining, 0);
        letters += bag[static_cast<size_t>(r)];
        bag[static_cast<size_t>(r)] = bag[static_cast<size_t>(remaining - 1)];
        --remaining;
    }
    return CStr(std::move(letters));
}

CStr RandomWords(CRandom& random, const CDictionary* dictionary, int words, int length)
{
    CStr letters;
    if (!dictionary) return letters;
    for (int i = 0; i < words; ++i)
        letters.Append(dictionary->GetRandomWord(random, length));
    return letters;
}

CStr WordsOfRandomLengths(CRandom& random, const CDictionary* dictionary, int count)
{
    CStr letters;
    if (!dictionary) return letters;
    int remaining = count;
    int misses = 0;
    while (remaining > 0 && misses < kMaxWordLengthRedraws) {
        const int length = random.InRange(std::min(remaining, 18), 1) + 1;
        const CStr word = dictionary->GetRandomWord(random, length);
        if (word.IsEmpty()) {
            ++misses;
            continue;
        }
        misses = 0;
        letters.Append(word);
        remaining -= length;
    }
    return letters;
}

CStr MakeLetters(CRandom& random, int supply, int count, bool fixQu, bool balance, const CDictionary* dictionary,
                 CQuoteSource* quotes)
{
    CStr letters;
    switch (supply) {
    case kSupplyCommon: letters = DrawLetters(random, DistCommon, count, balance); break;
    case kSupplyUpperCase:
        for (int i = 0; i < count; ++i)
            letters.AppendChar(static_cast<char>(random.InRange(91, 65)));
        break;
    case kSupplyFlat: letters = DrawLetters(random, DistFlat, count, balance); break;
    case kSupplyStandard: letters = DrawLetters(random, DistStandard, count, balance); break;
    case kSupplyAlphabets:
        for (int i = 0; i < count; ++i)
            letters.Append(Alphabet);
        letters.Shuffle(random);
        break;
    case kSupplyQuotation:
        // The quotation's letters are dealt as they are: no Q-U fix.
        if (!quotes) return CStr();
        quotes->ReadNextQuote(0);
        return quotes->GetShuffledLetters(random);
    case kSupplyFourWords: letters = RandomWords(random, dictionary, 4, count / 4); break;
    case kSupplySevenWords: letters = RandomWords(random, dictionary, 7, count / 7); break;
    case kSupplyWords: letters = WordsOfRandomLengths(random, dictionary, count); break;
    case kSupplyConsonantsEven: letters = DrawLetters(random, DistConsonantsEven, count, false); break;
    case kSupplyConsonantsCommon: letters = DrawLetters(random, DistConsonantsCommon, count, false); break;
    case kSupplyConsonantsStandard: letters = DrawLetters(random, DistConsonantsStandard, count, false); break;
    case kSupplyOneWord:
        if (dictionary) letters = dictionary->GetRandomWord(random, count);
        break;
    case kSupplyBag: letters = DrawFromBag(random, count); break;
    case kSupplyRich: letters = DrawLetters(random, DistRich, count, balance); break;
    default:
        letters = CStr(Alphabet);
        letters.Shuffle(random);
        break;
    }
    if (fixQu) {
        std::string text = letters.str();
        FixQu(text, count);
        letters = CStr(std::move(text));
    }
    return letters;
}

// A supply with nothing to give (supply 14 asked for the whole bag, a missing
// dictionary or quotation list) deals an empty string.
CStr CGame::DealLetters(LetterSupply supply, int count, DealRule rules)
{
    return MakeLetters(m_random, supply, count, (rules & kDealFixQu) != 0, (rules & kDealBalanced) != 0, m_pDictionary,
                       QuoteSourceOf(m_pQuoteList));
}
