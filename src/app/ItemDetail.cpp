#include "app/ItemDetail.h"

#include "app/FerroxAlert.h"
#include "core/util/Value.h"

ItemDetail::ItemDetail(QObject *parent) : SuperController(parent) {}

void ItemDetail::load(int tag)
{
    askDetail(Request::request(tag)->onSuccess(this, [this](const QVariant &data) { showDetail(Value::map(data)); }));
}

void ItemDetail::setFields(const QVariantMap &fields)
{
    m_fields = fields;
    emit fieldsChanged();
}

QVariantMap ItemDetail::texts(const QVariantMap &detail, std::initializer_list<const char *> keys)
{
    QVariantMap out;
    for (const char *key : keys)
        out.insert(QString::fromLatin1(key), Value::text(detail.value(QString::fromLatin1(key))));
    return out;
}

Request *ItemDetail::changeState(int tag, std::function<QString(const ServiceReply &)> accepted)
{
    Request *request = m_sending.start(this, [this, accepted = std::move(accepted)](const ServiceReply &reply) {
        auto *notice = new FerroxAlert(this);
        notice->setSDelegate(this);
        notice->showInView(this, accepted(reply));
    });
    if (request)
        request->setRequestId(tag);
    return request;
}
