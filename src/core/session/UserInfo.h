#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <array>

class AppContext;
class UserDefaults;

/// The record of the logged-in user: identity, mobile number, remembered password, company
/// profile, balances and the two notification switches.
///
/// Loaded from the user defaults when first used and written back field by field on every
/// change, so the last user's record survives a restart. Whether a login succeeded in this run
/// is the separate in-memory flag `isOnline`. A text field holds either none (a null QString)
/// or a string; none is stored as "". The password is kept in plain text in the owner-only
/// defaults file because the automatic login needs it; it is never logged.
class UserInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString userId READ userId WRITE setUserId NOTIFY changed)
    Q_PROPERTY(QString userName READ userName WRITE setUserName NOTIFY changed)
    Q_PROPERTY(QString userTel READ userTel WRITE setUserTel NOTIFY changed)
    Q_PROPERTY(QString userSource READ userSource WRITE setUserSource NOTIFY changed)
    Q_PROPERTY(QString userMoneyA READ userMoneyA WRITE setUserMoneyA NOTIFY changed)
    Q_PROPERTY(QString userMoneyB READ userMoneyB WRITE setUserMoneyB NOTIFY changed)
    Q_PROPERTY(QString userMoneyC READ userMoneyC WRITE setUserMoneyC NOTIFY changed)
    Q_PROPERTY(QString userHead READ userHead WRITE setUserHead NOTIFY changed)
    Q_PROPERTY(QString companyName READ companyName WRITE setCompanyName NOTIFY changed)
    Q_PROPERTY(QString companyUrl READ companyUrl WRITE setCompanyUrl NOTIFY changed)
    Q_PROPERTY(QString products READ products WRITE setProducts NOTIFY changed)
    Q_PROPERTY(QString address READ address WRITE setAddress NOTIFY changed)
    Q_PROPERTY(QString province READ province WRITE setProvince NOTIFY changed)
    Q_PROPERTY(QString city READ city WRITE setCity NOTIFY changed)
    Q_PROPERTY(QString email READ email WRITE setEmail NOTIFY changed)
    Q_PROPERTY(QString fax READ fax WRITE setFax NOTIFY changed)
    Q_PROPERTY(QString phone READ phone WRITE setPhone NOTIFY changed)
    Q_PROPERTY(QString licenseId READ licenseId WRITE setLicenseId NOTIFY changed)
    Q_PROPERTY(int isVal READ isVal WRITE setIsVal NOTIFY changed)
    Q_PROPERTY(int certState READ certState WRITE setCertState NOTIFY changed)
    Q_PROPERTY(bool isSuper READ isSuper WRITE setIsSuper NOTIFY changed)
    Q_PROPERTY(bool soundSwitch READ soundSwitch WRITE setSoundSwitch NOTIFY changed)
    Q_PROPERTY(bool zdSwitch READ zdSwitch WRITE setZdSwitch NOTIFY changed)
    Q_PROPERTY(bool isOnline READ isOnline WRITE setIsOnline NOTIFY changed)
    Q_PROPERTY(QString onProvince READ onProvince WRITE setOnProvince NOTIFY changed)
    Q_PROPERTY(QString onCity READ onCity WRITE setOnCity NOTIFY changed)

