#include "core/session/UserInfo.h"

#include "core/platform/AppContext.h"
#include "core/platform/Logging.h"
#include "core/platform/UserDefaults.h"
#include "core/util/Value.h"

#include <QDebug>

namespace {

// Stored key and reply key of every text field, in TextField order. The licence number is the
// one field whose two spellings differ.
constexpr std::array<UserInfo::TextKeys, UserInfo::TextFieldCount> kTextKeys{{
    {u"LoginInfoID", u"LoginInfoID"},
    {u"UserName", u"UserName"},
    {u"UserPass", nullptr},
    {u"MobilePhone", u"MobilePhone"},
    {u"QIBValue", u"QIBValue"},
    {u"RealMoney", u"RealMoney"},
    {u"UsefulMoney", u"UsefulMoney"},
    {u"FreezeMoney", u"FreezeMoney"},
    {u"UserIcon", u"UserIcon"},
    {u"CompanyName", u"CompanyName"},
    {u"CompanyUrl", u"CompanyUrl"},
    {u"Sorts", u"Sorts"},
    {u"Address", u"Address"},
    {u"Province", u"Province"},
    {u"City", u"City"},
    {u"Email", u"Email"},
    {u"Fax", u"Fax"},
    {u"Phone", u"Phone"},
    {u"LicenseID", u"LicenseId"},
}};

constexpr char16_t kIsVal[] = u"IsVal";
constexpr char16_t kCertState[] = u"CertState";
constexpr char16_t kIsSuper[] = u"IsSuperUser";
constexpr char16_t kSoundSwitch[] = u"SoundSwitch";
constexpr char16_t kZdSwitch[] = u"ZDSwitch";

QString keyText(const char16_t *key)
{
    return QString::fromUtf16(key);
}

} // namespace

const UserInfo::TextKeys &UserInfo::keysOf(TextField field)
{
    return kTextKeys[field];
}

UserInfo::UserInfo(AppContext &ctx) : m_defaults(ctx.userDefaults())
{
    load();
}

UserInfo *UserInfo::info()
{
    return AppContext::current()->service<UserInfo>();
}

void UserInfo::load()
{
    const Batch batch(*this);
    for (int f = 0; f < TextFieldCount; ++f)
        setText(TextField(f), m_defaults->stringForKey(keyText(kTextKeys[f].stored)));
    setIsVal(m_defaults->integerForKey(keyText(kIsVal)));
    setCertState(m_defaults->integerForKey(keyText(kCertState)));
    setIsSuper(m_defaults->boolForKey(keyText(kIsSuper)));
    setSoundSwitch(m_defaults->boolForKey(keyText(kSoundSwitch)));
    setZdSwitch(m_defaults->boolForKey(keyText(kZdSwitch)));
    m_isOnline = false;
}

UserInfo::Batch::Batch(UserInfo &info) : m_info(info)
{
    ++m_info.m_batchDepth;
}

UserInfo::Batch::~Batch()
{
    if (--m_info.m_batchDepth == 0)
        m_info.commit();
}

// Rewriting a value that is stored already would only cost a disk write, which loading the
// record at every start would otherwise pay for every field.
void UserInfo::store(const char16_t *key, const QVariant &value)
{
    const QString k = keyText(key);
    if (m_defaults->contains(k) && m_defaults->stringForKey(k) == Value::text(value))
        return;
    m_defaults->setObject(value, k);
    m_unsaved = true;
}

// Every change reaches the disk before the setter (or the batch) returns, so that a process
// killed right after it keeps it; observers hear of it only once it is there.
void UserInfo::touched()
{
    m_unannounced = true;
    if (m_batchDepth == 0)
        commit();
}

void UserInfo::commit()
{
    if (m_unsaved) {
        m_unsaved = false;
        m_defaults->synchronize();
    }
    if (m_unannounced) {
        m_unannounced = false;
        emit changed();
    }
}

void UserInfo::setText(TextField field, const QString &value)
{
    m_text[field] = value;
    store(kTextKeys[field].stored, value.isNull() ? QStringLiteral("") : value);
    touched();
}

void UserInfo::setIsVal(int v)
{
    m_isVal = v;
    store(kIsVal, v);
    touched();
}

void UserInfo::setCertState(int v)
{
    m_certState = v;
    store(kCertState, v);
    touched();
}

void UserInfo::setIsSuper(bool v)
{
    m_isSuper = v;
    store(kIsSuper, int(v));
    touched();
}

void UserInfo::setSoundSwitch(bool v)
{
    m_soundSwitch = v;
    store(kSoundSwitch, int(v));
    touched();
}

void UserInfo::setZdSwitch(bool v)
{
    m_zdSwitch = v;
    store(kZdSwitch, int(v));
    touched();
}

void UserInfo::setIsOnline(bool v)
{
    m_isOnline = v;
    touched();
}

void UserInfo::setOnProvince(const QString &v)
{
    m_onProvince = v;
    touched();
}

void UserInfo::setOnCity(const QString &v)
{
    m_onCity = v;
    touched();
}

void UserInfo::setBaseInfo(const QVariant &reply)
{
    if (Value::isNone(reply))
        return;
    if (reply.typeId() != QMetaType::QVariantMap) {
        // A reply that is not an object carries no record; applying it would mark the user
        // online with every field "(null)".
        qCInfo(lcSession, "UserInfo: login reply is not a dictionary; ignored");
        return;
    }
    const QVariantMap map = reply.toMap();
    // Two observers of one login notification both apply its reply; the second must not
    // re-apply it. Only the same dictionary counts: an equal reply from a later login (after a
    // logout kept baseInfo) is applied again.
    if (!map.isEmpty() && map.isSharedWith(m_baseInfo))
        return;
    // One write of the whole record, on disk before whoever applied the reply goes on.
    const Batch batch(*this);
    m_baseInfo = map;
    for (int f = 0; f < TextFieldCount; ++f) {
        if (const char16_t *key = kTextKeys[f].reply)
            setText(TextField(f), getString(map.value(keyText(key))));
    }
    setIsVal(Value::intValue(map.value(keyText(kIsVal))));
    setCertState(Value::intValue(map.value(keyText(kCertState))));
    setIsSuper(Value::boolValue(map.value(keyText(kIsSuper))));
    const QVariant key = map.value(QStringLiteral("SessionKey"));
    m_sessionKey = Value::isNone(key) ? QString() : Value::text(key);
    setIsOnline(true);
}

void UserInfo::destroy()
{
    const Batch batch(*this);
    for (int f = 0; f < TextFieldCount; ++f)
        setText(TextField(f), QString());
    setIsSuper(false);
    setIsOnline(false);
    setSoundSwitch(false);
    setZdSwitch(false);
    setIsVal(0);
    setCertState(0);
    m_sessionKey.clear();
}

QString UserInfo::getString(const QVariant &value)
{
    return Value::text(value);
}
