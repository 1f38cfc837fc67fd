#pragma once

#include "app/OverlayView.h"

#include <QStringList>
#include <functional>

/// A platform alert or action sheet: a modal box with a title, a message and buttons. The
/// handler learns the index of the pressed button; the alert then goes away.
class PlatformAlert : public OverlayView
{
    Q_OBJECT
    Q_PROPERTY(bool actionSheet READ isActionSheet CONSTANT)
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString message READ message CONSTANT)
    Q_PROPERTY(QStringList buttonTitles READ buttonTitles CONSTANT)
    Q_PROPERTY(int cancelButtonIndex READ cancelButtonIndex CONSTANT)
    Q_PROPERTY(int destructiveButtonIndex READ destructiveButtonIndex CONSTANT)
public:
    using Handler = std::function<void(int buttonIndex)>;

    struct Spec
    {
        bool actionSheet = false;
        QString title;
        QString message;
        QStringList buttonTitles;
        int cancelButtonIndex = -1;
        int destructiveButtonIndex = -1;
        QList<int> disabledButtons;
    };

    PlatformAlert(Spec spec, Handler handler, QObject *parent = nullptr);

    bool isActionSheet() const { return m_spec.actionSheet; }
    QString title() const { return m_spec.title; }
    QString message() const { return m_spec.message; }
    QStringList buttonTitles() const { return m_spec.buttonTitles; }
    int cancelButtonIndex() const { return m_spec.cancelButtonIndex; }
    int destructiveButtonIndex() const { return m_spec.destructiveButtonIndex; }
    /// False for a button shown greyed: a press on it does nothing and the alert stays.
    Q_INVOKABLE bool isButtonEnabled(int index) const { return !m_spec.disabledButtons.contains(index); }

    /// A button was pressed: tells the handler (an index out of range or of a greyed button is
    /// ignored), then closes.
    Q_INVOKABLE void clickedButtonAtIndex(int index);
    void cancel() override;
    bool confirm() override;

private:
    Spec m_spec;
    Handler m_handler;
    bool m_done = false;
};
