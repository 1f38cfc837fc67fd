#include "screens/market/InfoSelector.h"

#include "app/NavigationStack.h"
#include "core/platform/UserDefaults.h"
#include "core/util/Value.h"

namespace {
// Set while the information list is open: a place chosen anywhere becomes its default city.
const QString kInformationOpen = QStringLiteral("gangtiezixun");
const QString kChosenCityName = QStringLiteral("xuanzhongchengshi");
const QString kChosenCityCode = QStringLiteral("morenchengshidaima");

bool informationListOpen()
{
    return UserDefaults::standardUserDefaults()->stringForKey(kInformationOpen) == QLatin1String("yes");
}
} // namespace

InfoSelector::InfoSelector(QObject *parent)
    : SuperTableViewController(parent), m_rightButtonTitle(QStringLiteral("全国"))
{
}

void InfoSelector::setDelegate(InfoSelectorDelegate *delegate, ViewController *caller)
{
    m_delegate = delegate;
    m_caller = caller;
}

void InfoSelector::setList(const QVariantList &list)
{
    m_mainlist = list;
    emit rowsChanged();
}

QVariantList InfoSelector::rows() const
{
    QVariantList out;
    for (const QVariant &entry : m_mainlist)
        out.append(rowFor(Value::map(entry)));
    return out;
}

QVariantMap InfoSelector::rowFor(const QVariantMap &entry) const
{
    return {{QStringLiteral("text"), Value::text(entry.value(QStringLiteral("name")))},
            {QStringLiteral("disclosure"), !Value::list(entry.value(QStringLiteral("citys"))).isEmpty()}};
}

QVariantMap InfoSelector::entryAt(int row) const
{
    return Value::map(m_mainlist.value(row));
}

void InfoSelector::setEntry(int row, const QVariantMap &entry)
{
    if (row < 0 || row >= m_mainlist.size())
        return;
    m_mainlist[row] = entry;
    emit rowsChanged();
}

void InfoSelector::setHideRightView(bool hide)
{
    m_hideRightView = hide;
    emit rightButtonChanged();
}

void InfoSelector::setRightButtonTitle(const QString &title)
{
    m_rightButtonTitle = title;
    emit rightButtonChanged();
}

bool InfoSelector::delegateImplements(InfoSelectorDelegate::Operation operation) const
{
    return m_delegate && m_delegate->implements(operation);
}

void InfoSelector::didSelectRow(int row)
{
    if (row < 0 || row >= m_mainlist.size())
        return;
    const QVariantMap entry = entryAt(row);
    if (informationListOpen()) {
        UserDefaults::standardUserDefaults()->setObject(entry.value(QStringLiteral("name")), kChosenCityName);
        UserDefaults::standardUserDefaults()->setObject(entry.value(QStringLiteral("provinceID")), kChosenCityCode);
    }
    if (!delegateImplements(InfoSelectorDelegate::DidSeletedCity))
        return;
    const QVariantList cities = Value::list(entry.value(QStringLiteral("citys")));
    if (!cities.isEmpty()) {
        auto *level = new InfoSelector;
        level->setDelegate(m_delegate.get(), m_caller);
        level->setTitle(title());
        level->setHideRightView(m_hideRightView);
        level->setList(cities);
        level->setProvenice(entry);
        pushViewController(level);
        return;
    }
    QVariantMap result{{QStringLiteral("shi"), entry}};
    if (!m_provenice.isEmpty())
        result.insert(QStringLiteral("sheng"), m_provenice);
    m_delegate->didSeletedCity(result);
    returnToCaller();
}

void InfoSelector::rightButtonPressed()
{
    if (informationListOpen()) {
        UserDefaults::standardUserDefaults()->setObject(QStringLiteral("0"), kChosenCityCode);
        UserDefaults::standardUserDefaults()->setObject(QStringLiteral("全国"), kChosenCityName);
    }
    if (!delegateImplements(InfoSelectorDelegate::DidSeletedCity))
        return;
    const QVariantMap country{{QStringLiteral("provinceID"), QStringLiteral("0")},
                              {QStringLiteral("name"), QStringLiteral("全国")}};
    m_delegate->didSeletedCity({{QStringLiteral("shi"), country}});
    returnToCaller();
}

void InfoSelector::popViewController()
{
    leave();
    if (delegateImplements(InfoSelectorDelegate::CancelSelectCity))
        m_delegate->cancelSelectCity();
}

void InfoSelector::leave()
{
    SuperTableViewController::popViewController();
}

void InfoSelector::returnToCaller()
{
    NavigationStack *stack = navigationController();
    if (stack && m_caller && stack->indexOf(m_caller) >= 0)
        stack->popToViewController(m_caller);
    else
        leave();
}
