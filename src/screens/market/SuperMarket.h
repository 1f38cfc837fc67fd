#pragma once

#include "screens/market/FilteredMarketList.h"

/// The supermarket: the resources on sale, filtered and paged; a row opens the buying screen
/// and its telephone button calls the seller through the call centre. In steel-mill mode
/// ("shifougangchang" = "yes") the same list shows one mill's direct sale. The count line gives
/// the service's total.
class SuperMarket : public FilteredMarketList
{
    Q_OBJECT
public:
    explicit SuperMarket(QObject *parent = nullptr);

    bool steelMillMode() const { return m_steelMill; }
    QString fenjihao() const { return m_fenjihao; }

    /// A row tapped, or its buy control: remember the resource and open the buying screen.
    Q_INVOKABLE void didSelectedGoBuyWithSelectdIndex(int row);
    /// The row's telephone button: ask, then dial the call centre and the row's extension.
    Q_INVOKABLE void callphone(int row);

    /// The extension a row is reached at in this mode (empty: the phone button is disabled).
    QString extensionOf(const QVariantMap &row) const;

protected:
    void viewDidLoad() override;

private:
    QString m_fenjihao;
    bool m_steelMill = false;
};
