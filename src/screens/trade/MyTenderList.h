#pragma once

#include "app/PagedListModel.h"
#include "app/SuperController.h"
#include "screens/trade/BiddingDetailDelegate.h"

class Request;

/// One of the buyer's two tender lists (published, unpublished), a tab of BiddingTabBar. It
/// reloads from the first page whenever it comes into view, opens a row's detail, and its row
/// button publishes or withdraws that tender; the result shows in a notice over the list.
class MyTenderList : public SuperController, public BiddingDetailDelegate
{
    Q_OBJECT
    Q_CLASSINFO("familyPage", "MyTenderList")
    /// Rows: "id", "nsortName", "spec", "weight", "stateText", "buttonTitle", "buttonShown",
    /// "detailType" (what its detail may do: 0 unpublished, 1 published, 2 under review).
    Q_PROPERTY(PagedListModel *dataArray READ dataArray CONSTANT)
public:
    PagedListModel *dataArray() const { return m_dataArray; }

    /// Back to the first page.
    Q_INVOKABLE void reload();
    /// A row: the tender's detail.
    Q_INVOKABLE void didSelectRow(int row);
    /// A row's button.
    Q_INVOKABLE void cellDidSelected(int row);

    void biddingDetailDidFinishedEditor(BiddingDetail *detail) override;

protected:
    /// status: the list query's (1 unpublished, 2 published and under review).
    MyTenderList(int status, QObject *parent);
    void viewWillAppear() override;
    /// The row shown for a tender of this list.
    virtual QVariantMap rowFor(const QVariantMap &tender) const = 0;
    /// Sends the row button's call for the tender id.
    virtual void sendRowAction(Request *request, const QString &id) = 0;
    /// The row button's call was accepted: its message goes into the notice.
    virtual void rowActionDone(const QString &message);
    /// A notice laid over the list, closed by its button.
    void showNotice(const QString &text);

private:
    PagedListModel *m_dataArray;
    bool m_sending = false;
};
