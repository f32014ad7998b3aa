#include "framework/WordFinder.h"

#include <algorithm>
#include <unordered_map>

#include "dictionary/Dictionary.h"

namespace {

class CSearch {
public:
    CSearch(CWordSource& source, const CDictionary& dictionary, const FinderLimits& limits)
        : m_source(source), m_dictionary(dictionary), m_limits(limits), m_word(source.WordSoFar())
    {
    }

    std::vector<CMove> Run()
    {
        Walk();
        std::stable_sort(m_found.begin(), m_found.end(), [](const CMove& a, const CMove& b) {
            if (a.points != b.points)
                return a.points > b.points;
            return a.word.GetLength() > b.word.GetLength();
        });
        return std::move(m_found);
    }

private:
    void Walk()
    {
        // One list of takes per depth, kept from walk to walk.
        const std::size_t depth = m_takes.size();
        if (m_levels.size() <= depth)
            m_levels.resize(depth + 1);
        m_levels[depth].clear();
        m_source.NextTakes(m_levels[depth]);
        for (std::size_t i = 0; i < m_levels[depth].size(); ++i) {
            const int pile = m_levels[depth][i];
            if (m_steps >= m_limits.maxSteps)
                return;
            ++m_steps;
            const char letter = m_source.Lift(pile);
            m_word.AppendChar(letter);
            m_takes.push_back(pile);
            if (m_dictionary.IsPrefix(m_word) != 0) {
                if (m_dictionary.IsWord(m_word) != 0)
                    Keep();
                if (m_word.GetLength() < m_limits.maxLength)
                    Walk();
            }
            m_takes.pop_back();
            m_word.PopLast();
            m_source.PutBack(pile, letter);
        }
    }

    void Keep()
    {
        const int points = m_source.WordValue(m_word, m_takes);
        if (points < 0)
            return;
        const auto [at, added] = m_index.try_emplace(m_word.str(), m_found.size());
        if (!added) {
            if (m_found[at->second].points < points) {
                m_found[at->second].points = points;
                m_found[at->second].takes = m_takes;
            }
            return;
        }
        CMove move;
        move.word = m_word;
        move.points = points;
        move.takes = m_takes;
        m_found.push_back(std::move(move));
    }

    CWordSource& m_source;
    const CDictionary& m_dictionary;
    const FinderLimits& m_limits;
    CStr m_word;
    std::vector<int> m_takes;
    std::vector<std::vector<int>> m_levels;
    std::vector<CMove> m_found;
    std::unordered_map<std::string, std::size_t> m_index;
    long m_steps = 0;
};

}  // namespace

std::vector<CMove> FindWords(CWordSource& source, const CDictionary& dictionary, const FinderLimits& limits)
{
    return CSearch(source, dictionary, limits).Run();
}
