#pragma once

#include "app/AlertStyleValue1Delegate.h"
#include "app/FerroxAlert.h"

/// A two-button choice built on the notice: cancel (tag 0) and confirm (tag 1). Either button
/// tells `delegate` which one was pressed and takes the choice away; sDelegate is not told.
class AlertStyleValue1 : public FerroxAlert
{
    Q_OBJECT
    Q_PROPERTY(ButtonModel *sureBtn READ sureBtn CONSTANT)
public:
    explicit AlertStyleValue1(QObject *parent = nullptr);

    void showInView(ViewController *parent, const QString &title, const QString &cancelButtonTitle,
                    const QString &sureButtonTitle);

    /// The action of sureBtn.
    Q_INVOKABLE void sure();
    /// The action of cancelBtn.
    Q_INVOKABLE void close() override;
    /// Escape presses cancelBtn, or sureBtn where that is the button that leaves the screen.
    void cancel() override { m_escapeIsSure ? sure() : close(); }
    void setEscapeIsSure(bool sure) { m_escapeIsSure = sure; }

    ButtonModel *sureBtn() const { return m_sureBtn; }
    AlertStyleValue1Delegate *delegate() const { return m_delegate.get(); }
    void setDelegate(AlertStyleValue1Delegate *delegate) { m_delegate.set(delegate); }

private:
    void answer(ButtonModel *button);

    ButtonModel *m_sureBtn;
    bool m_escapeIsSure = false;
    WeakDelegate<AlertStyleValue1Delegate> m_delegate;
};
