#include "Sound.h"

#include "ErrorTrap.h"
#include "LibrarySymbol.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QtEndian>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// SDL and its many libraries (sound servers, codecs, display back ends) are
// opened at the first sound rather than linked: a game that starts with
// sounds off, or plays none for a while, starts without them. When SDL
// cannot be opened every sound is skipped, as on a machine with no device.
struct SdlApi {
    decltype(&::SDL_SetHint) SetHint = nullptr;
    decltype(&::SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&::SDL_LogSetOutputFunction) LogSetOutputFunction = nullptr;
    decltype(&::SDL_RWFromConstMem) RWFromConstMem = nullptr;
    decltype(&::SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&::SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&::SDL_BuildAudioCVT) BuildAudioCVT = nullptr;
    decltype(&::SDL_ConvertAudio) ConvertAudio = nullptr;
    decltype(&::SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&::SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&::SDL_QueueAudio) QueueAudio = nullptr;
    decltype(&::SDL_GetQueuedAudioSize) GetQueuedAudioSize = nullptr;
    decltype(&::SDL_GetAudioDeviceStatus) GetAudioDeviceStatus = nullptr;
    decltype(&::SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    int (*AlsaSetErrorHandler)(AlsaErrorHandler) = nullptr;  // snd_lib_error_set_handler
    bool loaded = false;
};

const SdlApi& Sdl() {
    static const SdlApi api = [] {
        SdlApi a;
        void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!sdl) return a;
        a.loaded = ResolveSymbol(sdl, a.SetHint, "SDL_SetHint") && ResolveSymbol(sdl, a.InitSubSystem, "SDL_InitSubSystem") &&
                   ResolveSymbol(sdl, a.LogSetOutputFunction, "SDL_LogSetOutputFunction") &&
                   ResolveSymbol(sdl, a.RWFromConstMem, "SDL_RWFromConstMem") &&
                   ResolveSymbol(sdl, a.LoadWAV_RW, "SDL_LoadWAV_RW") && ResolveSymbol(sdl, a.FreeWAV, "SDL_FreeWAV") &&
                   ResolveSymbol(sdl, a.BuildAudioCVT, "SDL_BuildAudioCVT") &&
                   ResolveSymbol(sdl, a.ConvertAudio, "SDL_ConvertAudio") &&
                   ResolveSymbol(sdl, a.OpenAudioDevice, "SDL_OpenAudioDevice") &&
                   ResolveSymbol(sdl, a.PauseAudioDevice, "SDL_PauseAudioDevice") &&
                   ResolveSymbol(sdl, a.QueueAudio, "SDL_QueueAudio") &&
                   ResolveSymbol(sdl, a.GetQueuedAudioSize, "SDL_GetQueuedAudioSize") &&
                   ResolveSymbol(sdl, a.GetAudioDeviceStatus, "SDL_GetAudioDeviceStatus") &&
                   ResolveSymbol(sdl, a.CloseAudioDevice, "SDL_CloseAudioDevice");
        // SDL brings ALSA in with it; this reaches the same library.
        if (void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL)) {
            ResolveSymbol(alsa, a.AlsaSetErrorHandler, "snd_lib_error_set_handler");
        }
        return a;
    }();
    return api;
}

// ALSA reports a missing device or sound server with lines on stderr; the
// game says nothing when it cannot play a sound.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}
void QuietSdl(void*, int, SDL_LogPriority, const char*) {}

// Starts SDL's audio once per run. Returns false when there is no usable
// audio driver at all; then every sound is skipped at once.
bool AudioReady() {
    static const bool ready = [] {
        const SdlApi& sdl = Sdl();
        if (!sdl.loaded) return false;
        if (sdl.AlsaSetErrorHandler) sdl.AlsaSetErrorHandler(&QuietAlsa);
        sdl.LogSetOutputFunction(&QuietSdl, nullptr);
        // Without this SDL takes over SIGINT and SIGTERM, and Ctrl+C would
        // no longer end the game.
        sdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        return sdl.InitSubSystem(SDL_INIT_AUDIO) == 0;
    }();
    return ready;
}

struct WaveBuffer {
    Uint8* data = nullptr;
    Uint32 length = 0;
    SDL_AudioSpec spec{};
    ~WaveBuffer() {
        if (data) Sdl().FreeWAV(data);
    }
};

// One output device, opened at the first sound and kept open while sounds
// follow each other (a flip, then a zap), so a sound starts at once and its
// tail plays on after the call returns. Every sound is converted to the
// device's one format, so no sound has to wait for a device to reopen. The
// device is closed once the game has been quiet for a moment: an open
// device keeps its audio thread waking.
constexpr int OutputRate = 22050;
constexpr SDL_AudioFormat OutputFormat = AUDIO_S16SYS;
constexpr Uint8 OutputChannels = 1;
constexpr Uint16 OutputSamples = 512;  // about 23 ms
constexpr int QuietMilliseconds = 1000;

SDL_AudioDeviceID& Device() {
    static SDL_AudioDeviceID device = 0;
    return device;
}

