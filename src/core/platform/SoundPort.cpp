#include "core/platform/SoundPort.h"

#include "core/platform/AppContext.h"
#include "core/platform/Logging.h"

#include <QDebug>

void SoundPort::playSystemSound(int soundId)
{
    qCInfo(lcApp).noquote() << (soundId == kVibrate ? QStringLiteral("vibrate") : QStringLiteral("system sound %1").arg(soundId));
}

SoundPort *SoundPort::port()
{
    return AppContext::current()->service<SoundPort>();
}
