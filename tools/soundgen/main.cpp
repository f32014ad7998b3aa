// glyphery-soundgen: synthesises the game's sound effects.
//
//   glyphery-soundgen <resources folder>
//
// writes <folder>/sounds/<id>.wav: 16-bit PCM, mono, 22050 Hz. The synthesis
// uses a fixed-seed noise source, so every run writes identical files.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.71;  // -3 dBFS: loud enough, never clipped

using Buffer = std::vector<double>;

Buffer Silence(double seconds) { return Buffer(static_cast<size_t>(seconds * kRate + 0.5), 0.0); }

// Adds `src` into `dst` starting at `at` seconds, growing `dst` as needed.
void MixIn(Buffer& dst, const Buffer& src, double at, double gain = 1.0)
{
    const size_t start = static_cast<size_t>(at * kRate + 0.5);
    if (dst.size() < start + src.size())
        dst.resize(start + src.size(), 0.0);
    for (size_t i = 0; i < src.size(); ++i)
        dst[start + i] += src[i] * gain;
}

// A reproducible white noise source in [-1, 1].
struct Noise {
    uint32_t state = 0x2545F491u;
    double Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483647.5 - 1.0;
    }
};

double Envelope(double t, double attack, double decay)
{
    const double a = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    return a * std::exp(-t / decay);
}

// A struck resonator: a sum of decaying partials (ratio, gain, decay).
struct Partial {
    double ratio, gain, decay;
};

Buffer Strike(double freq, double seconds, const std::vector<Partial>& partials, double attack = 0.002)
{
    Buffer b = Silence(seconds);
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (const Partial& p : partials)
            v += p.gain * std::sin(2 * kPi * freq * p.ratio * t) * Envelope(t, attack, p.decay);
        b[i] = v;
    }
    return b;
}

// A brass-like tone: a band-limited sawtooth whose brightness follows the
// envelope, with a little vibrato once the note has settled.
Buffer Brass(double freq, double seconds, double release = 0.08)
{
    Buffer b = Silence(seconds);
    const int harmonics = std::max(1, int(5000 / freq));
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        const double attack = std::min(1.0, t / 0.03);
        const double tail = std::min(1.0, (seconds - t) / release);
        const double env = attack * std::max(0.0, tail) * (0.85 + 0.15 * std::exp(-t / 0.1));
        const double vib = 1 + 0.004 * std::sin(2 * kPi * 5.5 * t) * std::min(1.0, t / 0.2);
        phase += 2 * kPi * freq * vib / kRate;
        const double bright = 0.35 + 0.65 * env;
        double v = 0;
        for (int h = 1; h <= harmonics; ++h)
            v += std::pow(bright, h - 1) * std::sin(h * phase) / h;
        b[i] = v * env;
    }
    return b;
}

// A soft organ-like chord tone for the end-of-hand cadence.
Buffer Soft(double freq, double seconds)
{
    return Strike(freq, seconds, {{1, 1.0, 0.45}, {2, 0.35, 0.25}, {3, 0.12, 0.15}, {4, 0.05, 0.1}}, 0.012);
}

double NoteFreq(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

void FadeEdges(Buffer& b, double fadeIn, double fadeOut)
{
    const size_t in = static_cast<size_t>(fadeIn * kRate), out = static_cast<size_t>(fadeOut * kRate);
    for (size_t i = 0; i < std::min(in, b.size()); ++i)
        b[i] *= double(i) / in;
    for (size_t i = 0; i < std::min(out, b.size()); ++i)
        b[b.size() - 1 - i] *= double(i) / out;
}

void Normalise(Buffer& b, double peak = kPeak)
{
    double m = 0;
    for (double v : b)
        m = std::max(m, std::fabs(v));
    if (m > 0)
        for (double& v : b)
            v *= peak / m;
}

// --- the effects --------------------------------------------------------

// 236: a tile is put down: a short knock of wood on wood.
Buffer TileMoved()
{
    Buffer b = Strike(780, 0.09, {{1, 1.0, 0.018}, {2.31, 0.5, 0.010}, {3.9, 0.25, 0.006}}, 0.0008);
    Noise n;
    double lp = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        lp += 0.35 * (n.Next() - lp);  // soften the noise of the impact
        b[i] += 0.6 * lp * Envelope(t, 0.0005, 0.004);
    }
    FadeEdges(b, 0.0005, 0.02);
    Normalise(b, 0.6);
    return b;
}

// 239: a move is refused: a low, short double buzz.
Buffer Refused()
{
    Buffer b = Silence(0.36);
    for (int k = 0; k < 2; ++k) {
        Buffer buzz = Silence(0.14);
        double phase = 0, lp = 0;
        for (size_t i = 0; i < buzz.size(); ++i) {
            const double t = double(i) / kRate;
            phase += 2 * kPi * 98 / kRate;
            const double square = std::sin(phase) + std::sin(3 * phase) / 3 + std::sin(5 * phase) / 5 +
                                  std::sin(7 * phase) / 7;
            lp += 0.3 * (square - lp);
            const double env = std::min(1.0, t / 0.008) * std::min(1.0, (0.14 - t) / 0.03);
            buzz[i] = lp * env;
        }
        MixIn(b, buzz, 0.02 + k * 0.18);
    }
    FadeEdges(b, 0.002, 0.02);
    Normalise(b, 0.5);
    return b;
}

