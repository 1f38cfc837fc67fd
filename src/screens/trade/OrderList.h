#pragma once

#include "app/PagedListModel.h"
#include "app/SuperController.h"

class Request;

/// Base of every order list, buyer's and seller's, and of the directed offers: one paged list
/// with the order paging rules (the footer only under a first page of exactly ten rows; a
/// refusal or a transport failure steps the page back), rows drawn alike by one page, and the
/// counterpart's company card. A subclass says which page to ask for, how a row reads and what
/// a tap on the row or on its buttons opens.
///
/// Rows as shown: "id", "time", "nsortName", "spec", "price" (may be empty: not shown), "mark"
/// (a fixed state text in place of the action button, or empty), "actionTitle" (the row's
/// button, empty when it has none), "actionEnabled", "hasCard" (the row's company button).
class OrderList : public SuperController
{
    Q_OBJECT
    Q_CLASSINFO("familyPage", "OrderList")
    Q_PROPERTY(PagedListModel *dataArray READ dataArray CONSTANT)
public:
    explicit OrderList(QObject *parent = nullptr);

    PagedListModel *dataArray() const { return m_dataArray; }

    /// A row: what the list opens for it.
    Q_INVOKABLE virtual void didSelectRow(int row);
    /// The row's action button; by default the same as selecting the row.
    Q_INVOKABLE virtual void actionAtRow(int row);
    /// The row's company button: asks for the counterpart's company card and lays it over the list.
    Q_INVOKABLE void cardAtRow(int row);

    /// Restarts the list at page 1 (after an order changed from a detail screen).
    Q_INVOKABLE void resetTableViewData();

    /// The service row at index, empty out of range.
    QVariantMap serviceRow(int row) const;

protected:
    void viewDidLoad() override;
    /// Starts the list call for page on request (this screen its delegate).
    virtual void fetch(Request *request, int page) = 0;
    /// The row as drawn; the default shows bookTime, kind, specification and price, no buttons.
    virtual QVariantMap shownRow(const QVariantMap &order) const;

    /// The texts of a row, shared by the subclasses' shownRow.
    static QVariantMap baseRow(const QVariantMap &order, const QString &timeKey);

private:
    PagedListModel *m_dataArray;
};
