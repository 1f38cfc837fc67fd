#include "screens/resources/ResureThird.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/resources/ResureDetail.h"

ResureThird::ResureThird(QObject *parent) : ResureList(parent) {}

void ResureThird::fetch(Request *request, int page)
{
    request->setRequestId(200);
    request->sourceListWithDelegate(this, page, 1);
}

QVariantMap ResureThird::shownRow(const QVariantMap &r) const
{
    return cellRow(r, {Value::text(r.value(QStringLiteral("nsortName"))), Value::text(r.value(QStringLiteral("spec"))),
                       Value::text(r.value(QStringLiteral("weight"))), QStringLiteral("未发布")},
                   QStringLiteral("发布"));
}

void ResureThird::sendRowAction(Request *request, const QString &resourceIds)
{
    request->setRequestId(201);
    request->releaseResourceWithDelegate(this, resourceIds);
}

void ResureThird::rowActionDone(const QString &message)
{
    if (delegate())
        delegate()->resourceFabuDidFinished(this);
    showNotice(message, true);
}

void ResureThird::resureEditorDidFinished(ResureDetail *)
{
    resetTableViewData();
}

void ResureThird::resureDetailFabuDidFinished(ResureDetail *detail)
{
    if (delegate()) {
        if (detail && detail->isDirectFabu())
            delegate()->directResourceFabuDidFinished(this);
        else
            delegate()->resourceFabuDidFinished(this);
    }
    resetTableViewData();
}
