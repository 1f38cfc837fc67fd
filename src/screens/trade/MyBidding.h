#pragma once

#include "app/PagedListModel.h"
#include "app/SuperController.h"

/// The seller's bids ("我参加的应标"): a row opens the bid, its button the card of the company
/// that published the tender.
class MyBidding : public SuperController
{
    Q_OBJECT
    /// Rows: "id", "addTime", "nsortName", "spec", "ybPrice".
    Q_PROPERTY(PagedListModel *dataArray READ dataArray CONSTANT)
public:
    explicit MyBidding(QObject *parent = nullptr);

    PagedListModel *dataArray() const { return m_dataArray; }

    /// Back to the first page.
    Q_INVOKABLE void resetTableViewData();
    /// A row: the bid's detail.
    Q_INVOKABLE void didSelectRow(int row);
    /// A row's button: the tender owner's company card.
    Q_INVOKABLE void cellDidSelected(int row);

protected:
    void viewDidLoad() override;

private:
    PagedListModel *m_dataArray;
    bool m_asking = false;
};
