#pragma once

#include "app/PagedListModel.h"
#include "app/SuperController.h"
#include "screens/market/MarketFilter.h"

/// The supermarket: the resources on sale, filtered and paged; a row opens the buying screen
/// and its telephone button calls the seller through the call centre. In steel-mill mode
/// ("shifougangchang" = "yes") the same list shows one mill's direct sale.
class SuperMarket : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(MarketFilter *filter READ filter CONSTANT)
    Q_PROPERTY(PagedListModel *mainlist READ mainlist CONSTANT)
    Q_PROPERTY(QString mainLabel READ mainLabel NOTIFY mainLabelChanged)
public:
    explicit SuperMarket(QObject *parent = nullptr);

    MarketFilter *filter() const { return m_filter; }
    PagedListModel *mainlist() const { return m_mainlist; }
    QString mainLabel() const { return m_mainLabel; }
    bool steelMillMode() const { return m_steelMill; }
    QString fenjihao() const { return m_fenjihao; }

    /// A row tapped, or its buy control: remember the resource and open the buying screen.
    Q_INVOKABLE void didSelectedGoBuyWithSelectdIndex(int row);
    /// The row's telephone button: ask, then dial the call centre and the row's extension.
    Q_INVOKABLE void callphone(int row);

    /// The extension a row is reached at in this mode (empty: the phone button is disabled).
    QString extensionOf(const QVariantMap &row) const;

signals:
    void mainLabelChanged();

protected:
    void viewDidLoad() override;

private:
    void remember(const QVariantMap &row);

    MarketFilter *m_filter;
    PagedListModel *m_mainlist;
    QString m_mainLabel;
    QString m_fenjihao;
    bool m_steelMill = false;
};
