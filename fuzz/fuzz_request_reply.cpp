// A service reply: any body, decoded as `Request` decodes it and read as screens read a result.
// What decodes must also survive being written as JSON and read again (replies are stored and
// sent on).
#include "FuzzSupport.h"
#include "core/api/Request.h"
#include "core/util/JsonReader.h"
#include "core/util/JsonWriter.h"
#include "core/util/Value.h"

static void readLikeAScreen(const QVariant &value)
{
    (void)Value::text(value);
    (void)Value::intValue(value);
    for (const QVariant &member : value.typeId() == QMetaType::QVariantMap ? value.toMap().values() : value.toList())
        readLikeAScreen(member);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzContext fuzz;
    const QVariant result = Request::decodeReply(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    (void)Value::intValue(Value::member(result, QStringLiteral("errorCode")));
    readLikeAScreen(result);
    if (result.isValid() && !JsonReader::read(JsonWriter::write(result)).isValid())
        std::abort();   // the writer wrote text the reader refuses
    return 0;
}
