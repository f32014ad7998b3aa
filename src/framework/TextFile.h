#pragma once
// The program's line files (the word lists and the quotation list) are read
// one way: the whole file at once, then cut into lines by these rules.
//  - LF, CR LF and CR alone each end a line, so a list written by any editor
//    on any system reads the same. Text after the last line end is a line too.
//  - Zero bytes are dropped wherever they stand.
//  - Blanks and tabs at the end of a line are trimmed.
//  - A line longer than kMaxLineBytes is not handed on as a line: onTooLong
//    is called in its place, so a caller that reads lines in pairs can drop
//    the whole pair.
// Empty lines are handed on; what a line means is the caller's business. The
// text is UTF-8 (plain ASCII is the same).
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

class CProgressSink;

inline constexpr int kMaxLineBytes = 1023;

// Reads a whole file into `data`. A read that returns fewer bytes than asked
// is not the end: only a read of 0 bytes is. An interrupted read is retried;
// any other error (or a file that cannot be opened) fails the whole read,
// with the system's error number in `error` when asked for.
// `progress` is pumped after every piece read.
bool ReadWholeFile(const std::string& path, std::string& data, CProgressSink* progress = nullptr, int* error = nullptr);

// Calls onLine(std::string_view) for every line of `data`, in order, and
// onTooLong() for every line too long to read. The view lives until the next call.
template <class OnLine, class OnTooLong>
void ForEachLine(std::string_view data, OnLine&& onLine, OnTooLong&& onTooLong)
{
    const char* p = data.data();
    const char* const end = p + data.size();
    std::string scratch;
    while (p < end) {
        const char* stop = p;
        while (stop < end && *stop != '\r' && *stop != '\n')
            ++stop;
        std::string_view line(p, static_cast<std::size_t>(stop - p));
        if (line.find('\0') != std::string_view::npos) {
            scratch.assign(line);
            std::erase(scratch, '\0');
            line = scratch;
        }
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        if (line.size() <= static_cast<std::size_t>(kMaxLineBytes))
            onLine(line);
        else
            onTooLong();
        // One line end: CR LF counts once.
        p = stop;
        if (p < end && *p == '\r')
            ++p;
        else if (p < end && *p == '\n')
            ++p;
        if (p < end && p > stop && p[-1] == '\r' && *p == '\n')
            ++p;
    }
}

// The same, skipping lines too long to read.
template <class OnLine>
void ForEachLine(std::string_view data, OnLine&& onLine)
{
    ForEachLine(data, std::forward<OnLine>(onLine), [] {});
}
