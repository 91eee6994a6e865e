#include "basWave.h"

#include "ErrorTrap.h"
#include "Resources.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// ALSA reports a missing device or sound server with lines on stderr; the
// game says nothing when it cannot play a sound.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}
void QuietSdl(void*, int, SDL_LogPriority, const char*) {}

// Starts SDL's audio once per run. Returns false when there is no usable
// audio driver at all; then every sound is skipped at once.
bool AudioReady() {
    static const bool ready = [] {
        snd_lib_error_set_handler(&QuietAlsa);
        SDL_LogSetOutputFunction(&QuietSdl, nullptr);
        // Without this SDL takes over SIGINT and SIGTERM, and Ctrl+C would
        // no longer end the game.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }();
    return ready;
}

struct WaveBuffer {
    Uint8* data = nullptr;
    Uint32 length = 0;
    SDL_AudioSpec spec{};
    ~WaveBuffer() { SDL_FreeWAV(data); }
};

// Plays a RIFF WAVE image to its end and returns then. What cannot be
// played (no driver, no device, bad or empty data) is skipped silently;
// there is never a substitute sound, whatever the flags say.
void PlaySoundImage(const QByteArray& image, quint32 /*flags: always synchronous, never a substitute*/) {
    if (image.isEmpty() || !AudioReady()) return;
    WaveBuffer wave;
    SDL_RWops* source = SDL_RWFromConstMem(image.constData(), int(image.size()));
    if (!source || !SDL_LoadWAV_RW(source, 1, &wave.spec, &wave.data, &wave.length)) return;
    const int bytesPerFrame = wave.spec.channels * int(SDL_AUDIO_BITSIZE(wave.spec.format) / 8);
    if (wave.length == 0 || wave.spec.freq <= 0 || bytesPerFrame <= 0) return;

    // A short device buffer (about 23 ms) so a short sound does not wait
    // out a long one; SDL converts to whatever the device needs.
    SDL_AudioSpec wanted = wave.spec;
    wanted.samples = wave.spec.freq <= 11025 ? 256 : 512;
    wanted.callback = nullptr;
    wanted.userdata = nullptr;
    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0) return;
    if (SDL_QueueAudio(device, wave.data, wave.length) != 0) {
        SDL_CloseAudioDevice(device);
        return;
    }
    const double bytesPerSecond = double(wave.spec.freq) * bytesPerFrame;
    const Seconds length(wave.length / bytesPerSecond);
    const Seconds buffer(double(obtained.samples > 0 ? obtained.samples : wanted.samples) / double(wave.spec.freq));
    const auto start = Clock::now();
    SDL_PauseAudioDevice(device, 0);

    // Wait for the queue to empty; a device that stops taking data does not
    // hold the game for more than a moment past the sound's length.
    const auto giveUp = start + length + std::chrono::seconds(2);
    while (Clock::now() < giveUp) {
        const Uint32 queued = SDL_GetQueuedAudioSize(device);
        if (queued == 0) break;
        const Seconds left(queued / bytesPerSecond);
        std::this_thread::sleep_for(std::clamp<Seconds>(left, Seconds(0.001), Seconds(0.010)));
    }
    // The last piece taken from the queue is still in the device's buffer:
    // wait it out, or the end of the sound is cut off.
    const auto emptied = Clock::now();
    std::this_thread::sleep_until(std::max(emptied, std::chrono::time_point_cast<Clock::duration>(start + length)) +
                                  std::chrono::duration_cast<Clock::duration>(2 * buffer));
    // Closed between sounds: an open device keeps its audio thread waking
    // even when nothing plays.
    SDL_CloseAudioDevice(device);
}

}  // namespace

void PlayWaveImage(const QByteArray& image) noexcept {
    Trap([&] { PlaySoundImage(image, SoundFlags::NoDefault | SoundFlags::Memory); });
}

void PlayWaveResource(const QString& strName, std::optional<quint32> flags) noexcept {
    Trap([&] {
        QByteArray sound = LoadResData(strName, QStringLiteral("WAVE"));
        // No flags: no substitute sound, the sound is in memory, and (without
        // the asynchronous flag) the call waits for the sound's end.
        quint32 playFlags = flags.value_or(SoundFlags::NoDefault | SoundFlags::Memory);
        if (!(playFlags & SoundFlags::Memory)) playFlags |= SoundFlags::Memory;
        PlaySoundImage(sound, playFlags);
        sound.clear();
    });
}

void WaveSoundPlayer::PlayWaveResource(const QString& name) { ::PlayWaveResource(name); }
