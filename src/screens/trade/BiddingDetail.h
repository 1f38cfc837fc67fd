#pragma once

#include "app/DelegatePointer.h"
#include "app/ItemDetail.h"
#include "screens/trade/AddBiddingDelegate.h"
#include "screens/trade/BiddingDetailDelegate.h"

#include <QVariantMap>

/// One of the buyer's own tenders: its values, its state, and what that state allows: an
/// unpublished tender is edited or published, a published one withdrawn, one under review
/// neither. The outcome shows in a notice; closing it tells the list and goes back to it.
class BiddingDetail : public ItemDetail, public AddBiddingDelegate
{
    Q_OBJECT
    // fields: by the service's keys ("weight" and "price" with their units, "paytype" as its text).
    Q_PROPERTY(QString stateText READ stateText CONSTANT)
    Q_PROPERTY(QString stateColor READ stateColor CONSTANT)
    /// The state button: publish (unpublished), withdraw (published), none (under review).
    Q_PROPERTY(QString stateButtonTitle READ stateButtonTitle CONSTANT)
    Q_PROPERTY(bool stateButtonShown READ stateButtonShown CONSTANT)
    Q_PROPERTY(bool editShown READ editShown CONSTANT)
public:
    explicit BiddingDetail(QObject *parent = nullptr);

    enum Type { Unpublished = 0, Published = 1, UnderReview = 2 };
    int type() const { return m_type; }
    void setType(int type) { m_type = type; }
    QString zhaobiaoID() const { return m_zhaobiaoID; }
    void setZhaobiaoID(const QString &id) { m_zhaobiaoID = id; }
    void setDelegate(BiddingDetailDelegate *delegate) { m_delegate = delegate; }
    QString resourceId() const { return m_resourceId; }
    QVariantMap resultDict() const { return m_resultDict; }

    QString stateText() const;
    QString stateColor() const;
    QString stateButtonTitle() const;
    bool stateButtonShown() const { return m_type != UnderReview; }
    bool editShown() const { return m_type == Unpublished; }

    /// The edit button: the tender form with this tender's values.
    Q_INVOKABLE void gotoEditor();
    /// The state button: publish or withdraw.
    Q_INVOKABLE void show();

    void biddingEditorDidFinished(AddBidding *form) override;
    void steelViewWillDisappear(FerroxAlert *alert) override;

    /// The tender form's entries for a loaded detail.
    static QVariantMap formEntries(const QVariantMap &detail);

protected:
    void viewDidLoad() override;

private:
    void askDetail(Request *request) override;
    void showDetail(const QVariantMap &detail) override;
    void changeState(int tag);

    int m_type = Unpublished;
    QString m_zhaobiaoID;
    QString m_resourceId;
    QVariantMap m_resultDict;
    DelegatePointer<BiddingDetailDelegate> m_delegate;
};
