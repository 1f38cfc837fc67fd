#include "CompanyCard.h"

#include "MarketDatabase.h"

ServiceResult CompanyCard::of(const MarketDatabase &db, qint64 userId)
{
    const QVariantMap u = db.queryOne(
        QStringLiteral("SELECT company_name, mobile, phone, user_name, address, province, city FROM users WHERE id = ?"),
        {userId});
    if (u.isEmpty())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该用户不存在"));
    return ServiceResult::ok(QVariantMap{
        {QStringLiteral("companyName"), u.value(QStringLiteral("company_name")).toString()},
        {QStringLiteral("mobile"), u.value(QStringLiteral("mobile")).toString()},
        {QStringLiteral("tel"), u.value(QStringLiteral("phone")).toString()},
        {QStringLiteral("userName"), u.value(QStringLiteral("user_name")).toString()},
        {QStringLiteral("address"), u.value(QStringLiteral("address")).toString()},
    });
}
