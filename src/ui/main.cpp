#include "app/AppDelegate.h"
#include "app/MainTabBarController.h"
#include "core/platform/AppContext.h"
#include "screens/MainInterface.h"
#include "ui/Frontend.h"
#include "ui/PositioningLocationPort.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <algorithm>
#include <memory>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

int main(int argc, char *argv[])
{
    Frontend::prepareProcess();
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("velmora"));
    Frontend::prepareApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Velmora, the steel spot market client"));
    parser.addHelpOption();
    Config::addOptions(parser);
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window, save it as a PNG and exit."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    const QCommandLineOption screenshotDelay(
        QStringLiteral("screenshot-delay"),
        QStringLiteral("With --screenshot: grab this many milliseconds after the first frame, once the first answers are in."),
        QStringLiteral("ms"), QStringLiteral("0"));
    parser.addOption(screenshotDelay);
    parser.process(app);

    AppContext context(Config::fromParser(parser));
    Frontend::installPorts(context);
    auto location = std::make_unique<PositioningLocationPort>(/*held*/ true);
    PositioningLocationPort *locationPort = location.get();
    context.setService<LocationPort>(std::move(location));
    std::unique_ptr<MainTabBarController> shell(MainInterface::instantiateMainTabBarController());
    AppDelegate *delegate = context.service<AppDelegate>();
    delegate->didFinishLaunchingWithOptions(shell.get());
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, delegate, &AppDelegate::applicationStateChanged);
    shell->loadViewIfNeeded();

    Frontend frontend(context, shell.get());
    const bool shooting = parser.isSet(screenshot);
    if (!frontend.load(shooting ? 1.0 : Frontend::desktopScale()))
        return 1;

    if (shooting) {
        // Once the first frame is out every page pushed at start is laid out; grab right after it
        // (start-up is timed that way), or later for a picture of the home page with its data.
        const QString file = parser.value(screenshot);
        const int delayMs = std::max(0, parser.value(screenshotDelay).toInt());
        QObject::connect(
            frontend.window(), &QQuickWindow::frameSwapped, &app,
            [&frontend, file, delayMs] {
                QTimer::singleShot(delayMs, &frontend,
                                   [&frontend, file] { QCoreApplication::exit(frontend.saveScreenshot(file) ? 0 : 1); });
            },
            Qt::SingleShotConnection);
    } else {
        // A screenshot ends with its frame; a window looks for its location right after its first.
        QObject::connect(frontend.window(), &QQuickWindow::frameSwapped, locationPort, &PositioningLocationPort::release,
                         static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    return app.exec();
}
