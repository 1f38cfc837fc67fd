#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <memory>

class AppContext;
class MainTabBarController;
class QQmlApplicationEngine;
class QQuickWindow;

/// The window: loads Main.qml over the tab shell and the context's alerts. Shared by the
/// executable and the window tests, so both run the same start-up.
class Frontend : public QObject
{
    Q_OBJECT
public:
    Frontend(AppContext &context, MainTabBarController *shell, QObject *parent = nullptr);
    ~Frontend() override;

    /// Before the QGuiApplication exists: the renderer (software, so that the window also
    /// renders headless and under Xvfb).
    static void prepareProcess();
    /// After it exists: the controls style and the system font.
    static void prepareApplication();
    /// The font every screen uses, with a CJK fallback so Chinese always renders.
    static QFont systemFont();
    /// The window's scale on this desktop: the phone's 568 points fit the screen's height.
    static double desktopScale();

    /// Installs the window's text measurement and alert port in the context.
    static void installPorts(AppContext &context);

    bool load(double scale = 1.0);
    QQuickWindow *window() const;
    QQmlApplicationEngine &engine() { return *m_engine; }

    /// Renders the window and writes it as a PNG.
    bool saveScreenshot(const QString &file) const;

private:
    AppContext &m_context;
    MainTabBarController *m_shell;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
};
