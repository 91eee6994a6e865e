#pragma once
// Sound: plays a "WAVE" resource from its RIFF image, to its end.

#include "Services.h"  // ISoundPlayer

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// Playback flags as the sound routine has always taken them.
namespace SoundFlags {
inline constexpr quint32 Async = 0x0001;      // never honoured: playing is always synchronous
inline constexpr quint32 NoDefault = 0x0002;  // no substitute sound when a sound cannot be played
inline constexpr quint32 Memory = 0x0004;     // the sound is an image in memory
}  // namespace SoundFlags

// Loads the "WAVE" resource strName and plays it; returns when it has been
// played to its end. A missing resource is reported with the error report;
// a sound the machine cannot play (no device, bad data) is skipped silently.
// Callers test the sound switch before calling.
void PlayWaveResource(const QString& strName, std::optional<quint32> flags = std::nullopt) noexcept;

// Plays a RIFF WAVE image held in memory, to its end; what cannot be played
// (no device, bad or empty data) is skipped silently. PlayWaveResource plays
// its resource through this.
void PlayWaveImage(const QByteArray& image) noexcept;

// Closes the sound devices that stay open while sounds follow each other.
// They close by themselves once the game has been quiet for a second (when
// an event loop runs) and when the application ends.
void CloseSoundDevices() noexcept;

// The real player: PlayWaveResource above.
class WaveSoundPlayer final : public ISoundPlayer {
public:
    void PlayWaveResource(const QString& name) override;  // defined beside PlayWaveResource
};
