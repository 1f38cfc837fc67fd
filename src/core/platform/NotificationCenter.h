#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <functional>

/// A posted notification: its name, the object it was posted with and its user info.
struct Notification
{
    QString name;
    QVariant object;
    QVariantMap userInfo;
};

/// Synchronous notifications by name. Observers are QObjects; a destroyed observer is removed
/// automatically, so a screen never receives a notification after it is gone.
class NotificationCenter : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(const Notification &)>;

    explicit NotificationCenter(QObject *parent = nullptr);

    /// The context's centre.
    static NotificationCenter *defaultCenter();

    /// Calls handler for every post of name (empty name: every post) while observer lives.
    void addObserver(QObject *observer, const QString &name, Handler handler);
    /// Removes observer's registrations for name, or all of them when name is empty.
    void removeObserver(QObject *observer, const QString &name = {});

    /// Delivers to the observers registered at the time of the post, in registration order.
    void postNotification(const QString &name, const QVariant &object = {},
                          const QVariantMap &userInfo = {});

    int observerCount(const QString &name) const;

private:
    struct Entry
    {
        quint64 id;
        QPointer<QObject> observer;
        QString name;
        Handler handler;
    };
    void forget(QObject *observer);

    QList<Entry> m_entries;
    quint64 m_nextId = 1;
};
