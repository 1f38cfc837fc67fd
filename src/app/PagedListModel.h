#pragma once

#include "core/api/ServiceReply.h"

#include <QAbstractListModel>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <functional>

class Request;
struct RequestError;

/// The rows of every list a screen shows, paged or not, fetched or given: the screen gives the
/// request for a page and the mapping of a service row (or the rows themselves); the model asks
/// for pages, ties each reply to the request that asked for it, keeps the page rules the lists
/// differ in as settings, and an optional selection (check marks).
///
///     m_list = new PagedListModel({"name", "price"}, this);
///     m_list->setFetch([this](Request *r, int page, int size) { r->getAuctionList(..., page, size, this); });
///     m_list->refresh();
///
/// A refresh supersedes a load in flight (its reply is then dropped); a load-more is not started
/// while any load is in flight. Roles are the declared names plus `row` (the whole mapped row)
/// and `selected`, fixed for the model's life. A load that failed for want of a connection is
/// tried again by itself when the session logs in again.
class PagedListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool loading READ loading NOTIFY stateChanged)
    Q_PROPERTY(bool refreshing READ refreshing NOTIFY stateChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY stateChanged)
    Q_PROPERTY(bool failed READ failed NOTIFY stateChanged)
    Q_PROPERTY(bool atEnd READ atEnd NOTIFY stateChanged)
    Q_PROPERTY(bool footerShown READ footerShown NOTIFY stateChanged)
    Q_PROPERTY(QString footerTitle READ footerTitle CONSTANT)
    Q_PROPERTY(QString retryTitle READ retryTitle CONSTANT)
    Q_PROPERTY(bool pullUpRefresh READ pullUpRefresh CONSTANT)
    Q_PROPERTY(bool fetched READ fetched CONSTANT)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int selectedCount READ selectedCount NOTIFY selectionChanged)
    Q_PROPERTY(int pageIndex READ pageIndex NOTIFY stateChanged)

