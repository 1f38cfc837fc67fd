#include "core/api/ServiceReply.h"

#include "core/util/Custom.h"
#include "core/util/Value.h"

QVariant ServiceReply::value(const QString &key) const
{
    return Value::member(data, key);
}

ServiceReply ServiceReply::unwrap(const QVariant &result)
{
    ServiceReply reply;
    reply.result = result;
    reply.errorCode = Value::intValue(Value::member(result, QStringLiteral("errorCode")));
    reply.message = Value::text(Value::member(result, QStringLiteral("message")));
    reply.data = Value::member(result, QStringLiteral("data"));
    return reply;
}

bool ServiceReply::alertUnlessOk() const
{
    if (!ok())
        Custom::messageWithString(message);
    return ok();
}
