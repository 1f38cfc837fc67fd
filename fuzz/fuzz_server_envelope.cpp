// The service's reading of a call body: the raw "auth=…&info=…" envelope, the URL-encoded form
// and the multipart upload (the first byte picks the content type, the rest is the body), then
// the info values read as the routes read them (whole numbers, decimals, id lists).
#include "http/EnvelopeParser.h"
#include "http/RouteHelpers.h"

#include <QCoreApplication>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char *argv[] = {const_cast<char *>("fuzz"), nullptr};
    static QCoreApplication app(argc, argv);
    static const bool quiet = (qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {}), true);
    (void)quiet;
    if (size == 0)
        return 0;
    static const QByteArray types[] = {"application/x-www-form-urlencoded", "multipart/form-data; boundary=AaB03x",
                                       "multipart/form-data; boundary=\"a b\"", "multipart/form-data"};
    const QByteArray body(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    ServiceCall call;
    if (!EnvelopeParser::parse(body, types[data[0] % 4], call).isEmpty())
        return 0;
    for (auto it = call.info.cbegin(); it != call.info.cend(); ++it) {
        (void)call.number(it.key());
        if (!std::isfinite(call.decimal(it.key())))
            std::abort();   // a value that is not finite must never reach a route
        (void)RouteHelpers::ids(call, it.key().toUtf8().constData());
    }
    return 0;
}
