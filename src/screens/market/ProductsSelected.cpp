#include "screens/market/ProductsSelected.h"

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
    if (row < 0 || row >= int(mainlist().size()))
        return;
    QVariantMap entry = entryAt(row);
    if (!isChosen(entry)) {
        int chosen = 0;
        for (const QVariant &e : mainlist())
            chosen += isChosen(Value::map(e)) ? 1 : 0;
        if (chosen >= kMaxChosen) {
            Custom::messageWithString(QStringLiteral("最多只能选择5项"));
            return;
        }
    }
    entry.insert(QStringLiteral("selected"), !isChosen(entry));
    setEntry(row, entry);
}

QVariantMap ProductsSelected::rowFor(const QVariantMap &entry) const
{
    return {{QStringLiteral("text"), Value::text(entry.value(QStringLiteral("value")))},
            {QStringLiteral("checked"), isChosen(entry)}};
}

QString ProductsSelected::chosenText() const
{
    QStringList values;
    for (const QVariant &e : mainlist()) {
        const QVariantMap entry = Value::map(e);
        if (isChosen(entry))
            values.append(Value::text(entry.value(QStringLiteral("value"))));
    }
    return values.join(u'/');
}

void ProductsSelected::popViewController()
{
    const QString chosen = chosenText();
    if (delegateImplements(InfoSelectorDelegate::DidSeletedProducts) && !chosen.isEmpty())
        delegate()->didSeletedProducts(chosen);
    returnToCaller();
}
