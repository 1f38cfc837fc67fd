#include "screens/resources/RuperSecond.h"

#include "core/api/Request.h"
#include "core/util/Value.h"

RuperSecond::RuperSecond(QObject *parent) : ResureList(parent) {}

void RuperSecond::fetch(Request *request, int page)
{
    request->setRequestId(500);
    request->mysendDirectResourceListWithDelegate(this, page);
}

QVariantMap RuperSecond::shownRow(const QVariantMap &r) const
{
    return cellRow(r, {Value::text(r.value(QStringLiteral("publishTime"))), Value::text(r.value(QStringLiteral("nsortName"))),
                       Value::text(r.value(QStringLiteral("spec"))), Value::text(r.value(QStringLiteral("price")))},
                   QStringLiteral("撤回"));
}

void RuperSecond::sendRowAction(Request *request, const QString &resourceIds)
{
    request->setRequestId(501);
    request->backResourceWithResourceids(resourceIds, this);
}

void RuperSecond::rowActionDone(const QString &message)
{
    if (delegate())
        delegate()->directResourceBackDidFinished(this);
    showNotice(message, true);
}

void RuperSecond::resureEditorDidFinished(ResureDetail *)
{
    if (delegate())
        delegate()->directResourceBackDidFinished(this);
    resetTableViewData();
}
