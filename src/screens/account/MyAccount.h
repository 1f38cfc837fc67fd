#pragma once

#include "app/SuperController.h"

#include <QVariantList>

/// Root of the account tab. Nobody logged in: the login screen covers it (no back button).
/// Logged in: the account card (name, mobile number, company, the certify button) and the
/// five sections: profile, balances, password, settings, logout.
class MyAccount : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(QString userName MEMBER m_userName NOTIFY userChanged)
    Q_PROPERTY(QString userTel MEMBER m_userTel NOTIFY userChanged)
    Q_PROPERTY(QString companyName MEMBER m_companyName NOTIFY userChanged)
    /// A certified company: the certify button shows selected and takes no taps.
    Q_PROPERTY(bool certified MEMBER m_certified NOTIFY userChanged)
    Q_PROPERTY(QString certifyTitle READ certifyTitle NOTIFY userChanged)
    /// Rows 1 to 5: "title" and "picture".
    Q_PROPERTY(QVariantList sections READ sections CONSTANT)
public:
    explicit MyAccount(QObject *parent = nullptr);

    QString certifyTitle() const;
    QVariantList sections() const;

    /// A section row, 1 to 5 (0 is the card).
    Q_INVOKABLE void didSelectSection(int section);
    /// The card's certify button.
    Q_INVOKABLE void certifyPressed();
    /// The logout row: asks first; "确定" logs out.
    Q_INVOKABLE void logoutPressed();

    enum Section { Card, Profile, Money, Password, SystemSettings, Logout };

signals:
    void userChanged();

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;

private:
    void showUser();

    QString m_userName;
    QString m_userTel;
    QString m_companyName;
    bool m_certified = false;
};
