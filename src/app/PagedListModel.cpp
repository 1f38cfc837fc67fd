#include "app/PagedListModel.h"

#include "core/api/Request.h"
#include "core/util/Value.h"

namespace {
// Shown in place of the rows when a load failed and there is nothing to show.
const QString kFailureText = QStringLiteral("加载失败，请稍后重试");
} // namespace

PagedListModel::PagedListModel(const QStringList &roles, QObject *parent)
    : QAbstractListModel(parent), m_roles(roles)
{
    m_rowsOf = [](const ServiceReply &reply) { return Value::list(reply.data); };
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
    if (loading())
        return;
    start(m_page + 1);
}

void PagedListModel::start(int page)
{
    const quint64 ticket = ++m_lastTicket;
    m_ticket = ticket;
    m_loadingPage = page;
    m_page = page;
    m_errorText.clear();
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
    m_errorText = kFailureText;
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

void PagedListModel::apply(int page, const QVariantList &serviceRows)
{
    QList<QVariantMap> mapped;
    mapped.reserve(serviceRows.size());
    for (const QVariant &r : serviceRows) {
        const QVariantMap row = Value::map(r);
        mapped.append(m_mapping ? m_mapping(row) : row);
    }
    const bool full = mapped.size() == m_pageSize;
    m_lastPageFull = full;
    m_atEnd = mapped.size() < m_pageSize;
    if (page == m_firstPage) {
        m_firstPageFull = full;
        beginResetModel();
        m_rows = std::move(mapped);
        endResetModel();
        emit countChanged();
        return;
    }
    if (mapped.isEmpty()) {
        if (m_stepBackOnEmpty)
            m_page = page - 1;
        return;
    }
    beginInsertRows({}, count(), count() + int(mapped.size()) - 1);
    m_rows.append(mapped);
    endInsertRows();
    emit countChanged();
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

void PagedListModel::removeRowAt(int row)
{
    if (row < 0 || row >= count())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    emit countChanged();
}

void PagedListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
    emit countChanged();
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
    const int key = role - kRowRole - 1;
    return key >= 0 && key < m_roles.size() ? row.value(m_roles.at(key)) : QVariant();
}

QHash<int, QByteArray> PagedListModel::roleNames() const
{
    QHash<int, QByteArray> names{{kRowRole, QByteArrayLiteral("row")}};
    for (int i = 0; i < m_roles.size(); ++i)
        names.insert(kRowRole + 1 + i, m_roles.at(i).toUtf8());
    return names;
}
