#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

/// Members of a JSON object in the order they are to be written.
using JsonMembers = QList<std::pair<QString, QVariant>>;
Q_DECLARE_METATYPE(JsonMembers)

/// Compact JSON text with the client's escaping rules: no white space between tokens; in strings
/// only '"', '\\' and control characters are escaped (\t \n \r \b \f, other controls as \u00xx
/// with lower-case hex); solidus and non-ASCII text are written as they are, in UTF-8.
/// QVariantMap members come in key order; JsonMembers keep the order given.
class JsonWriter
{
public:
    static QByteArray write(const QVariant &value);
    static QByteArray write(const JsonMembers &members);
    static QByteArray quote(const QString &s);

private:
    static void append(QByteArray &out, const QVariant &value);
    static void appendString(QByteArray &out, const QString &s);
};
