#include "NotificationRecorder.h"

#include "core/platform/NotificationCenter.h"

NotificationRecorder::NotificationRecorder(NotificationCenter *center, const QStringList &skipped)
{
    center->addObserver(this, QString(), [this, skipped](const Notification &n) {
        if (!skipped.contains(n.name))
            names.append(n.name);
    });
}

QStringList NotificationRecorder::take()
{
    return std::exchange(names, {});
}
