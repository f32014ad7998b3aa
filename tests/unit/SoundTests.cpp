// Sound effects: reading WAVE files, overlapping sounds on a few voices, and staying
// silent (and quick) without an audio device.
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "framework/Sound.h"
#include "platform/SoundPlayer.h"
#include "platform/Wave.h"

#include "TestSupport.h"

using testsupport::WaitUntilQuiet;

extern char** environ;

namespace {

// A PCM WAVE file with a tone of `ms` milliseconds, and optionally an odd-sized
// chunk before the data.
std::vector<std::uint8_t> MakeWave(int channels, int bits, int rate, int ms, bool extraChunk = false,
                                   std::uint16_t format = 1)
{
    const int frames = rate * ms / 1000;
    const int frameBytes = channels * bits / 8;
    std::vector<std::uint8_t> b;
    auto tag = [&](const char* t) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(t[i])); };
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    tag("RIFF");
    put(0, 4);  // patched below
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(format, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * frameBytes, 4);
    put(frameBytes, 2);
    put(bits, 2);
    if (extraChunk) {
        tag("LIST");
        put(5, 4);
        b.insert(b.end(), {'I', 'N', 'F', 'O', 'x', 0});  // five bytes and the pad byte
    }
    tag("data");
    put(frames * frameBytes, 4);
    for (int f = 0; f < frames; ++f) {
        const double v = std::sin(f * 2 * M_PI * 440 / rate) * 0.5;
        const auto sample = bits == 8 ? static_cast<std::uint32_t>(128 + v * 127)
                                      : static_cast<std::uint16_t>(static_cast<std::int16_t>(v * 32767));
        for (int c = 0; c < channels; ++c)
            put(sample, bits / 8);
    }
    const std::uint32_t riff = static_cast<std::uint32_t>(b.size() - 8);
    std::memcpy(&b[4], &riff, 4);
    return b;
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        waves_[1] = MakeWave(1, 16, 22050, 300);
        waves_[2] = MakeWave(2, 8, 11025, 30, true);
        waves_[3] = {'R', 'I', 'F', 'F'};
        SetWaveLoader([this](unsigned id, std::vector<std::uint8_t>& bytes) {
            ++loads_[id];
            const auto it = waves_.find(id);
            if (it == waves_.end()) return false;
            bytes = it->second;
            return true;
        });
    }
    void TearDown() override
    {
        SetWaveLoader({});
        ShutdownSound();
    }
    std::map<unsigned, std::vector<std::uint8_t>> waves_;
    std::map<unsigned, int> loads_;
};

}  // namespace

TEST(Wave, ReadsPcmFormatsAndKeepsWholeFramesOfTruncatedData)
{
    CWave w;
    const auto mono = MakeWave(1, 8, 8000, 100);
    ASSERT_TRUE(ParseWave(mono.data(), mono.size(), w));
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bitsPerSample, 8);
    EXPECT_EQ(w.sampleRate, 8000);
    EXPECT_EQ(w.samples.size(), 800u);

    const auto stereo = MakeWave(2, 16, 44100, 10, true);
    ASSERT_TRUE(ParseWave(stereo.data(), stereo.size(), w));
    EXPECT_EQ(w.channels, 2);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_EQ(w.samples.size(), 441u * 4);
    // The samples are the bytes after the data header, untouched.
    EXPECT_EQ(0, std::memcmp(w.samples.data(), stereo.data() + stereo.size() - w.samples.size(), w.samples.size()));

    auto cut = MakeWave(2, 16, 8000, 100);
    cut.resize(cut.size() - 1001);  // the data header claims more than there is
    ASSERT_TRUE(ParseWave(cut.data(), cut.size(), w));
    EXPECT_EQ(w.samples.size(), (3200u - 1001u) / 4 * 4);
}

