#include "core/session/datamodel.h"

#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/RecentChatStore.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"
#include "core/platform/NotificationNames.h"
#include "core/platform/Logging.h"

#include <QtDebug>

#include <algorithm>

namespace {

const QString kInquiryName = QStringLiteral("超市询盘");

// Keys of the message, of a friend record (note "LoginInfoId") and of a reminder.
const QString kSenderMobile = QStringLiteral("SenderMobileNumber");
const QString kSenderId = QStringLiteral("SenderID");
const QString kResourceId = QStringLiteral("ResourceID");
const QString kFriendId = QStringLiteral("LoginInfoId");
const QString kMobilePhone = QStringLiteral("MobilePhone");
const QString kUserName = QStringLiteral("UserName");
const QString kReminderId = QStringLiteral("LoginInfoID");
const QString kReminderResource = QStringLiteral("resourceID");

// Entries are compared member by member as text: an id read from the wire as a number and the
// same id typed as text name the same conversation, so neither doubles nor survives a removal.
bool sameEntry(const QVariant &entry, const QVariantMap &dictionary)
{
    const QVariantMap map = Value::map(entry);
    if (map.size() != dictionary.size())
        return false;
    for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
        const auto other = map.constFind(it.key());
        if (other == map.cend() || Value::text(*other) != Value::text(*it))
            return false;
    }
    return true;
}

bool containsEntry(const QVariantList &list, const QVariantMap &dictionary)
{
    return std::any_of(list.cbegin(), list.cend(), [&](const QVariant &e) { return sameEntry(e, dictionary); });
}

constexpr qsizetype kMaskFrom = 3;
constexpr qsizetype kMaskLength = 5;

} // namespace

datamodel::datamodel(AppContext &context) : m_context(context)
{
    linshiliaotian.reserve(1000);
    UserInfo *user = context.service<UserInfo>();
    connect(user, &UserInfo::changed, this, [this, user] {
        if (user->isOnline() != m_online)
            userChanged();
    });
    if (user->isOnline())
        userChanged();
}

void datamodel::userChanged()
{
    // Within one run the lists behave as they always have; only who they belong to changes here.
    const bool online = m_online = m_context.service<UserInfo>()->isOnline();
    const RecentChatStore::Conversations kept = online ? RecentChatStore(m_context).load() : RecentChatStore::Conversations{};
    linshiliaotian = kept.chats;
    xuyaotixing = kept.reminders;
    emit conversationsChanged();
    if (!online)
        xiequanbuhaoyou({});
}

datamodel *datamodel::instance()
{
    return AppContext::current()->service<datamodel>();
}

void datamodel::arradd(const QVariantMap &dictionary)
{
    linshiliaotian.append(dictionary);
    RecentChatStore(m_context).remember(dictionary);
    emit conversationsChanged();
}

bool datamodel::appendChat(const QVariantMap &dictionary)
{
    if (containsEntry(linshiliaotian, dictionary))
        return false;
    linshiliaotian.append(dictionary);
    RecentChatStore(m_context).remember(dictionary);
    return true;
}

bool datamodel::addTemporaryChat(const QVariantMap &dictionary)
{
    if (!appendChat(dictionary))
        return false;
    emit conversationsChanged();
    return true;
}

void datamodel::removeTemporaryChat(const QVariantMap &dictionary)
{
    const auto equal = [&](const QVariant &e) { return sameEntry(e, dictionary); };
    const auto gone = linshiliaotian.removeIf(equal) + xuyaotixing.removeIf(equal);
    RecentChatStore(m_context).forget(dictionary);
    if (gone > 0)
        emit conversationsChanged();
}

void datamodel::readConversation(const QString &peer, const QString &resource)
{
    const auto removed = xuyaotixing.removeIf([&](const QVariant &e) {
        const QVariantMap m = Value::map(e);
        return Value::text(m.value(kReminderId)) == peer && Value::text(m.value(kReminderResource)) == resource;
    });
    if (removed > 0)
        emit conversationsChanged();
}

bool datamodel::hasReminder(const QVariantMap &dictionary) const
{
    return containsEntry(xuyaotixing, dictionary);
}

void datamodel::writeData(const QVariantList &list)
{
    linshiliaotian = list;
    emit conversationsChanged();
}

void datamodel::xiequanbuhaoyou(const QVariantList &list)
{
    quanbuhaoyou = list;
    emit friendsChanged();
}

void datamodel::jiarutixing(const QVariantMap &dictionary)
{
    xuyaotixing.append(dictionary);
    emit conversationsChanged();
}

void datamodel::shanchuduoyu(const QVariantMap &dictionary)
{
    if (xuyaotixing.removeIf([&](const QVariant &e) { return sameEntry(e, dictionary); }) > 0)
        emit conversationsChanged();
}

QString datamodel::maskedMobile(const QString &mobile)
{
    QString masked = mobile;
    // A number too short for all five is masked as far as it goes rather than shown whole.
    for (qsizetype i = kMaskFrom; i < kMaskFrom + kMaskLength && i < masked.size(); ++i)
        masked[i] = QLatin1Char('*');
    return masked;
}

QVariantMap datamodel::reminderForMessage(const QVariantMap &message) const
{
    const QVariant mobile = message.value(kSenderMobile);
    const QVariant resource = message.value(kResourceId);
    if (Value::isNone(mobile) || Value::isNone(resource))
        return {};
    const QString mobileText = Value::text(mobile);
    QVariantMap friendRecord;
    for (const QVariant &entry : quanbuhaoyou) {
        const QVariantMap candidate = Value::map(entry);
        const QVariant phone = candidate.value(kMobilePhone);
        if (!Value::isNone(phone) && Value::text(phone) == mobileText) {
            friendRecord = candidate;
            break;
        }
    }
    QVariantMap reminder;
    reminder.insert(kReminderResource, resource);
    if (friendRecord.isEmpty()) {
        const QVariant sender = message.value(kSenderId);
        if (Value::isNone(sender))
            return {};
        reminder.insert(kMobilePhone, mobile);
        reminder.insert(kReminderId, sender);
        reminder.insert(kUserName, kInquiryName);
        return reminder;
    }
    const QVariant friendId = friendRecord.value(kFriendId);
    if (Value::isNone(friendId))
        return {};
    reminder.insert(kReminderId, friendId);
    if (Value::text(resource) != QLatin1String("0")) {
        reminder.insert(kUserName, kInquiryName);
        reminder.insert(kMobilePhone, maskedMobile(mobileText));
        return reminder;
    }
    const QVariant name = friendRecord.value(kUserName);
    if (Value::isNone(name))
        return {};
    reminder.insert(kUserName, name);
    reminder.insert(kMobilePhone, mobile);
    return reminder;
}

void datamodel::conversationReminder(const QVariant &message, bool remind)
{
    const QVariantMap reminder = reminderForMessage(Value::map(message));
    if (reminder.isEmpty()) {
        qCWarning(lcStore, "conversation reminder skipped: the message lacks the sender's id, number or "
                 "resource, or the matching friend lacks an id or name");
        return;
    }
    const bool added = appendChat(reminder);
    if (remind)
        xuyaotixing.append(reminder);
    if (added || remind)
        emit conversationsChanged();
    m_context.notificationCenter()->postNotification(NotificationNames::shoudaoliaotian4, NotificationNames::shoudaoliaotian4);
}
