#include "core/platform/UserDefaults.h"

#include "core/platform/AppContext.h"
#include "core/util/Value.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTimer>

UserDefaults::UserDefaults(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder)
{
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString path = QDir(folder).filePath(QStringLiteral("velmora.ini"));
    if (!QFile::exists(path)) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.close();
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

UserDefaults::~UserDefaults()
{
    synchronize();
}

UserDefaults *UserDefaults::standardUserDefaults()
{
    return AppContext::current()->userDefaults();
}

// QSettings gives '/' and '\\' a meaning of their own; keep every key a flat, verbatim name.
QString UserDefaults::encodeKey(const QString &key)
{
    QString k = key;
    k.replace(u'%', QStringLiteral("%25"));
    k.replace(u'/', QStringLiteral("%2F"));
    k.replace(u'\\', QStringLiteral("%5C"));
    return QStringLiteral("defaults/") + k;
}

QVariant UserDefaults::objectForKey(const QString &key) const
{
    return m_settings->value(encodeKey(key));
}

QString UserDefaults::stringForKey(const QString &key) const
{
    const QVariant v = objectForKey(key);
    if (!v.isValid())
        return {};
    return Value::text(v);
}

int UserDefaults::integerForKey(const QString &key) const
{
    return Value::intValue(objectForKey(key));
}

bool UserDefaults::boolForKey(const QString &key) const
{
    return Value::boolValue(objectForKey(key));
}

bool UserDefaults::contains(const QString &key) const
{
    return m_settings->contains(encodeKey(key));
}

void UserDefaults::setObject(const QVariant &value, const QString &key)
{
    if (!value.isValid()) {
        removeObjectForKey(key);
        return;
    }
    const QString k = encodeKey(key);
    if (m_settings->contains(k) && m_settings->value(k) == value)
        return;
    m_settings->setValue(k, value);
    scheduleFlush();
}

void UserDefaults::removeObjectForKey(const QString &key)
{
    const QString k = encodeKey(key);
    if (!m_settings->contains(k))
        return;
    m_settings->remove(k);
    scheduleFlush();
}

// Writes are visible at once to every reader of this store; the file follows at the next turn
// of the event loop, so a burst of writes (a whole user record) costs one file replacement
// instead of one synced rewrite per field.
void UserDefaults::scheduleFlush()
{
    if (m_flushPending)
        return;
    m_flushPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_flushPending)
            synchronize();
    });
}

void UserDefaults::synchronize()
{
    if (!m_settings)
        return;
    m_flushPending = false;
    m_settings->sync();
    tighten();
}

void UserDefaults::tighten()
{
    QFile::setPermissions(m_settings->fileName(), QFile::ReadOwner | QFile::WriteOwner);
}

QString UserDefaults::filePath() const
{
    return m_settings->fileName();
}
