#pragma once

#include <QStringList>

/// The warnings a window test provoked: a page that binds a missing property or fails to load
/// only warns, so the window tests fail on any warning instead.
namespace WarningLog {
/// Starts recording every message above info level; earlier handlers still see them.
void install();
void clear();
/// The recorded warnings, one per line; empty when there were none.
QString text();
bool isEmpty();
} // namespace WarningLog
