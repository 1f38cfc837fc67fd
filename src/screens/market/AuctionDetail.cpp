#include "screens/market/AuctionDetail.h"

#include "core/api/Request.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/account/LoginGate.h"

AuctionDetail::AuctionDetail(QObject *parent) : SuperController(parent) {}

void AuctionDetail::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("拍卖详情"));
    Request::request(0)
        ->onSuccess(this,
                    [this](const QVariant &data) {
                        m_fields = fieldsFor(Value::map(data));
                        emit fieldsChanged();
                    })
        ->getAuctionDetail(m_pmCode, this);
}

QVariantMap AuctionDetail::fieldsFor(const QVariantMap &detail)
{
    static const QList<std::pair<const char *, const char *>> formats{
        {"auctionCode", "%1"}, {"nsortName", "%1"},  {"spec", "%1"},          {"materials", "%1"},
        {"yieldly", "%1"},     {"place", "%1"},      {"weight", "%1吨（理计重量）"}, {"jillingType", "%1"},
        {"beginTime", "%1"},   {"price", "%1元"},    {"fudu", "%1元"},        {"fuKuanShiJian", "%1个工作日内"},
        {"sellerQualityIndex", "%1"}};
    QVariantMap fields;
    for (const auto &[key, format] : formats) {
        const QString name = QString::fromLatin1(key);
        fields.insert(name, QString::fromUtf8(format).arg(Value::text(detail.value(name))));
    }
    return fields;
}

void AuctionDetail::addFavorites()
{
    if (!LoginGate::requireLogin(this))
        return;
    Request::request(1)
        ->onSuccess(this, [](const QVariant &) { Custom::messageWithString(bookmarkedText()); })
        ->favoritesAuction(UserInfo::info()->userId(), m_pmCode, this);
}
