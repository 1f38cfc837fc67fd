#pragma once

#include <QString>
#include <QVariantList>
#include <QVariantMap>

/// What a filter picker hands back to the screen that opened it. Every operation is optional:
/// a delegate says which ones it takes through `implements`, because the pickers behave
/// differently when an operation is missing (the place picker then opens no city level, and a
/// "全部" button does nothing).
class InfoSelectorDelegate
{
public:
    enum Operation {
        DidSeletedCity,
        CancelSelectCity,
        DidSeletedClass,
        DidSeletedClassSubClassInfo,
        DidSeletedFormat,
        DidSeletedWeight,
        DidSeletedProducts,
        ChangeCaizhi,
        ChangeLabelText,
        NumberSelected,
        ChangeDalei,
        ChangePingming,
    };

    virtual ~InfoSelectorDelegate() = default;
    virtual bool implements(Operation operation) const = 0;

    /// A place: "shi" = the place chosen, "sheng" = its province when chosen on the city level.
    virtual void didSeletedCity(const QVariantMap &result) { Q_UNUSED(result) }
    virtual void cancelSelectCity() {}
    virtual void didSeletedClass(const QVariantMap &category) { Q_UNUSED(category) }
    /// A category and one of its kinds; the specification picker's "全部" sends an empty
    /// category and a kind entry, and the list screens then clear their specification.
    virtual void didSeletedClass(const QVariantMap &category, const QVariantMap &subClassInfo)
    {
        Q_UNUSED(category) Q_UNUSED(subClassInfo)
    }
    virtual void didSeletedFormat(const QString &format) { Q_UNUSED(format) }
    virtual void didSeletedWeight(const QString &weight) { Q_UNUSED(weight) }
    /// The chosen products' values joined with "/".
    virtual void didSeletedProducts(const QString &products) { Q_UNUSED(products) }
    /// A material, chosen from the list or typed when the kind offers none.
    virtual void changeCaizhi(const QString &material) { Q_UNUSED(material) }
    /// A payment method's text ("现款", "非现款").
    virtual void changeLabelText(const QString &text) { Q_UNUSED(text) }
    /// A number of sellers, as its text.
    virtual void numberSelected(const QString &number) { Q_UNUSED(number) }
    /// A resource category's name, with the category tree the picker carried.
    virtual void changedalei(const QString &name, const QVariantList &tree) { Q_UNUSED(name) Q_UNUSED(tree) }
    /// A resource kind's name, with the category tree the picker carried.
    virtual void changepingming(const QString &name, const QVariantList &tree) { Q_UNUSED(name) Q_UNUSED(tree) }
};
