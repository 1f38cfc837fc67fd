#pragma once

#include "app/SuperController.h"

#include <QVariantMap>

/// One address-book entry with a button that sends it a friend request.
class FriendsDetail : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString phone READ phone CONSTANT)
public:
    explicit FriendsDetail(const QVariantMap &personDict, QObject *parent = nullptr);

    QString name() const { return m_personDict.value(QStringLiteral("name")).toString(); }
    QString phone() const { return m_personDict.value(QStringLiteral("phone")).toString(); }

    /// Sends the request; the channel is not checked here.
    Q_INVOKABLE void sure();

protected:
    void viewDidLoad() override;

private:
    QVariantMap m_personDict;
};
