// The typed catalogue operations of Request: each hands its arguments, in the order of its
// parameters, to the catalogue table, which knows the path, the keys and the value rules.
#include "core/api/Request.h"

#include "core/api/FormEnvelope.h"
#include "core/api/ImageUpload.h"
#include "core/api/ServiceToken.h"

#include <QNetworkRequest>

using Op = EndpointCatalogue::Operation;
using D = RequestDelegate;
using V = QVariant;

void Request::call(Op operation, D *delegate, const QVariantList &args)
{
    if (!EndpointCatalogue::mayCall(operation)) {
        // Nothing was started, so nothing would ever delete this request.
        deleteLater();
        return;
    }
    setDelegate(delegate);
    const EndpointCatalogue::Endpoint &endpoint = EndpointCatalogue::endpoint(operation);
    const QString path = QString::fromLatin1(endpoint.path);
    if (endpoint.post == EndpointCatalogue::Post::Body) {
        startConnection(path, EndpointCatalogue::info(operation, args));
        return;
    }
    const bool advice = endpoint.post == EndpointCatalogue::Post::Advice;
    QNetworkRequest http(advice ? FormEnvelope::adviceUrl(path) : serviceUrl(path));
    http.setTransferTimeout(m_timeoutMs);
    const QLatin1String type = FormEnvelope::kContentType;
    http.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(type.data(), type.size()));
    // A call without an info block posts the authentication field alone.
    std::optional<JsonMembers> info;
    if (!endpoint.info.isEmpty())
        info = EndpointCatalogue::info(operation, args);
    post(http, FormEnvelope::body(info, advice ? ServiceToken::kReport : ServiceToken::kService), true);
}

// accounts
void Request::userRegister(const V &mobile, const V &code, D *d) { call(Op::userRegister, d, {mobile, code}); }
void Request::getUserCode1(const V &mobile, D *d) { call(Op::getUserCode1, d, {mobile}); }
void Request::getUserCode(const V &mobile, D *d) { call(Op::getUserCode, d, {mobile}); }
void Request::updatePassword(const V &mobile, const V &newPass, const V &code, D *d)
{ call(Op::updatePasswordByCode, d, {mobile, newPass, code}); }
void Request::updatePassword(const V &userId, const V &newPass, D *d)
{ call(Op::updatePassword, d, {userId, newPass}); }
void Request::updateBaseInfo(const V &userId, const V &nickname, const V &phone, const V &province,
                             const V &city, const V &product, const V &fax, const V &email,
                             const V &companyname, const V &address, D *d)
{
    call(Op::updateBaseInfo, d,
         {userId, nickname, phone, province, city, product, fax, email, companyname, address});
}
void Request::inviteFriends(const V &userId, const V &userTel, const V &inviteList, D *d)
{ call(Op::inviteFriends, d, {userId, userTel, inviteList}); }

// home page and requests for goods
void Request::getMainDataWithDelegate(D *d) { call(Op::getMainDataWithDelegate, d, {}); }
void Request::getNewOrder(int pageSize, D *d) { call(Op::getNewOrder, d, {pageSize}); }
void Request::helpToMe(const V &userId, const V &content, D *d) { call(Op::helpToMe, d, {userId, content}); }

// market lists and filters
void Request::getClassListWithDelegate(D *d) { call(Op::getClassListWithDelegate, d, {}); }
void Request::getFormatList(const V &classId, const V &subClassId, const V &provinceId, int pageSize, D *d)
{ call(Op::getFormatList, d, {classId, subClassId, provinceId, pageSize}); }
void Request::getSuperMarkList(const V &classId, const V &subClassId, const V &provinceId, const V &formatStr,
                               int pageIdx, int pageSize, D *d)
{ call(Op::getSuperMarkList, d, {classId, subClassId, provinceId, formatStr, pageIdx, pageSize}); }
void Request::getSuperMarkDetail(const V &resourceId, D *d) { call(Op::getSuperMarkDetail, d, {resourceId}); }
void Request::buyItemFromSuperMark(const V &userId, const V &resourceId, double price, double weight, D *d)
{ call(Op::buyItemFromSuperMark, d, {userId, resourceId, price, weight}); }
void Request::getAuctionList(const V &classId, const V &subClassId, const V &provinceId, const V &spec,
                             int pageIdx, int pageSize, D *d)
{ call(Op::getAuctionList, d, {classId, subClassId, provinceId, spec, pageIdx, pageSize}); }
void Request::getAuctionDetail(const V &auctionCode, D *d) { call(Op::getAuctionDetail, d, {auctionCode}); }
void Request::favoritesAuction(const V &userId, const V &pmCode, D *d)
{ call(Op::favoritesAuction, d, {userId, pmCode}); }
void Request::getBiddingList(const V &classId, const V &subClassId, const V &provinceId, const V &spec,
                             int pageIdx, int pageSize, D *d)
{ call(Op::getBiddingList, d, {classId, subClassId, provinceId, spec, pageIdx, pageSize}); }
void Request::getYingBiaoDetail(const V &tenderId, D *d) { call(Op::getYingBiaoDetail, d, {tenderId}); }
void Request::buyItemFromBidding(const V &userId, const V &resourceId, const V &provinceId, const V &cityId,
                                 const V &merchant, double price, D *d)
{ call(Op::buyItemFromBidding, d, {userId, resourceId, provinceId, cityId, merchant, price}); }

