#include "screens/trade/AddBidding.h"

#include "app/AlertStyleValue1.h"
#include "app/ButtonModel.h"
#include "app/FerroxAlert.h"
#include "app/NavigationStack.h"
#include "core/api/Request.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/account/AccountInfoEditText.h"
#include "screens/market/ClassSelector.h"
#include "screens/market/FormatSelector.h"
#include "screens/market/InfoSelector.h"
#include "screens/market/NumberSelectedVC.h"
#include "screens/market/PickZhongLeiViewController.h"
#include "screens/market/SubClassSelector.h"
#include "screens/market/paytypeViewController.h"

namespace {
enum Row { Category, Kind, Spec, Material, Weight, Price, Sellers, Place, PayType, RowCount };
const QString kPickId = QStringLiteral("id");
const QString kPickName = QStringLiteral("name");
QString key(int row) { return QString::number(row); }
QString str(const QVariantMap &map, const QString &k)
{
    // A missing value is empty here, never "(null)": it must count as not filled.
    const QVariant v = map.value(k);
    if (!v.isValid() || v.typeId() == QMetaType::QString)
        return v.toString();
    return Value::text(v);
}
} // namespace

AddBidding::AddBidding(QObject *parent) : SuperController(parent), m_tree(new CategoryTree(this)) {}

QStringList AddBidding::captions()
{
    return {QStringLiteral("大   类 : "),      QStringLiteral("品   名 : "),   QStringLiteral("规   格 : "),
            QStringLiteral("材   质 : "),      QStringLiteral("重   量(吨) : "), QStringLiteral("招标价格(元) : "),
            QStringLiteral("可应标家数 : "), QStringLiteral("交 货 地 : "),   QStringLiteral("付款方式 : ")};
}

void AddBidding::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(isEdit() ? QStringLiteral("修改招标信息") : QStringLiteral("添加新的招标"));
    m_tree->load(this, QStringLiteral("招标种类信息获取失败"));
}

QVariantList AddBidding::rows() const
{
    QVariantList out;
    const QStringList all = captions();
    for (int row = 0; row < RowCount; ++row)
        out.append(QVariantMap{{QStringLiteral("caption"), all.at(row)},
                               {QStringLiteral("text"), entryText(row, "name")},
                               {QStringLiteral("note"), row == Price ? QStringLiteral("(卖家不可见)") : QString()}});
    return out;
}

QString AddBidding::entryText(int row, const char *k) const
{
    return str(Value::map(m_dataDict.value(key(row))), QString::fromLatin1(k));
}

void AddBidding::setEntry(int row, const QString &id, const QString &name)
{
    m_dataDict.insert(key(row), QVariantMap{{kPickId, id}, {kPickName, name}});
    emit rowsChanged();
}

void AddBidding::emptyEntry(int row)
{
    if (m_dataDict.contains(key(row)))
        setEntry(row, QString(), QString());
}

