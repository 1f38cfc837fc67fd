#include "EnvelopeParser.h"

#include "core/util/JsonReader.h"

#include <QByteArrayView>

namespace {

QByteArray boundaryOf(const QByteArray &contentType)
{
    const qsizetype at = contentType.toLower().indexOf("boundary=");
    if (at < 0)
        return {};
    QByteArray b = contentType.mid(at + 9);
    const qsizetype semi = b.indexOf(';');
    if (semi >= 0)
        b.truncate(semi);
    b = b.trimmed();
    if (b.size() >= 2 && b.startsWith('"') && b.endsWith('"'))
        b = b.mid(1, b.size() - 2);
    return b;
}

} // namespace

QString EnvelopeParser::parse(const QByteArray &body, const QByteArray &contentType,
                              ServiceCall &call)
{
    if (contentType.toLower().startsWith("multipart/form-data")) {
        const QByteArray boundary = boundaryOf(contentType);
        if (boundary.isEmpty())
            return QStringLiteral("multipart body without boundary");
        return parseMultipart(body, boundary, call);
    }
    // The raw envelope puts the JSON right after "auth="; a form encodes the brace.
    if (body.startsWith("auth={"))
        return parseRaw(body, call);
    return parseForm(body, call);
}

QString EnvelopeParser::parseRaw(const QByteArray &body, ServiceCall &call)
{
    // Split at the first "&info=": the auth block is fixed text without it, while the info JSON
    // after it may itself hold '&' and '=' in its values.
    const QByteArray rest = body.mid(5);
    const qsizetype split = rest.indexOf("&info=");
    if (split < 0)
        return readBlocks(rest, {}, false, call);
    return readBlocks(rest.left(split), rest.mid(split + 6), true, call);
}

QString EnvelopeParser::parseForm(const QByteArray &body, ServiceCall &call)
{
    QByteArray auth;
    QByteArray info;
    bool hasAuth = false;
    bool hasInfo = false;
    for (const QByteArray &field : body.split('&')) {
        const qsizetype eq = field.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray name = formDecode(field.left(eq));
        if (name == "auth") {
            auth = formDecode(field.mid(eq + 1));
            hasAuth = true;
        } else if (name == "info") {
            info = formDecode(field.mid(eq + 1));
            hasInfo = true;
        }
    }
    if (!hasAuth)
        return QStringLiteral("no auth field");
    return readBlocks(auth, info, hasInfo, call);
}

QString EnvelopeParser::parseMultipart(const QByteArray &body, const QByteArray &boundary,
                                       ServiceCall &call)
{
    const QByteArray delimiter = "--" + boundary;
    QByteArray auth;
    QByteArray info;
    bool hasAuth = false;
    bool hasInfo = false;
    qsizetype pos = body.indexOf(delimiter);
    while (pos >= 0) {
        qsizetype start = pos + delimiter.size();
        if (body.mid(start, 2) == "--")
            break; // closing delimiter
        if (body.mid(start, 2) == "\r\n")
            start += 2;
        const qsizetype next = body.indexOf("\r\n" + delimiter, start);
        if (next < 0)
            return QStringLiteral("multipart part without closing boundary");
        const QByteArray part = body.mid(start, next - start);
        const qsizetype headEnd = part.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return QStringLiteral("multipart part without headers");
        const QByteArray head = part.left(headEnd);
        const QByteArray content = part.mid(headEnd + 4);
        const qsizetype nameAt = head.indexOf("name=\"");
        if (nameAt >= 0) {
            const qsizetype nameEnd = head.indexOf('"', nameAt + 6);
            const QByteArray name = head.mid(nameAt + 6, nameEnd - nameAt - 6);
            if (name == "auth") {
                auth = content;
                hasAuth = true;
            } else if (name == "info") {
                info = content;
                hasInfo = true;
            } else if (name == "file") {
                call.fileBytes = content;
                const qsizetype fnAt = head.indexOf("filename=\"");
                if (fnAt >= 0) {
                    const qsizetype fnEnd = head.indexOf('"', fnAt + 10);
                    call.fileName = QString::fromUtf8(head.mid(fnAt + 10, fnEnd - fnAt - 10));
                }
            }
        }
        pos = next + 2;
    }
    if (!hasAuth)
        return QStringLiteral("multipart body without auth part");
    return readBlocks(auth, info, hasInfo, call);
}

QString EnvelopeParser::readBlocks(const QByteArray &auth, const QByteArray &info, bool hasInfo,
                                   ServiceCall &call)
{
    const QVariant authValue = JsonReader::read(auth);
    if (authValue.typeId() != QMetaType::QVariantMap)
        return QStringLiteral("auth block is not a JSON object");
    call.auth = authValue.toMap();
    if (!hasInfo || info.trimmed().isEmpty()) {
        call.info.clear();
        return {};
    }
    const QVariant infoValue = JsonReader::read(info);
    if (infoValue.typeId() != QMetaType::QVariantMap)
        return QStringLiteral("info block is not a JSON object");
    call.info = infoValue.toMap();
    return {};
}

QByteArray EnvelopeParser::formDecode(QByteArray value)
{
    value.replace('+', ' ');
    return QByteArray::fromPercentEncoding(value);
}
