#include "screens/im/RecentContactViewController.h"

#include "core/platform/AppContext.h"
#include "core/session/ChatManager.h"
#include "core/session/datamodel.h"
#include "core/util/Value.h"
#include "screens/im/ChatOpener.h"

#include <algorithm>

RecentContactViewController::RecentContactViewController(QObject *parent)
    : SuperTableViewController(parent), m_datamanger(context().service<datamodel>()), m_rows(new ContactRowsModel(this))
{
}

void RecentContactViewController::viewDidLoad()
{
    SuperTableViewController::viewDidLoad();
    connect(m_datamanger, &datamodel::conversationsChanged, this, &RecentContactViewController::huoqushuju);
    huoqushuju();
}

void RecentContactViewController::huoqushuju()
{
    QList<ContactRowsModel::Row> rows;
    for (const QVariant &v : m_datamanger->getData()) {
        const QVariantMap d = Value::map(v);
        rows.append({d, Value::text(d.value(QStringLiteral("UserName"))),
                     Value::text(d.value(QStringLiteral("MobilePhone"))), m_datamanger->hasReminder(d)});
    }
    m_rows->setRows(rows);
}

void RecentContactViewController::didSelectRowAtIndex(int index)
{
    if (index < 0 || index >= m_rows->count())
        return;
    const QVariantMap row = m_rows->get(index);
    m_datamanger->shanchuduoyu(row);
    ChatOpener::openFromRecent(this, row);
}

void RecentContactViewController::deleteRowAtIndex(int index)
{
    if (index < 0 || index >= m_rows->count())
        return;
    setDeleteShownAt(-1);
    m_slidIn = index;
    m_slidInRefused = false;
    const QVariantMap row = m_rows->get(index);
    m_datamanger->removeTemporaryChat(row);
    // Its unread messages were dismissed with it: the badge must not count what no row shows
    // (unread counts are kept per peer, so only when no other conversation with the peer stays).
    const QVariant peer = row.value(QStringLiteral("LoginInfoID"));
    const QVariantList left = m_datamanger->getData();
    if (std::none_of(left.cbegin(), left.cend(), [&](const QVariant &v) { return Value::map(v).value(QStringLiteral("LoginInfoID")) == peer; })) {
        ChatManager *chat = context().service<ChatManager>();
        chat->resetBadgeValueWithLoginInfoID(Value::text(peer));
        chat->updateBadgeValue();
    }
}

void RecentContactViewController::pointerOverRow(int index, bool over)
{
    if (!over) {
        // The deleted row's own leaving may come before the next row is found under the
        // pointer; only a leaving after that refusal is the pointer really moving off.
        if (index == m_slidIn && m_slidInRefused)
            m_slidIn = -1;
        if (index == m_deleteShownAt)
            setDeleteShownAt(-1);
        return;
    }
    if (index == m_slidIn) {
        m_slidInRefused = true;
        return;
    }
    m_slidIn = -1;
    setDeleteShownAt(index);
}

void RecentContactViewController::setDeleteShownAt(int index)
{
    if (m_deleteShownAt == index)
        return;
    m_deleteShownAt = index;
    emit deleteShownAtChanged();
}
