#pragma once

#include "screens/trade/MyTenderList.h"

/// The buyer's published tenders, live ("发布中", with a withdraw button) or under review
/// ("审核中"). It also reloads when a tender is published from the unpublished list.
class BiddingDidOnline : public MyTenderList
{
    Q_OBJECT
public:
    explicit BiddingDidOnline(QObject *parent = nullptr);

protected:
    void viewDidLoad() override;
    QVariantMap rowFor(const QVariantMap &tender) const override;
    void sendRowAction(Request *request, const QString &id) override;
};