public:
    /// When the load-more footer shows under the rows.
    enum FooterRule {
        FooterWhenFirstPageFull, ///< once a first page holds exactly a full page; kept until a refresh
        FooterWhenLastPageFull,  ///< whenever the last page that arrived was full
        FooterAlways,            ///< under any rows
        FooterNever,
    };
    Q_ENUM(FooterRule)

    using Fetch = std::function<void(Request *request, int pageIndex, int pageSize)>;
    using RowMapping = std::function<QVariantMap(const QVariantMap &serviceRow)>;
    using RowsOf = std::function<QVariantList(const ServiceReply &reply)>;

    explicit PagedListModel(const QStringList &roles, QObject *parent = nullptr);

    // ---- what the screen gives ----
    /// Starts the catalogue call for a page on the given request (the screen is its delegate).
    void setFetch(Fetch fetch) { m_fetch = std::move(fetch); }
    /// Turns a service row into the row the page shows (keys = the declared roles). Default: as is.
    void setRowMapping(RowMapping mapping) { m_mapping = std::move(mapping); }
    /// Where the rows are in a reply. Default: "data" as an array.
    void setRowsOf(RowsOf rowsOf) { m_rowsOf = std::move(rowsOf); }
    /// Rows the screen has itself (a picker's entries, the address book), mapped; no paging.
    void setRows(const QList<QVariantMap> &rows);
    void setRows(const QVariantList &serviceRows);

    // ---- page rules ----
    void setFirstPage(int page) { m_firstPage = m_page = page; --m_page; }
    int firstPage() const { return m_firstPage; }
    void setPageSize(int size) { m_pageSize = size; }
    int pageSize() const { return m_pageSize; }
    /// Not paged: one call brings the whole list; no footer, no load-more.
    void setUnpaged() { m_paged = false; m_footerRule = FooterNever; }
    void setFooterRule(FooterRule rule) { m_footerRule = rule; }
    /// The footer's text; "点击加载更多" unless the screen names another.
    void setFooterTitle(const QString &title) { m_footerTitle = title; }
    QString footerTitle() const { return m_footerTitle; }
    /// Pulling up past the end refreshes too (besides pulling down).
    void setPullUpRefresh(bool on) { m_pullUp = on; }
    bool pullUpRefresh() const { return m_pullUp; }
    /// Step back one page (so the next load-more asks for the same page) on a refusal, on a
    /// transport failure, or on an empty later page. Default: on the first two, not the third.
    void setStepBack(bool onErrorReply, bool onFailure, bool onEmptyPage = false);
    /// The text of the failed list's retry control.
    static QString retryTitle() { return QStringLiteral("重新加载"); }

    // ---- state ----
    bool loading() const { return m_ticket != 0; }
    bool refreshing() const { return m_ticket != 0 && m_loadingPage == m_firstPage; }
    /// The refusal's message, or empty (the alert has shown it; the view does not repeat it).
    QString errorText() const { return m_errorText; }
    /// The last load was refused or failed: the view offers to try again.
    bool failed() const { return m_failed; }
    bool atEnd() const { return m_atEnd; }
    bool footerShown() const;
    bool fetched() const { return bool(m_fetch); }
    int count() const { return int(m_rows.size()); }
    /// The page last asked for (the first page minus one before any).
    int pageIndex() const { return m_page; }

    /// Asks for the first page; its rows replace the list. Supersedes a load in flight.
    Q_INVOKABLE void refresh();
    /// Asks for the next page; its rows are appended. Nothing while a load is in flight or at the end.
    Q_INVOKABLE void loadMore();
    /// Tries the failed load again: the first page when nothing is shown, else the next page.
    Q_INVOKABLE void retry();

    /// A row as mapped (empty out of range).
    Q_INVOKABLE QVariantMap get(int row) const;
    QList<QVariantMap> rows() const { return m_rows; }
    /// Changes one row (its selection stays); the view redraws that row only.
    void setRowAt(int row, const QVariantMap &value);
    void clear();

    // ---- selection ----
    Q_INVOKABLE bool isSelected(int row) const { return row >= 0 && row < count() && m_selected.at(row); }
    Q_INVOKABLE void setSelected(int row, bool selected);
    Q_INVOKABLE void toggleSelected(int row) { setSelected(row, !isSelected(row)); }
    int selectedCount() const { return int(m_selected.count(true)); }
    /// The selected rows in list order.
    QList<QVariantMap> selectedRows() const;
    /// One value of each selected row, in list order (the ids for a call that takes several).
    QVariantList selectedValues(const QString &key) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    static constexpr int kRowRole = Qt::UserRole;
    static constexpr int kSelectedRole = Qt::UserRole + 1;
    static constexpr int kDefaultPageSize = 10;

signals:
    void stateChanged();
    void countChanged();
    void selectionChanged();
    /// A page's reply was taken (after its rows), for screens that read more than the rows.
    void pageArrived(const ServiceReply &reply, int pageIndex);

private:
    void start(int page);
    void onReply(quint64 ticket, const ServiceReply &reply);
    void onFailure(quint64 ticket);
    void onDropped(quint64 ticket);
    void apply(int page, const QVariantList &serviceRows);
    QList<QVariantMap> mapped(const QVariantList &serviceRows) const;
    void replaceRows(QList<QVariantMap> rows);

    QStringList m_roles;
    Fetch m_fetch;
    RowMapping m_mapping;
    RowsOf m_rowsOf;
    QList<QVariantMap> m_rows;
    QList<bool> m_selected;

    int m_firstPage = 1;
    int m_page = 0;
    int m_pageSize = kDefaultPageSize;
    bool m_paged = true;
    bool m_pullUp = false;
    FooterRule m_footerRule = FooterWhenLastPageFull;
    bool m_stepBackOnError = true;
    bool m_stepBackOnFailure = true;
    bool m_stepBackOnEmpty = false;

    quint64 m_ticket = 0;     ///< the request in flight; 0 when none
    quint64 m_lastTicket = 0;
    int m_loadingPage = 0;
    bool m_atEnd = false;
    bool m_lastPageFull = false;
    bool m_firstPageFull = false;
    bool m_failed = false;
    bool m_offline = false;   ///< the last load failed in transport: reload on the next login
    QString m_errorText;
    QString m_footerTitle = QStringLiteral("点击加载更多");
};