public:
    /// The stored text fields, in the order a login reply is applied.
    enum TextField {
        UserId, UserName, UserPass, UserTel, UserSource, UserMoneyA, UserMoneyB, UserMoneyC,
        UserHead, CompanyName, CompanyUrl, Products, Address, Province, City, Email, Fax, Phone,
        LicenseId, TextFieldCount
    };
    /// Where a text field is stored and which reply member fills it (null: none fills it).
    struct TextKeys
    {
        const char16_t *stored;
        const char16_t *reply;
    };
    static const TextKeys &keysOf(TextField field);

    /// Loads the record from the context's user defaults.
    explicit UserInfo(AppContext &ctx);

    /// The context's record.
    static UserInfo *info();

    QString text(TextField field) const { return m_text[field]; }
    /// Sets a stored text field and writes it at once (none is written as "").
    void setText(TextField field, const QString &value);

    QString userId() const { return text(UserId); }
    QString userName() const { return text(UserName); }
    QString userPass() const { return text(UserPass); }
    QString userTel() const { return text(UserTel); }
    QString userSource() const { return text(UserSource); }
    QString userMoneyA() const { return text(UserMoneyA); }
    QString userMoneyB() const { return text(UserMoneyB); }
    QString userMoneyC() const { return text(UserMoneyC); }
    QString userHead() const { return text(UserHead); }
    QString companyName() const { return text(CompanyName); }
    QString companyUrl() const { return text(CompanyUrl); }
    QString products() const { return text(Products); }
    QString address() const { return text(Address); }
    QString province() const { return text(Province); }
    QString city() const { return text(City); }
    QString email() const { return text(Email); }
    QString fax() const { return text(Fax); }
    QString phone() const { return text(Phone); }
    QString licenseId() const { return text(LicenseId); }

    void setUserId(const QString &v) { setText(UserId, v); }
    void setUserName(const QString &v) { setText(UserName, v); }
    void setUserPass(const QString &v) { setText(UserPass, v); }
    void setUserTel(const QString &v) { setText(UserTel, v); }
    void setUserSource(const QString &v) { setText(UserSource, v); }
    void setUserMoneyA(const QString &v) { setText(UserMoneyA, v); }
    void setUserMoneyB(const QString &v) { setText(UserMoneyB, v); }
    void setUserMoneyC(const QString &v) { setText(UserMoneyC, v); }
    void setUserHead(const QString &v) { setText(UserHead, v); }
    void setCompanyName(const QString &v) { setText(CompanyName, v); }
    void setCompanyUrl(const QString &v) { setText(CompanyUrl, v); }
    void setProducts(const QString &v) { setText(Products, v); }
    void setAddress(const QString &v) { setText(Address, v); }
    void setProvince(const QString &v) { setText(Province, v); }
    void setCity(const QString &v) { setText(City, v); }
    void setEmail(const QString &v) { setText(Email, v); }
    void setFax(const QString &v) { setText(Fax, v); }
    void setPhone(const QString &v) { setText(Phone, v); }
    void setLicenseId(const QString &v) { setText(LicenseId, v); }

    int isVal() const { return m_isVal; }
    int certState() const { return m_certState; }
    bool isSuper() const { return m_isSuper; }
    bool soundSwitch() const { return m_soundSwitch; }
    bool zdSwitch() const { return m_zdSwitch; }
    void setIsVal(int v);
    void setCertState(int v);
    void setIsSuper(bool v);
    void setSoundSwitch(bool v);
    void setZdSwitch(bool v);

    /// Not stored: true once a login reply has been applied in this run.
    bool isOnline() const { return m_isOnline; }
    void setIsOnline(bool v);
    /// Not stored: where the device is, as the location fix reported it.
    QString onProvince() const { return m_onProvince; }
    QString onCity() const { return m_onCity; }
    void setOnProvince(const QString &v);
    void setOnCity(const QString &v);

    /// Not stored: the key of this run's login ("SessionKey" of the reply), sent with every
    /// service call; empty before a login and after `destroy`.
    QString sessionKey() const { return m_sessionKey; }

    /// Whether the record remembers a login to make again: a mobile number of 11 characters and
    /// a password.
    bool hasRememberedLogin() const { return userTel().size() == 11 && !userPass().isEmpty(); }

    /// The last login reply applied.
    QVariantMap baseInfo() const { return m_baseInfo; }

    /// Applies a login reply: every text field from its reply member (a missing member gives
    /// "(null)"), the figures and the super-user flag, then marks the user online. Ignores none,
    /// a value that is not a dictionary, and the very dictionary applied last.
    Q_INVOKABLE void setBaseInfo(const QVariant &reply);
    /// Clears the record, stored values included; `baseInfo` and the device location stay.
    Q_INVOKABLE void destroy();
    /// The "%@" text of any value: numbers in decimal, none as "(null)".
    static QString getString(const QVariant &value);

signals:
    void changed();

private:
    /// Changes made while one is alive are saved, and announced, once when the last one ends.
    class Batch
    {
    public:
        explicit Batch(UserInfo &info);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        UserInfo &m_info;
    };

    void load();
    void store(const char16_t *key, const QVariant &value);
    void touched();
    void commit();

    UserDefaults *m_defaults;
    std::array<QString, TextFieldCount> m_text;
    int m_isVal = 0;
    int m_certState = 0;
    bool m_isSuper = false;
    bool m_soundSwitch = false;
    bool m_zdSwitch = false;
    bool m_isOnline = false;
    QString m_onProvince;
    QString m_onCity;
    QVariantMap m_baseInfo;
    int m_batchDepth = 0;
    bool m_unsaved = false;       // written to the defaults, not yet to disk
    bool m_unannounced = false;   // changed, not yet signalled
    QString m_sessionKey;
};
