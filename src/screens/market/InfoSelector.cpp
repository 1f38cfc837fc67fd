#include "screens/market/InfoSelector.h"

#include "app/NavigationStack.h"
#include "app/PagedListModel.h"
#include "core/platform/UserDefaults.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"

namespace {
// Set while the information list is open: a place chosen anywhere becomes its default city.
const QString kInformationOpen = QStringLiteral("gangtiezixun");
const QString kChosenCityName = QStringLiteral("xuanzhongchengshi");
const QString kChosenCityCode = QStringLiteral("morenchengshidaima");
const QString kEntry = QStringLiteral("entry");
const QString kChecked = QStringLiteral("checked");

bool informationListOpen()
{
    return UserDefaults::standardUserDefaults()->stringForKey(kInformationOpen) == QLatin1String("yes");
}
} // namespace

InfoSelector *InfoSelector::oneCity(InfoSelectorDelegate *delegate, ViewController *caller)
{
    auto *picker = new InfoSelector;
    picker->setTitle(QStringLiteral("城市选择"));
    picker->setHideRightView(true);
    picker->setList(Value::list(Custom::loadPlistName(QStringLiteral("AllCity"))));
    picker->setDelegate(delegate, caller);
    return picker;
}

InfoSelector::InfoSelector(QObject *parent)
    : SuperTableViewController(parent),
      m_list(new PagedListModel({QStringLiteral("text"), QStringLiteral("disclosure"), QStringLiteral("header")}, this)),
      m_rightButtonTitle(QStringLiteral("全国"))
{
    m_list->setRowMapping([this](const QVariantMap &entry) {
        QVariantMap row{{QStringLiteral("disclosure"), false}, {QStringLiteral("header"), QString()}};
        row.insert(rowFor(entry));
        row.insert(kEntry, entry);
        return row;
    });
}

void InfoSelector::setDelegate(InfoSelectorDelegate *delegate, ViewController *caller)
{
    m_delegate = delegate;
    m_caller = caller;
}

void InfoSelector::setList(const QVariantList &list)
{
    m_list->setRows(list);
    for (int i = 0; i < m_list->count(); ++i)
        m_list->setSelected(i, Value::boolValue(m_list->get(i).value(kChecked)));
}

void InfoSelector::setTexts(const QStringList &texts)
{
    QVariantList rows;
    for (const QString &text : texts)
        rows.append(QVariantMap{{QStringLiteral("name"), text}});
    setList(rows);
}

QVariantList InfoSelector::mainlist() const
{
    QVariantList out;
    for (const QVariantMap &row : m_list->rows())
        out.append(row.value(kEntry));
    return out;
}

int InfoSelector::count() const
{
    return m_list->count();
}

QVariantMap InfoSelector::rowFor(const QVariantMap &entry) const
{
    return {{QStringLiteral("text"), Value::text(entry.value(QStringLiteral("name")))},
            {QStringLiteral("disclosure"), !Value::list(entry.value(QStringLiteral("citys"))).isEmpty()}};
}

QVariantMap InfoSelector::entryAt(int row) const
{
    return Value::map(m_list->get(row).value(kEntry));
}

QString InfoSelector::textAt(int row) const
{
    return Value::text(entryAt(row).value(QStringLiteral("name")));
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
    if (row < 0 || row >= count())
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
