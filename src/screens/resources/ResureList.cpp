#include "screens/resources/ResureList.h"

#include "app/FerroxAlert.h"
#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/resources/ResureDetail.h"

ResureList::ResureList(QObject *parent) : OrderList(parent)
{
    connect(dataArray(), &PagedListModel::selectionChanged, this, &ResureList::chosenEnabledChanged);
}

QVariantMap ResureList::cellRow(const QVariantMap &resource, const QStringList &texts, const QString &actionTitle)
{
    QVariantMap row = baseRow(resource, QStringLiteral("publishTime"));
    row.insert(QStringLiteral("id"), Value::text(resource.value(QStringLiteral("resourceId"))));
    // The seller's order row has four text columns: time, kind, specification, price.
    const QStringList columns{QStringLiteral("time"), QStringLiteral("nsortName"), QStringLiteral("spec"), QStringLiteral("price")};
    for (int i = 0; i < columns.size(); ++i)
        row.insert(columns.at(i), texts.value(i));
    row.insert(QStringLiteral("actionTitle"), actionTitle);
    return row;
}

void ResureList::didSelectRow(int row)
{
    if (row < 0 || row >= dataArray()->count())
        return;
    auto *detail = new ResureDetail;
    detail->setResourceId(Value::text(serviceRow(row).value(QStringLiteral("resourceId"))));
    detail->setIsRevoked(detailRevoked());
    detail->setDelegate(this);
    pushViewController(detail);
}

void ResureList::actionAtRow(int row)
{
    if (row < 0 || row >= dataArray()->count())
        return;
    send(Value::text(serviceRow(row).value(QStringLiteral("resourceId"))));
}

bool ResureList::chosenEnabled() const
{
    return dataArray()->selectedCount() > 0;
}

void ResureList::actOnChosen()
{
    QStringList ids;
    for (const QVariant &id : dataArray()->selectedValues(QStringLiteral("id")))
        ids.append(id.toString());
    send(ids.join(u','));
}

void ResureList::send(const QString &resourceIds)
{
    if (m_sending || resourceIds.isEmpty())
        return;
    m_sending = true;
    auto *request = Request::request();
    request->onReply(this, [this](const ServiceReply &reply) {
        m_sending = false;
        if (reply.alertUnlessOk())
            rowActionDone(reply.message);
    });
    request->onFailure(this, [this](const RequestError &) { m_sending = false; });
    sendRowAction(request, resourceIds);
}

void ResureList::showNotice(const QString &message, bool reloadOnClose)
{
    auto *alert = new FerroxAlert(this);
    if (reloadOnClose)
        alert->setSDelegate(this);
    alert->showInView(this, message);
}

void ResureList::steelViewWillDisappear(FerroxAlert *)
{
    resetTableViewData();
}