void AddBidding::didSelectRow(int row)
{
    switch (row) {
    case Category: {
        emptyEntry(Kind);
        emptyEntry(Material);
        auto *picker = new ClassSelector;
        picker->setTitle(QStringLiteral("大类选择"));
        // A tender is for one category: no "全部".
        picker->setHideRightView(true);
        picker->setDelegate(this, this);
        pushViewController(picker);
        break;
    }
    case Kind: {
        emptyEntry(Material);
        auto *picker = new SubClassSelector;
        picker->setTitle(QStringLiteral("品名选择"));
        picker->setHideRightView(true);
        if (m_dataDict.contains(key(Category)))
            picker->setClassId(entryText(Category));
        picker->setDelegate(this, this);
        pushViewController(picker);
        break;
    }
    case Spec: {
        auto *picker = new FormatSelector;
        picker->setTitle(QStringLiteral("规格选择"));
        picker->setHideRightView(true);
        picker->setFilter(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
        picker->setDelegate(this, this);
        pushViewController(picker);
        break;
    }
    case Material: {
        m_caizhi = m_tree->materials(entryText(Category, "name"), entryText(Kind, "name"));
        auto *picker = new PickZhongLeiViewController;
        picker->setTitle(QStringLiteral("材质选择"));
        picker->setMaterials(m_caizhi);
        picker->setDelegate(this, this);
        pushViewController(picker);
        break;
    }
    case Weight:
    case Price: {
        auto *editor = new AccountInfoEditText(FormField::Decimal);
        editor->setIdx(row);
        editor->setTitle(captions().at(row).section(QStringLiteral(" :"), 0, 0));
        editor->setDelegate(this);
        presentViewController(editor);
        break;
    }
    case Sellers: {
        auto *picker = new NumberSelectedVC;
        picker->setDelegate(this, this);
        pushViewController(picker);
        break;
    }
    case Place:
        pushViewController(InfoSelector::oneCity(this, this));
        break;
    case PayType: {
        auto *picker = new paytypeViewController;
        picker->setDelegate(this, this);
        pushViewController(picker);
        break;
    }
    default:
        break;
    }
}

bool AddBidding::implements(Operation operation) const
{
    return operation != CancelSelectCity && operation != DidSeletedWeight && operation != DidSeletedProducts;
}

void AddBidding::didSeletedClass(const QVariantMap &category)
{
    setEntry(Category, str(category, QStringLiteral("sortID")), str(category, QStringLiteral("sortName")));
}

void AddBidding::didSeletedClass(const QVariantMap &category, const QVariantMap &subClassInfo)
{
    setEntry(Kind, str(subClassInfo, QStringLiteral("nsortID")), str(subClassInfo, QStringLiteral("nsortName")));
    didSeletedClass(category);
}

void AddBidding::didSeletedFormat(const QString &format)
{
    setEntry(Spec, format, format);
}

void AddBidding::changeCaizhi(const QString &material)
{
    setEntry(Material, material, material);
}

void AddBidding::numberSelected(const QString &number)
{
    setEntry(Sellers, number, number);
}

void AddBidding::changeLabelText(const QString &text)
{
    setEntry(PayType, text, text);
}

void AddBidding::infoEditDidFinish(const QString &text, int idx)
{
    if (idx == Weight || idx == Price)
        setEntry(idx, text, text);
}

void AddBidding::didSeletedCity(const QVariantMap &result)
{
    const QVariantMap province = Value::map(result.value(QStringLiteral("sheng")));
    const QVariantMap city = Value::map(result.value(QStringLiteral("shi")));
    m_dataDict.insert(key(Place), QVariantMap{{QStringLiteral("provinceID"), str(province, QStringLiteral("provinceID"))},
                                              {QStringLiteral("cityID"), str(city, QStringLiteral("cityId"))},
                                              {kPickName, QStringLiteral("%1 %2").arg(str(province, kPickName), str(city, kPickName))}});
    emit rowsChanged();
}

bool AddBidding::complete() const
{
    for (int row = 0; row < RowCount; ++row) {
        if (row == Place) {
            if (entryText(Place, "provinceID").isEmpty() || entryText(Place, "cityID").isEmpty())
                return false;
        } else if (entryText(row).isEmpty()) {
            return false;
        }
    }
    const QString pay = entryText(PayType);
    return pay == QStringLiteral("现款") || pay == QStringLiteral("非现款");
}

void AddBidding::addBtnDidClicked()
{
    // One save at a time: a second tap while the first is on its way makes no second tender.
    if (m_saving)
        return;
    if (!complete()) {
        Custom::messageWithString(incompleteText());
        return;
    }
    m_saving = true;
    const QString id = m_resourceid.isEmpty() ? QStringLiteral("0") : m_resourceid;
    Request::request(200)
        ->onReply(this,
                  [this](const ServiceReply &reply) {
                      if (!reply.alertUnlessOk()) {
                          m_saving = false;
                          return;
                      }
                      // Saved: the form stays locked until its alert takes it away.
                      if (isEdit()) {
                          auto *choice = new AlertStyleValue1(this);
                          choice->setDelegate(this);
                          choice->showInView(this, reply.message, QStringLiteral("回招标首页"), QStringLiteral("现在就去发布"));
                      } else {
                          auto *notice = new FerroxAlert(this);
                          notice->setSDelegate(this);
                          notice->showInView(this, reply.message);
                      }
                  })
        ->onFailure(this, [this](const RequestError &) { m_saving = false; })
        ->zhaobiaoAddAndEditorWithDelegate(this, entryText(Place, "provinceID"), entryText(Place, "cityID"),
                                           entryText(Category), entryText(Kind), entryText(Spec), entryText(Sellers),
                                           entryText(Material), entryText(Price), entryText(Weight),
                                           entryText(PayType) == QStringLiteral("现款") ? QStringLiteral("0") : QStringLiteral("1"), id);
}

void AddBidding::clickedButton(ButtonModel *button)
{
    if (button->tag() == 0) {
        if (NavigationStack *stack = navigationController())
            stack->popToRootViewController();
        return;
    }
    if (m_delegate)
        m_delegate->biddingEditorDidFinished(this);
    popViewController();
}

void AddBidding::steelViewWillDisappear(FerroxAlert *)
{
    if (m_delegate)
        m_delegate->biddingAddDidFinished(this);
    popViewController();
}
