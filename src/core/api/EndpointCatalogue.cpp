#include "core/api/EndpointCatalogue.h"

#include "core/platform/UserDefaults.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"
#include "core/platform/Logging.h"

#include <QDebug>
#include <array>
#include <charconv>

namespace {

using Op = EndpointCatalogue::Operation;
using Rule = EndpointCatalogue::Rule;
using Member = EndpointCatalogue::Member;
using Endpoint = EndpointCatalogue::Endpoint;

constexpr bool Guarded = true;
constexpr bool Open = false;
constexpr auto Envelope = EndpointCatalogue::Post::Envelope;
constexpr auto Advice = EndpointCatalogue::Post::Advice;

Member text(const char *key, int arg) { return {key, Rule::Text, arg}; }
Member integer(const char *key, int arg) { return {key, Rule::Integer, arg}; }
Member price(const char *key, int arg) { return {key, Rule::Price, arg}; }
Member weight(const char *key, int arg) { return {key, Rule::Weight, arg}; }
Member pass(const char *key, int arg) { return {key, Rule::AsIs, arg}; }
Member fixed(const char *key, const char *value) { return {key, Rule::Fixed, -1, value}; }
Member user() { return {"loginInfoID", Rule::UserId}; }
Member steelMill() { return {"yieldlydirect", Rule::SteelMill}; }

// The directed-resource lists ask for everything offered, unfiltered.
QList<Member> directListInfo()
{
    return {user(), fixed("sortID", "0"), fixed("nsortID", "0"), fixed("provinceID", "0"),
            fixed("cityID", "0"), fixed("spec", ""), integer("pageIndex", 0),
            fixed("pageSize", "10"), fixed("mobile", "")};
}

// The three filtered market lists share their keys: category, kind, province, spec, page.
QList<Member> marketListInfo()
{
    return {text("sortID", 0), text("nsortID", 1), text("provinceID", 2), text("spec", 3),
            integer("pageIndex", 4), integer("pageSize", 5)};
}

QList<Endpoint> entries()
{
    // Argument indexes follow the operation's parameters, delegate left out.
    return {
        // accounts: every value a "%@" text
        {Op::userRegister, "userRegister:code:delegate:", "User/Register", Open,
         {text("mobile", 0), text("captcha", 1)}},
        {Op::getUserCode1, "getUserCode1:delegate:", "User/SendCaptcha", Open, {text("mobile", 0)}},
        {Op::getUserCode, "getUserCode:delegate:", "User/SendCaptchaCode", Open, {text("mobile", 0)}},
        {Op::updatePasswordByCode, "updatePassword:newPass:code:delegate:", "User/ChangePwdByPhone", Open,
         {text("mobile", 0), text("newPwd", 1), text("captcha", 2)}},
        {Op::updatePassword, "updatePassword:newPass:delegate:", "User/ChangePassWord", Open,
         {text("loginInfoID", 0), text("newPwd", 1)}},
        {Op::updateBaseInfo,
         "updateBaseInfo:nickname:phone:province:city:product:fax:email:companyname:address:delegate:",
         "User/ChangeUserImfor", Open,
         {text("loginInfoID", 0), text("username", 1), text("Phone", 2), text("province", 3),
          text("city", 4), text("sorts", 5), text("fax", 6), text("email", 7), text("companyname", 8),
          text("address", 9)}},
        {Op::inviteFriends, "inviteFriends:userTel:inviteList:delegate:", "Index/inviteFriends", Open,
         {text("loginInfoID", 0), text("mobileNumber", 1), text("inviteList", 2)}},

        // home page and requests for goods
        {Op::getMainDataWithDelegate, "getMainDataWithDelegate:", "index/GetIndexData", Open,
         {fixed("pageSize", "4")}},
        {Op::getNewOrder, "getNewOrder:delegate:", "Index/GetNewsOrdersList", Open,
         {integer("pageSize", 0)}},
        {Op::helpToMe, "helpToMe:content:delegate:", "Index/FindResource", Open,
         {text("loginInfoID", 0), text("content", 1)}},

        // market lists and filters
        {Op::getClassListWithDelegate, "getClassListWithDelegate:", "steel/getquerycondition", Open, {}},
        {Op::getFormatList, "getFormatList:subClassId:provinceId:pageSize:delegate:", "market/getspec", Open,
         {text("sortID", 0), text("nsortID", 1), text("provinceID", 2), integer("pageSize", 3)}},
        {Op::getSuperMarkList, "getSuperMarkList:subClassId:provinceId:formatStr:pageIdx:pageSize:delegate:",
         "Market/Search", Open, marketListInfo() << steelMill()},
        {Op::getSuperMarkDetail, "getSuperMarkDetail:delegate:", "Market/Details", Open,
         {text("resourceId", 0)}},
        {Op::buyItemFromSuperMark, "buyItemFromSuperMark:resourceId:price:weight:delegate:", "Market/ToOrder",
         Open,
         {text("loginInfoID", 0), text("resourceId", 1), price("bprice", 2), weight("bweight", 3),
          fixed("tradeType", "自主提货")}},
        {Op::getAuctionList, "getAuctionList:subClassId:provinceId:spec:pageIdx:pageSize:delegate:",
         "auction/GetAuctionList", Open, marketListInfo()},
        {Op::getAuctionDetail, "getAuctionDetail:delegate:", "auction/getDetails", Open,
         {text("auctionCode", 0)}},
        {Op::favoritesAuction, "favoritesAuction:pmCode:delegate:", "auction/collect", Open,
         {text("loginInfoID", 0), text("auctionCode", 1)}},
        {Op::getBiddingList, "getBiddingList:subClassId:provinceId:spec:pageIdx:pageSize:delegate:",
         "ZhaoBiao/Search", Open, marketListInfo()},
        {Op::getYingBiaoDetail, "getYingBiaoDetail:delegate:", "ZhaoBiao/ZhaoBiaoDetail", Open,
         {text("id", 0)}},
        {Op::buyItemFromBidding, "buyItemFromBidding:resourceId:provinceId:cityId:merchant:price:delegate:",
         "ZhaoBiao/OnlineYingBiao", Open,
         {text("loginInfoID", 0), text("ResourceID", 1), text("ProvinceID", 2), text("CityID", 3),
          text("Yieldly", 4), price("Price", 5)}},

        // information articles
        {Op::getInformationClass, "getInformationClass:pageIdx:pageSize:delegate:", "zixun/getnews", Open,
         {text("newsType", 0), integer("pageIndex", 1), integer("pageSize", 2)}},
        {Op::getIndustryClass, "getIndustryClass:provinceId:pageSize:delegate:", "hangqing/getnews", Open,
         {text("newsType", 0), text("provinceId", 1), integer("pageSize", 2)}},
        {Op::getIndustry, "getIndustry:currendId:provinceId:pageIdx:pageSize:delegate:", "hangqing/getmore",
         Open,
         {text("pid", 0), text("id", 1), text("provinceId", 2), integer("pageIndex", 3),
          integer("pageSize", 4)}},
        {Op::getArticleClass, "getArticleClass:pageSize:delegate:", "fxs/GetTopArticle", Open,
         {integer("pageIndex", 0), integer("pageSize", 1)}},
        {Op::getSteelRoomClass, "getSteelRoomClass:pageIdx:pageSize:delegate:", "gangchang/getnews", Open,
         {text("newsType", 0), integer("pageIndex", 1), integer("pageSize", 2)}},
        {Op::getResearchClass, "getResearchClass:pageIdx:pageSize:delegate:", "yanjiu/getnews", Open,
         {text("newsType", 0), integer("pageIndex", 1), integer("pageSize", 2)}},
        {Op::articleIsBuy, "articleIsBuy:ArticId:delegate:", "Fxs/IsPay", Open,
         {text("loginInfoID", 0), text("articleId", 1)}},
        {Op::buyArtic, "buyArtic:ArticId:delegate:", "Fxs/PayArticle", Open,
         {text("loginInfoID", 0), text("articleId", 1)}},

        // the image travels as a separate part; arguments: user id, upload type, company, order id
        {Op::uploadUntiyImage, "uploadUntiyImage:image:uploadType:companyname:orderId:delegate:",
         "Index/UploadImg", Open,
         {text("loginInfoID", 0), integer("type", 1), text("company", 2), text("orderId", 3)}},

        // buyer and seller orders: object arguments go through unchanged
        {Op::orderListWithRole, "orderListWithRole:orderStatus:pageIndex:delegate:",
         "Market/ToBeConfirmedOrder", Guarded,
         {user(), integer("pageIndex", 2), fixed("pageSize", "10"), integer("Status", 1), pass("role", 0)}},
        {Op::orderDetailOfWaitPay, "orderDetailOfWaitPay:delegate:", "Market/ResourceOrderDetail", Open,
         {pass("id", 0)}},
        {Op::orderDetailWithId, "orderDetailWithId:delegate:", "Market/OrderHistoryDetail", Guarded,
         {user(), pass("id", 0)}},
        {Op::confirmOrderWithDelegate, "confirmOrderWithDelegate:orderId:resourceId:", "Market/ConfirmOrder",
         Guarded, {user(), pass("id", 0), pass("resourceId", 1)}},
        {Op::giveOrderWithDelegate, "giveOrderWithDelegate:orderId:resourceId:", "Market/GiveOrder", Guarded,
         {user(), pass("id", 0), pass("resourceId", 1)}},
        {Op::tradeOrderListWithDelegate, "tradeOrderListWithDelegate:role:pageIndex:", "Market/TradeOrderList",
         Open, {pass("role", 0), integer("pageindex", 1), fixed("pagesize", "10"), user()}},
        {Op::toTradeOrderWithDelegate, "toTradeOrderWithDelegate:orderID:issuccess:role:",
         "Market/ToTradeOrder", Open, {pass("id", 0), pass("issuccess", 1), pass("role", 2)}},
        {Op::sellerInfoWithUserId, "sellerInfoWithUserId:delegate:", "Market/CompanyInfo", Open,
         {pass("userId", 0)}},

        // directed resources and the user's resources
        {Op::directResourceListWithDelegate, "directResourceListWithDelegate:pageIndex:",
         "Market/DirectResourceList", Guarded, directListInfo()},
        {Op::mysendDirectResourceListWithDelegate, "mysendDirectResourceListWithDelegate:pageIndex:",
         "Market/SendDirectResourceList", Guarded, directListInfo()},
        {Op::directToOrderWithDelegate, "directToOrderWithDelegate:resourceids:", "Market/DirectToOrder",
         Guarded, {user(), pass("resourceids", 0)}},
        {Op::releaseDirectResourceWithDelegate, "releaseDirectResourceWithDelegate:resourceids:mobile:",
         "Market/ReleaseDirectResource", Guarded, {user(), pass("resourceids", 0), pass("mobile", 1)}},
        {Op::releaseResourceWithDelegate, "releaseResourceWithDelegate:resourceids:", "Market/ReleaseResource",
         Guarded,
         {user(), pass("resourceids", 0), fixed("resType", "select"), fixed("pubType", "pubDiscount")}},
        {Op::backResourceWithResourceids, "backResourceWithResourceids:delegate:", "Market/BackResource",
         Guarded, {user(), pass("resourceids", 0)}},
        {Op::sourceListWithDelegate, "sourceListWithDelegate:pageIndex:status:", "Market/MyResourceList",
         Guarded, {user(), fixed("pageSize", "10"), integer("pageIndex", 0), integer("status", 1)}},
        {Op::resourceDetailWithId, "resourceDetailWithId:delegate:", "Market/Details", Open,
         {pass("resourceId", 0)}},
        {Op::editResourceWithDelegate,
         "editResourceWithDelegate:sortID:nsortID:provinceID:cityID:spec:materials:yieldly:price:weight:"
         "counttype:cangku:resourceid:discount:",
         "Market/EditResource", Guarded,
         {user(), pass("sortID", 0), pass("nsortID", 1), pass("provinceID", 2), pass("cityID", 3),
          pass("spec", 4), pass("materials", 5), pass("yieldly", 6), pass("price", 7), pass("weight", 8),
          pass("counttype", 9), pass("cangku", 10), pass("resourceid", 11), pass("discount", 12)}},

        // tenders and bids
        {Op::zhaobiaoListWithDelegate, "zhaobiaoListWithDelegate:status:pageIndex:",
         "ZhaoBiao/GetMyZhaoBiaoList", Guarded,
         {user(), integer("pageIndex", 1), fixed("pageSize", "10"), integer("status", 0)}},
        {Op::zhaobiaoDetailWithDelegate, "zhaobiaoDetailWithDelegate:zhaobiaoID:", "ZhaoBiao/ZhaoBiaoDetail",
         Open, {pass("id", 0)}},
        {Op::zhaobiaoAddAndEditorWithDelegate,
         "zhaobiaoAddAndEditorWithDelegate:provinceID:cityID:sortID:nsortID:spec:maxnum:materials:price:"
         "weight:paytype:resourceid:",
         "ZhaoBiao/AddZhaoBiao", Open,
         {user(), pass("sortID", 2), pass("nsortID", 3), pass("provinceID", 0), pass("cityID", 1),
          pass("maxnum", 5), pass("spec", 4), pass("materials", 6), pass("price", 7), pass("weight", 8),
          pass("id", 10), pass("paytype", 9)}},
        {Op::zhaobiaoFabuWithDelegate, "zhaobiaoFabuWithDelegate:resourceids:", "ZhaoBiao/FbZhaoBiao", Open,
         {pass("resourceids", 0)}},
        {Op::zhaobiaoBackWithDelegate, "zhaobiaoBackWithDelegate:zhaobiaoID:", "ZhaoBiao/BackZhaoBiao", Open,
         {pass("resourceid", 0)}},
        {Op::yingbiaoListWithDelegate, "yingbiaoListWithDelegate:pageIndex:", "ZhaoBiao/YingBiaoList", Open,
         {user(), integer("pageIndex", 0), fixed("pageSize", "10")}},
        {Op::yingbiaoDetailWithDelegate, "yingbiaoDetailWithDelegate:ybId:", "ZhaoBiao/YingBiaoDetail", Open,
         {pass("id", 0)}},
        {Op::buyerInfoWithDelegate, "buyerInfoWithDelegate:buyerId:", "ZhaoBiao/CompanyInfo", Open,
         {pass("id", 0)}},

        // form-envelope calls
        {Op::getYieldlyWithDelegate, "getYieldlyWithDelegate:", "market/GetYieldly", Open,
         {fixed("content", "")}, Envelope},
        {Op::getFriendListWithDelegate, "getFriendListWithDelegate:", "IM/GetFriendList", Guarded, {user()}, Envelope},
        {Op::getPreFriendListWithDelegate, "getPreFriendListWithDelegate:", "IM/GetPreFriendList", Guarded,
         {user()}, Envelope},
        // the tender form's category tree, with its materials: the authentication field alone
        {Op::getQueryConditionWithDelegate, "getQueryConditionWithDelegate:", "steel/GetQueryCondition", Open, {},
         Envelope},
        {Op::addAdviceWithContent, "addAdviceWithContent:delegate:", "app/addAdvice", Open, {text("content", 0)},
         Advice},
    };
}

constexpr auto kCount = static_cast<std::size_t>(Op::Count);

const std::array<Endpoint, kCount> &table()
{
    static const std::array<Endpoint, kCount> byOperation = [] {
        std::array<Endpoint, kCount> t{};
        std::array<bool, kCount> seen{};
        for (Endpoint &e : entries()) {
            const auto i = static_cast<std::size_t>(e.operation);
            Q_ASSERT_X(!seen[i], "EndpointCatalogue", e.selector);
            seen[i] = true;
            t[i] = std::move(e);
        }
        for (bool s : seen)
            Q_ASSERT_X(s, "EndpointCatalogue", "an operation has no entry");
        return t;
    }();
    return byOperation;
}

QString currentUserId()
{
    return UserInfo::info()->userId();
}

QVariant argument(const QVariantList &args, int index)
{
    return index >= 0 && index < args.size() ? args.at(index) : QVariant();
}

} // namespace

