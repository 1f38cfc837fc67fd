#pragma once

#include "core/api/EndpointCatalogue.h"
#include "core/api/RequestDelegate.h"
#include "core/api/ServiceReply.h"
#include "core/util/JsonWriter.h"
#include "core/util/WeakDelegate.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariantMap>
#include <functional>

class QNetworkReply;
class QNetworkRequest;

/// One exchange with the HTTP service: POST "auth=<auth JSON>&info=<info JSON>" to the service
/// base URL + path, decode the reply and hand it to the delegate. A Request deletes itself once
/// its result or failure has been delivered (and hideActivity called); it is never reused.
///
/// A screen handles each call where it makes it, with a callable tied to the screen's life:
///
///     Request::request()->onSuccess(this, [this](const QVariant &data) { ... })
///         ->getSuperMarkDetail(resourceId, this);
///
/// onSuccess shows a refusal's "message" in the message alert and calls nothing; onReply hands
/// over every unwrapped reply; onFailure hears transport failures. The delegate still gets its
/// busy-indicator calls around the exchange.
class Request : public QObject
{
    Q_OBJECT
public:
    /// A new request with requestId 0 / with the given tag. Owned by its own exchange.
    static Request *request();
    static Request *request(int requestId);

    int requestId() const { return m_requestId; }
    void setRequestId(int id) { m_requestId = id; }
    RequestDelegate *delegate() const;
    void setDelegate(RequestDelegate *delegate);
    QNetworkReply *connection() const { return m_connection; }
    qint64 currentLength() const { return m_currentLength; }
    qint64 sumLength() const { return m_sumLength; }

    /// Sends one call; info may be empty (sent as {}). Members keep the given order.
    void startConnection(const QString &path, const JsonMembers &info);
    void startConnection(const QString &path, const QVariantMap &info);
    void startConnection(const QString &path);

    /// The authentication block, built afresh for each call.
    static JsonMembers authBlock();
    /// The exact body text for a path-independent pair of blocks (also used by tests).
    static QByteArray bodyFor(const JsonMembers &info);
    /// Reply decoding: UTF-8, every CR LF pair removed, JSON; invalid QVariant when not JSON.
    static QVariant decodeReply(const QByteArray &body);

    static constexpr int kTimeoutMs = 20000;
    /// The header that carries the session key of the logged-in user on every service call
    /// (body, path and fields stay as they are), so the service knows whose call it is.
    static constexpr char kSessionKeyHeader[] = "X-Velmora-Session";
    /// Adds that header when a login has given the user a key.
    static void addSessionKey(QNetworkRequest &http);
    /// Inactivity time-out of this exchange; tests shorten it. Set before startConnection.
    void setTimeout(int ms) { m_timeoutMs = ms; }

    /// True when the exchange itself failed (no connection, refused, reset, time-out). A reply
    /// whose head arrived counts as delivered whatever its HTTP status: its body is the result.
    static bool isTransportFailure(const QNetworkReply *reply);
    /// The platform error object for a failed exchange (time-outs reported as TimeoutError).
    static RequestError errorFor(const QNetworkReply *reply);

    ~Request() override;

    using SuccessHandler = std::function<void(const QVariant &data)>;
    using ReplyHandler = std::function<void(const ServiceReply &reply)>;
    using FailureHandler = std::function<void(const RequestError &error)>;
    /// Runs handler with "data" when errorCode is 0; otherwise shows "message" (state unchanged).
    /// Nothing runs once context is gone. Returns this request, to chain the catalogue call.
    Request *onSuccess(QObject *context, SuccessHandler handler);
    /// Runs handler with every reply, unwrapped, refusals included; no alert is shown.
    Request *onReply(QObject *context, ReplyHandler handler);
    /// Runs handler when the exchange itself failed (no connection, time-out).
    Request *onFailure(QObject *context, FailureHandler handler);

signals:
    /// The decoded reply (invalid when the body was not JSON), after requestDidFinish.
    void didFinish(const QVariant &result);
    /// The exchange failed, after requestDidFail.
    void didFail(const RequestError &error);

public:

    // ---- Endpoint catalogue (declared below this line) ----
    // Each operation stores the delegate and sends its info block (keys and value rules in
    // EndpointCatalogue). Object arguments are QVariants: in the market and account operations
    // they go out as "%@" text (none → "(null)", pass "" for no value); in the trading and tender
    // operations they go out unchanged, so a number read from an earlier reply stays a number.
    // Operations that need a logged-in user do nothing at all without one.

