#include "core/util/JsonWriter.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

QByteArray JsonWriter::write(const QVariant &value)
{
    QByteArray out;
    append(out, value);
    return out;
}

QByteArray JsonWriter::write(const JsonMembers &members)
{
    return write(QVariant::fromValue(members));
}

QByteArray JsonWriter::quote(const QString &s)
{
    QByteArray out;
    appendString(out, s);
    return out;
}

namespace {
// UTF-8 of the text with every unpaired surrogate (half an emoji cut off by a length limit)
// dropped: such characters cannot be encoded and must not turn into '?' on the wire.
QByteArray encodableUtf8(const QString &s)
{
    const bool anySurrogate = std::any_of(s.cbegin(), s.cend(), [](QChar c) { return c.isSurrogate(); });
    if (!anySurrogate)
        return s.toUtf8();
    QString kept;
    kept.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            kept.append(c);
            kept.append(s.at(++i));
        } else if (!c.isSurrogate()) {
            kept.append(c);
        }
    }
    return kept.toUtf8();
}
} // namespace

void JsonWriter::appendString(QByteArray &out, const QString &s)
{
    static const char hex[] = "0123456789abcdef";
    const QByteArray utf8 = encodableUtf8(s);
    out.reserve(out.size() + utf8.size() + 2);
    out.append('"');
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\t': out.append("\\t"); break;
        case '\n': out.append("\\n"); break;
        case '\r': out.append("\\r"); break;
        case '\b': out.append("\\b"); break;
        case '\f': out.append("\\f"); break;
        default:
            if (c < 0x20) {
                out.append("\\u00");
                out.append(hex[c >> 4]);
                out.append(hex[c & 0xf]);
            } else {
                out.append(ch);
            }
        }
    }
    out.append('"');
}

void JsonWriter::append(QByteArray &out, const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        if (value.typeId() == QMetaType::QString && !value.toString().isNull()) {
            appendString(out, value.toString());
            return;
        }
        out.append("null");
        return;
    }
    if (value.canConvert<JsonMembers>() && value.userType() == qMetaTypeId<JsonMembers>()) {
        const auto members = value.value<JsonMembers>();
        out.append('{');
        bool first = true;
        for (const auto &[k, v] : members) {
            if (!first)
                out.append(',');
            first = false;
            appendString(out, k);
            out.append(':');
            append(out, v);
        }
        out.append('}');
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        out.append(value.toBool() ? "true" : "false");
        return;
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Long: case QMetaType::ULong: case QMetaType::Short: case QMetaType::UShort:
        out.append(value.toString().toLatin1());
        return;
    case QMetaType::Double: case QMetaType::Float: {
        const double d = value.toDouble();
        if (!std::isfinite(d)) {
            out.append("null");
            return;
        }
        out.append(QString::number(d, 'g', QLocale::FloatingPointShortest).toLatin1());
        return;
    }
    case QMetaType::QVariantMap: {
        const QVariantMap m = value.toMap();
        out.append('{');
        bool first = true;
        for (auto it = m.begin(); it != m.end(); ++it) {
            if (!first)
                out.append(',');
            first = false;
            appendString(out, it.key());
            out.append(':');
            append(out, it.value());
        }
        out.append('}');
        return;
    }
    case QMetaType::QVariantHash: {
        const QVariantHash h = value.toHash();
        QVariantMap m;
        for (auto it = h.begin(); it != h.end(); ++it)
            m.insert(it.key(), it.value());
        append(out, m);
        return;
    }
    case QMetaType::QVariantList: case QMetaType::QStringList: {
        const QVariantList l = value.toList();
        out.append('[');
        for (qsizetype i = 0; i < l.size(); ++i) {
            if (i)
                out.append(',');
            append(out, l.at(i));
        }
        out.append(']');
        return;
    }
    case QMetaType::QByteArray:
        appendString(out, QString::fromUtf8(value.toByteArray()));
        return;
    default:
        appendString(out, value.toString());
    }
}