void CloseWhenQuiet() {
    if (!QCoreApplication::instance()) return;
    static QPointer<QTimer> timer;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, [] { CloseSoundDevices(); });
        qAddPostRoutine([] { CloseSoundDevices(); });
    }
    timer->start(QuietMilliseconds);
}

SDL_AudioDeviceID OpenDevice() {
    if (Device() != 0) return Device();
    SDL_AudioSpec wanted{};
    wanted.freq = OutputRate;
    wanted.format = OutputFormat;
    wanted.channels = OutputChannels;
    wanted.samples = OutputSamples;
    // SDL converts further to whatever the hardware needs.
    Device() = Sdl().OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (Device() != 0) Sdl().PauseAudioDevice(Device(), 0);
    return Device();
}

// The wave in the device's format; false when it cannot be converted.
bool ConvertForDevice(const WaveBuffer& wave, std::vector<Uint8>& out) {
    SDL_AudioCVT cvt;
    const int built = Sdl().BuildAudioCVT(&cvt, wave.spec.format, wave.spec.channels, wave.spec.freq, OutputFormat,
                                        OutputChannels, OutputRate);
    if (built < 0) return false;
    out.assign(wave.data, wave.data + wave.length);
    if (built == 0) return true;
    cvt.len = int(wave.length);
    out.resize(std::size_t(cvt.len) * std::size_t(std::max(cvt.len_mult, 1)));
    cvt.buf = out.data();
    if (Sdl().ConvertAudio(&cvt) != 0) return false;
    out.resize(std::size_t(cvt.len_cvt));
    return true;
}

// A data chunk that claims more bytes than the image holds is cut to what
// is there, so a damaged sound never makes the loader reserve gigabytes.
QByteArray WithHonestDataSize(const QByteArray& image) {
    QByteArray fixed = image;
    qsizetype at = 12;  // past "RIFF", the size and "WAVE"
    while (at + 8 <= fixed.size()) {
        const quint32 size = qFromLittleEndian<quint32>(fixed.constData() + at + 4);
        const qsizetype available = fixed.size() - (at + 8);
        if (fixed.mid(at, 4) == "data") {
            if (qsizetype(size) > available) qToLittleEndian<quint32>(quint32(available), fixed.data() + at + 4);
            break;
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    return fixed;
}

// Plays a RIFF WAVE image to its end and returns then. What cannot be
// played (no driver, no device, bad or empty data) is skipped silently;
// there is never a substitute sound.
void PlaySoundImage(const QByteArray& image) {
    if (image.isEmpty() || !AudioReady()) return;
    WaveBuffer wave;
    const QByteArray checked = WithHonestDataSize(image);
    SDL_RWops* source = Sdl().RWFromConstMem(checked.constData(), int(checked.size()));
    if (!source || !Sdl().LoadWAV_RW(source, 1, &wave.spec, &wave.data, &wave.length)) return;
    std::vector<Uint8> samples;
    if (wave.length == 0 || !ConvertForDevice(wave, samples) || samples.empty()) return;

    const SDL_AudioDeviceID id = OpenDevice();
    if (id == 0) return;
    constexpr double bytesPerSecond = double(OutputRate) * OutputChannels * (SDL_AUDIO_BITSIZE(OutputFormat) / 8);
    const Seconds length(double(samples.size()) / bytesPerSecond);
    const Seconds buffer(double(OutputSamples) / OutputRate);
    const auto start = Clock::now();
    if (Sdl().QueueAudio(id, samples.data(), Uint32(samples.size())) != 0) {
        CloseSoundDevices();
        return;
    }
    CloseWhenQuiet();

    // Wait for the queue to empty; a device that stops taking data does not
    // hold the game for more than a moment past the sound's length.
    const auto giveUp = start + length + std::chrono::seconds(2);
    while (Clock::now() < giveUp) {
        const Uint32 queued = Sdl().GetQueuedAudioSize(id);
        if (queued == 0) break;
        const Seconds left(queued / bytesPerSecond);
        std::this_thread::sleep_for(std::clamp<Seconds>(left, Seconds(0.001), Seconds(0.010)));
    }
    // The last piece taken from the queue is in the device's buffer now: wait
    // it out, so that the call ends with the sound; the device stays open, so
    // nothing is cut off.
    const auto end = std::max(Clock::now() + std::chrono::duration_cast<Clock::duration>(buffer),
                              start + std::chrono::duration_cast<Clock::duration>(length));
    std::this_thread::sleep_until(end);
    if (Sdl().GetAudioDeviceStatus(id) != SDL_AUDIO_PLAYING) CloseSoundDevices();
}

}  // namespace

void CloseSoundDevices() noexcept {
    if (Device() != 0) Sdl().CloseAudioDevice(Device());
    Device() = 0;
}

void SoundPlayer::PlayImage(const QByteArray& image) noexcept {
    Trap([&] { PlaySoundImage(image); });
}

void SoundPlayer::PlayWaveResource(const QString& name) noexcept {
    Trap([&] { PlayImage(LoadResData(name, QStringLiteral("WAVE"))); });
}
