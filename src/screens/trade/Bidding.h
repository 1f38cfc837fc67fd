#pragma once

#include "app/PagedListModel.h"
#include "app/SuperController.h"
#include "screens/market/MarketFilter.h"
#include "screens/trade/BidForm.h"

/// The tender market: the published tenders of every buyer, filtered like the supermarket and
/// paged; a row opens the tender's detail, its bid button the bid form.
class Bidding : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(MarketFilter *filter READ filter CONSTANT)
    Q_PROPERTY(PagedListModel *mainlist READ mainlist CONSTANT)
    Q_PROPERTY(BidForm *bidForm READ bidForm CONSTANT)
    Q_PROPERTY(QString mainLabel READ mainLabel NOTIFY mainLabelChanged)
public:
    explicit Bidding(QObject *parent = nullptr);

    MarketFilter *filter() const { return m_filter; }
    PagedListModel *mainlist() const { return m_mainlist; }
    BidForm *bidForm() const { return m_bidForm; }
    /// How many tenders the list holds now.
    QString mainLabel() const;

    /// A row: the tender's detail.
    Q_INVOKABLE void didSelectRow(int row);
    /// A row's bid button: the bid form for that tender.
    Q_INVOKABLE void cellDidSelected(int row);

signals:
    void mainLabelChanged();

protected:
    void viewDidLoad() override;

private:
    MarketFilter *m_filter;
    PagedListModel *m_mainlist;
    BidForm *m_bidForm;
};
