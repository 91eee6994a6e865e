#pragma once
// The services a benchmark gives the game when only the game's own work is
// measured: pauses that take no time and sounds that are skipped.

#include "Services.h"

class NoPause final : public IPauseClock {
public:
    void Pause(double) override {}
};

class NoSound final : public ISoundPlayer {
public:
    void PlayWaveResource(const QString&) override {}
};
