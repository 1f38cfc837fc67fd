#include "UploadRoutes.h"
#include "ServerLog.h"

#include "MarketDatabase.h"
#include "RouteHelpers.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QUuid>

namespace {

/// The file suffix for the picture's format, empty when it is neither PNG nor JPEG.
QString suffixOf(const QByteArray &bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("png");
    if (bytes.startsWith("\xff\xd8\xff"))
        return QStringLiteral("jpg");
    return {};
}

} // namespace

void UploadRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<UploadRoutes>(this, {{"Index/UploadImg", &UploadRoutes::upload, RouteAccess::namedUser()}});
}

ServiceResult UploadRoutes::upload(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const qint64 type = call.number(QStringLiteral("type"));
    const bool voucher = type == 1;
    if (!voucher && type != 2 && type != 3 && type != 4 && type != 8)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("上传类型不正确"));
    if (call.fileBytes.isEmpty() || call.fileBytes.size() > kMaxBytes)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("图片为空或超过8MB"));
    const QString suffix = suffixOf(call.fileBytes);
    if (suffix.isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("只能上传PNG或JPEG图片"));

    QVariant orderId;
    const QString orderNo = call.text(QStringLiteral("orderId")).trimmed();
    if (voucher && !orderNo.isEmpty()) {
        orderId = m_env.db.scalar(QStringLiteral("SELECT id FROM orders WHERE order_no = ? AND (buyer_id = ? OR seller_id = ?)"),
                                  {orderNo, user, user});
        if (!orderId.isValid())
            return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该订单不存在"));
    }

    const QString name = QStringLiteral("up-%1.%2").arg(QUuid::createUuid().toString(QUuid::Id128), suffix);
    QFile file(QDir(m_env.pictureDir).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(call.fileBytes) != call.fileBytes.size()) {
        qCWarning(lcServer).noquote() << "upload: cannot write" << file.fileName() << file.errorString();
        file.remove();
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("图片保存失败，请稍后重试"));
    }
    file.close();

    if (voucher) {
        m_env.db.run(QStringLiteral("INSERT INTO vouchers(user_id, order_id, picture) VALUES(?,?,?)"), {user, orderId, name});
    } else {
        m_env.db.run(QStringLiteral("INSERT INTO certificates(user_id, type, company, picture) VALUES(?,?,?,?)"),
                     {user, type, call.text(QStringLiteral("company")), name});
        // Submitted certificates put the company under review unless it is certified already.
        m_env.db.run(QStringLiteral("UPDATE users SET cert_state = 1 WHERE id = ? AND is_val <> 1"), {user});
    }
    qCInfo(lcServer).noquote() << "upload type" << type << "from user" << user << "stored as" << name;
    return ServiceResult::ok(QVariantMap{{QStringLiteral("url"), call.baseUrl + QStringLiteral("pictures/") + name}},
                             voucher ? QStringLiteral("凭证已上传") : QStringLiteral("证书已上传"));
}
