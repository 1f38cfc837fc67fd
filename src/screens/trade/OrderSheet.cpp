#include "screens/trade/OrderSheet.h"

#include "core/api/Request.h"
#include "core/util/Value.h"

OrderSheet::OrderSheet(QObject *parent) : SuperController(parent) {}

QString OrderSheet::shown(const QVariantMap &data, const char *key)
{
    const QVariant v = data.value(QString::fromLatin1(key));
    return Value::isNone(v) ? QString() : Value::text(v);
}

QString OrderSheet::lineValue(const QString &caption) const
{
    for (const QVariant &line : m_lines) {
        const QVariantMap m = line.toMap();
        if (m.value(QStringLiteral("caption")).toString() == caption)
            return m.value(QStringLiteral("value")).toString();
    }
    return {};
}

void OrderSheet::loadDetail(DetailCall call, const QString &id, const std::function<Lines(const QVariantMap &)> &lines,
                            const std::function<void(const QVariantMap &)> &then)
{
    Request *request = Request::request()->onSuccess(this, [this, lines, then](const QVariant &reply) {
        const QVariantMap data = Value::map(reply);
        setLines(lines(data));
        if (then)
            then(data);
    });
    (request->*call)(id, this);
}

OrderSheet::Lines OrderSheet::goodsLines(const QVariantMap &data)
{
    return {
        {"品种：", shown(data, "nsortName")},
        {"规格：", shown(data, "spec")},
        {"材质：", shown(data, "materials")},
        {"产地：", shown(data, "yieldly")},
    };
}

OrderSheet::Lines OrderSheet::tradedLines(const QVariantMap &data)
{
    return Lines{{"成交时间：", shown(data, "tradeTime")}, {"订单号：", shown(data, "orderId")}} + goodsLines(data)
           + Lines{{"地址：", shown(data, "address")}, {"重量：", shown(data, "weight")}, {"价格：", shown(data, "price")}};
}

void OrderSheet::setLines(const Lines &lines)
{
    m_lines.clear();
    for (const auto &[caption, value] : lines)
        m_lines.append(QVariantMap{{QStringLiteral("caption"), QString::fromUtf8(caption)}, {QStringLiteral("value"), value}});
    emit linesChanged();
}

void OrderSheet::setPicture(const QUrl &picture)
{
    m_picture = picture;
    emit linesChanged();
}

ButtonModel *OrderSheet::addButton(const QString &title)
{
    auto *button = new ButtonModel(int(m_buttons.size()), title, this);
    m_buttons.append(button);
    return button;
}

ButtonModel *OrderSheet::addChoice(int tag, const QString &title)
{
    auto *choice = new ButtonModel(tag, title, this);
    m_choices.append(choice);
    // One of the pair is selected at a time.
    connect(choice, &ButtonModel::clicked, this, [this](ButtonModel *pressed) {
        for (ButtonModel *c : std::as_const(m_choices))
            c->setSelected(c == pressed);
    });
    return choice;
}