// information articles
void Request::getInformationClass(const V &newsType, int pageIdx, int pageSize, D *d)
{ call(Op::getInformationClass, d, {newsType, pageIdx, pageSize}); }
void Request::getIndustryClass(const V &newsType, const V &provinceId, int pageSize, D *d)
{ call(Op::getIndustryClass, d, {newsType, provinceId, pageSize}); }
void Request::getIndustry(const V &parentId, const V &currendId, const V &provinceId, int pageIdx, int pageSize,
                          D *d)
{ call(Op::getIndustry, d, {parentId, currendId, provinceId, pageIdx, pageSize}); }
void Request::getArticleClass(int pageIndex, int pageSize, D *d)
{ call(Op::getArticleClass, d, {pageIndex, pageSize}); }
void Request::getSteelRoomClass(const V &newsType, int pageIdx, int pageSize, D *d)
{ call(Op::getSteelRoomClass, d, {newsType, pageIdx, pageSize}); }
void Request::getResearchClass(const V &newsType, int pageIdx, int pageSize, D *d)
{ call(Op::getResearchClass, d, {newsType, pageIdx, pageSize}); }
void Request::articleIsBuy(const V &userId, const V &articId, D *d) { call(Op::articleIsBuy, d, {userId, articId}); }
void Request::buyArtic(const V &userId, const V &articId, D *d) { call(Op::buyArtic, d, {userId, articId}); }

void Request::uploadUntiyImage(const V &userId, const QByteArray &image, int uploadType, const V &companyname,
                               const V &orderId, D *d)
{
    setDelegate(d);
    const Op op = Op::uploadUntiyImage;
    const QByteArray body =
        ImageUpload::body(authBlock(), EndpointCatalogue::info(op, {userId, uploadType, companyname, orderId}), image);
    QNetworkRequest http(serviceUrl(QString::fromLatin1(EndpointCatalogue::endpoint(op).path)));
    http.setHeader(QNetworkRequest::ContentTypeHeader, ImageUpload::contentType());
    http.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    http.setTransferTimeout(kUploadTimeoutMs);
    post(http, body, false);
}

// buyer and seller orders
void Request::orderListWithRole(const V &role, int orderStatus, int pageIndex, D *d)
{ call(Op::orderListWithRole, d, {role, orderStatus, pageIndex}); }
void Request::orderDetailOfWaitPay(const V &orderId, D *d) { call(Op::orderDetailOfWaitPay, d, {orderId}); }
void Request::orderDetailWithId(const V &orderId, D *d) { call(Op::orderDetailWithId, d, {orderId}); }
void Request::confirmOrderWithDelegate(D *d, const V &orderId, const V &resourceId)
{ call(Op::confirmOrderWithDelegate, d, {orderId, resourceId}); }
void Request::giveOrderWithDelegate(D *d, const V &orderId, const V &resourceId)
{ call(Op::giveOrderWithDelegate, d, {orderId, resourceId}); }
void Request::tradeOrderListWithDelegate(D *d, const V &role, int pageIndex)
{ call(Op::tradeOrderListWithDelegate, d, {role, pageIndex}); }
void Request::toTradeOrderWithDelegate(D *d, const V &orderID, const V &issuccess, const V &role)
{ call(Op::toTradeOrderWithDelegate, d, {orderID, issuccess, role}); }
void Request::sellerInfoWithUserId(const V &userId, D *d) { call(Op::sellerInfoWithUserId, d, {userId}); }

