#include "app/AppDelegate.h"

#include "app/MainTabBarController.h"
#include "app/MessagesTabBadge.h"
#include "core/api/FormEnvelope.h"
#include "core/api/ServiceToken.h"
#include "core/platform/AppContext.h"
#include "core/platform/BadgePort.h"
#include "core/platform/CrashRecorder.h"
#include "core/platform/UserDefaults.h"
#include "core/session/ChatManager.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/platform/Logging.h"

#include <QDebug>
#include <QTcpSocket>   // the channel's inline asyncSocket() needs the complete type

AppDelegate::AppDelegate(AppContext &context) : m_context(context) {}

AppDelegate::~AppDelegate() = default;

AppDelegate *AppDelegate::sharedDelegate()
{
    return AppContext::current()->service<AppDelegate>();
}

QString AppDelegate::crashReasonFile() const
{
    return m_context.dataDir() + QStringLiteral("/crash-reason");
}

bool AppDelegate::didFinishLaunchingWithOptions(MainTabBarController *rootViewController)
{
    m_tabbarController = rootViewController;
    if (rootViewController) {
        rootViewController->setDelegate(this);
        m_context.setService<BadgePort>(std::make_unique<MessagesTabBadge>(rootViewController));
        // A shell whose view loaded already has its chat manager: show its total now.
        if (m_context.hasService<ChatManager>())
            m_context.service<ChatManager>()->updateBadgeValue();
    }

    m_context.service<LocationPort>()->startUpdatingLocation(
        this, [this](const LocationPort::Places &places) { locationManagerDidUpdateLocations(places); });

    installUncaughtExceptionHandler();

    const QString reason = m_context.userDefaults()->stringForKey(kCrashReasonKey);
    if (!reason.isNull())
        sendCrashReport(reason);
    return true;
}

void AppDelegate::installUncaughtExceptionHandler()
{
    // What the hook wrote while the last run died becomes the stored reason now, replacing one
    // that was never delivered: the newest crash is the one worth reporting.
    // The defaults are on disk before installing empties the file, so no crash in between
    // loses the reason.
    const QString path = crashReasonFile();
    const QString pending = CrashRecorder::pendingReason(path);
    if (!pending.isNull()) {
        m_context.userDefaults()->setObject(pending, kCrashReasonKey);
        m_context.userDefaults()->synchronize();
    }
    if (!CrashRecorder::install(path))
        qCWarning(lcApp).noquote() << "crash hook: cannot open" << path;
}

void AppDelegate::sendCrashReport(const QString &reason)
{
    const JsonMembers info{
        {QStringLiteral("errorMsg"), reason},
        {QStringLiteral("sdk_version"), QStringLiteral("7.1")},
        {QStringLiteral("model"), QStringLiteral("iOS")},
        {QStringLiteral("os_version"), QStringLiteral("0")},
        {QStringLiteral("phonenumber"), QStringLiteral("0")},
        {QStringLiteral("validmemorysize"), QStringLiteral("0")},
    };
    FormEnvelope::post(FormEnvelope::serviceUrl(kCrashReportPath), info, ServiceToken::kReport, this,
                       [this](const FormEnvelope::Reply &reply) {
                           // Any answer counts as delivered; only a failed exchange keeps the
                           // reason for the next launch.
                           if (!reply.failed)
                               m_context.userDefaults()->removeObjectForKey(kCrashReasonKey);
                           emit crashReportFinished(!reply.failed);
                       });
}

void AppDelegate::applicationWillEnterForeground()
{
    Socket *socket = m_context.service<Socket>();
    if (!socket->isConnected())
        socket->reConnect();
}

void AppDelegate::applicationStateChanged(Qt::ApplicationState state)
{
    const bool returning = state == Qt::ApplicationActive && m_state != Qt::ApplicationActive && m_wasActive;
    m_state = state;
    if (state == Qt::ApplicationActive)
        m_wasActive = true;
    if (returning)
        applicationWillEnterForeground();
}

void AppDelegate::locationManagerDidUpdateLocations(const LocationPort::Places &places)
{
    UserInfo *user = m_context.service<UserInfo>();
    for (const QVariantMap &place : places) {
        // A place without a component leaves the value the record has.
        if (place.contains(QStringLiteral("City")))
            user->setOnCity(place.value(QStringLiteral("City")).toString());
        if (place.contains(QStringLiteral("State")))
            user->setOnProvince(place.value(QStringLiteral("State")).toString());
    }
}
