#pragma once

#include "screens/trade/MyTenderList.h"

/// The buyer's unpublished tenders ("未发布"), each with a publish button; a publish also
/// reloads the published list ("RefreshBiddingDidOnline").
class BiddingUnDidOnline : public MyTenderList
{
    Q_OBJECT
public:
    explicit BiddingUnDidOnline(QObject *parent = nullptr);

protected:
    QVariantMap rowFor(const QVariantMap &tender) const override;
    void sendRowAction(Request *request, const QString &id) override;
    void rowActionDone(const QString &message) override;
};
