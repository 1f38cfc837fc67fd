#pragma once

#include "core/util/JsonWriter.h"

#include <QList>
#include <QString>
#include <QVariantList>

/// Every operation of the HTTP service the client calls: its path, whether it needs a logged-in
/// user, and how each member of its info block is made from the operation's arguments.
/// This is the only place where paths and info keys are spelled; `Request`'s typed operations
/// are thin wrappers over it, and screens never build an info block themselves.
class EndpointCatalogue
{
public:
    /// One enumerator per operation; the two `updatePassword` overloads are told apart by suffix.
    enum class Operation {
        // accounts
        userRegister, getUserCode1, getUserCode, updatePasswordByCode, updatePassword,
        updateBaseInfo, inviteFriends,
        // home page and requests for goods
        getMainDataWithDelegate, getNewOrder, helpToMe,
        // market lists and filters
        getClassListWithDelegate, getFormatList, getSuperMarkList, getSuperMarkDetail,
        buyItemFromSuperMark, getAuctionList, getAuctionDetail, favoritesAuction, getBiddingList,
        getYingBiaoDetail, buyItemFromBidding,
        // information articles
        getInformationClass, getIndustryClass, getIndustry, getArticleClass, getSteelRoomClass,
        getResearchClass, articleIsBuy, buyArtic,
        // image upload (multipart, not the form body)
        uploadUntiyImage,
        // buyer and seller orders
        orderListWithRole, orderDetailOfWaitPay, orderDetailWithId, confirmOrderWithDelegate,
        giveOrderWithDelegate, tradeOrderListWithDelegate, toTradeOrderWithDelegate,
        sellerInfoWithUserId,
        // directed resources and the user's resources
        directResourceListWithDelegate, mysendDirectResourceListWithDelegate,
        directToOrderWithDelegate, releaseDirectResourceWithDelegate, releaseResourceWithDelegate,
        backResourceWithResourceids, sourceListWithDelegate, resourceDetailWithId,
        editResourceWithDelegate,
        // tenders and bids
        zhaobiaoListWithDelegate, zhaobiaoDetailWithDelegate, zhaobiaoAddAndEditorWithDelegate,
        zhaobiaoFabuWithDelegate, zhaobiaoBackWithDelegate, yingbiaoListWithDelegate,
        yingbiaoDetailWithDelegate, buyerInfoWithDelegate,
        // posted in the form envelope (percent-encoded "info" then "auth")
        getYieldlyWithDelegate, getFriendListWithDelegate, getPreFriendListWithDelegate,
        getQueryConditionWithDelegate,
        // the user's advice, to the advice service
        addAdviceWithContent,
        Count
    };

    /// How one info member gets its value.
    enum class Rule {
        Text,      ///< "%@" text of the argument: strings as they are, numbers decimal, none "(null)"
        Integer,   ///< decimal text of an integer argument
        Price,     ///< "%.0f": rounded to whole yuan, no decimal point
        Weight,    ///< "%.2f": tonnes with two decimals
        AsIs,      ///< the argument unchanged, so a number from an earlier reply stays a JSON number
        Fixed,     ///< a fixed text
        UserId,    ///< the logged-in user's id
        SteelMill, ///< the chosen steel mill, present only while steel-mill mode is on
    };

    enum class Post {
        Body,     ///< the ordinary "auth=…&info=…" body to the service
        Envelope, ///< the form envelope (FormEnvelope::body) to the service
        Advice,   ///< the form envelope to the advice service, with the report token
    };

    struct Member
    {
        const char *key;
        Rule rule;
        int arg = -1;                ///< argument index, for the argument rules
        const char *fixed = nullptr; ///< UTF-8 text, for Rule::Fixed
    };

    struct Endpoint
    {
        Operation operation;
        const char *selector; ///< the operation's full name, for logs
        const char *path;     ///< appended to the service base URL as it is
        bool guarded;         ///< needs a logged-in user: without one nothing happens at all
        QList<Member> info;   ///< in the order the service documents them
        /// How the call is posted; the reply is read the same way whatever the body.
        Post post = Post::Body;
    };

    static const Endpoint &endpoint(Operation operation);
    static QList<Operation> operations();

    /// The info block for the arguments of one call (delegate excluded, in the operation's order).
    static JsonMembers info(Operation operation, const QVariantList &args);

    /// False when the operation is guarded and no user is logged in.
    static bool mayCall(Operation operation);

    /// printf's "%.<decimals>f" in the C locale, so a user locale never puts a comma into a price.
    static QString fixedText(double value, int decimals);

    /// The user-defaults switch and value behind the supermarket's steel-mill filter.
    static constexpr const char *kSteelMillMode = "shifougangchang";
    static constexpr const char *kSteelMillName = "gangchangname";
};
