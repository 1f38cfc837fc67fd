#include "core/platform/NotificationCenter.h"

#include "core/platform/AppContext.h"

NotificationCenter::NotificationCenter(QObject *parent) : QObject(parent) {}

NotificationCenter *NotificationCenter::defaultCenter()
{
    return AppContext::current()->notificationCenter();
}

void NotificationCenter::addObserver(QObject *observer, const QString &name, Handler handler)
{
    if (!observer || !handler)
        return;
    const bool known = std::any_of(m_entries.cbegin(), m_entries.cend(),
                                   [&](const Entry &e) { return e.observer == observer; });
    m_entries.append(Entry{m_nextId++, observer, name, std::move(handler)});
    if (!known)
        connect(observer, &QObject::destroyed, this, [this, observer] { forget(observer); });
}

void NotificationCenter::removeObserver(QObject *observer, const QString &name)
{
    m_entries.removeIf([&](const Entry &e) {
        return e.observer.isNull() || (e.observer == observer && (name.isEmpty() || e.name == name));
    });
}

void NotificationCenter::forget(QObject *observer)
{
    m_entries.removeIf([&](const Entry &e) { return e.observer.isNull() || e.observer == observer; });
}

void NotificationCenter::postNotification(const QString &name, const QVariant &object,
                                          const QVariantMap &userInfo)
{
    const Notification note{name, object, userInfo};
    QList<quint64> ids;
    for (const Entry &e : std::as_const(m_entries)) {
        if (e.name.isEmpty() || e.name == name)
            ids.append(e.id);
    }
    // An observer may remove itself or others while handling: look each one up again.
    for (const quint64 id : std::as_const(ids)) {
        auto it = std::find_if(m_entries.begin(), m_entries.end(), [id](const Entry &e) { return e.id == id; });
        if (it == m_entries.end() || it->observer.isNull())
            continue;
        const Handler handler = it->handler;
        handler(note);
    }
}

int NotificationCenter::observerCount(const QString &name) const
{
    return int(std::count_if(m_entries.cbegin(), m_entries.cend(), [&](const Entry &e) {
        return !e.observer.isNull() && (name.isEmpty() || e.name == name);
    }));
}
