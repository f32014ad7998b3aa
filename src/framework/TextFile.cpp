#include "framework/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "framework/Progress.h"

namespace {
constexpr std::size_t kReadChunk = 64 * 1024;
}

bool ReadWholeFile(const std::string& path, std::string& data, CProgressSink* progress, int* error)
{
    data.clear();
    if (error) *error = 0;
    int fd;
    do fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (error) *error = errno;
        return false;
    }
    struct stat st {};
    std::size_t capacity = kReadChunk;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        capacity = static_cast<std::size_t>(st.st_size) + 1;  // + 1 so the end is seen in one more read
    data.resize(capacity);
    std::size_t used = 0;
    for (;;) {
        if (used == data.size()) data.resize(data.size() * 2);
        const ssize_t got = ::read(fd, data.data() + used, data.size() - used);
        if (got < 0) {
            if (errno == EINTR) continue;
            if (error) *error = errno;
            ::close(fd);
            data.clear();
            return false;
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
        if (progress) progress->Pump();
    }
    ::close(fd);
    data.resize(used);
    return true;
}
