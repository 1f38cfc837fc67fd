#include "screens/resources/MyBusiness.h"

#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/platform/UserDefaults.h"
#include "core/session/SQLITE.h"
#include "core/session/UserInfo.h"
#include "screens/account/LoginGate.h"
#include "screens/resources/MyResureTabBar.h"
#include "screens/trade/BiddingTabBar.h"
#include "screens/trade/BuyersDealTabBar.h"
#include "screens/trade/BuyersDidPay.h"
#include "screens/trade/BuyersUNPay.h"
#include "screens/trade/MyBidding.h"
#include "screens/trade/SellerDidPay.h"
#include "screens/trade/SellerUNPay.h"
#include "screens/trade/WaitBuyTabBar.h"

MyBusiness::MyBusiness(QObject *parent) : SuperController(parent)
{
    // A tab root: there is nothing to go back to.
    setHiddenBackButton(true);
}

const QList<MyBusiness::Entry> &MyBusiness::entries()
{
    static const QList<Entry> list{
        {"等待卖家确认的订单", "", "", [] { return new BuyersUNPay; }},
        {"交易中的订单", "34", "订单", [] { return new BuyersDealTabBar(QStringLiteral("buy")); }},
        {"已完成的订单", "", "", [] { return new BuyersDidPay; }},
        {"等待认购的资源", "2", "资源", [] { return new WaitBuyTabBar; }},
        {"我的招标管理", "", "", [] { return new BiddingTabBar; }},
        {"等待买家确认的订单", "1", "订单", [] { return new SellerUNPay; }},
        {"交易中的订单", "", "", [] { return new BuyersDealTabBar(QStringLiteral("sell")); }},
        {"已完成的订单", "", "", [] { return new SellerDidPay; }},
        {"我参加的应标", "", "", [] { return new MyBidding; }},
        {"我的资源管理", "", "", [] { return new MyResureTabBar; }},
    };
    return list;
}

void MyBusiness::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("我的业务"));
    context().notificationCenter()->addObserver(this, NotificationNames::MyBusinessPush,
                                                [this](const Notification &) { refreshTableView(); });
    // Each user has marks of their own: read them again after every login.
    LoginGate::guard(this, [this] { refreshTableView(); });
    refreshTableView();
}

QString MyBusiness::table() const
{
    return QStringLiteral("orderstate") + context().service<UserInfo>()->userId();
}

void MyBusiness::refreshTableView()
{
    m_dataDict.clear();
    // The marks of this screen's own user and store, whichever context a push arrives under.
    if (!context().service<UserInfo>()->userId().isEmpty()) {
        const QVariantList rows = context().service<SQLITE>()->selectSQLFromtable(table(), QString(), QVariant(), 0, 0, 0);
        for (const QVariant &row : rows)
            m_dataDict.insert(row.toMap().value(QStringLiteral("type")).toString(), row);
    }
    emit sectionsChanged();
}

bool MyBusiness::isMarked(int section, int row) const
{
    const int index = section * kRowsPerSection + row;
    if (section < 0 || row < 0 || row >= kRowsPerSection || index >= entries().size())
        return false;
    const QString type = QString::fromLatin1(entries().at(index).markType);
    return !type.isEmpty()
        && m_dataDict.value(type).toMap().value(QStringLiteral("unread")).toString() == QLatin1String("YES");
}

QVariantList MyBusiness::sections() const
{
    QVariantList out;
    for (int s = 0; s < 2; ++s) {
        QVariantList rows;
        for (int r = 0; r < kRowsPerSection; ++r) {
            const Entry &e = entries().at(s * kRowsPerSection + r);
            rows.append(QVariantMap{
                {QStringLiteral("title"), QString::fromUtf8(e.title)},
                {QStringLiteral("icon"), QStringLiteral("BusinessBtn%1_%2").arg(s).arg(r)},
                {QStringLiteral("markText"), QString::fromUtf8(e.markText)},
                {QStringLiteral("marked"), isMarked(s, r)},
                {QStringLiteral("enabled"), bool(e.open)},
            });
        }
        out.append(QVariantMap{{QStringLiteral("header"), QStringLiteral("TableViewHeadImage%1").arg(s)},
                               {QStringLiteral("headerTitle"), s == 0 ? QStringLiteral("我是买家") : QStringLiteral("我是卖家")},
                               {QStringLiteral("rows"), rows}});
    }
    return out;
}

void MyBusiness::didSelectRow(int section, int row)
{
    if (section < 0 || section > 1 || row < 0 || row >= kRowsPerSection)
        return;
    const Entry &e = entries().at(section * kRowsPerSection + row);
    if (!e.open || !LoginGate::requireLogin(this))
        return;
    // The order lists word their states for the side the user came from.
    context().userDefaults()->setObject(section == 0 ? QStringLiteral("buy") : QStringLiteral("sell"),
                                        QStringLiteral("buyorsell"));
    const QString type = QString::fromLatin1(e.markType);
    if (!type.isEmpty())
        context().service<SQLITE>()->setSQLObject({{QStringLiteral("unread"), QStringLiteral("NO")}, {QStringLiteral("type"), type}},
                                                  table(), QStringLiteral("type"));
    pushViewController(e.open());
    refreshTableView();
}
