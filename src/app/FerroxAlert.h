#pragma once

#include "app/ButtonModel.h"
#include "core/util/WeakDelegate.h"
#include "app/FerroxAlertDelegate.h"
#include "app/OverlayView.h"

class ViewController;

/// A one-button notice laid over a screen (between the navigation bar and the tab bar): a
/// framed box with the text and a closing button. Made for one notice and discarded on close.
class FerroxAlert : public OverlayView
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(ButtonModel *cancelBtn READ cancelBtn CONSTANT)
public:
    explicit FerroxAlert(QObject *parent = nullptr);

    /// Lays the notice over parent's content with tag 100200, sized 320 points by the screen
    /// height less the navigation and tab bars.
    void showInView(ViewController *parent, const QString &title);

    /// The action of cancelBtn: tells sDelegate, then takes the notice away.
    Q_INVOKABLE virtual void close();
    /// Escape: presses the notice's one button.
    void cancel() override { close(); }

    QString text() const { return m_text; }
    ButtonModel *cancelBtn() const { return m_cancelBtn; }
    FerroxAlertDelegate *sDelegate() const { return m_sDelegate.get(); }
    void setSDelegate(FerroxAlertDelegate *delegate) { m_sDelegate.set(delegate); }

    static constexpr int kTag = 100200;
    static constexpr int kWidth = 320;
    static constexpr int kBarsHeight = 64 + 49;

signals:
    void textChanged();

protected:
    /// Leaves the screen and is deleted; closing twice does nothing more.
    void dismiss();
    bool isDismissed() const { return m_dismissed; }

private:
    QString m_text;
    ButtonModel *m_cancelBtn;
    WeakDelegate<FerroxAlertDelegate> m_sDelegate;
    bool m_dismissed = false;
};
