#include "ui/Frontend.h"

#include "app/Alerts.h"
#include "app/MainTabBarController.h"
#include "app/WindowAlertPort.h"
#include "ui/DesktopUrlOpener.h"
#include "ui/FileImagePickerPort.h"
#include "core/platform/AppContext.h"
#include "ui/QtTextMetrics.h"

#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QScreen>
#include <cmath>

Frontend::Frontend(AppContext &context, MainTabBarController *shell, QObject *parent)
    : QObject(parent), m_context(context), m_shell(shell), m_engine(std::make_unique<QQmlApplicationEngine>())
{
    // The module is linked in statically: its qmldir lives in the resources.
    m_engine->addImportPath(QStringLiteral("qrc:/"));
}

Frontend::~Frontend() = default;

void Frontend::prepareProcess()
{
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

void Frontend::prepareApplication()
{
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QGuiApplication::setFont(systemFont());
}

QFont Frontend::systemFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei")});
    return font;
}

double Frontend::desktopScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const double fit = screen->availableGeometry().height() * 0.9 / 568.0;
    return std::clamp(std::floor(fit * 4) / 4, 1.0, 2.0);
}

void Frontend::installPorts(AppContext &context)
{
    context.setService<TextMetrics>(std::make_unique<QtTextMetrics>());
    WindowAlertPort::install(context);
    context.setService<UrlOpener>(std::make_unique<DesktopUrlOpener>());
    context.setService<ImagePickerPort>(std::make_unique<FileImagePickerPort>());
}

bool Frontend::load(double scale)
{
    m_engine->setInitialProperties({
        {QStringLiteral("shell"), QVariant::fromValue<QObject *>(m_shell)},
        {QStringLiteral("alerts"), QVariant::fromValue<QObject *>(m_context.service<Alerts>())},
        {QStringLiteral("scaleFactor"), scale},
    });
    m_engine->load(QUrl(QStringLiteral("qrc:/Velmora/Main.qml")));
    return window() != nullptr;
}

QQuickWindow *Frontend::window() const
{
    const auto roots = m_engine->rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
}

bool Frontend::saveScreenshot(const QString &file) const
{
    QQuickWindow *w = window();
    if (!w)
        return false;
    const QImage image = w->grabWindow();
    return !image.isNull() && image.save(file, "PNG");
}
