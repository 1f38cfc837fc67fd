#pragma once

#include "app/SuperController.h"

#include <QVariantMap>

/// One of the seller's bids, with the tender it answers.
class MyBiddingDetail : public SuperController
{
    Q_OBJECT
    /// The values shown, by the service's keys.
    Q_PROPERTY(QVariantMap fields READ fields NOTIFY fieldsChanged)
public:
    explicit MyBiddingDetail(QObject *parent = nullptr);

    QString ybId() const { return m_ybId; }
    void setYbId(const QString &id) { m_ybId = id; }
    QVariantMap fields() const { return m_fields; }

signals:
    void fieldsChanged();

protected:
    void viewDidLoad() override;

private:
    QString m_ybId;
    QVariantMap m_fields;
};
