#pragma once

#include "app/SuperController.h"
#include "screens/trade/BidForm.h"

#include <QVariantMap>

/// One published tender as a seller sees it, with the bid form.
class HomeBiddingDetail : public SuperController
{
    Q_OBJECT
    /// The detail as shown, by the service's keys; "paytype" as its text.
    Q_PROPERTY(QVariantMap fields READ fields NOTIFY fieldsChanged)
    Q_PROPERTY(BidForm *bidForm READ bidForm CONSTANT)
public:
    explicit HomeBiddingDetail(QObject *parent = nullptr);

    QString biddingId() const { return m_biddingId; }
    void setBiddingId(const QString &id) { m_biddingId = id; }
    QVariantMap biddingInfo() const { return m_biddingInfo; }
    QVariantMap fields() const { return m_fields; }
    BidForm *bidForm() const { return m_bidForm; }

    /// The bid button.
    Q_INVOKABLE void buttonPressed();

    /// Back (and Escape): closes the bid form when it is open, else leaves the screen.
    Q_INVOKABLE void popViewController() override;

signals:
    void fieldsChanged();

protected:
    void viewDidLoad() override;

private:
    void showDetail(const QVariantMap &detail);

    QString m_biddingId;
    QVariantMap m_biddingInfo;
    QVariantMap m_fields;
    BidForm *m_bidForm;
};
