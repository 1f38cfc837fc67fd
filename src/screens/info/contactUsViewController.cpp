#include "screens/info/contactUsViewController.h"

#include "app/Alerts.h"
#include "core/platform/AppContext.h"
#include "core/platform/Logging.h"
#include "core/platform/UrlOpener.h"
#include "core/util/Value.h"
#include "screens/info/FeedbackViewController.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {

struct Contact
{
    const char *title;
    const char *value;
    const char *address; // empty: the call centre's number
};

const Contact kContacts[] = {
    {"客服热线：", nullptr, nullptr},
    {"官方网站：", "www.velmora.cn", "http://www.velmora.cn/"},
    {"新浪微博：", "@Velmora钢材现货", "http://weibo.com/velmora"},
    {"腾讯微博：", "@Velmora钢材现货", "http://t.qq.com/velmora"},
};

const char kStorePage[] = "http://www.velmora.cn/app";
constexpr int kLookupTimeoutMs = 20000;

} // namespace

void contactUsViewController::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("关于我们"));
}

QVariantList contactUsViewController::contacts() const
{
    const QString centre = AppContext::current()->config().callCentreNumber;
    QVariantList out;
    for (const Contact &c : kContacts)
        out.append(QVariantMap{{QStringLiteral("title"), QString::fromUtf8(c.title)},
                               {QStringLiteral("value"), c.value ? QString::fromUtf8(c.value) : centre}});
    return out;
}

QString contactUsViewController::edition() const
{
    return QStringLiteral("当前版本：%1").arg(AppContext::current()->config().appVersion);
}

void contactUsViewController::openContact(int index)
{
    if (index < 0 || index >= int(std::size(kContacts)))
        return;
    const Contact &c = kContacts[index];
    const QUrl url = c.address ? QUrl(QString::fromLatin1(c.address))
                               : QUrl(QStringLiteral("tel://") + context().config().callCentreNumber);
    UrlOpener::opener()->openURL(url);
}

void contactUsViewController::Feedback()
{
    pushViewController(new FeedbackViewController);
}

QString contactUsViewController::storeVersion(const QByteArray &reply)
{
    const QVariantList results = Value::list(Value::map(QJsonDocument::fromJson(reply).toVariant()).value(QStringLiteral("results")));
    if (results.isEmpty())
        return {};
    const QVariant version = Value::map(results.first()).value(QStringLiteral("version"));
    return version.isNull() ? QString() : Value::text(version);
}

void contactUsViewController::Checknewversion()
{
    if (m_checking)
        return;
    QUrl url = context().config().versionLookupUrl;
    if (url.isEmpty())
        url = QUrl(context().config().serviceBaseUrl.toString() + QStringLiteral("lookup?id=velmora"));
    QNetworkRequest request(url);
    request.setTransferTimeout(kLookupTimeoutMs);
    m_checking = true;
    showActivity();
    QNetworkReply *reply = context().network()->get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { versionArrived(reply); });
}

void contactUsViewController::versionArrived(QNetworkReply *reply)
{
    reply->deleteLater();
    m_checking = false;
    hideActivity();
    const QString latest = reply->error() == QNetworkReply::NoError ? storeVersion(reply->readAll()) : QString();
    // A failed check, or an answer without a version, tells the user nothing: no claim either way.
    if (latest.isEmpty()) {
        qCInfo(lcApp) << "version check: no answer" << reply->errorString();
        return;
    }
    Alerts *alerts = context().service<Alerts>();
    if (latest == context().config().appVersion) {
        alerts->showAlert(QStringLiteral("当前版本已经是最新的"), {}, {QStringLiteral("确定")});
        return;
    }
    alerts->showAlert(QStringLiteral("检测到有新版本更新"), {}, {QStringLiteral("现在就去更新"), QStringLiteral("暂不更新")},
                      [](int index) {
                          if (index == 0)
                              UrlOpener::opener()->openURL(QUrl(QString::fromLatin1(kStorePage)));
                      }, 1);
}
