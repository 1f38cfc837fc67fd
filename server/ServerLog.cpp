#include "ServerLog.h"

#include <cstdio>

Q_LOGGING_CATEGORY(lcServer, "server", QtInfoMsg)

QString ServerLog::escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += QLatin1String("\\\\");
        else if (u == u'\n')
            out += QLatin1String("\\n");
        else if (u == u'\r')
            out += QLatin1String("\\r");
        else if (u == u'\t')
            out += QLatin1String("\\t");
        else if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0) || u == 0x2028 || u == 0x2029)
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

namespace {

void writeLine(QtMsgType, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s\n", ServerLog::escaped(message).toUtf8().constData());
    std::fflush(stderr);
}

} // namespace

void ServerLog::install()
{
    qInstallMessageHandler(writeLine);
}
