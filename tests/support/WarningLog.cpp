#include "WarningLog.h"

namespace {
QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
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
