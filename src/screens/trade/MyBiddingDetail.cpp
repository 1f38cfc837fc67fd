#include "screens/trade/MyBiddingDetail.h"

#include "core/api/Request.h"
#include "core/util/Value.h"

MyBiddingDetail::MyBiddingDetail(QObject *parent) : SuperController(parent) {}

void MyBiddingDetail::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("我的应标详情"));
    Request::request()
        ->onSuccess(this,
                    [this](const QVariant &data) {
                        m_fields.clear();
                        for (const char *key : {"nsortName", "spec", "materials", "weight", "address", "addTime", "price",
                                                "ybAddress", "yieldly"})
                            m_fields.insert(QString::fromLatin1(key), Value::text(Value::member(data, QString::fromLatin1(key))));
                        emit fieldsChanged();
                    })
        ->yingbiaoDetailWithDelegate(this, m_ybId);
}
