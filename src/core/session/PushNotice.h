#pragma once

#include <QtGlobal>

/// Server push notices on the session channel.
///
/// The session server tells a logged-in client about business events (a new order for a seller,
/// a new directed resource, order state changes, friend events) with one frame type of its own,
/// FrameType::Push, in the usual layout (four zero bytes, the type little-endian, a JSON body).
/// The body is an object whose member "PushCode" holds the code as decimal text, e.g. {"PushCode":"4"}.
/// Further members may carry details for the log; the client reads only the code.
///
/// On receipt the channel posts "ReceiveAddFrinedRequest" with the code text as object; the chat
/// manager turns the code into business marks and list refreshes. The local market service
/// includes this header so that both ends agree on the numbers.
namespace PushNotice {

/// Body member carrying the code.
inline constexpr char kCodeKey[] = "PushCode";

/// The codes and what each means.
enum Code : int {
    NewOrderForSeller = 1,     ///< a buyer ordered one of the seller's resources
    NewDirectedResource = 2,   ///< a resource was directed to this user
    OrderConfirmed = 3,        ///< an order of this user changed state (seller confirmed)
    OrderStateChanged = 4,     ///< an order of this user changed state (given up, in trade, outcome)
    FriendRequest = 5,         ///< someone asked to become this user's friend
    FriendAccepted = 6,        ///< a friend request of this user was accepted
    FriendListChanged = 7,     ///< friendship confirmed on both sides; refresh both lists
};

} // namespace PushNotice