// directed resources and the user's resources
void Request::directResourceListWithDelegate(D *d, int pageIndex)
{ call(Op::directResourceListWithDelegate, d, {pageIndex}); }
void Request::mysendDirectResourceListWithDelegate(D *d, int pageIndex)
{ call(Op::mysendDirectResourceListWithDelegate, d, {pageIndex}); }
void Request::directToOrderWithDelegate(D *d, const V &resourceids)
{ call(Op::directToOrderWithDelegate, d, {resourceids}); }
void Request::releaseDirectResourceWithDelegate(D *d, const V &resourceids, const V &mobile)
{ call(Op::releaseDirectResourceWithDelegate, d, {resourceids, mobile}); }
void Request::releaseResourceWithDelegate(D *d, const V &resourceids)
{ call(Op::releaseResourceWithDelegate, d, {resourceids}); }
void Request::backResourceWithResourceids(const V &resourceids, D *d)
{ call(Op::backResourceWithResourceids, d, {resourceids}); }
void Request::sourceListWithDelegate(D *d, int pageIndex, int status)
{ call(Op::sourceListWithDelegate, d, {pageIndex, status}); }
void Request::resourceDetailWithId(const V &resourceId, D *d) { call(Op::resourceDetailWithId, d, {resourceId}); }
void Request::editResourceWithDelegate(D *d, const V &sortID, const V &nsortID, const V &provinceID,
                                       const V &cityID, const V &spec, const V &materials, const V &yieldly,
                                       const V &price, const V &weight, const V &counttype, const V &cangku,
                                       const V &resourceid, const V &discount)
{
    call(Op::editResourceWithDelegate, d,
         {sortID, nsortID, provinceID, cityID, spec, materials, yieldly, price, weight, counttype, cangku,
          resourceid, discount});
}

// tenders and bids
void Request::zhaobiaoListWithDelegate(D *d, int status, int pageIndex)
{ call(Op::zhaobiaoListWithDelegate, d, {status, pageIndex}); }
void Request::zhaobiaoDetailWithDelegate(D *d, const V &zhaobiaoID)
{ call(Op::zhaobiaoDetailWithDelegate, d, {zhaobiaoID}); }
void Request::zhaobiaoAddAndEditorWithDelegate(D *d, const V &provinceID, const V &cityID, const V &sortID,
                                               const V &nsortID, const V &spec, const V &maxnum,
                                               const V &materials, const V &price, const V &weight,
                                               const V &paytype, const V &resourceid)
{
    call(Op::zhaobiaoAddAndEditorWithDelegate, d,
         {provinceID, cityID, sortID, nsortID, spec, maxnum, materials, price, weight, paytype, resourceid});
}
void Request::zhaobiaoFabuWithDelegate(D *d, const V &resourceids)
{ call(Op::zhaobiaoFabuWithDelegate, d, {resourceids}); }
void Request::zhaobiaoBackWithDelegate(D *d, const V &zhaobiaoID)
{ call(Op::zhaobiaoBackWithDelegate, d, {zhaobiaoID}); }
void Request::yingbiaoListWithDelegate(D *d, int pageIndex) { call(Op::yingbiaoListWithDelegate, d, {pageIndex}); }
void Request::yingbiaoDetailWithDelegate(D *d, const V &ybId) { call(Op::yingbiaoDetailWithDelegate, d, {ybId}); }
void Request::buyerInfoWithDelegate(D *d, const V &buyerId) { call(Op::buyerInfoWithDelegate, d, {buyerId}); }

// form-envelope calls
void Request::getYieldlyWithDelegate(D *d) { call(Op::getYieldlyWithDelegate, d, {}); }
void Request::getQueryConditionWithDelegate(D *d) { call(Op::getQueryConditionWithDelegate, d, {}); }
void Request::getFriendListWithDelegate(D *d) { call(Op::getFriendListWithDelegate, d, {}); }
void Request::getPreFriendListWithDelegate(D *d) { call(Op::getPreFriendListWithDelegate, d, {}); }

// the advice service
void Request::addAdviceWithContent(const V &content, D *d) { call(Op::addAdviceWithContent, d, {content}); }
