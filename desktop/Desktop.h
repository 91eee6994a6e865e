#pragma once
// What the desktop asks of a running program: its windows sized as a
// compositor gives them, the signals and the session end that close it.

#include "Services.h"

#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace Desktop {
// Lets the desktop session's request to save the program's data run save,
// with any failure said once on stderr, for as long as owner lives.
void SaveAtSessionEnd(QObject& owner, std::function<void()> save);

// On a Wayland compositor: lets every top-level window take the size of a
// maximised or full-screen state it is given, showing its fixed content at
// the top left on its own background, and gives it back its fixed size
// when it returns to the normal state. Returns the watcher (owned by the
// application); nullptr on any other platform, where nothing is needed.
QObject* WatchCompositorSizes();

// Catches SIGTERM, SIGHUP and SIGINT from now on; what they do waits for
// CloseOnEndSignals. The same signal twice, or a second one more than 2
// seconds after the first, ends the program at once. False when they
// could not be caught.
bool TakeEndSignals();

// SIGTERM, SIGHUP and SIGINT (taken before too) close `window` as its close
// box does, once the program is back in its event loop; from then on pauses
// are not waited for, no new sound starts, and a failed save is said once on
// stderr instead of in a box. Returns false when the signals could not be
// caught (they then end the program as before).
bool CloseOnEndSignals(QWidget& window);

// Whether one of those signals has arrived.
bool EndSignalReceived();

// Once an ending signal has come, an animation runs to its end without
// waiting...
class PauseUntilEnding final : public IPauseClock {
public:
    explicit PauseUntilEnding(IPauseClock& clock) : m_clock(clock) {}
    void Pause(double seconds) override;

private:
    IPauseClock& m_clock;
};

// ...and no sound starts, the farewell included; a sound already playing ends.
class SoundUntilEnding final : public ISoundPlayer {
public:
    explicit SoundUntilEnding(ISoundPlayer& player) : m_player(player) {}
    void PlayWaveResource(const QString& name) override;

private:
    ISoundPlayer& m_player;
};
}  // namespace Desktop
