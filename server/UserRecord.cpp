#include "UserRecord.h"

#include "MarketDatabase.h"

QString UserRecord::money(const QVariant &amount)
{
    return QString::number(amount.toDouble(), 'f', 2);
}

QVariantMap UserRecord::fromRow(const QVariantMap &row)
{
    auto s = [&row](const char *column) { return row.value(QString::fromLatin1(column)).toString(); };
    return {
        {QStringLiteral("LoginInfoID"), s("id")},
        {QStringLiteral("UserName"), s("user_name")},
        {QStringLiteral("MobilePhone"), s("mobile")},
        {QStringLiteral("QIBValue"), s("qib_value")},
        {QStringLiteral("RealMoney"), money(row.value(QStringLiteral("real_money")))},
        {QStringLiteral("UsefulMoney"), money(row.value(QStringLiteral("useful_money")))},
        {QStringLiteral("FreezeMoney"), money(row.value(QStringLiteral("freeze_money")))},
        {QStringLiteral("UserIcon"), s("user_icon")},
        {QStringLiteral("CompanyName"), s("company_name")},
        {QStringLiteral("CompanyUrl"), s("company_url")},
        {QStringLiteral("Sorts"), s("sorts")},
        {QStringLiteral("Address"), s("address")},
        {QStringLiteral("Province"), s("province")},
        {QStringLiteral("City"), s("city")},
        {QStringLiteral("Email"), s("email")},
        {QStringLiteral("Fax"), s("fax")},
        {QStringLiteral("Phone"), s("phone")},
        {QStringLiteral("LicenseId"), s("license_id")},
        {QStringLiteral("IsVal"), row.value(QStringLiteral("is_val")).toInt()},
        {QStringLiteral("CertState"), row.value(QStringLiteral("cert_state")).toInt()},
        {QStringLiteral("IsSuperUser"), row.value(QStringLiteral("is_super")).toInt()},
    };
}

QVariantMap UserRecord::load(const MarketDatabase &db, qint64 userId)
{
    const QVariantMap row = db.queryOne(QStringLiteral("SELECT * FROM users WHERE id = ?"), {userId});
    return row.isEmpty() ? QVariantMap() : fromRow(row);
}
