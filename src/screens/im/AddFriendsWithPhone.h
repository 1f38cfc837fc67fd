#pragma once

#include "app/SuperController.h"

/// Adding a friend by a typed mobile number.
class AddFriendsWithPhone : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(QString phone READ phone WRITE setPhone NOTIFY phoneChanged)
    Q_PROPERTY(bool keyboardShown READ keyboardShown WRITE setKeyboardShown NOTIFY keyboardShownChanged)
public:
    explicit AddFriendsWithPhone(QObject *parent = nullptr);

    QString phone() const { return m_phone; }
    void setPhone(const QString &phone);
    bool keyboardShown() const { return m_keyboardShown; }
    void setKeyboardShown(bool shown);

    /// Sends the request (the channel must be up; the number is not checked further).
    Q_INVOKABLE void sure();
    void touchesBackground() override { setKeyboardShown(false); }

signals:
    void phoneChanged();
    void keyboardShownChanged();

protected:
    void viewDidLoad() override;

private:
    void alertButton(int index);

    QString m_phone;
    bool m_keyboardShown = false;
};
