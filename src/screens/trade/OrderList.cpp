#include "screens/trade/OrderList.h"

#include "app/OrderAlertView.h"
#include "core/api/Request.h"
#include "core/util/Value.h"

OrderList::OrderList(QObject *parent)
    : SuperController(parent),
      m_dataArray(new PagedListModel({QStringLiteral("id"), QStringLiteral("time"), QStringLiteral("nsortName"),
                                      QStringLiteral("spec"), QStringLiteral("price"), QStringLiteral("mark"),
                                      QStringLiteral("actionTitle"), QStringLiteral("actionEnabled"),
                                      QStringLiteral("hasCard")},
                                     this))
{
    // Order lists grow a footer only under a full first page: a short first page is the whole
    // list. A refused or failed page is asked for again by the next load-more.
    m_dataArray->setFooterRule(PagedListModel::FooterWhenFirstPageFull);
    m_dataArray->setStepBack(true, true, false);
    m_dataArray->setFetch([this](Request *request, int page, int) { fetch(request, page); });
    m_dataArray->setRowMapping([this](const QVariantMap &order) {
        QVariantMap shown = shownRow(order);
        shown.insert(QStringLiteral("source"), order);
        return shown;
    });
}

void OrderList::viewDidLoad()
{
    SuperController::viewDidLoad();
    resetTableViewData();
}

void OrderList::resetTableViewData()
{
    m_dataArray->refresh();
}

QVariantMap OrderList::serviceRow(int row) const
{
    return m_dataArray->get(row).value(QStringLiteral("source")).toMap();
}

QVariantMap OrderList::baseRow(const QVariantMap &order, const QString &timeKey)
{
    const auto text = [&order](const QString &key) {
        const QVariant v = order.value(key);
        return Value::isNone(v) ? QString() : Value::text(v);
    };
    return {
        {QStringLiteral("id"), text(QStringLiteral("id"))},
        {QStringLiteral("time"), text(timeKey)},
        {QStringLiteral("nsortName"), text(QStringLiteral("nsortName"))},
        {QStringLiteral("spec"), text(QStringLiteral("spec"))},
        {QStringLiteral("price"), text(QStringLiteral("price"))},
        {QStringLiteral("mark"), QString()},
        {QStringLiteral("actionTitle"), QString()},
        {QStringLiteral("actionEnabled"), true},
        {QStringLiteral("hasCard"), false},
    };
}

QVariantMap OrderList::shownRow(const QVariantMap &order) const
{
    return baseRow(order, QStringLiteral("bookTime"));
}

void OrderList::didSelectRow(int) {}

void OrderList::actionAtRow(int row)
{
    didSelectRow(row);
}

void OrderList::cardAtRow(int row)
{
    if (row < 0 || row >= m_dataArray->count())
        return;
    Request::request()
        ->onSuccess(this, [this](const QVariant &data) { OrderAlertView::show(this, data); })
        ->sellerInfoWithUserId(serviceRow(row).value(QStringLiteral("userId")), this);
}
