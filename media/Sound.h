#pragma once
// Sound through SDL, opened at the first sound.

#include "Services.h"  // ISoundPlayer

#include <QByteArray>
#include <QString>
#include <QtGlobal>


// The real sound player: plays a "WAVE" resource from its RIFF image, to
// its end. Sound is always synchronous and there is never a substitute sound.
class SoundPlayer final : public ISoundPlayer {
public:
    // Loads the "WAVE" resource name and plays it; returns when it has been
    // played to its end. A missing resource is reported with the error report;
    // a sound the machine cannot play (no device, bad data) is skipped silently.
    void PlayWaveResource(const QString& name) noexcept override;

    // Plays a RIFF WAVE image held in memory, to its end; what cannot be played
    // (no device, bad or empty data) is skipped silently.
    static void PlayImage(const QByteArray& image) noexcept;
};

// Closes the sound devices that stay open while sounds follow each other.
// They close by themselves once the game has been quiet for a second (when
// an event loop runs) and when the application ends.
void CloseSoundDevices() noexcept;
