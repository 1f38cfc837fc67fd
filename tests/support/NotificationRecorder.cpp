#include "NotificationRecorder.h"

#include "core/platform/NotificationCenter.h"
#include "core/util/Value.h"

NotificationRecorder::NotificationRecorder(NotificationCenter *center, const QStringList &skipped, bool objects)
{
    center->addObserver(this, QString(), [this, skipped, objects](const Notification &n) {
        if (!skipped.contains(n.name))
            names.append(!objects || Value::isNone(n.object) ? n.name : n.name + u'=' + Value::text(n.object));
    });
}

QStringList NotificationRecorder::take()
{
    return std::exchange(names, {});
}

int NotificationRecorder::count(const QString &name) const
{
    return int(std::count_if(names.cbegin(), names.cend(), [&](const QString &p) { return p == name || p.startsWith(name + u'='); }));
}
