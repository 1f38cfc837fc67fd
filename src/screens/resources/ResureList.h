#pragma once

#include "app/DelegatePointer.h"
#include "app/FerroxAlertDelegate.h"
#include "screens/resources/ResureDetailDelegate.h"
#include "screens/resources/ResureListDelegate.h"
#include "screens/trade/OrderList.h"

/// Base of the seller's three resource lists (listed, directed, unpublished), the tabs of
/// MyResureTabBar. They page and draw like the order lists (the seller's order row: four texts
/// and a button); a row opens the resource's detail, and its button withdraws or publishes the
/// resource at once, the outcome in a notice over the list. What moved is told to the delegate,
/// which has the list it moved to asked for again. Rows are chosen by a check mark (the list
/// model's selection) and the chosen resources moved by one call carrying all their ids.
class ResureList : public OrderList, public ResureDetailDelegate, public FerroxAlertDelegate
{
    Q_OBJECT
    Q_CLASSINFO("familyPage", "ResureList")
    /// The button for the chosen rows: its title, and whether any row is chosen.
    Q_PROPERTY(QString chosenTitle READ chosenTitle CONSTANT)
    Q_PROPERTY(bool chosenEnabled READ chosenEnabled NOTIFY chosenEnabledChanged)
public:
    ResureListDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(ResureListDelegate *delegate) { m_delegate = delegate; }

    /// Opens the row's detail, this list its delegate.
    void didSelectRow(int row) override;
    /// The row's button; a second tap while the first call is on its way sends nothing.
    void actionAtRow(int row) override;

    /// The chosen rows' button: one call with every chosen id; a refusal keeps the choice.
    Q_INVOKABLE void actOnChosen();
    virtual QString chosenTitle() const = 0;
    bool chosenEnabled() const;

    /// The notice after a row's call closed: the list is asked for again.
    void steelViewWillDisappear(FerroxAlert *alert) override;

signals:
    void chosenEnabledChanged();

protected:
    explicit ResureList(QObject *parent);

    /// Whether a detail opened from this list offers the withdraw (listed and directed
    /// resources) or the publish and push buttons (unpublished ones).
    virtual bool detailRevoked() const = 0;
    /// Sends the row button's call for the resource ids (one, or several separated by commas).
    virtual void sendRowAction(Request *request, const QString &resourceIds) = 0;
    /// The row button's call was accepted with this message.
    virtual void rowActionDone(const QString &message) = 0;

    /// A row of the four texts and the button's title.
    static QVariantMap cellRow(const QVariantMap &resource, const QStringList &texts, const QString &actionTitle);
    /// Lays the message over the list; closing it asks for the list again when reloadOnClose.
    void showNotice(const QString &message, bool reloadOnClose);

private:
    /// One call at a time, for a row's button or the chosen rows alike.
    void send(const QString &resourceIds);

    DelegatePointer<ResureListDelegate> m_delegate;
    bool m_sending = false;
};
