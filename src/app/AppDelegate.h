#pragma once

#include "app/MainTabBarControllerDelegate.h"
#include "core/platform/LocationPort.h"

#include <QObject>
#include <QPointer>
#include <QString>

class AppContext;
class MainTabBarController;

/// Where the platform hands control to the client: the launch sequence (tab shell, location
/// fix, crash hook and the report of the last crash) and the return to the foreground.
class AppDelegate : public QObject, public MainTabBarControllerDelegate
{
    Q_OBJECT
public:
    /// User-defaults key of the reason the last crash left, until it has been reported.
    static constexpr QLatin1String kCrashReasonKey{"iosyichang"};
    /// Service path of the crash report.
    static constexpr QLatin1String kCrashReportPath{"error/senderror"};

    explicit AppDelegate(AppContext &context);
    ~AppDelegate() override;

    /// The context's delegate.
    static AppDelegate *sharedDelegate();

    /// The launch sequence with rootViewController, the tab shell the window shows: takes the
    /// shell (and puts the unread badge on it), starts one location fix, installs the crash
    /// hook and reports the reason a crash left last time. Returns true.
    bool didFinishLaunchingWithOptions(MainTabBarController *rootViewController);
    /// Back in the foreground: reconnects the session channel unless it is connected.
    void applicationWillEnterForeground();
    /// The platform's application state: becoming active again after the first activation is
    /// the return to the foreground (the first one is the launch itself).
    void applicationStateChanged(Qt::ApplicationState state);
    /// The places the launch's location fix resolved to: city and province go into the user
    /// record.
    void locationManagerDidUpdateLocations(const LocationPort::Places &places);

    MainTabBarController *tabbarController() const { return m_tabbarController; }
    /// Where the crash hook writes while the process dies (moved into the defaults at launch).
    QString crashReasonFile() const;

signals:
    /// The crash report's exchange ended: delivered (the stored reason is gone) or not (kept).
    void crashReportFinished(bool delivered);

private:
    void installUncaughtExceptionHandler();
    void sendCrashReport(const QString &reason);

    AppContext &m_context;
    QPointer<MainTabBarController> m_tabbarController;
    Qt::ApplicationState m_state = Qt::ApplicationInactive;
    bool m_wasActive = false;
};
