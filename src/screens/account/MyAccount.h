#pragma once

#include "app/SuperController.h"

/// Root of the account tab. Nobody logged in: the login screen covers it (no back button).
/// Logged in: the user's name, mobile number and company, and the logout row.
class MyAccount : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(QString userName MEMBER m_userName NOTIFY userChanged)
    Q_PROPERTY(QString userTel MEMBER m_userTel NOTIFY userChanged)
    Q_PROPERTY(QString companyName MEMBER m_companyName NOTIFY userChanged)
    Q_PROPERTY(QString logoutTitle MEMBER m_logoutTitle CONSTANT)
    Q_PROPERTY(QString logoutPicture MEMBER m_logoutPicture CONSTANT)
public:
    explicit MyAccount(QObject *parent = nullptr);

    /// The logout row: asks first; "确定" logs out.
    Q_INVOKABLE void logoutPressed();

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
    QString m_logoutTitle = QStringLiteral("退出登录");
    QString m_logoutPicture = QStringLiteral("C145");
};