TEST(Wave, RejectsWhatCannotBePlayed)
{
    CWave w;
    auto reject = [&](std::vector<std::uint8_t> b) { return !ParseWave(b.data(), b.size(), w); };
    EXPECT_TRUE(reject({}));
    EXPECT_TRUE(reject({'R', 'I', 'F', 'F'}));
    EXPECT_TRUE(reject(MakeWave(1, 16, 8000, 10, false, 3)));  // floating point
    EXPECT_TRUE(reject(MakeWave(3, 16, 8000, 10)));            // three channels
    EXPECT_TRUE(reject(MakeWave(1, 24, 8000, 10)));
    EXPECT_TRUE(reject(MakeWave(1, 16, 0, 10)));
    EXPECT_TRUE(reject(MakeWave(1, 16, 8000, 0)));  // no samples
    auto b = MakeWave(1, 16, 8000, 10);
    b[8] = 'X';  // not WAVE
    EXPECT_TRUE(reject(b));
    b = MakeWave(1, 16, 8000, 10);
    b.resize(40);  // ends inside the data header
    EXPECT_TRUE(reject(b));
    EXPECT_TRUE(ParseWave(nullptr, 0, w) == false);

    // Cut or flipped anywhere, a file is read or refused, never overrun.
    const auto good = MakeWave(2, 16, 8000, 20, true);
    for (std::size_t n = 0; n < good.size(); n += 3) {
        std::vector<std::uint8_t> cut(good.begin(), good.begin() + n);
        ParseWave(cut.data(), cut.size(), w);
        auto flipped = good;
        flipped[n % 60] ^= static_cast<std::uint8_t>(0xFF - n);
        ParseWave(flipped.data(), flipped.size(), w);
    }
}

TEST_F(SoundTest, SoundsAskedForTogetherOverlapAndNothingQueues)
{
    ASSERT_TRUE(SoundDeviceAvailable()) << "the null audio device should open";
    // A bomb and the tile that follows it, a hand's end and the high score:
    // each starts at once beside the one still playing, even past the voices.
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(StartWave(i % 2 ? 2 : 1)) << i;
    EXPECT_TRUE(IsSoundPlaying());
    ASSERT_TRUE(WaitUntilQuiet());
    EXPECT_FALSE(IsSoundPlaying());  // nothing was waiting behind them
    EXPECT_TRUE(StartWave(2));
    ASSERT_TRUE(WaitUntilQuiet());
    // Each sound was decoded once.
    EXPECT_EQ(loads_[1], 1);
    EXPECT_EQ(loads_[2], 1);
}

TEST_F(SoundTest, MissingOrBrokenSoundsAreSkipped)
{
    EXPECT_FALSE(StartWave(3));
    EXPECT_FALSE(StartWave(99));
    EXPECT_FALSE(StartWave(99));
    EXPECT_EQ(loads_[99], 1);  // the failure is remembered too
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_TRUE(StartWave(2));
    EXPECT_TRUE(WaitUntilQuiet());
}

TEST_F(SoundTest, SoundSettingGatesPlaying)
{
    g_Settings.Sound = 0;
    PlaySoundIfEnabled(1);
    EXPECT_FALSE(IsSoundPlaying());
    g_Settings.Sound = 1;
    PlaySoundIfEnabled(1);
    EXPECT_TRUE(IsSoundPlaying());
    EXPECT_TRUE(WaitUntilQuiet());
}

// Run in a child process of its own, because the audio library reads its
// driver list once per process.
TEST(SoundNoDevice, SoundsAreSkippedQuietly)
{
    if (std::getenv("GLYPHERY_SOUND_CHILD")) {
        SetWaveLoader([](unsigned, std::vector<std::uint8_t>& bytes) {
            bytes = MakeWave(1, 16, 8000, 500);
            return true;
        });
        EXPECT_FALSE(SoundDeviceAvailable());
        for (int i = 0; i < 20; ++i) PlayWaveResource(236);
        EXPECT_FALSE(StartWave(238));
        EXPECT_FALSE(IsSoundPlaying());
        return;
    }
    const std::string filter = "--gtest_filter=SoundNoDevice.SoundsAreSkippedQuietly";
    char* argv[] = {const_cast<char*>("glyphery_tests"), const_cast<char*>(filter.c_str()), nullptr};
    std::vector<std::string> env = {"GLYPHERY_SOUND_CHILD=1", "ALSOFT_DRIVERS=no-such-driver"};
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "ALSOFT_DRIVERS=", 15) != 0 && std::strncmp(*e, "GTEST_", 6) != 0) env.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv, envp.data()), 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