    // accounts
    void userRegister(const QVariant &mobile, const QVariant &code, RequestDelegate *delegate);
    void getUserCode1(const QVariant &mobile, RequestDelegate *delegate);
    void getUserCode(const QVariant &mobile, RequestDelegate *delegate);
    void updatePassword(const QVariant &mobile, const QVariant &newPass, const QVariant &code,
                        RequestDelegate *delegate);
    void updatePassword(const QVariant &userId, const QVariant &newPass, RequestDelegate *delegate);
    void updateBaseInfo(const QVariant &userId, const QVariant &nickname, const QVariant &phone,
                        const QVariant &province, const QVariant &city, const QVariant &product,
                        const QVariant &fax, const QVariant &email, const QVariant &companyname,
                        const QVariant &address, RequestDelegate *delegate);
    void inviteFriends(const QVariant &userId, const QVariant &userTel, const QVariant &inviteList,
                       RequestDelegate *delegate);

    // home page and requests for goods
    void getMainDataWithDelegate(RequestDelegate *delegate);
    void getNewOrder(int pageSize, RequestDelegate *delegate);
    void helpToMe(const QVariant &userId, const QVariant &content, RequestDelegate *delegate);

    // market lists and filters
    void getClassListWithDelegate(RequestDelegate *delegate);
    void getFormatList(const QVariant &classId, const QVariant &subClassId, const QVariant &provinceId,
                       int pageSize, RequestDelegate *delegate);
    void getSuperMarkList(const QVariant &classId, const QVariant &subClassId, const QVariant &provinceId,
                          const QVariant &formatStr, int pageIdx, int pageSize, RequestDelegate *delegate);
    void getSuperMarkDetail(const QVariant &resourceId, RequestDelegate *delegate);
    void buyItemFromSuperMark(const QVariant &userId, const QVariant &resourceId, double price, double weight,
                              RequestDelegate *delegate);
    void getAuctionList(const QVariant &classId, const QVariant &subClassId, const QVariant &provinceId,
                        const QVariant &spec, int pageIdx, int pageSize, RequestDelegate *delegate);
    void getAuctionDetail(const QVariant &auctionCode, RequestDelegate *delegate);
    void favoritesAuction(const QVariant &userId, const QVariant &pmCode, RequestDelegate *delegate);
    void getBiddingList(const QVariant &classId, const QVariant &subClassId, const QVariant &provinceId,
                        const QVariant &spec, int pageIdx, int pageSize, RequestDelegate *delegate);
    void getYingBiaoDetail(const QVariant &tenderId, RequestDelegate *delegate);
    void buyItemFromBidding(const QVariant &userId, const QVariant &resourceId, const QVariant &provinceId,
                            const QVariant &cityId, const QVariant &merchant, double price,
                            RequestDelegate *delegate);

    // information articles
    void getInformationClass(const QVariant &newsType, int pageIdx, int pageSize, RequestDelegate *delegate);
    void getIndustryClass(const QVariant &newsType, const QVariant &provinceId, int pageSize,
                          RequestDelegate *delegate);
    void getIndustry(const QVariant &parentId, const QVariant &currendId, const QVariant &provinceId,
                     int pageIdx, int pageSize, RequestDelegate *delegate);
    void getArticleClass(int pageIndex, int pageSize, RequestDelegate *delegate);
    void getSteelRoomClass(const QVariant &newsType, int pageIdx, int pageSize, RequestDelegate *delegate);
    void getResearchClass(const QVariant &newsType, int pageIdx, int pageSize, RequestDelegate *delegate);
    void articleIsBuy(const QVariant &userId, const QVariant &articId, RequestDelegate *delegate);
    void buyArtic(const QVariant &userId, const QVariant &articId, RequestDelegate *delegate);

    /// Multipart upload of an image, already encoded as PNG by the caller (core has no image
    /// codecs). Times out after 10 s and, unlike the other operations, does not call showActivity:
    /// both callers show their busy indicator themselves before calling it.
    void uploadUntiyImage(const QVariant &userId, const QByteArray &image, int uploadType,
                          const QVariant &companyname, const QVariant &orderId, RequestDelegate *delegate);
    static constexpr int kUploadTimeoutMs = 10000;

