#include "screens/market/SubClassSelector.h"

#include "core/util/Value.h"

#include <QTimer>

SubClassSelector::SubClassSelector(QObject *parent) : ClassSelector(parent) {}

void SubClassSelector::setClassId(const QVariant &classId)
{
    m_classId = Value::isNone(classId) ? QStringLiteral("0") : Value::text(classId);
}

void SubClassSelector::showCategories(const QVariantList &categories)
{
    // One row per kind; each row knows its category, so the page can head sections with it.
    m_categories = shownCategories(categories);
    QVariantList rows;
    for (int section = 0; section < m_categories.size(); ++section) {
        const QVariantMap category = Value::map(m_categories.at(section));
        const QVariantList kinds = Value::list(category.value(QStringLiteral("nsort")));
        for (int k = 0; k < kinds.size(); ++k) {
            QVariantMap row = Value::map(kinds.at(k));
            row.insert(QStringLiteral("sortName"), category.value(QStringLiteral("sortName")));
            row.insert(QStringLiteral("section"), section);
            row.insert(QStringLiteral("kind"), k);
            rows.append(row);
        }
    }
    setList(rows);
    QTimer::singleShot(kScrollDelayMs, this, &SubClassSelector::scrollToClass);
}

QVariantMap SubClassSelector::rowFor(const QVariantMap &entry) const
{
    // The first kind of a category carries the category's head.
    const bool first = Value::intValue(entry.value(QStringLiteral("kind"))) == 0;
    return {{QStringLiteral("text"), Value::text(entry.value(QStringLiteral("nsortName")))},
            {QStringLiteral("header"), first ? Value::text(entry.value(QStringLiteral("sortName"))) : QString()}};
}

void SubClassSelector::scrollToClass()
{
    for (int section = 0; section < m_categories.size(); ++section) {
        const QVariantMap category = Value::map(m_categories.at(section));
        if (Value::text(category.value(QStringLiteral("sortID"))) != m_classId)
            continue;
        // A category without kinds has no rows to show: stay where the list is.
        for (int row = 0; row < count(); ++row) {
            if (Value::intValue(entryAt(row).value(QStringLiteral("section"))) == section) {
                setScrollRow(row);
                break;
            }
        }
        break;
    }
    // Said even when the list stays, so that whoever waits for the decision hears it.
    emit scrollRowChanged();
}

void SubClassSelector::didSelectRow(int row)
{
    if (row < 0 || row >= count())
        return;
    const QVariantMap picked = entryAt(row);
    const QVariantMap category = Value::map(m_categories.value(Value::intValue(picked.value(QStringLiteral("section")))));
    const QVariantMap kind = Value::map(
        Value::list(category.value(QStringLiteral("nsort"))).value(Value::intValue(picked.value(QStringLiteral("kind")))));
    if (delegateImplements(InfoSelectorDelegate::DidSeletedClassSubClassInfo))
        delegate()->didSeletedClass(category, kind);
    leave();
}

void SubClassSelector::rightButtonPressed()
{
    if (!delegateImplements(InfoSelectorDelegate::DidSeletedClassSubClassInfo))
        return;
    delegate()->didSeletedClass(QVariantMap{{QStringLiteral("sortID"), QStringLiteral("0")},
                                            {QStringLiteral("sortName"), QStringLiteral("全部种类")}},
                                QVariantMap{{QStringLiteral("nsortID"), QStringLiteral("0")},
                                            {QStringLiteral("nsortName"), QStringLiteral("全部品种")}});
    returnToCaller();
}
