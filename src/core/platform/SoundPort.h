#pragma once

class AppContext;

/// The platform's system sounds, by the phone's sound ids. The app shell may install a port that
/// plays them; the default one (desktops have neither the phone's sounds nor a vibration motor)
/// writes each request to the log so that a run can still be followed.
class SoundPort
{
public:
    /// The new-message tone.
    static constexpr int kMessageSound = 1109;
    /// The id that makes the phone vibrate instead of playing a tone.
    static constexpr int kVibrate = 4095;

    SoundPort() = default;
    explicit SoundPort(AppContext &) {}
    virtual ~SoundPort() = default;

    virtual void playSystemSound(int soundId);

    /// The context's port (the logging default when none was installed).
    static SoundPort *port();
};
