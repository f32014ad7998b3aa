#include "framework/HandRecord.h"

#include <limits>

#include "framework/TilePile.h"

namespace {
constexpr std::string_view kMark = "GLYH";

// FNV-1a, 64 bits: enough to tell a damaged record from a whole one.
std::uint64_t Checksum(std::string_view bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

void PutRaw(std::string& out, std::uint64_t v)
{
    do {
        const auto low = static_cast<unsigned char>(v & 0x7f);
        v >>= 7;
        out += static_cast<char>(v ? (low | 0x80) : low);
    } while (v);
}

// Reads a variable-length integer at `at`; false past the end or when too long.
bool GetRaw(std::string_view in, std::size_t& at, std::uint64_t& v)
{
    v = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (at >= in.size())
            return false;
        const auto c = static_cast<unsigned char>(in[at++]);
        v |= static_cast<std::uint64_t>(c & 0x7f) << shift;
        if (!(c & 0x80))
            return true;
    }
    return false;
}
}  // namespace

CHandRecord CHandRecord::Reading(std::string_view bytes)
{
    CHandRecord record;
    record.m_bytes = std::string(bytes);
    record.m_reading = true;
    return record;
}

void CHandRecord::Raw(std::uint64_t& v)
{
    if (!m_reading) {
        PutRaw(m_bytes, v);
        return;
    }
    if (m_failed || !GetRaw(m_bytes, m_at, v)) {
        m_failed = true;
        v = 0;
    }
}

void CHandRecord::Value(long long& v)
{
    // Zig-zag, so that small negative numbers stay short.
    std::uint64_t u = (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
    Raw(u);
    v = static_cast<long long>((u >> 1) ^ (~(u & 1) + 1));
}

void CHandRecord::Value(int& v)
{
    long long n = v;
    Value(n);
    if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) {
        m_failed = true;
        n = 0;
    }
    v = static_cast<int>(n);
}

void CHandRecord::Value(unsigned& v)
{
    std::uint64_t n = v;
    Raw(n);
    if (n > std::numeric_limits<unsigned>::max()) {
        m_failed = true;
        n = 0;
    }
    v = static_cast<unsigned>(n);
}

void CHandRecord::Value(bool& v)
{
    int n = v ? 1 : 0;
    Bounded(n, 0, 1);
    v = n != 0;
}

void CHandRecord::Value(char& v)
{
    int n = static_cast<unsigned char>(v);
    Bounded(n, 0, 255);
    v = static_cast<char>(n);
}

void CHandRecord::Bounded(int& v, int low, int high)
{
    Value(v);
    if (v < low || v > high) {
        m_failed = true;
        v = low;
    }
}

void CHandRecord::Count(std::size_t& n)
{
    std::uint64_t u = n;
    Raw(u);
    if (m_reading && (m_failed || u > m_bytes.size() - m_at)) {
        m_failed = true;
        u = 0;
    }
    n = static_cast<std::size_t>(u);
}

void CHandRecord::Value(std::string& v)
{
    std::size_t n = v.size();
    Count(n);
    if (!m_reading) {
        m_bytes += v;
        return;
    }
    v.assign(m_bytes, m_at, n);
    m_at += n;
}

void CHandRecord::Value(CStr& v)
{
    std::string s = v.str();
    Value(s);
    if (m_reading)
        v = CStr(std::move(s));
}

void CHandRecord::Value(std::vector<bool>& values)
{
    std::size_t n = values.size();
    Count(n);
    if (m_reading)
        values.assign(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        bool b = values[i];
        Value(b);
        values[i] = b;
    }
}

void CHandRecord::Value(POINT& v) { (*this)(v.x, v.y); }

void CHandRecord::Value(RECT& v) { (*this)(v.left, v.top, v.right, v.bottom); }

void CHandRecord::Value(CTilePile& pile) { pile.Values(*this); }

std::string CHandRecord::Close(int gameId) const
{
    std::string out(kMark);
    PutRaw(out, kVersion);
    PutRaw(out, static_cast<std::uint64_t>(gameId));
    const std::uint64_t sum = Checksum(m_bytes);
    for (int i = 0; i < 8; ++i)
        out += static_cast<char>((sum >> (8 * i)) & 0xff);
    return out + m_bytes;
}

bool CHandRecord::Open(std::string_view closed, int gameId, std::string& body, std::string& why, int* foundId)
{
    std::size_t at = kMark.size();
    std::uint64_t version = 0, id = 0;
    if (closed.substr(0, kMark.size()) != kMark || !GetRaw(closed, at, version) || !GetRaw(closed, at, id) ||
        closed.size() - at < 8) {
        why = "not a saved hand";
        return false;
    }
    if (version != kVersion) {
        why = "a saved hand of format " + std::to_string(version) + ", not " + std::to_string(kVersion);
        return false;
    }
    if (foundId)
        *foundId = static_cast<int>(id & 0xffff);
    if (gameId != 0 && id != static_cast<std::uint64_t>(gameId)) {
        why = "a saved hand of game " + std::to_string(id) + ", not " + std::to_string(gameId);
        return false;
    }
    std::uint64_t sum = 0;
    for (int i = 0; i < 8; ++i)
        sum |= static_cast<std::uint64_t>(static_cast<unsigned char>(closed[at + static_cast<std::size_t>(i)]))
               << (8 * i);
    const std::string_view rest = closed.substr(at + 8);
    if (Checksum(rest) != sum) {
        why = "a damaged saved hand";
        return false;
    }
    body = std::string(rest);
    return true;
}
