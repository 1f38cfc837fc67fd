#pragma once

#include "app/SuperController.h"

/// The profile of one friend, read from the stored friend table.
class FriendsInfo : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name NOTIFY changed)
    Q_PROPERTY(QString mobilePhone READ mobilePhone NOTIFY changed)
    Q_PROPERTY(QString companyName READ companyName NOTIFY changed)
    Q_PROPERTY(QString area READ area NOTIFY changed)
    Q_PROPERTY(QString sorts READ sorts NOTIFY changed)
public:
    explicit FriendsInfo(QObject *parent = nullptr);

    void setLoginInfoID(const QString &id) { m_loginInfoID = id; }
    QString loginInfoID() const { return m_loginInfoID; }

    /// "UserName", or "NickName" when the user name is empty.
    QString name() const;
    QString mobilePhone() const { return field("MobilePhone"); }
    QString companyName() const { return field("CompanyName"); }
    /// Province and city, with a space between.
    QString area() const;
    QString sorts() const { return field("Sorts"); }

signals:
    void changed();

protected:
    void viewDidLoad() override;

private:
    QString field(const char *key) const;

    QString m_loginInfoID;
    QVariantMap m_friend;
};
