#pragma once

#include "app/BusinessTabBar.h"
#include "screens/trade/AddBiddingDelegate.h"

/// The buyer's tenders: the published and the unpublished list as two tabs, and (type 1) a
/// button that opens the form for a new tender.
class BiddingTabBar : public BusinessTabBar, public AddBiddingDelegate
{
    Q_OBJECT
    Q_PROPERTY(bool addButtonShown READ addButtonShown NOTIFY typeChanged)
public:
    explicit BiddingTabBar(QObject *parent = nullptr);

    int type() const { return m_type; }
    /// 1 (the business hub's opening) offers the add button.
    void setType(int type);
    bool addButtonShown() const { return m_type == 1; }

    /// The add button: a new tender.
    Q_INVOKABLE void addBtnPressed();
    void biddingAddDidFinished(AddBidding *form) override;

signals:
    void typeChanged();

protected:
    void viewDidLoad() override;

private:
    void reloadShownLists();

    int m_type = 1;
};
