// Sound effects on OpenAL: one source, so a sound never overlaps or queues
// behind another; each WAVE resource is decoded into a buffer the first time
// it plays. Without an audio device every call returns at once.
#include "framework/Sound.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <QFile>
#include <QString>
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
            alGenSources(1, &source_);
            if (alGetError() == AL_NO_ERROR) return true;
        }
        Close();
        failed_ = true;  // no device: stay silent for the rest of the run
        return false;
    }

    void Close()
    {
        if (context_) {
            alSourceStop(source_);
            alDeleteSources(1, &source_);
            for (const auto& [id, buffer] : buffers_)
                if (buffer) alDeleteBuffers(1, &buffer);
            alcMakeContextCurrent(nullptr);
            alcDestroyContext(context_);
        }
        if (device_) alcCloseDevice(device_);
        buffers_.clear();
        source_ = 0;
        context_ = nullptr;
        device_ = nullptr;
    }

    void SetLoader(WaveLoader loader)
    {
        loader_ = std::move(loader);
        if (context_) {
            alSourceStop(source_);
            alSourcei(source_, AL_BUFFER, 0);
            for (const auto& [id, buffer] : buffers_)
                if (buffer) alDeleteBuffers(1, &buffer);
        }
        buffers_.clear();
    }

    bool Playing() const
    {
        if (!context_) return false;
        ALint state = AL_STOPPED;
        alGetSourcei(source_, AL_SOURCE_STATE, &state);
        return state == AL_PLAYING;
    }

    bool Start(unsigned soundId)
    {
        if (!Open() || Playing()) return false;
        alGetError();
        const ALuint buffer = Buffer(soundId);
        if (!buffer) return false;
        alSourcei(source_, AL_BUFFER, static_cast<ALint>(buffer));
        alSourcePlay(source_);
        return alGetError() == AL_NO_ERROR;
    }

    void ForgetFailure() { failed_ = false; }

private:
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
    ALuint source_ = 0;
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
