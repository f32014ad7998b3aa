#include "platform/Wave.h"

#include <bit>
#include <cstring>

namespace {

std::uint32_t Le32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

}  // namespace

bool ParseWave(const std::uint8_t* data, std::size_t size, CWave& out)
{
    out = CWave{};
    if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return false;
    // The RIFF size may be wrong in files written by careless tools: trust the bytes we have.
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= size) {
        const std::uint8_t* chunk = data + pos;
        const std::size_t chunkSize = Le32(chunk + 4);
        const std::size_t available = size - pos - 8;
        const std::size_t length = chunkSize < available ? chunkSize : available;
        const std::uint8_t* body = chunk + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16) return false;
            std::uint16_t format = Le16(body);
            if (format == kFormatExtensible && length >= 26) format = Le16(body + 24);  // the sub-format's tag
            out.channels = Le16(body + 2);
            out.sampleRate = static_cast<int>(Le32(body + 4) & 0x7FFFFFFF);
            out.bitsPerSample = Le16(body + 14);
            if (format != kFormatPcm || (out.channels != 1 && out.channels != 2) ||
                (out.bitsPerSample != 8 && out.bitsPerSample != 16) || out.sampleRate <= 0)
                return false;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return false;
            const std::size_t frame = static_cast<std::size_t>(out.channels) * (out.bitsPerSample / 8);
            const std::size_t usable = length - length % frame;
            if (usable == 0) return false;
            out.samples.assign(body, body + usable);
            if (out.bitsPerSample == 16 && std::endian::native == std::endian::big)
                for (std::size_t i = 0; i + 1 < usable; i += 2) std::swap(out.samples[i], out.samples[i + 1]);
            return true;
        }
        if (chunkSize > available) break;
        pos += 8 + chunkSize + (chunkSize & 1);  // chunks are padded to an even length
    }
    return false;
}
