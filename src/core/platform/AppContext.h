#pragma once

#include "core/platform/Clock.h"
#include "core/platform/Config.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <typeindex>
#include <type_traits>
#include <unordered_map>
#include <vector>

class NotificationCenter;
class UserDefaults;
class QNetworkAccessManager;

/// Owns everything that would be a process-wide singleton: the configuration, the data
/// directory, the clock, the notification centre, the user defaults, the network access manager
/// and every service reached through a class operation (Socket::socket(), UserInfo::info(), ...).
///
/// Constructing a context makes it the current one until it is destroyed (contexts nest), so a
/// test builds a fresh context with a temporary data directory per case and nothing leaks.
class AppContext : public QObject
{
    Q_OBJECT
public:
    explicit AppContext(Config config, QObject *parent = nullptr);
    ~AppContext() override;

    /// The innermost live context. Creating the singletons needs one, so this never returns null:
    /// when no context exists a default one is made (and lives to the end of the process).
    static AppContext *current();
    static bool hasCurrent();

    const Config &config() const { return m_config; }
    Config &mutableConfig() { return m_config; }

    QString dataDir() const { return m_config.dataDir; }
    QString documentsDir() const;  ///< created on first use
    QString tempDir() const;       ///< created on first use
    QString preferencesDir() const;

    Clock &clock() { return m_clock; }
    NotificationCenter *notificationCenter();
    UserDefaults *userDefaults();
    QNetworkAccessManager *network();

    /// The context's instance of T, created on first use as T(AppContext&) when T has such a
    /// constructor; otherwise (ports, abstract types) whatever was installed, or null.
    /// Instances are destroyed in reverse order of creation when the context goes.
    template <class T>
    T *service()
    {
        const std::type_index key(typeid(T));
        if (auto it = m_services.find(key); it != m_services.end())
            return static_cast<T *>(it->second.ptr);
        if constexpr (std::is_constructible_v<T, AppContext &>) {
            auto owned = std::make_shared<T>(*this);
            T *raw = owned.get();
            install(key, raw, std::shared_ptr<void>(owned, raw));
            return raw;
        } else {
            return nullptr;
        }
    }

    /// Installs an instance (a fake in tests, a platform implementation in the app), replacing
    /// an earlier one. The context takes ownership.
    template <class T, class Impl>
    Impl *setService(std::unique_ptr<Impl> instance)
    {
        static_assert(std::is_base_of_v<T, Impl>);
        Impl *raw = instance.get();
        std::shared_ptr<Impl> owned(std::move(instance));
        install(std::type_index(typeid(T)), static_cast<T *>(raw),
                std::shared_ptr<void>(owned, static_cast<void *>(raw)));
        return raw;
    }

    template <class T>
    bool hasService() const
    {
        return m_services.count(std::type_index(typeid(T))) != 0;
    }

private:
    struct Slot
    {
        void *ptr = nullptr;
        std::shared_ptr<void> owner;
    };
    void install(std::type_index key, void *ptr, std::shared_ptr<void> owner);

    Config m_config;
    Clock m_clock;
    std::unique_ptr<NotificationCenter> m_notifications;
    std::unique_ptr<UserDefaults> m_defaults;
    QNetworkAccessManager *m_network = nullptr;
    std::unordered_map<std::type_index, Slot> m_services;
    std::vector<std::shared_ptr<void>> m_creationOrder;
    AppContext *m_previous = nullptr;
};
