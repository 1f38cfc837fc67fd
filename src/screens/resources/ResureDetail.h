#pragma once

#include "app/DelegatePointer.h"
#include "app/ItemDetail.h"
#include "screens/resources/AddResureDelegate.h"
#include "screens/resources/ResureDetailDelegate.h"
#include "screens/resources/ResureWithPushDelegate.h"

#include <QVariantMap>

/// One of the seller's resources ("资源详情"). Opened from a listed or directed resource it offers
/// the withdraw button; from an unpublished one the publish and push buttons and "修改". The
/// outcome of a publish or withdraw shows in a notice; closing it closes the detail.
class ResureDetail : public ItemDetail, public ResureWithPushDelegate, public AddResureDelegate
{
    Q_OBJECT
    // fields: "nsortName", "spec", "materials", "yieldly", "place", "weight", "price",
    // "discount" (the last four with their units).
    Q_PROPERTY(bool isRevoked READ isRevoked NOTIFY isRevokedChanged)
public:
    explicit ResureDetail(QObject *parent = nullptr);

    QString resourceId() const { return m_resourceId; }
    void setResourceId(const QString &id) { m_resourceId = id; }
    bool isRevoked() const { return m_isRevoked; }
    void setIsRevoked(bool revoked);
    void setDelegate(ResureDetailDelegate *delegate) { m_delegate = delegate; }
    /// Read by the delegate told of a publication: true for a push to a buyer.
    bool isDirectFabu() const { return m_isDirectFabu; }
    QVariantMap resureDict() const { return m_resureDict; }
    QString resureID() const { return m_resureID; }

    /// "修改": the resource form with this resource's values.
    Q_INVOKABLE void gotoEditor();
    /// Publishes the resource to the market.
    Q_INVOKABLE void publish();
    /// Opens the push to one buyer's mobile number.
    Q_INVOKABLE void push();
    /// Takes the resource back among the unpublished.
    Q_INVOKABLE void withdraw();

    void steelViewWillDisappear(FerroxAlert *alert) override;
    void directResourceFabuWithPush(ResureWithPush *push) override;
    /// Saved from the form: the opener hears of it and the detail is asked for again.
    void resureEditorDidFinished(AddResure *form) override;

signals:
    void isRevokedChanged();

protected:
    void viewDidLoad() override;

private:
    void askDetail(Request *request) override;
    void showDetail(const QVariantMap &detail) override;
    /// Sends a publish (1000) or a withdraw (1003); its message goes into the closing notice.
    void changeState(int tag);

    QString m_resourceId;
    bool m_isRevoked = false;
    bool m_isDirectFabu = false;
    QVariantMap m_resureDict;
    QString m_resureID;
    DelegatePointer<ResureDetailDelegate> m_delegate;
};
