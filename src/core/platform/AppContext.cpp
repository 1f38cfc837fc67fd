#include "core/platform/AppContext.h"

#include "core/platform/NotificationCenter.h"
#include "core/platform/UserDefaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>

namespace {
AppContext *g_current = nullptr;

QString ensureDir(const QString &path)
{
    QDir().mkpath(path);
    return path;
}
} // namespace

AppContext::AppContext(Config config, QObject *parent) : QObject(parent), m_config(std::move(config))
{
    QDir().mkpath(m_config.dataDir);
    QFile::setPermissions(m_config.dataDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_previous = g_current;
    g_current = this;
}

AppContext::~AppContext()
{
    // Services go first, newest first, while the centre and defaults they use still exist.
    m_services.clear();
    while (!m_creationOrder.empty())
        m_creationOrder.pop_back();
    delete m_network;
    m_network = nullptr;
    m_defaults.reset();
    m_notifications.reset();
    if (g_current == this) {
        g_current = m_previous;
    } else {
        // Destroyed out of order: unlink from whichever context points at us.
        for (AppContext *c = g_current; c; c = c->m_previous) {
            if (c->m_previous == this) {
                c->m_previous = m_previous;
                break;
            }
        }
    }
}

AppContext *AppContext::current()
{
    if (!g_current) {
        // Tests set this: a case that forgot its TestContext would otherwise write into the
        // user's real data folder.
        if (qEnvironmentVariableIsSet("VELMORA_REQUIRE_CONTEXT"))
            qFatal("AppContext: used with no context; build a TestContext first");
        // Last resort for code run outside any context: a default one for the process.
        static AppContext *fallback = new AppContext(Config::defaults());
        return fallback;
    }
    return g_current;
}

bool AppContext::hasCurrent()
{
    return g_current != nullptr;
}

QString AppContext::documentsDir() const
{
    return ensureDir(m_config.dataDir + QStringLiteral("/Documents"));
}

QString AppContext::tempDir() const
{
    return ensureDir(m_config.dataDir + QStringLiteral("/tmp"));
}

QString AppContext::preferencesDir() const
{
    return m_config.dataDir + QStringLiteral("/Preferences");
}

NotificationCenter *AppContext::notificationCenter()
{
    if (!m_notifications)
        m_notifications = std::make_unique<NotificationCenter>();
    return m_notifications.get();
}

UserDefaults *AppContext::userDefaults()
{
    if (!m_defaults)
        m_defaults = std::make_unique<UserDefaults>(preferencesDir());
    return m_defaults.get();
}

QNetworkAccessManager *AppContext::network()
{
    if (!m_network)
        m_network = new QNetworkAccessManager();
    return m_network;
}

void AppContext::install(std::type_index key, void *ptr, std::shared_ptr<void> owner)
{
    m_services[key] = Slot{ptr, owner};
    m_creationOrder.push_back(std::move(owner));
}
