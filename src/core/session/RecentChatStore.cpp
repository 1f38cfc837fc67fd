#include "core/session/RecentChatStore.h"

#include "core/platform/AppContext.h"
#include "core/session/SQLITE.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"

#include <algorithm>

namespace {
const QString kPeer = QStringLiteral("LoginInfoID");
const QString kResource = QStringLiteral("resourceID");
const QString kId = QStringLiteral("id");

// Rows of a table that may not exist yet (no message exchanged), without the store's complaint.
QVariantList rowsOf(SQLITE *store, const QString &table, const QString &condition, const QVariantList &binds,
                    const QString &order, qint64 limit = 0)
{
    if (store->colKeyFromtable(table).isEmpty())
        return {};
    return store->selectRows(table, condition, binds, order, limit);
}

// Entries are compared as text, as the chat model compares them.
bool sameEntry(const QVariantMap &row, const QVariantMap &entry)
{
    for (auto it = entry.cbegin(); it != entry.cend(); ++it) {
        if (Value::text(row.value(it.key())) != Value::text(*it))
            return false;
    }
    return row.size() == entry.size() + (row.contains(kId) ? 1 : 0);
}
} // namespace

QString RecentChatStore::me() const
{
    // No user, or a record without an id ("(null)"): there is nobody to keep them for.
    const QString id = m_context.service<UserInfo>()->userId();
    return id.contains(QLatin1String("null")) ? QString() : id;
}

QVariantList RecentChatStore::keptRows(const QString &peer) const
{
    return rowsOf(m_context.service<SQLITE>(), QStringLiteral("recent") + me(), QStringLiteral("\"LoginInfoID\"=?1"), {peer},
                  QStringLiteral("\"id\""));
}

void RecentChatStore::remember(const QVariantMap &entry)
{
    if (me().isEmpty())
        return;
    const QVariantList kept = keptRows(Value::text(entry.value(kPeer)));
    if (std::any_of(kept.cbegin(), kept.cend(), [&](const QVariant &r) { return sameEntry(Value::map(r), entry); }))
        return;
    // Always the four keys of a conversation entry, so that every row fits the table.
    QVariantMap row;
    for (const QString &key : {kPeer, kResource, QStringLiteral("UserName"), QStringLiteral("MobilePhone")})
        row.insert(key, Value::text(entry.value(key)));
    m_context.service<SQLITE>()->addSQLObject(row, QStringLiteral("recent") + me());
}

void RecentChatStore::forget(const QVariantMap &entry)
{
    if (me().isEmpty())
        return;
    for (const QVariant &r : keptRows(Value::text(entry.value(kPeer)))) {
        const QVariantMap row = Value::map(r);
        if (sameEntry(row, entry))
            m_context.service<SQLITE>()->removeSQL(QStringLiteral("recent") + me(), kId, row.value(kId));
    }
}

RecentChatStore::Conversations RecentChatStore::load() const
{
    Conversations out;
    if (me().isEmpty())
        return out;
    SQLITE *store = m_context.service<SQLITE>();
    const auto chatTable = [&](const QString &peer) { return QStringLiteral("chat") + me() + QStringLiteral("to") + peer; };
    struct Kept
    {
        QVariantMap entry;
        qint64 newest = 0;   // time of the conversation's newest message, 0 for none
        qint64 order = 0;    // the order it was kept in
    };
    QList<Kept> kept;
    for (const QVariant &r : rowsOf(store, QStringLiteral("recent") + me(), {}, {}, QStringLiteral("\"id\""))) {
        QVariantMap entry = Value::map(r);
        const qint64 order = Value::text(entry.take(kId)).toLongLong();
        const QVariantList last = rowsOf(store, chatTable(Value::text(entry.value(kPeer))), QStringLiteral("\"ResourceID\"=?1"),
                                                    {Value::text(entry.value(kResource))}, QStringLiteral("\"id\" desc"), 1);
        const qint64 newest = last.isEmpty() ? 0 : Value::text(Value::map(last.first()).value(QStringLiteral("SendTime"))).toLongLong();
        kept.append({entry, newest, order});
    }
    std::sort(kept.begin(), kept.end(), [](const Kept &a, const Kept &b) {
        return a.newest != b.newest ? a.newest > b.newest : a.order > b.order;
    });
    QStringList peers;
    for (const Kept &k : kept) {
        out.chats.append(k.entry);
        const QString peer = Value::text(k.entry.value(kPeer));
        if (!peers.contains(peer))
            peers.append(peer);
    }
    // A peer's unread count is the number of its newest messages not read yet (reading sets it
    // to 0, and the user's own message to ""), so those messages tell which of the peer's
    // conversations they belong to.
    for (const QString &peer : peers) {
        const QVariantList row = rowsOf(store, QStringLiteral("historyMSG") + me(), QStringLiteral("\"LoginInfoID\"=?1"),
                                                   {peer}, {}, 1);
        const qint64 unread = row.isEmpty() ? 0 : Value::intValue(Value::map(row.first()).value(QStringLiteral("unread")));
        if (unread < 1)
            continue;
        for (const QVariant &m : rowsOf(store, chatTable(peer), {}, {}, QStringLiteral("\"id\" desc"), unread)) {
            const QString resource = Value::text(Value::map(m).value(QStringLiteral("ResourceID")));
            for (const Kept &k : kept) {
                if (Value::text(k.entry.value(kPeer)) == peer && Value::text(k.entry.value(kResource)) == resource)
                    out.reminders.append(k.entry);
            }
        }
    }
    return out;
}
