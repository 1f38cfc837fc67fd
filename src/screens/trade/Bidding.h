#pragma once

#include "screens/market/FilteredMarketList.h"
#include "screens/trade/BidForm.h"

/// The tender market: the published tenders of every buyer, filtered like the supermarket and
/// paged; a row opens the tender's detail, its bid button the bid form. The count line counts
/// the tenders the list holds.
class Bidding : public FilteredMarketList
{
    Q_OBJECT
    Q_PROPERTY(BidForm *bidForm READ bidForm CONSTANT)
public:
    explicit Bidding(QObject *parent = nullptr);

    BidForm *bidForm() const { return m_bidForm; }

    /// A row: the tender's detail.
    Q_INVOKABLE void didSelectRow(int row);
    /// A row's bid button: the bid form for that tender.
    Q_INVOKABLE void cellDidSelected(int row);

    /// Back (and Escape): closes the bid form when it is open, else leaves the screen.
    Q_INVOKABLE void popViewController() override;

protected:
    void viewDidLoad() override;

private:
    BidForm *m_bidForm;
};
