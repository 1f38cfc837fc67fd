#include "ListFilter.h"

void ListFilter::equal(const char *column, const QVariant &value)
{
    const bool any = value.typeId() == QMetaType::QString ? value.toString().isEmpty() : value.toLongLong() == 0;
    if (any)
        return;
    add(QStringLiteral("%1 = ?").arg(QLatin1String(column)), value);
}

void ListFilter::place(qint64 code)
{
    equal("province_id", code >= 100 ? code / 100 : code);
    if (code >= 100)
        equal("city_id", code);
}

void ListFilter::add(const QString &clause, const QVariant &value)
{
    m_clauses << clause;
    m_params << value;
}
