#pragma once

#include "app/CustomIOS7AlertViewDelegate.h"
#include "core/util/WeakDelegate.h"
#include "app/OverlayView.h"

#include <QStringList>

class AppContext;

/// The one-button dialog over the whole window: a 280-point panel with the text centred in
/// grey, as many lines as it needs, and the button below. The panel grows with the text.
class CustomIOS7AlertView : public OverlayView
{
    Q_OBJECT
    Q_PROPERTY(QString contentTitle READ contentTitle CONSTANT)
    Q_PROPERTY(QStringList buttonTitles READ buttonTitles CONSTANT)
    Q_PROPERTY(int panelWidth READ panelWidth CONSTANT)
    Q_PROPERTY(int textWidth READ textWidth CONSTANT)
    Q_PROPERTY(int textHeight READ textHeight CONSTANT)
    Q_PROPERTY(int panelHeight READ panelHeight CONSTANT)
public:
    /// initWithButtonTitle:contentTitle:
    CustomIOS7AlertView(const QString &buttonTitle, const QString &contentTitle, QObject *parent = nullptr);

    /// Puts the dialog over the window.
    Q_INVOKABLE void show();
    /// A button was pressed: tells the delegate its tag, then closes.
    Q_INVOKABLE void buttonTouchUpInside(int buttonIndex);
    void cancel() override;
    bool confirm() override;

    QString contentTitle() const { return m_contentTitle; }
    QStringList buttonTitles() const { return m_buttonTitles; }
    int panelWidth() const { return kPanelWidth; }
    int textWidth() const { return kTextWidth; }
    int textHeight() const { return m_textHeight; }
    int panelHeight() const { return m_textHeight + kPanelExtraHeight; }

    CustomIOS7AlertViewDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(CustomIOS7AlertViewDelegate *delegate) { m_delegate.set(delegate); }

    static constexpr int kPanelWidth = 280;
    static constexpr int kTextWidth = 260;
    static constexpr int kPanelExtraHeight = 46;
    static constexpr double kFontSize = 13;

private:
    AppContext *m_context;
    QString m_contentTitle;
    QStringList m_buttonTitles;
    int m_textHeight = 0;
    WeakDelegate<CustomIOS7AlertViewDelegate> m_delegate;
    bool m_closed = false;
};
