#pragma once

#include "app/PagedListModel.h"
#include "app/SuperTableViewController.h"

/// The latest deals, replaced as a whole on each refresh.
class MoreBuy : public SuperTableViewController
{
    Q_OBJECT
    /// Rows: "tradeTime" and "detail" (the deal line).
    Q_PROPERTY(PagedListModel *mainlist READ mainlist CONSTANT)
    Q_PROPERTY(QString rightButtonTitle READ rightButtonTitle CONSTANT)
public:
    explicit MoreBuy(QObject *parent = nullptr);

    PagedListModel *mainlist() const { return m_mainlist; }
    QString rightButtonTitle() const { return QStringLiteral("刷新"); }

    Q_INVOKABLE void refresh();

    static constexpr int kPageSize = 20;

protected:
    void viewDidLoad() override;

private:
    PagedListModel *m_mainlist;
};
