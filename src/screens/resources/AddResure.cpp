#include "screens/resources/AddResure.h"

#include "app/AlertStyleValue1.h"
#include "app/ButtonModel.h"
#include "app/Form.h"
#include "app/NavigationStack.h"
#include "core/api/Request.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/account/LoginGate.h"
#include "screens/market/InfoSelector.h"
#include "screens/market/WeightSelector.h"
#include "screens/resources/PickXuanZeZIYUANViewController.h"
#include "screens/resources/Pickcaizhi2ViewController.h"

namespace {
const QString kCategory = QStringLiteral("0");
const QString kKind = QStringLiteral("1");
const QString kCountType = QStringLiteral("2");
const QString kCity = QStringLiteral("3");
const QString kId = QStringLiteral("id");
const QString kName = QStringLiteral("name");
// The typed fields, in the order the save checks them.
const char *const kTyped[] = {"spec", "yieldly", "weight", "price", "cangku"};

// A value missing from a reply is empty here, never "(null)": it must count as not filled.
QString text(const QVariant &v)
{
    return Value::isNone(v) ? QString() : Value::text(v);
}
QString text(const QVariant &map, const char *key)
{
    return text(Value::member(map, QString::fromLatin1(key)));
}
} // namespace

AddResure::AddResure(QObject *parent) : SuperController(parent), m_tree(new CategoryTree(this))
{
    // Plain text on purpose: the service takes a lot's values as they are typed.
    const auto add = [this](const char *key, const char *label) {
        form()->add(QString::fromLatin1(key), FormField::Text, incompleteText())->setLabel(QString::fromUtf8(label));
    };
    add("spec", "规   格：");
    add("yieldly", "产   地：");
    add("weight", "重量(吨)：");
    add("price", "价格(元/吨)：");
    add("cangku", "仓   库：");
    connect(form(), &Form::submitted, this, &AddResure::save);
}

AddResure *AddResure::toEdit(const QString &resourceId, const QVariantMap &detail)
{
    auto *f = new AddResure;
    f->m_isAddStyle = false;
    f->m_resourceid = resourceId;
    const QVariant d = detail;
    f->m_dataDict = {
        {kCategory, QVariantMap{{kId, text(d, "sortID")}, {kName, text(d, "sortName")}}},
        {kKind, QVariantMap{{kId, text(d, "nsortID")}, {kName, text(d, "nsortName")}}},
        {kCountType, text(d, "countType")},
        {kCity, QVariantMap{{QStringLiteral("cityID"), text(d, "cityID")},
                            {QStringLiteral("provinceID"), text(d, "provinceID")},
                            {kName, QStringLiteral("%1 %2").arg(text(d, "provinceName"), text(d, "cityName"))}}}};
    f->m_categoryTitle = f->pick("0", "name");
    f->m_kindTitle = f->pick("1", "name");
    f->m_countTypeTitle = text(f->m_dataDict.value(kCountType));
    f->m_cityTitle = f->pick("3", "name");
    for (const char *key : kTyped)
        f->form()->field(QString::fromLatin1(key))->setText(text(d, key));
    f->m_material = text(d, "materials");
    f->m_youhui = text(d, "discount");
    return f;
}

void AddResure::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(m_isAddStyle ? QStringLiteral("添加新的资源") : QStringLiteral("修改资源信息"));
    m_tree->load(this, QStringLiteral("资源种类信息获取失败"));
}

QString AddResure::pick(const char *entry, const char *key) const
{
    return text(m_dataDict.value(QString::fromLatin1(entry)), key);
}

void AddResure::chooseCategory()
{
    auto *picker = new PickXuanZeZIYUANViewController;
    picker->setTitle(PickXuanZeZIYUANViewController::categoryTitle());
    picker->setTexts(m_tree->categoryNames());
    picker->setDic(m_tree->tree());
    picker->setDelegate(this, this);
    // Kind and material belong to the old category: both are chosen again. The recorded kind
    // goes too, so that no save sends a kind the user no longer sees.
    m_kindTitle.clear();
    m_material.clear();
    m_dataDict.remove(kKind);
    emit picksChanged();
    pushViewController(picker);
}

void AddResure::chooseKind()
{
    auto *picker = new PickXuanZeZIYUANViewController;
    picker->setTitle(PickXuanZeZIYUANViewController::kindTitle());
    picker->setTexts(m_tree->kindNames(m_categoryTitle));
    picker->setDic(m_tree->tree());
    picker->setDelegate(this, this);
    m_material.clear();
    emit picksChanged();
    pushViewController(picker);
}

void AddResure::chooseMaterial()
{
    auto *picker = new Pickcaizhi2ViewController;
    picker->setMaterials(m_tree->materials(m_categoryTitle, m_kindTitle));
    picker->setDelegate(this, this);
    pushViewController(picker);
}

