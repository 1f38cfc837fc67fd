#pragma once

#include <QObject>
#include <QStringList>

class NotificationCenter;

/// Records the name of every notification posted on a centre, in delivery order, except the
/// names it is told to skip (typically the ones the test posts itself: an observer registered
/// before the recorder sees them first, so what it posts in response is recorded before them).
class NotificationRecorder : public QObject
{
    Q_OBJECT
public:
    explicit NotificationRecorder(NotificationCenter *center, const QStringList &skipped = {});

    /// The names posted since the last call.
    QStringList take();

    QStringList names;
};
