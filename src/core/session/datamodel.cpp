#include "core/session/datamodel.h"

#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
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
}

datamodel *datamodel::instance()
{
    return AppContext::current()->service<datamodel>();
}

void datamodel::arradd(const QVariantMap &dictionary)
{
    linshiliaotian.append(dictionary);
    emit temporaryChatsChanged();
}

bool datamodel::addTemporaryChat(const QVariantMap &dictionary)
{
    if (containsEntry(linshiliaotian, dictionary))
        return false;
    arradd(dictionary);
    return true;
}

bool datamodel::hasReminder(const QVariantMap &dictionary) const
{
    return containsEntry(xuyaotixing, dictionary);
}

void datamodel::writeData(const QVariantList &list)
{
    linshiliaotian = list;
    emit temporaryChatsChanged();
}

void datamodel::xiequanbuhaoyou(const QVariantList &list)
{
    quanbuhaoyou = list;
    emit friendsChanged();
}

void datamodel::jiarutixing(const QVariantMap &dictionary)
{
    xuyaotixing.append(dictionary);
    emit remindersChanged();
}

void datamodel::shanchuduoyu(const QVariantMap &dictionary)
{
    if (xuyaotixing.removeIf([&](const QVariant &e) { return sameEntry(e, dictionary); }) > 0)
        emit remindersChanged();
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

void datamodel::conversationReminder(const QVariant &message)
{
    const QVariantMap reminder = reminderForMessage(Value::map(message));
    if (reminder.isEmpty()) {
        qCWarning(lcStore, "conversation reminder skipped: the message lacks the sender's id, number or "
                 "resource, or the matching friend lacks an id or name");
        return;
    }
    addTemporaryChat(reminder);
    jiarutixing(reminder);
    m_context.notificationCenter()->postNotification(NotificationNames::shoudaoliaotian4, NotificationNames::shoudaoliaotian4);
}
