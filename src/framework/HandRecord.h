#pragma once
// CHandRecord: a hand written down as bytes, and read back. The same
// declaration does both: a piece of the hand lists its values once,
// `record(m_a, m_b, ...)`, and a record made for writing appends them while
// one made from bytes reads them back in the same order. The base game
// writes a whole hand with it (CGame::Save): the registered parts' piles and
// own values, the score and clock, the generator, the undo history and the
// game's own values (CGame::HandValues); CGame::Load reads it into a game of
// the same id.
//
// The bytes are compact (numbers as variable-length integers, strings with
// their length) and closed by a header: a mark, the format's version, the
// game id and a checksum of the rest, so a damaged record, one from another
// version or for another game is refused whole rather than read wrong.
// Reading never goes past the end: it stops, and the record fails.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "framework/Str.h"
#include "framework/WinTypes.h"

class CTilePile;

class CHandRecord {
public:
    static constexpr int kVersion = 2;

    // A record to write into.
    CHandRecord() = default;
    // A record reading `bytes` (without the header: see Open).
    static CHandRecord Reading(std::string_view bytes);

    bool IsReading() const { return m_reading; }
    // True once a reading ran past the end or met a value out of range.
    bool Failed() const { return m_failed; }
    void Fail() { m_failed = true; }
    bool AtEnd() const { return m_at >= m_bytes.size(); }
    const std::string& Bytes() const { return m_bytes; }

    // Each writes the value, or reads it back into it.
    void Value(long long& v);
    void Value(int& v);
    void Value(unsigned& v);
    void Value(bool& v);
    void Value(char& v);
    void Value(std::string& v);
    void Value(CStr& v);
    void Value(POINT& v);
    void Value(RECT& v);
    void Value(CTilePile& pile);
    // Anything that declares its own values (a record, a button).
    template <class T>
        requires requires(T& t, CHandRecord& r) { t.Values(r); }
    void Value(T& v)
    {
        v.Values(*this);
    }
    template <class E>
        requires std::is_enum_v<E>
    void Value(E& v)
    {
        auto n = static_cast<long long>(v);
        Value(n);
        v = static_cast<E>(n);
    }
    template <class T>
    void Value(std::vector<T>& values)
    {
        std::size_t n = values.size();
        Count(n);
        if (m_reading)
            values.resize(n);
        for (T& v : values)
            Value(v);
    }
    void Value(std::vector<bool>& values);
    template <class T, std::size_t N>
    void Value(std::array<T, N>& values)
    {
        for (T& v : values)
            Value(v);
    }
    template <class T, std::size_t N>
    void Value(T (&values)[N])
    {
        for (T& v : values)
            Value(v);
    }
    // A value that must lie in [low, high] when read (an index, a size).
    void Bounded(int& v, int low, int high);
    // Several in one line: record(m_a, m_b, m_c).
    template <class... T>
    void operator()(T&... values)
    {
        (Value(values), ...);
    }

    // The bytes with their header, for game `gameId`.
    std::string Close(int gameId) const;
    // The body of a closed record for `gameId`, or false (with the reason)
    // when it is damaged, of another version or for another game. Pass
    // gameId 0 to accept any game; `*foundId` receives the record's.
    static bool Open(std::string_view closed, int gameId, std::string& body, std::string& why, int* foundId = nullptr);

private:
    void Count(std::size_t& n);  // a length, never more than the bytes left
    void Raw(std::uint64_t& v);
    std::string m_bytes;
    std::size_t m_at = 0;
    bool m_reading = false;
    bool m_failed = false;
};