    // buyer and seller orders
    void orderListWithRole(const QVariant &role, int orderStatus, int pageIndex, RequestDelegate *delegate);
    void orderDetailOfWaitPay(const QVariant &orderId, RequestDelegate *delegate);
    void orderDetailWithId(const QVariant &orderId, RequestDelegate *delegate);
    void confirmOrderWithDelegate(RequestDelegate *delegate, const QVariant &orderId, const QVariant &resourceId);
    void giveOrderWithDelegate(RequestDelegate *delegate, const QVariant &orderId, const QVariant &resourceId);
    void tradeOrderListWithDelegate(RequestDelegate *delegate, const QVariant &role, int pageIndex);
    void toTradeOrderWithDelegate(RequestDelegate *delegate, const QVariant &orderID, const QVariant &issuccess,
                                  const QVariant &role);
    void sellerInfoWithUserId(const QVariant &userId, RequestDelegate *delegate);

    // directed resources and the user's resources
    void directResourceListWithDelegate(RequestDelegate *delegate, int pageIndex);
    void mysendDirectResourceListWithDelegate(RequestDelegate *delegate, int pageIndex);
    void directToOrderWithDelegate(RequestDelegate *delegate, const QVariant &resourceids);
    void releaseDirectResourceWithDelegate(RequestDelegate *delegate, const QVariant &resourceids,
                                           const QVariant &mobile);
    void releaseResourceWithDelegate(RequestDelegate *delegate, const QVariant &resourceids);
    void backResourceWithResourceids(const QVariant &resourceids, RequestDelegate *delegate);
    void sourceListWithDelegate(RequestDelegate *delegate, int pageIndex, int status);
    void resourceDetailWithId(const QVariant &resourceId, RequestDelegate *delegate);
    void editResourceWithDelegate(RequestDelegate *delegate, const QVariant &sortID, const QVariant &nsortID,
                                  const QVariant &provinceID, const QVariant &cityID, const QVariant &spec,
                                  const QVariant &materials, const QVariant &yieldly, const QVariant &price,
                                  const QVariant &weight, const QVariant &counttype, const QVariant &cangku,
                                  const QVariant &resourceid, const QVariant &discount);

    // tenders and bids
    void zhaobiaoListWithDelegate(RequestDelegate *delegate, int status, int pageIndex);
    void zhaobiaoDetailWithDelegate(RequestDelegate *delegate, const QVariant &zhaobiaoID);
    void zhaobiaoAddAndEditorWithDelegate(RequestDelegate *delegate, const QVariant &provinceID,
                                          const QVariant &cityID, const QVariant &sortID, const QVariant &nsortID,
                                          const QVariant &spec, const QVariant &maxnum, const QVariant &materials,
                                          const QVariant &price, const QVariant &weight, const QVariant &paytype,
                                          const QVariant &resourceid);
    void zhaobiaoFabuWithDelegate(RequestDelegate *delegate, const QVariant &resourceids);
    void zhaobiaoBackWithDelegate(RequestDelegate *delegate, const QVariant &zhaobiaoID);
    void yingbiaoListWithDelegate(RequestDelegate *delegate, int pageIndex);
    void yingbiaoDetailWithDelegate(RequestDelegate *delegate, const QVariant &ybId);
    void buyerInfoWithDelegate(RequestDelegate *delegate, const QVariant &buyerId);

    // form-envelope calls: the steel mills, the user's friends, pending friend requests, the
    // category tree with each kind's materials
    void getYieldlyWithDelegate(RequestDelegate *delegate);
    void getFriendListWithDelegate(RequestDelegate *delegate);
    void getPreFriendListWithDelegate(RequestDelegate *delegate);
    void getQueryConditionWithDelegate(RequestDelegate *delegate);

    // the user's advice, posted to the advice service in the form envelope
    void addAdviceWithContent(const QVariant &content, RequestDelegate *delegate);

private:
    explicit Request(int requestId);
    /// Sends one catalogue operation, or (guarded, nobody logged in) drops the request unsent.
    void call(EndpointCatalogue::Operation operation, RequestDelegate *delegate, const QVariantList &args);
    /// Starts the exchange; showActivity is false for the picture upload, whose callers show
    /// their busy indicator themselves.
    void post(const QNetworkRequest &http, const QByteArray &body, bool showActivity);
    /// The service base URL followed by the path, unchanged.
    static QUrl serviceUrl(const QString &path);
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void finish();

    int m_requestId = 0;
    WeakDelegate<RequestDelegate> m_delegate;
    QPointer<QNetworkReply> m_connection;
    QByteArray m_receiveData;
    qint64 m_currentLength = 0;
    qint64 m_sumLength = -1;
    bool m_done = false;
    bool m_started = false;
    int m_timeoutMs = kTimeoutMs;
};
