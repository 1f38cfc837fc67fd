#pragma once

#include "screens/trade/OrderSheet.h"

/// A completed order's detail, with the way to upload its payment voucher once it has loaded.
class OrderDetail : public OrderSheet
{
    Q_OBJECT
public:
    explicit OrderDetail(QObject *parent = nullptr);

    void setOrderIdStr(const QString &id) { m_orderIdStr = id; }
    QString orderDetailId() const { return m_orderDetailId; }
    ButtonModel *uploadBtn() const { return buttons().at(0); }

    /// Opens the evidence screen for this order's number; nothing before the detail has come.
    Q_INVOKABLE void upload();

protected:
    void viewDidLoad() override;

private:
    QString m_orderIdStr;
    QString m_orderDetailId;
};
