#include "core/util/Value.h"

#include "core/util/JsonWriter.h"

#include <QLocale>
#include <climits>

namespace {

bool isNumberType(int id)
{
    switch (id) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Long: case QMetaType::ULong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Char: case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

qsizetype skipSpace(const QString &s, qsizetype i)
{
    while (i < s.size() && s.at(i).isSpace())
        ++i;
    return i;
}

} // namespace

bool Value::isNone(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return true;
    if (v.typeId() == QMetaType::QString)
        return v.toString().isNull();
    return v.typeId() == QMetaType::Nullptr;
}

QString Value::text(const QVariant &v)
{
    if (isNone(v))
        return QStringLiteral("(null)");
    const int id = v.typeId();
    if (id == QMetaType::QString)
        return v.toString();
    if (id == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (id == QMetaType::Double || id == QMetaType::Float)
        return QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    if (isNumberType(id))
        return v.toString();
    if (id == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray());
    if (id == QMetaType::QVariantMap || id == QMetaType::QVariantList || id == QMetaType::QStringList
        || id == QMetaType::QVariantHash)
        return QString::fromUtf8(JsonWriter::write(v));
    return v.toString();
}

int Value::intValue(const QString &s)
{
    const qint64 n = [&] {
        qsizetype i = skipSpace(s, 0);
        bool negative = false;
        if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-')) {
            negative = s.at(i) == u'-';
            ++i;
        }
        qint64 acc = 0;
        for (; i < s.size() && s.at(i) >= u'0' && s.at(i) <= u'9'; ++i) {
            acc = acc * 10 + (s.at(i).unicode() - u'0');
            if (acc > qint64(INT_MAX) + 1)
                break;
        }
        return negative ? -acc : acc;
    }();
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return int(n);
}

int Value::intValue(const QVariant &v)
{
    if (isNone(v))
        return 0;
    const int id = v.typeId();
    if (id == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    if (isNumberType(id)) {
        const double d = v.toDouble();
        if (d >= double(INT_MAX))
            return INT_MAX;
        if (d <= double(INT_MIN))
            return INT_MIN;
        return int(d);
    }
    return intValue(text(v));
}

qint64 Value::longLongValue(const QVariant &v)
{
    if (isNone(v))
        return 0;
    const int id = v.typeId();
    if (id == QMetaType::Double || id == QMetaType::Float)
        return qint64(v.toDouble());
    if (isNumberType(id) || id == QMetaType::Bool)
        return v.toLongLong();
    const QString s = text(v);
    qsizetype i = skipSpace(s, 0);
    qsizetype start = i;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        ++i;
    while (i < s.size() && s.at(i).isDigit() && s.at(i).unicode() < 128)
        ++i;
    bool ok = false;
    const qint64 n = s.mid(start, i - start).toLongLong(&ok);
    return ok ? n : 0;
}

double Value::doubleValue(const QString &s)
{
    qsizetype i = skipSpace(s, 0);
    const qsizetype start = i;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        ++i;
    auto digits = [&] {
        while (i < s.size() && s.at(i) >= u'0' && s.at(i) <= u'9')
            ++i;
    };
    digits();
    if (i < s.size() && s.at(i) == u'.') {
        ++i;
        digits();
    }
    if (i < s.size() && (s.at(i) == u'e' || s.at(i) == u'E')) {
        qsizetype save = i++;
        if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
            ++i;
        const qsizetype expStart = i;
        digits();
        if (i == expStart)
            i = save;
    }
    bool ok = false;
    const double d = s.mid(start, i - start).toDouble(&ok);
    return ok ? d : 0.0;
}

double Value::doubleValue(const QVariant &v)
{
    if (isNone(v))
        return 0.0;
    const int id = v.typeId();
    if (isNumberType(id) || id == QMetaType::Bool)
        return v.toDouble();
    return doubleValue(text(v));
}

bool Value::boolValue(const QString &s)
{
    qsizetype i = skipSpace(s, 0);
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        ++i;
    while (i < s.size() && s.at(i) == u'0')
        ++i;
    if (i >= s.size())
        return false;
    const QChar c = s.at(i);
    return c == u'Y' || c == u'y' || c == u'T' || c == u't' || (c >= u'1' && c <= u'9');
}

bool Value::boolValue(const QVariant &v)
{
    if (isNone(v))
        return false;
    const int id = v.typeId();
    if (id == QMetaType::Bool)
        return v.toBool();
    if (isNumberType(id))
        return v.toDouble() != 0.0;
    return boolValue(text(v));
}

QVariant Value::member(const QVariant &dict, const QString &key)
{
    if (dict.typeId() == QMetaType::QVariantMap)
        return dict.toMap().value(key);
    if (dict.typeId() == QMetaType::QVariantHash)
        return dict.toHash().value(key);
    return {};
}

QVariantMap Value::map(const QVariant &v)
{
    if (v.typeId() == QMetaType::QVariantMap)
        return v.toMap();
    if (v.typeId() == QMetaType::QVariantHash) {
        QVariantMap m;
        const QVariantHash h = v.toHash();
        for (auto it = h.begin(); it != h.end(); ++it)
            m.insert(it.key(), it.value());
        return m;
    }
    return {};
}

QVariantList Value::list(const QVariant &v)
{
    if (v.typeId() == QMetaType::QVariantList)
        return v.toList();
    if (v.typeId() == QMetaType::QStringList) {
        QVariantList l;
        for (const QString &s : v.toStringList())
            l.append(s);
        return l;
    }
    return {};
}
