#include "screens/resources/ResureDetail.h"

#include "core/api/Request.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/resources/AddResure.h"
#include "screens/resources/ResureWithPush.h"

ResureDetail::ResureDetail(QObject *parent) : ItemDetail(parent) {}

void ResureDetail::viewDidLoad()
{
    ItemDetail::viewDidLoad();
    setTitle(QStringLiteral("资源详情"));
    load(1002);
}

void ResureDetail::setIsRevoked(bool revoked)
{
    if (m_isRevoked == revoked)
        return;
    m_isRevoked = revoked;
    emit isRevokedChanged();
}

void ResureDetail::askDetail(Request *request)
{
    request->resourceDetailWithId(m_resourceId, this);
}

void ResureDetail::showDetail(const QVariantMap &detail)
{
    m_resureDict = detail;
    m_resureID = Value::text(detail.value(QStringLiteral("ID")));
    QVariantMap f = texts(detail, {"nsortName", "spec", "materials", "yieldly"});
    const auto v = [&detail](const char *key) { return Value::text(detail.value(QString::fromLatin1(key))); };
    f.insert(QStringLiteral("place"), QStringLiteral("%1 %2").arg(v("cityName"), v("cangku")));
    f.insert(QStringLiteral("weight"), QStringLiteral("%1 吨 (%2)").arg(v("weight"), v("countType")));
    f.insert(QStringLiteral("price"), QStringLiteral("%1 元").arg(v("price")));
    f.insert(QStringLiteral("discount"), QStringLiteral("%1 元").arg(v("discount")));
    setFields(f);
}

void ResureDetail::gotoEditor()
{
    if (m_resureID.isEmpty() || m_resureDict.isEmpty()) {
        Custom::messageWithString(QStringLiteral("数据加载失败"));
        return;
    }
    auto *form = AddResure::toEdit(m_resureID, m_resureDict);
    form->setDelegate(this);
    pushViewController(form);
}

void ResureDetail::resureEditorDidFinished(AddResure *)
{
    if (m_delegate)
        m_delegate->resureEditorDidFinished(this);
    load(1002);
}

void ResureDetail::publish()
{
    // Nothing to publish before the resource's id has come.
    if (m_resureID.isEmpty()) {
        Custom::messageWithString(QStringLiteral("数据加载出错"));
        return;
    }
    changeState(1000);
}

void ResureDetail::withdraw()
{
    if (m_resureID.isEmpty()) {
        Custom::messageWithString(QStringLiteral("请求失败"));
        return;
    }
    changeState(1003);
}

void ResureDetail::changeState(int tag)
{
    Request *request = ItemDetail::changeState(tag, [this, tag](const ServiceReply &reply) {
        if (m_delegate) {
            if (tag == 1000) {
                m_isDirectFabu = false;
                m_delegate->resureDetailFabuDidFinished(this);
            } else {
                m_delegate->resureEditorDidFinished(this);
            }
        }
        return reply.message;
    });
    if (!request)
        return;
    if (tag == 1000)
        request->releaseResourceWithDelegate(this, m_resureID);
    else
        request->backResourceWithResourceids(m_resureID, this);
}

void ResureDetail::push()
{
    if (m_resureID.isEmpty()) {
        Custom::messageWithString(QStringLiteral("数据加载出错"));
        return;
    }
    auto *screen = new ResureWithPush;
    screen->setResourceids(m_resureID);
    screen->setDelegate(this);
    pushViewController(screen);
}

void ResureDetail::directResourceFabuWithPush(ResureWithPush *)
{
    if (m_delegate) {
        m_isDirectFabu = true;
        m_delegate->resureDetailFabuDidFinished(this);
    }
}

void ResureDetail::steelViewWillDisappear(FerroxAlert *)
{
    popViewController();
}
