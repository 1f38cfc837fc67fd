#include "screens/market/ProductsSelected.h"

#include "app/PagedListModel.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"

#include <QStringList>

ProductsSelected::ProductsSelected(QObject *parent) : InfoSelector(parent)
{
    setRightButtonTitle({});
}

bool ProductsSelected::isChosen(const QVariantMap &entry)
{
    // "selected" arrives as a boolean or as the text "0" for "not chosen".
    return Value::boolValue(entry.value(QStringLiteral("selected")));
}

void ProductsSelected::didSelectRow(int row)
{
    if (row < 0 || row >= count())
        return;
    if (!list()->isSelected(row) && list()->selectedCount() >= kMaxChosen) {
        Custom::messageWithString(QStringLiteral("最多只能选择5项"));
        return;
    }
    // Only this row's mark changes: the list keeps its place.
    list()->toggleSelected(row);
}

QVariantMap ProductsSelected::rowFor(const QVariantMap &entry) const
{
    return {{QStringLiteral("text"), Value::text(entry.value(QStringLiteral("value")))},
            {QStringLiteral("checked"), isChosen(entry)}};
}

QString ProductsSelected::chosenText() const
{
    QStringList values;
    for (const QVariant &entry : list()->selectedValues(QStringLiteral("entry")))
        values.append(Value::text(Value::map(entry).value(QStringLiteral("value"))));
    return values.join(u'/');
}

void ProductsSelected::popViewController()
{
    const QString chosen = chosenText();
    if (delegateImplements(InfoSelectorDelegate::DidSeletedProducts) && !chosen.isEmpty())
        delegate()->didSeletedProducts(chosen);
    returnToCaller();
}
