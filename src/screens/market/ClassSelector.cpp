#include "screens/market/ClassSelector.h"

#include "core/api/Request.h"
#include "core/util/DataCache.h"
#include "core/util/Value.h"

ClassSelector::ClassSelector(QObject *parent) : InfoSelector(parent)
{
    setRightButtonTitle(QStringLiteral("全部"));
}

void ClassSelector::viewDidLoad()
{
    InfoSelector::viewDidLoad();
    const QVariantList cached = Value::list(DataCache::readDataForKey(cacheKey()));
    if (!cached.isEmpty())
        showCategories(cached);
    else
        Request::request(0)
            ->onSuccess(this,
                        [this](const QVariant &data) {
                            const QVariantList categories = Value::list(data);
                            if (categories.isEmpty())
                                return;
                            DataCache::saveData(categories, cacheKey());
                            showCategories(categories);
                        })
            ->getClassListWithDelegate(this);
}

QVariantList ClassSelector::shownCategories(const QVariantList &categories) const
{
    return hideHotCalss() ? categories.mid(1) : categories;
}

void ClassSelector::showCategories(const QVariantList &categories)
{
    setList(shownCategories(categories));
}

QVariantMap ClassSelector::rowFor(const QVariantMap &entry) const
{
    return {{QStringLiteral("text"), Value::text(entry.value(QStringLiteral("sortName")))}};
}

void ClassSelector::didSelectRow(int row)
{
    if (row < 0 || row >= count())
        return;
    if (delegateImplements(InfoSelectorDelegate::DidSeletedClass))
        delegate()->didSeletedClass(entryAt(row));
    leave();
}

void ClassSelector::rightButtonPressed()
{
    if (!delegateImplements(InfoSelectorDelegate::DidSeletedClass))
        return;
    delegate()->didSeletedClass(QVariantMap{{QStringLiteral("sortID"), QStringLiteral("0")},
                                            {QStringLiteral("sortName"), QStringLiteral("全部种类")}});
    returnToCaller();
}
