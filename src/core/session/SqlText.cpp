#include "core/session/SqlText.h"

#include "core/util/Value.h"

QString SqlText::identifier(const QString &name)
{
    // Built in one allocation: statements are assembled on every message.
    QString quoted;
    quoted.reserve(name.size() + 2);
    quoted += QLatin1Char('"');
    for (const QChar c : name) {
        if (c == QLatin1Char('"'))
            quoted += QLatin1Char('"');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return quoted;
}

QString SqlText::identifierList(const QStringList &names)
{
    QString out;
    for (const QString &name : names) {
        if (!out.isEmpty())
            out += QLatin1Char(',');
        out += identifier(name);
    }
    return out;
}

QString SqlText::placeholders(qsizetype count, int first)
{
    QString out;
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        out += QLatin1Char('?') + QString::number(first + i);
    }
    return out;
}

QString SqlText::literalValue(const QVariant &value)
{
    QString text = Value::text(value);
    // Left to right, pairs do not overlap: "''''" is two apostrophes, "'''" is two as well
    // (the unpaired last one is kept as it is).
    text.replace(QLatin1String("''"), QLatin1String("'"));
    return text;
}

bool SqlText::isUsableName(const QString &name)
{
    return !name.contains(QChar(u'\0'));
}

bool SqlText::isRowIdAlias(const QString &name)
{
    for (const char *alias : {"rowid", "oid", "_rowid_"}) {
        if (name.compare(QLatin1String(alias), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
