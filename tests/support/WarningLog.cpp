#include "WarningLog.h"

namespace {
QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

// Qt's shared animation timer stops its driver directly when the only animations left are
// pauses (a QML Timer, or the pause before a scroll indicator fades out). If the last other
// animation ended just before, its queued stop request then finds the driver stopped, says so
// and does nothing. Whether the two meet in one pass of the event loop depends only on timing,
// so this one message, exactly, says nothing about the page under test.
bool isTimingNoise(QtMsgType type, const QString &message)
{
    return type == QtWarningMsg
           && message == QLatin1StringView("QUnifiedTimer::stopAnimationDriver: driver is not running");
}

void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !isTimingNoise(type, message))
        g_warnings.append(message);
    if (g_previous)
        g_previous(type, context, message);
}
} // namespace

void WarningLog::install()
{
    g_previous = qInstallMessageHandler(record);
}

void WarningLog::clear()
{
    g_warnings.clear();
}

QString WarningLog::text()
{
    return g_warnings.join(u'\n');
}

bool WarningLog::isEmpty()
{
    return g_warnings.isEmpty();
}
