#pragma once

#include "app/PlatformAlert.h"

#include <QObject>

class AppContext;
class OverlayLayer;
class OverlayView;

/// Everything shown over the whole window: the shared message alert ("好"), platform alerts with
/// titled buttons, action sheets and the one-button dialog. The window draws `views`, bottom
/// first; tests press their buttons through the models.
class Alerts : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> views READ viewObjects NOTIFY viewsChanged)
public:
    explicit Alerts(AppContext &context);
    ~Alerts() override;

    /// The shared message alert: no title, the text, one button "好".
    PlatformAlert *messageWithString(const QString &text);
    /// A platform alert; buttons are numbered in the order given.
    PlatformAlert *showAlert(const QString &title, const QString &message, const QStringList &buttonTitles,
                             PlatformAlert::Handler handler = {}, int cancelButtonIndex = -1);
    /// An action sheet. Buttons are numbered destructive first (when given), then the others in
    /// order, then cancel (when given), as on the phone. greyedOthers: the positions among the
    /// others of buttons shown but not pressable.
    PlatformAlert *showActionSheet(const QString &title, const QString &cancelButtonTitle,
                                   const QString &destructiveButtonTitle, const QStringList &otherButtonTitles,
                                   PlatformAlert::Handler handler = {}, const QList<int> &greyedOthers = {});

    /// Lays a view over the whole window, on top.
    void addWindowView(OverlayView *view);
    QList<OverlayView *> views() const;
    QList<QObject *> viewObjects() const;
    /// The frontmost platform alert or sheet, or null.
    PlatformAlert *topAlert() const;
    /// Escape: the frontmost view over the window is cancelled when it can be. Says whether a
    /// view was there: while one is, the screens under it take no keys.
    Q_INVOKABLE bool escape();
    /// Return: presses the only button of the alert or dialog on top; false when it has more.
    Q_INVOKABLE bool confirm();

signals:
    void viewsChanged();

private:
    PlatformAlert *present(PlatformAlert::Spec spec, PlatformAlert::Handler handler);

    OverlayLayer *m_layer;
};
