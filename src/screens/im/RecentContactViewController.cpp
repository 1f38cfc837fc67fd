#include "screens/im/RecentContactViewController.h"

#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/datamodel.h"
#include "core/util/Value.h"
#include "screens/im/ChatOpener.h"

RecentContactViewController::RecentContactViewController(QObject *parent)
    : SuperTableViewController(parent), m_datamanger(context().service<datamodel>()), m_rows(new ContactRowsModel(this))
{
}

void RecentContactViewController::viewDidLoad()
{
    SuperTableViewController::viewDidLoad();
    const QString name = NotificationNames::shoudaoliaotian4;
    context().notificationCenter()->addObserver(this, name, [this, name](const Notification &n) {
        if (n.object.toString() == name)
            huoqushuju();
    });
    connect(m_datamanger, &datamodel::temporaryChatsChanged, this, &RecentContactViewController::huoqushuju);
    connect(m_datamanger, &datamodel::remindersChanged, this, &RecentContactViewController::huoqushuju);
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
    const QVariantMap row = m_rows->get(index);
    m_datamanger->shanchuduoyu(row);
    QVariantList chats = m_datamanger->getData();
    chats.removeAt(index);
    m_datamanger->writeData(chats);
}