const Endpoint &EndpointCatalogue::endpoint(Operation operation)
{
    return table().at(static_cast<std::size_t>(operation));
}

QList<EndpointCatalogue::Operation> EndpointCatalogue::operations()
{
    QList<Operation> all;
    for (std::size_t i = 0; i < kCount; ++i)
        all << static_cast<Operation>(i);
    return all;
}

bool EndpointCatalogue::mayCall(Operation operation)
{
    return !endpoint(operation).guarded || !currentUserId().isEmpty();
}

QString EndpointCatalogue::fixedText(double value, int decimals)
{
    // Large enough for "%.2f" of the largest double (309 digits plus sign and decimals).
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return QString::number(value, 'f', decimals);
    return QString::fromLatin1(buf, end - buf);
}

JsonMembers EndpointCatalogue::info(Operation operation, const QVariantList &args)
{
    const Endpoint &e = endpoint(operation);
    JsonMembers out;
    for (const Member &m : e.info) {
        const QString key = QString::fromLatin1(m.key);
        const QVariant arg = argument(args, m.arg);
        switch (m.rule) {
        case Rule::Text:
            out.append({key, Value::text(arg)});
            break;
        case Rule::Integer:
            out.append({key, QString::number(Value::intValue(arg))});
            break;
        case Rule::Price:
            out.append({key, fixedText(Value::doubleValue(arg), 0)});
            break;
        case Rule::Weight:
            out.append({key, fixedText(Value::doubleValue(arg), 2)});
            break;
        case Rule::AsIs:
            // An absent object would have no JSON form the service understands; callers mean
            // "no value" by an empty text, so that is what goes out.
            if (Value::isNone(arg)) {
                qCWarning(lcApi, "%s: no value for \"%s\", sent as empty text", e.selector, m.key);
                out.append({key, QStringLiteral("")});
            } else {
                out.append({key, arg});
            }
            break;
        case Rule::Fixed:
            out.append({key, QString::fromUtf8(m.fixed)});
            break;
        case Rule::UserId: {
            const QString id = currentUserId();
            out.append({key, id.isNull() ? QStringLiteral("") : id});
            break;
        }
        case Rule::SteelMill: {
            UserDefaults *defaults = UserDefaults::standardUserDefaults();
            if (defaults->stringForKey(QString::fromLatin1(kSteelMillMode)) == QLatin1String("yes"))
                out.append({key, Value::text(defaults->objectForKey(QString::fromLatin1(kSteelMillName)))});
            break;
        }
        }
    }
    return out;
}
