#include "screens/resources/ResureFirst.h"

#include "core/api/Request.h"
#include "core/util/Value.h"

ResureFirst::ResureFirst(QObject *parent) : ResureList(parent) {}

void ResureFirst::fetch(Request *request, int page)
{
    request->setRequestId(500);
    request->sourceListWithDelegate(this, page, 2);
}

QVariantMap ResureFirst::shownRow(const QVariantMap &r) const
{
    return cellRow(r, {Value::text(r.value(QStringLiteral("nsortName"))), Value::text(r.value(QStringLiteral("spec"))),
                       Value::text(r.value(QStringLiteral("weight"))), QStringLiteral("已挂牌")},
                   QStringLiteral("撤回"));
}

void ResureFirst::sendRowAction(Request *request, const QString &resourceIds)
{
    request->setRequestId(200);
    request->backResourceWithResourceids(resourceIds, this);
}

void ResureFirst::rowActionDone(const QString &message)
{
    resetTableViewData();
    showNotice(message, false);
    if (delegate())
        delegate()->resourceBackDidFinished(this);
}

void ResureFirst::resureEditorDidFinished(ResureDetail *)
{
    if (delegate())
        delegate()->resourceBackDidFinished(this);
    resetTableViewData();
}
