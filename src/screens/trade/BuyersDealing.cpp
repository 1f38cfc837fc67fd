#include "screens/trade/BuyersDealing.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/trade/BuyersDealingDetail.h"

BuyersDealing::BuyersDealing(const QString &role, QObject *parent) : OrderList(parent), m_role(role) {}

QString BuyersDealing::waitingText(const QString &side, const QString &status)
{
    if (status == QLatin1String("9"))
        return QStringLiteral("等待审核");
    const QStringList answered = side == QLatin1String("sell") ? QStringList{QStringLiteral("5"), QStringLiteral("7")}
                                                               : QStringList{QStringLiteral("6"), QStringLiteral("8")};
    return answered.contains(status) ? QStringLiteral("等待确认") : QString();
}

void BuyersDealing::fetch(Request *request, int page)
{
    request->tradeOrderListWithDelegate(this, m_role, page);
}

QVariantMap BuyersDealing::shownRow(const QVariantMap &order) const
{
    QVariantMap row = baseRow(order, QStringLiteral("tradeTime"));
    row.insert(QStringLiteral("price"), QString());
    row.insert(QStringLiteral("hasCard"), true);
    const QString waiting = waitingText(m_role, Value::text(order.value(QStringLiteral("status"))));
    row.insert(QStringLiteral("mark"), waiting);
    row.insert(QStringLiteral("actionTitle"), waiting.isEmpty() ? QStringLiteral("确认") : QString());
    return row;
}

void BuyersDealing::didSelectRow(int row)
{
    if (row < 0 || row >= dataArray()->count())
        return;
    auto *detail = new BuyersDealingDetail;
    detail->setDelegate(this);
    detail->setRole(m_role);
    detail->setOrderIdStr(Value::text(serviceRow(row).value(QStringLiteral("id"))));
    pushViewController(detail);
}
