// Sound effects on OpenAL: a few voices (sources), so short effects overlap
// as they do in any game; when every voice is busy the one that started
// longest ago gives way to the new sound. Nothing is ever queued. Each WAVE
// resource is decoded into a buffer the first time it plays. Without an
// audio device every call returns at once.
#include "framework/Sound.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <QFile>
#include <QString>
#include <array>
#include <map>

#include "platform/SoundPlayer.h"
#include "platform/Wave.h"

namespace {

bool LoadResource(unsigned soundId, std::vector<std::uint8_t>& bytes)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(soundId));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.readAll();
    bytes.assign(data.begin(), data.end());
    return true;
}

class CSoundPlayer {
public:
    ~CSoundPlayer() { Close(); }

    bool Open()
    {
        if (context_) return true;
        if (failed_) return false;
        device_ = alcOpenDevice(nullptr);
        if (device_) context_ = alcCreateContext(device_, nullptr);
        if (context_ && alcMakeContextCurrent(context_)) {
            alGetError();
            alGenSources(kVoices, sources_.data());
            if (alGetError() == AL_NO_ERROR) {
                voicesMade_ = true;
                return true;
            }
        }
        Close();
        failed_ = true;  // no device: stay silent for the rest of the run
        return false;
    }

    void Close()
    {
        if (context_) {
            if (voicesMade_) {
                alSourceStopv(kVoices, sources_.data());
                alDeleteSources(kVoices, sources_.data());
            }
            for (const auto& [id, buffer] : buffers_)
                if (buffer) alDeleteBuffers(1, &buffer);
            alcMakeContextCurrent(nullptr);
            alcDestroyContext(context_);
        }
        if (device_) alcCloseDevice(device_);
        buffers_.clear();
        sources_.fill(0);
        voicesMade_ = false;
        context_ = nullptr;
        device_ = nullptr;
    }

    void SetLoader(WaveLoader loader)
    {
        loader_ = std::move(loader);
        if (context_) {
            for (const ALuint source : sources_) {
                alSourceStop(source);
                alSourcei(source, AL_BUFFER, 0);
            }
            for (const auto& [id, buffer] : buffers_)
                if (buffer) alDeleteBuffers(1, &buffer);
        }
        buffers_.clear();
    }

    bool Playing() const
    {
        if (!context_) return false;
        for (const ALuint source : sources_)
            if (VoicePlaying(source)) return true;
        return false;
    }

    bool Start(unsigned soundId)
    {
        if (!Open()) return false;
        alGetError();
        const ALuint buffer = Buffer(soundId);
        if (!buffer) return false;
        // A free voice, or else the one whose sound started first.
        std::size_t voice = 0;
        while (voice < kVoices && VoicePlaying(sources_[voice])) ++voice;
        if (voice == kVoices) {
            voice = 0;
            for (std::size_t v = 1; v < kVoices; ++v)
                if (started_[v] < started_[voice]) voice = v;
            alSourceStop(sources_[voice]);
        }
        started_[voice] = ++starts_;
        alSourcei(sources_[voice], AL_BUFFER, static_cast<ALint>(buffer));
        alSourcePlay(sources_[voice]);
        return alGetError() == AL_NO_ERROR;
    }

    void ForgetFailure() { failed_ = false; }

private:
    static constexpr std::size_t kVoices = 4;

    static bool VoicePlaying(ALuint source)
    {
        ALint state = AL_STOPPED;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        return state == AL_PLAYING;
    }

    // The buffer of a sound, decoded on first use; 0 (remembered) when it cannot be.
    ALuint Buffer(unsigned soundId)
    {
        if (const auto it = buffers_.find(soundId); it != buffers_.end()) return it->second;
        ALuint buffer = 0;
        std::vector<std::uint8_t> bytes;
        CWave wave;
        const bool loaded = loader_ ? loader_(soundId, bytes) : LoadResource(soundId, bytes);
        if (loaded && ParseWave(bytes.data(), bytes.size(), wave)) {
            const ALenum format = wave.channels == 1 ? (wave.bitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16)
                                                     : (wave.bitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16);
            alGetError();
            alGenBuffers(1, &buffer);
            alBufferData(buffer, format, wave.samples.data(), static_cast<ALsizei>(wave.samples.size()),
                         wave.sampleRate);
            if (alGetError() != AL_NO_ERROR) {
                alDeleteBuffers(1, &buffer);
                buffer = 0;
            }
        }
        buffers_[soundId] = buffer;
        return buffer;
    }

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    std::array<ALuint, kVoices> sources_{};
    std::array<unsigned long, kVoices> started_{};  // when each voice last started, in starts
    unsigned long starts_ = 0;
    bool voicesMade_ = false;
    bool failed_ = false;
    std::map<unsigned, ALuint> buffers_;
    WaveLoader loader_;
};

CSoundPlayer& Player()
{
    static CSoundPlayer player;  // closed at exit
    return player;
}

}  // namespace

void PlayWaveResource(unsigned soundId) { StartWave(soundId); }
bool IsSoundPlaying() { return Player().Playing(); }

bool StartWave(unsigned soundId) { return Player().Start(soundId); }
bool SoundDeviceAvailable() { return Player().Open(); }
void SetWaveLoader(WaveLoader loader) { Player().SetLoader(std::move(loader)); }

void ShutdownSound()
{
    Player().Close();
    Player().ForgetFailure();
}