void AddResure::chooseCountType()
{
    QStringList methods;
    for (const QVariant &m : Value::list(Custom::loadPlistName(QStringLiteral("weight"))))
        methods.append(text(m));
    auto *picker = new WeightSelector;
    picker->setTitle(QStringLiteral("计重方式"));
    picker->setTexts(methods);
    picker->setDelegate(this, this);
    pushViewController(picker);
}

void AddResure::chooseCity()
{
    pushViewController(InfoSelector::oneCity(this, this));
}

bool AddResure::implements(Operation operation) const
{
    return operation == ChangeDalei || operation == ChangePingming || operation == ChangeCaizhi
           || operation == DidSeletedWeight || operation == DidSeletedCity;
}

void AddResure::changedalei(const QString &name, const QVariantList &)
{
    m_categoryTitle = name;
    m_dataDict.insert(kCategory, QVariantMap{{kId, text(m_tree->category(name), "sortID")}, {kName, name}});
    emit picksChanged();
}

void AddResure::changepingming(const QString &name, const QVariantList &)
{
    m_kindTitle = name;
    m_dataDict.insert(kKind, QVariantMap{{kId, text(m_tree->kind(m_categoryTitle, name), "nsortID")}, {kName, name}});
    emit picksChanged();
}

void AddResure::changeCaizhi(const QString &material)
{
    m_material = material;
    emit picksChanged();
}

void AddResure::didSeletedWeight(const QString &weight)
{
    m_countTypeTitle = weight;
    m_dataDict.insert(kCountType, weight);
    emit picksChanged();
}

void AddResure::didSeletedCity(const QVariantMap &result)
{
    const QVariant province = result.value(QStringLiteral("sheng"));
    const QVariant city = result.value(QStringLiteral("shi"));
    m_cityTitle = QStringLiteral("%1 %2").arg(text(province, "name"), text(city, "name"));
    m_dataDict.insert(kCity, QVariantMap{{QStringLiteral("provinceID"), text(province, "provinceID")},
                                         {QStringLiteral("cityID"), text(city, "cityId")},
                                         {kName, m_cityTitle}});
    emit picksChanged();
}

void AddResure::save()
{
    form()->closeKeyboard();
    // One save at a time: a second tap while the first is on its way stores no second lot.
    if (m_saving || !LoginGate::requireLogin(this))
        return;
    if (m_dataDict.size() <= 3) {
        Custom::messageWithString(incompleteText());
        return;
    }
    if (!form()->check())
        return;
    if (m_material.isEmpty()) {
        Custom::messageWithString(incompleteText());
        return;
    }
    m_saving = true;
    const auto typed = [this](const char *key) { return form()->text(QString::fromLatin1(key)); };
    Request::request(100)
        ->onReply(this,
                  [this](const ServiceReply &reply) {
                      if (!reply.alertUnlessOk()) {
                          m_saving = false;
                          return;
                      }
                      // Saved: the form stays locked until the choice below is made.
                      m_savedUntold = true;
                      auto *choice = new AlertStyleValue1(this);
                      choice->setDelegate(this);
                      // Escape means leave: never "继续添加", which would empty the saved form.
                      choice->setEscapeIsSure(true);
                      choice->showInView(this, reply.message,
                                         m_isAddStyle ? QStringLiteral("继续添加") : QStringLiteral("回资源首页"),
                                         QStringLiteral("现在就去发布"));
                  })
        ->onFailure(this, [this](const RequestError &) { m_saving = false; })
        ->editResourceWithDelegate(this, pick("0", "id"), pick("1", "id"), pick("3", "provinceID"), pick("3", "cityID"),
                                   typed("spec"), m_material, typed("yieldly"), typed("price"), typed("weight"),
                                   text(m_dataDict.value(kCountType)), typed("cangku"),
                                   m_isAddStyle ? QStringLiteral("0") : m_resourceid, QStringLiteral("0"));
}

void AddResure::tellDelegate()
{
    m_savedUntold = false;
    if (m_delegate)
        m_delegate->resureEditorDidFinished(this);
}

void AddResure::clickedButton(ButtonModel *button)
{
    if (button->tag() == 1) {
        tellDelegate();
        SuperController::popViewController();
        return;
    }
    if (!m_isAddStyle) {
        tellDelegate();
        if (NavigationStack *stack = navigationController())
            stack->popToIndex(1);
        return;
    }
    clearAll();
}

void AddResure::clearAll()
{
    form()->clear();
    m_dataDict.clear();
    m_categoryTitle.clear();
    m_kindTitle.clear();
    m_countTypeTitle.clear();
    m_cityTitle.clear();
    m_material.clear();
    m_saving = false;
    emit picksChanged();
}

void AddResure::popViewController()
{
    if (m_savedUntold)
        tellDelegate();
    SuperController::popViewController();
}
