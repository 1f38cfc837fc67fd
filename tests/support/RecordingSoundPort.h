#pragma once

#include "core/platform/SoundPort.h"

#include <QList>

/// A SoundPort that records the sound ids it was asked to play, in order.
class RecordingSoundPort : public SoundPort
{
public:
    void playSystemSound(int soundId) override { played.append(soundId); }

    QList<int> played;
};
