#pragma once

#include <QString>

/// Records why the process died, for the crash report of the next launch.
///
/// The hooks run while the process is failing: an uncaught exception (the std::terminate
/// handler) may be on any thread, and a fatal signal (SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL)
/// allows only async-signal-safe calls. So neither touches the user defaults: each writes the
/// reason with write(2) into a file opened beforehand, and the next launch moves it into the
/// defaults (`pendingReason`, stored, then `install` empties the file). Only the first reason of
/// a dying process is kept.
class CrashRecorder
{
public:
    /// The reason a previous run recorded at path, or null when there is none. Read it (and
    /// store it safely) before `install`, which empties the file.
    static QString pendingReason(const QString &path);
    /// Opens (and empties) the reason file at path and arms both hooks. Installing again (a
    /// new context in the same process) moves the hooks to the new file. False when the file
    /// cannot be opened; the hooks then record nothing.
    static bool install(const QString &path);

    /// What the signal hook records for a fatal signal.
    static const char *signalReason(int signal);
};
