#include "ServiceResult.h"

#include "core/util/JsonWriter.h"

ServiceResult ServiceResult::ok(const QVariant &data, const QString &message)
{
    ServiceResult r;
    r.data = data;
    r.message = message.isEmpty() ? QStringLiteral("成功") : message;
    return r;
}

ServiceResult ServiceResult::fail(int errorCode, const QString &message, int httpStatus)
{
    ServiceResult r;
    r.errorCode = errorCode;
    r.message = message;
    r.data = QVariantMap();
    r.httpStatus = httpStatus;
    return r;
}

QByteArray ServiceResult::toJson() const
{
    JsonMembers members{{QStringLiteral("errorCode"), errorCode},
                        {QStringLiteral("message"), message},
                        {QStringLiteral("data"), data}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        members.append({it.key(), it.value()});
    return JsonWriter::write(members);
}
