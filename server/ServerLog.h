#pragma once

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcServer)

/// The service's log: one line per event on standard error. Values in a line may come from a
/// client, so every control character is written as an escape and no client can start a line
/// of its own (a forged "verification code for …" line, say).
namespace ServerLog {
/// Installs the handler that writes escaped lines.
void install();
/// `text` with control characters as \n, \r, \t or \xNN escapes and backslashes doubled.
QString escaped(const QString &text);
} // namespace ServerLog
