#pragma once
// The program's line files (the word lists and the quotation list) are read
// one way: the whole file at once, then cut into lines by these rules.
//  - Only CR ends a line. LF and zero bytes are dropped wherever they stand,
//    so where a writer put its LFs (or how a file was cut into blocks) never
//    matters: CR LF, CR alone and CR NUL all end one line.
//  - Text after the last CR is not a line.
//  - A line longer than kMaxLineBytes (counted without its dropped bytes) is
//    skipped whole.
// Empty lines are handed on; what a line means is the caller's business.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

class CProgressSink;

inline constexpr int kMaxLineBytes = 1023;

// Reads a whole file into `data`. A read that returns fewer bytes than asked
// is not the end: only a read of 0 bytes is. An interrupted read is retried;
// any other error (or a file that cannot be opened) fails the whole read.
// `progress` is pumped after every piece read.
bool ReadWholeFile(const std::string& path, std::string& data, CProgressSink* progress = nullptr);

// Calls onLine(std::string_view) for every line of `data`, in order. The view
// lives until the next call.
template <class OnLine>
void ForEachLine(std::string_view data, OnLine&& onLine)
{
    const char* p = data.data();
    const char* const end = p + data.size();
    std::string scratch;
    while (p < end) {
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(end - p)));
        if (!cr)
            break;
        while (p < cr && (*p == '\n' || *p == 0))
            ++p;
        std::string_view line(p, static_cast<std::size_t>(cr - p));
        if (std::any_of(line.begin(), line.end(), [](char c) { return c == '\n' || c == 0; })) {
            scratch.assign(line);
            std::erase_if(scratch, [](char c) { return c == '\n' || c == 0; });
            line = scratch;
        }
        if (line.size() <= static_cast<std::size_t>(kMaxLineBytes))
            onLine(line);
        p = cr + 1;
    }
}
