#include "core/session/UserInfo.h"

#include "core/platform/AppContext.h"
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
    for (int f = 0; f < TextFieldCount; ++f)
        setText(TextField(f), m_defaults->stringForKey(keyText(kTextKeys[f].stored)));
    setIsVal(m_defaults->integerForKey(keyText(kIsVal)));
    setCertState(m_defaults->integerForKey(keyText(kCertState)));
    setIsSuper(m_defaults->boolForKey(keyText(kIsSuper)));
    setSoundSwitch(m_defaults->boolForKey(keyText(kSoundSwitch)));
    setZdSwitch(m_defaults->boolForKey(keyText(kZdSwitch)));
    m_isOnline = false;
}

// UserDefaults saves (and syncs to disk) on every write, so each setter's value is on disk
// when it returns. Rewriting a value that is stored already would only cost a disk sync, which
// loading the record at every start would otherwise pay for every field.
void UserInfo::store(const char16_t *key, const QVariant &value)
{
    const QString k = keyText(key);
    if (m_defaults->contains(k) && m_defaults->stringForKey(k) == Value::text(value))
        return;
    m_defaults->setObject(value, k);
}

void UserInfo::setText(TextField field, const QString &value)
{
    m_text[field] = value;
    store(kTextKeys[field].stored, value.isNull() ? QStringLiteral("") : value);
    emit changed();
}

void UserInfo::setIsVal(int v)
{
    m_isVal = v;
    store(kIsVal, v);
    emit changed();
}

void UserInfo::setCertState(int v)
{
    m_certState = v;
    store(kCertState, v);
    emit changed();
}

void UserInfo::setIsSuper(bool v)
{
    m_isSuper = v;
    store(kIsSuper, int(v));
    emit changed();
}

void UserInfo::setSoundSwitch(bool v)
{
    m_soundSwitch = v;
    store(kSoundSwitch, int(v));
    emit changed();
}

void UserInfo::setZdSwitch(bool v)
{
    m_zdSwitch = v;
    store(kZdSwitch, int(v));
    emit changed();
}

void UserInfo::setIsOnline(bool v)
{
    m_isOnline = v;
    emit changed();
}

void UserInfo::setOnProvince(const QString &v)
{
    m_onProvince = v;
    emit changed();
}

void UserInfo::setOnCity(const QString &v)
{
    m_onCity = v;
    emit changed();
}

void UserInfo::setBaseInfo(const QVariant &reply)
{
    if (Value::isNone(reply))
        return;
    if (reply.typeId() != QMetaType::QVariantMap) {
        // A reply that is not an object carries no record; applying it would mark the user
        // online with every field "(null)".
        qInfo("UserInfo: login reply is not a dictionary; ignored");
        return;
    }
    const QVariantMap map = reply.toMap();
    // Two observers of one login notification both apply its reply; the second must not
    // re-apply it. Only the same dictionary counts: an equal reply from a later login (after a
    // logout kept baseInfo) is applied again.
    if (!map.isEmpty() && map.isSharedWith(m_baseInfo))
        return;
    m_baseInfo = map;
    for (int f = 0; f < TextFieldCount; ++f) {
        if (const char16_t *key = kTextKeys[f].reply)
            setText(TextField(f), getString(map.value(keyText(key))));
    }
    setIsVal(Value::intValue(map.value(keyText(kIsVal))));
    setCertState(Value::intValue(map.value(keyText(kCertState))));
    setIsSuper(Value::boolValue(map.value(keyText(kIsSuper))));
    setIsOnline(true);
}

void UserInfo::destroy()
{
    for (int f = 0; f < TextFieldCount; ++f)
        setText(TextField(f), QString());
    setIsSuper(false);
    setIsOnline(false);
    setSoundSwitch(false);
    setZdSwitch(false);
    setIsVal(0);
    setCertState(0);
}

QString UserInfo::getString(const QVariant &value)
{
    return Value::text(value);
}