// 245: a word or tile is scored: a bright two-note chime.
Buffer Scored()
{
    const std::vector<Partial> bell = {{1, 1.0, 0.35}, {2.0, 0.45, 0.2}, {3.01, 0.22, 0.12}, {4.2, 0.1, 0.06}};
    Buffer b = Silence(0.7);
    MixIn(b, Strike(NoteFreq(84), 0.6, bell), 0.0, 0.8);   // C6
    MixIn(b, Strike(NoteFreq(88), 0.62, bell), 0.07, 1.0); // E6
    FadeEdges(b, 0.001, 0.08);
    Normalise(b);
    return b;
}

// 244: a penalty: a falling tone.
Buffer Penalty()
{
    const double seconds = 0.6;
    Buffer b = Silence(seconds);
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kRate;
        const double f = 520 * std::pow(170.0 / 520.0, t / seconds);
        phase += 2 * kPi * f / kRate;
        const double env = std::min(1.0, t / 0.01) * std::min(1.0, (seconds - t) / 0.12);
        b[i] = (std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase)) * env;
    }
    FadeEdges(b, 0.002, 0.03);
    Normalise(b, 0.5);
    return b;
}

// 238: the hand is over: a short closing cadence (G major, then C major).
Buffer HandOver()
{
    Buffer b = Silence(1.3);
    for (int note : {55, 59, 62, 67})  // G3 B3 D4 G4
        MixIn(b, Soft(NoteFreq(note), 0.45), 0.0, 0.3);
    for (int note : {48, 60, 64, 67, 72})  // C3 C4 E4 G4 C5
        MixIn(b, Soft(NoteFreq(note), 0.85), 0.4, 0.3);
    b.resize(size_t(1.3 * kRate));
    FadeEdges(b, 0.003, 0.25);
    Normalise(b);
    return b;
}

// 423: a new high score: a little fanfare.
Buffer Fanfare()
{
    struct Note {
        int midi;
        double at, length;
    };
    const Note notes[] = {{67, 0.00, 0.12}, {67, 0.14, 0.12}, {67, 0.28, 0.12}, {72, 0.42, 0.30},
                          {67, 0.74, 0.12}, {72, 0.88, 0.52}};
    Buffer b = Silence(1.45);
    for (const Note& n : notes) {
        MixIn(b, Brass(NoteFreq(n.midi), n.length), n.at, 1.0);
        MixIn(b, Brass(NoteFreq(n.midi - 12), n.length), n.at, 0.35);
    }
    // the closing chord gets its third and fifth
    MixIn(b, Brass(NoteFreq(76), 0.52), 0.88, 0.55);
    MixIn(b, Brass(NoteFreq(79), 0.52), 0.88, 0.45);
    b.resize(size_t(1.45 * kRate));
    FadeEdges(b, 0.002, 0.1);
    Normalise(b);
    return b;
}

// 431: one of the last ten seconds: a short clock beep with a tick.
Buffer ClockWarning()
{
    Buffer b = Strike(1320, 0.12, {{1, 1.0, 0.05}, {2, 0.2, 0.02}}, 0.002);
    Noise n;
    for (size_t i = 0; i < b.size(); ++i)
        b[i] += 0.4 * n.Next() * Envelope(double(i) / kRate, 0.0002, 0.0015);
    FadeEdges(b, 0.001, 0.03);
    Normalise(b, 0.6);
    return b;
}

bool WriteWav(const std::string& path, const Buffer& b)
{
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    auto u32 = [&](uint32_t v) {
        const char c[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        out.write(c, 4);
    };
    auto u16 = [&](uint16_t v) {
        const char c[2] = {char(v), char(v >> 8)};
        out.write(c, 2);
    };
    const uint32_t dataBytes = uint32_t(b.size() * 2);
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (double v : b) {
        const long s = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        u16(uint16_t(int16_t(s)));
    }
    return bool(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = std::filesystem::path(argv[1]) / "sounds";
    std::filesystem::create_directories(dir);
    const struct {
        int id;
        Buffer (*make)();
    } effects[] = {{236, TileMoved}, {238, HandOver}, {239, Refused}, {244, Penalty},
                   {245, Scored},    {423, Fanfare},  {431, ClockWarning}};
    bool ok = true;
    for (const auto& e : effects) {
        const std::string path = (dir / (std::to_string(e.id) + ".wav")).string();
        const Buffer b = e.make();
        if (!WriteWav(path, b)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ok = false;
            continue;
        }
        std::printf("wrote %s (%.3f s)\n", path.c_str(), double(b.size()) / kRate);
    }
    return ok ? 0 : 1;
}
