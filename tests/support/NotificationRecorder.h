#pragma once

#include <QObject>
#include <QStringList>

class NotificationCenter;

/// Records every notification posted on a centre, in delivery order, as its name (or, with
/// objects, as "name=object text" when it carries one), except the names it is told to skip
/// (typically the ones the test posts itself: an observer registered before the recorder sees
/// them first, so what it posts in response is recorded before them).
class NotificationRecorder : public QObject
{
    Q_OBJECT
public:
    explicit NotificationRecorder(NotificationCenter *center, const QStringList &skipped = {}, bool objects = false);

    /// The names posted since the last call.
    QStringList take();
    /// Posts of that name recorded so far.
    int count(const QString &name) const;

    QStringList names;
};
