#pragma once

#include "core/api/ServiceReply.h"

#include <QAbstractListModel>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <functional>

class Request;
struct RequestError;

/// The rows of a paged list and its paging: the screen gives the request for a page and the
/// mapping of a service row; the model asks for pages, ties each reply to the request that
/// asked for it, and keeps the page rules the lists differ in as settings.
///
///     m_list = new PagedListModel({"name", "price"}, this);
///     m_list->setFetch([this](Request *r, int page, int size) { r->getAuctionList(..., page, size, this); });
///     m_list->refresh();
///
/// A refresh supersedes a load in flight (its reply is then dropped); a load-more is not started
/// while any load is in flight. Roles are the declared names plus `row` (the whole mapped row),
/// fixed for the model's life.
class PagedListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool loading READ loading NOTIFY stateChanged)
    Q_PROPERTY(bool refreshing READ refreshing NOTIFY stateChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY stateChanged)
    Q_PROPERTY(bool atEnd READ atEnd NOTIFY stateChanged)
    Q_PROPERTY(bool footerShown READ footerShown NOTIFY stateChanged)
    Q_PROPERTY(QString footerTitle MEMBER m_footerTitle CONSTANT)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
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

    // ---- page rules ----
    void setFirstPage(int page) { m_firstPage = m_page = page; --m_page; }
    int firstPage() const { return m_firstPage; }
    void setPageSize(int size) { m_pageSize = size; }
    int pageSize() const { return m_pageSize; }
    void setFooterRule(FooterRule rule) { m_footerRule = rule; }
    /// Step back one page (so the next load-more asks for the same page) on a refusal, on a
    /// transport failure, or on an empty later page. Default: on the first two, not the third.
    void setStepBack(bool onErrorReply, bool onFailure, bool onEmptyPage = false);

    // ---- state ----
    bool loading() const { return m_ticket != 0; }
    bool refreshing() const { return m_ticket != 0 && m_loadingPage == m_firstPage; }
    QString errorText() const { return m_errorText; }
    bool atEnd() const { return m_atEnd; }
    bool footerShown() const;
    int count() const { return int(m_rows.size()); }
    /// The page last asked for (the first page minus one before any).
    int pageIndex() const { return m_page; }

    /// Asks for the first page; its rows replace the list. Supersedes a load in flight.
    Q_INVOKABLE void refresh();
    /// Asks for the next page; its rows are appended. Nothing while a load is in flight or at the end.
    Q_INVOKABLE void loadMore();

    /// A row as mapped (empty out of range).
    Q_INVOKABLE QVariantMap get(int row) const;
    QList<QVariantMap> rows() const { return m_rows; }
    void setRowAt(int row, const QVariantMap &value);
    void removeRowAt(int row);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    static constexpr int kRowRole = Qt::UserRole;
    static constexpr int kDefaultPageSize = 10;

signals:
    void stateChanged();
    void countChanged();
    /// A page's reply was taken (after its rows), for screens that read more than the rows.
    void pageArrived(const ServiceReply &reply, int pageIndex);

private:
    void start(int page);
    void onReply(quint64 ticket, const ServiceReply &reply);
    void onFailure(quint64 ticket);
    void onDropped(quint64 ticket);
    void settle(int page, bool stepBack);
    void apply(int page, const QVariantList &serviceRows);

    QStringList m_roles;
    Fetch m_fetch;
    RowMapping m_mapping;
    RowsOf m_rowsOf;
    QList<QVariantMap> m_rows;

    int m_firstPage = 1;
    int m_page = 0;
    int m_pageSize = kDefaultPageSize;
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
    QString m_errorText;
    QString m_footerTitle = QStringLiteral("点击加载更多");
};
