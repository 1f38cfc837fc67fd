#include "app/PagedListModel.h"

#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/util/Value.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

PagedListModel::PagedListModel(const QStringList &roles, QObject *parent)
    : QAbstractListModel(parent), m_roles(roles)
{
    m_rowsOf = [](const ServiceReply &reply) { return Value::list(reply.data); };
    // A list that could not reach the service tries again by itself once the service is heard
    // from again (any call answered) or the session has logged in again, so that the user does
    // not find it empty after an outage.
    AppContext *context = AppContext::current();
    if (!context)
        return;
    const auto retryIfOffline = [this] {
        if (m_offline && !loading())
            retry();
    };
    context->notificationCenter()->addObserver(this, NotificationNames::LoginSuccessInfo,
                                               [retryIfOffline](const Notification &) { retryIfOffline(); });
    connect(context->network(), &QNetworkAccessManager::finished, this, [retryIfOffline](QNetworkReply *reply) {
        if (!Request::isTransportFailure(reply))
            retryIfOffline();
    });
}

void PagedListModel::setStepBack(bool onErrorReply, bool onFailure, bool onEmptyPage)
{
    m_stepBackOnError = onErrorReply;
    m_stepBackOnFailure = onFailure;
    m_stepBackOnEmpty = onEmptyPage;
}

bool PagedListModel::footerShown() const
{
    switch (m_footerRule) {
    case FooterWhenFirstPageFull:
        return m_firstPageFull;
    case FooterWhenLastPageFull:
        return m_lastPageFull;
    case FooterAlways:
        return !m_rows.isEmpty();
    case FooterNever:
        break;
    }
    return false;
}

void PagedListModel::refresh()
{
    start(m_firstPage);
}

void PagedListModel::loadMore()
{
    if (loading() || !m_paged)
        return;
    start(m_page + 1);
}

void PagedListModel::retry()
{
    if (m_rows.isEmpty() || !m_paged)
        refresh();
    else
        loadMore();
}

void PagedListModel::start(int page)
{
    const quint64 ticket = ++m_lastTicket;
    m_ticket = ticket;
    m_loadingPage = page;
    m_page = page;
    m_errorText.clear();
    m_failed = m_offline = false;
    emit stateChanged();
    if (!m_fetch) {
        onDropped(ticket);
        return;
    }
    Request *request = Request::request();
    request->onReply(this, [this, ticket](const ServiceReply &reply) { onReply(ticket, reply); });
    request->onFailure(this, [this, ticket](const RequestError &) { onFailure(ticket); });
    // A guarded call with nobody logged in frees its request unsent: nothing will answer.
    connect(request, &QObject::destroyed, this, [this, ticket] { onDropped(ticket); });
    m_fetch(request, page, m_pageSize);
}

void PagedListModel::onReply(quint64 ticket, const ServiceReply &reply)
{
    // The answer to a superseded request (a load-more overtaken by a refresh) changes nothing.
    if (ticket != m_ticket)
        return;
    m_ticket = 0;
    const int page = m_loadingPage;
    if (!reply.alertUnlessOk()) {
        m_errorText = reply.message;
        m_failed = true;
        if (m_stepBackOnError)
            m_page = page - 1;
        emit stateChanged();
        return;
    }
    apply(page, m_rowsOf(reply));
    emit stateChanged();
    emit pageArrived(reply, page);
}

void PagedListModel::onFailure(quint64 ticket)
{
    if (ticket != m_ticket)
        return;
    m_ticket = 0;
    m_failed = m_offline = true;
    if (m_stepBackOnFailure)
        m_page = m_loadingPage - 1;
    emit stateChanged();
}

void PagedListModel::onDropped(quint64 ticket)
{
    if (ticket != m_ticket)
        return;
    m_ticket = 0;
    m_page = m_loadingPage - 1;
    emit stateChanged();
}

QList<QVariantMap> PagedListModel::mapped(const QVariantList &serviceRows) const
{
    QList<QVariantMap> out;
    out.reserve(serviceRows.size());
    for (const QVariant &r : serviceRows) {
        const QVariantMap row = Value::map(r);
        out.append(m_mapping ? m_mapping(row) : row);
    }
    return out;
}

void PagedListModel::apply(int page, const QVariantList &serviceRows)
{
    QList<QVariantMap> rows = mapped(serviceRows);
    const bool full = m_paged && rows.size() == m_pageSize;
    m_lastPageFull = full;
    m_atEnd = !m_paged || rows.size() < m_pageSize;
    if (page == m_firstPage) {
        m_firstPageFull = full;
        replaceRows(std::move(rows));
        return;
    }
    if (rows.isEmpty()) {
        if (m_stepBackOnEmpty)
            m_page = page - 1;
        return;
    }
    beginInsertRows({}, count(), count() + int(rows.size()) - 1);
    m_selected.append(QList<bool>(rows.size(), false));
    m_rows.append(rows);
    endInsertRows();
    emit countChanged();
}

void PagedListModel::replaceRows(QList<QVariantMap> rows)
{
    const bool hadSelection = selectedCount() > 0;
    beginResetModel();
    m_selected = QList<bool>(rows.size(), false);
    m_rows = std::move(rows);
    endResetModel();
    emit countChanged();
    if (hadSelection)
        emit selectionChanged();
}

void PagedListModel::setRows(const QList<QVariantMap> &rows)
{
    m_atEnd = true;
    m_firstPageFull = m_lastPageFull = false;
    replaceRows(rows);
    emit stateChanged();
}

void PagedListModel::setRows(const QVariantList &serviceRows)
{
    setRows(mapped(serviceRows));
}

QVariantMap PagedListModel::get(int row) const
{
    return row >= 0 && row < count() ? m_rows.at(row) : QVariantMap();
}

void PagedListModel::setRowAt(int row, const QVariantMap &value)
{
    if (row < 0 || row >= count())
        return;
    m_rows[row] = value;
    emit dataChanged(index(row), index(row));
}

void PagedListModel::clear()
{
    // An emptied list has nothing more to load: its footer goes with its rows.
    m_firstPageFull = m_lastPageFull = false;
    replaceRows({});
    emit stateChanged();
}

void PagedListModel::setSelected(int row, bool selected)
{
    if (row < 0 || row >= count() || m_selected.at(row) == selected)
        return;
    m_selected[row] = selected;
    emit dataChanged(index(row), index(row), {kSelectedRole});
    emit selectionChanged();
}

QList<QVariantMap> PagedListModel::selectedRows() const
{
    QList<QVariantMap> out;
    for (int i = 0; i < count(); ++i)
        if (m_selected.at(i))
            out.append(m_rows.at(i));
    return out;
}

QVariantList PagedListModel::selectedValues(const QString &key) const
{
    QVariantList out;
    for (const QVariantMap &row : selectedRows())
        out.append(row.value(key));
    return out;
}

int PagedListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant PagedListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const QVariantMap &row = m_rows.at(index.row());
    if (role == kRowRole)
        return row;
    if (role == kSelectedRole)
        return m_selected.at(index.row());
    const int key = role - kSelectedRole - 1;
    return key >= 0 && key < m_roles.size() ? row.value(m_roles.at(key)) : QVariant();
}

QHash<int, QByteArray> PagedListModel::roleNames() const
{
    QHash<int, QByteArray> names{{kRowRole, QByteArrayLiteral("row")}, {kSelectedRole, QByteArrayLiteral("selected")}};
    for (int i = 0; i < m_roles.size(); ++i)
        names.insert(kSelectedRole + 1 + i, m_roles.at(i).toUtf8());
    return names;
}
