#include "screens/account/AccountInfo.h"

#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/account/AccountInfoEditText.h"
#include "screens/market/InfoSelector.h"
#include "screens/market/ProductsSelected.h"

AccountInfo::AccountInfo(QObject *parent) : SuperController(parent) {}

void AccountInfo::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("账号基本信息"));
    loadFromRecord();
}

void AccountInfo::loadFromRecord()
{
    const UserInfo *user = context().service<UserInfo>();
    m_selectProvince = user->province();
    m_selectCity = user->city();
    m_values = {Value::text(user->userTel()), Value::text(user->userName()), Value::text(user->companyName()),
                placeText(m_selectProvince, m_selectCity), Value::text(user->products())};
    emit rowsChanged();
}

QString AccountInfo::placeText(const QString &province, const QString &city)
{
    if (province == city)
        return Value::text(city);
    return QStringLiteral("%1 %2").arg(Value::text(province), Value::text(city));
}

bool AccountInfo::editShown() const
{
    // A certified company's profile is changed through the operator, not from the device.
    return AppContext::current()->service<UserInfo>()->isVal() != 1;
}

QString AccountInfo::editTitle() const
{
    return m_editing ? QStringLiteral("保存") : QStringLiteral("编辑");
}

QVariantList AccountInfo::rows() const
{
    static const char *const captions[] = {"手机号码 :", "联  系  人 :", "公司全称 :", "所  在  地 :", "常备/常需 :"};
    QVariantList out;
    for (int i = 0; i < RowCount; ++i)
        out.append(QVariantMap{{QStringLiteral("caption"), QString::fromUtf8(captions[i])},
                               {QStringLiteral("value"), m_values.value(i)},
                               {QStringLiteral("height"), i == Products ? 60 : 45},
                               {QStringLiteral("section"), i == Products ? 1 : 0},
                               {QStringLiteral("selectable"), m_editing && i != Mobile}});
    return out;
}

void AccountInfo::editPressed()
{
    if (!editShown())
        return;
    m_editing = !m_editing;
    setTitle(m_editing ? QStringLiteral("编辑基本信息") : QStringLiteral("账号基本信息"));
    emit editingChanged();
    emit rowsChanged();
    if (!m_editing)
        save();
}

void AccountInfo::didSelectRow(int index)
{
    if (!m_editing || index <= Mobile || index >= RowCount)
        return;
    if (index == Contact || index == Company) {
        auto *editor = new AccountInfoEditText;
        editor->setTitle(index == Contact ? QStringLiteral("输入联系人") : QStringLiteral("请入公司名称"));
        editor->setIdx(index);
        editor->setDelegate(this);
        presentViewController(editor);
    } else if (index == Place) {
        auto *picker = new InfoSelector;
        picker->setTitle(QStringLiteral("城市选择"));
        picker->setHideRightView(true);
        picker->setList(Value::list(Custom::loadPlistName(QStringLiteral("AllCity"))));
        picker->setDelegate(this, this);
        pushViewController(picker);
    } else if (index == Products) {
        QVariantList entries;
        for (const char *value : {"板卷类", "型材类", "管材类", "建材类", "优钢类", "不锈钢"})
            entries.append(QVariantMap{{QStringLiteral("value"), QString::fromUtf8(value)},
                                       {QStringLiteral("selected"), QStringLiteral("0")}});
        auto *picker = new ProductsSelected;
        picker->setTitle(QStringLiteral("选择常需/常备"));
        picker->setList(entries);
        picker->setDelegate(this, this);
        pushViewController(picker);
    }
}

void AccountInfo::infoEditDidFinish(const QString &text, int index)
{
    if (index != Contact && index != Company)
        return;
    // An emptied field is an empty text, not none: none would be sent, and stored, as "(null)".
    m_values[index] = text.isNull() ? QStringLiteral("") : text;
    emit rowsChanged();
}

bool AccountInfo::implements(Operation operation) const
{
    return operation == DidSeletedCity || operation == DidSeletedProducts;
}

void AccountInfo::didSeletedCity(const QVariantMap &result)
{
    const QVariantMap city = Value::map(result.value(QStringLiteral("shi")));
    const QVariantMap province = Value::map(result.value(QStringLiteral("sheng")));
    m_selectCity = Value::text(city.value(QStringLiteral("name")));
    // A place without cities comes back alone: it is its own province.
    m_selectProvince = province.isEmpty() ? m_selectCity : Value::text(province.value(QStringLiteral("name")));
    m_values[Place] = placeText(m_selectProvince, m_selectCity);
    emit rowsChanged();
}

void AccountInfo::didSeletedProducts(const QString &products)
{
    m_values[Products] = products;
    emit rowsChanged();
}

void AccountInfo::save()
{
    const UserInfo *user = context().service<UserInfo>();
    // Nothing is checked before sending: an emptied value is sent empty.
    // The fields this screen does not edit go as empty strings (a null one would read "(null)").
    const QString none = QStringLiteral("");
    if (Request *request = m_submit.start(this, [this](const ServiceReply &) { saved(); }))
        request->updateBaseInfo(user->userId(), m_values[Contact], none, m_selectProvince, m_selectCity,
                                m_values[Products], none, none, m_values[Company], none, this);
}

void AccountInfo::saved()
{
    UserInfo *user = context().service<UserInfo>();
    user->setUserName(m_values[Contact]);
    user->setCompanyName(m_values[Company]);
    user->setProvince(m_selectProvince);
    user->setCity(m_selectCity);
    user->setProducts(m_values[Products]);
    Custom::messageWithString(QStringLiteral("信息已修改完成"));
    loadFromRecord();
}
