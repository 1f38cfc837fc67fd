#include "screens/info/OpenWebsite.h"

#include "app/AlertStyleValue1.h"
#include "app/ButtonModel.h"
#include "core/platform/AppContext.h"
#include "core/platform/Logging.h"
#include "core/platform/UrlOpener.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {
constexpr int kPageTimeoutMs = 20000;
}

OpenWebsite::OpenWebsite(QObject *parent) : SuperController(parent) {}

void OpenWebsite::openRow(ViewController *from, const QVariantMap &row)
{
    const QString url = Value::text(row.value(QStringLiteral("url")));
    if (!row.contains(QStringLiteral("url")) || url.isEmpty()) {
        Custom::messageWithString(badAddressText());
        return;
    }
    auto *reader = new OpenWebsite;
    reader->setUrlString(url);
    reader->setSiteInfo(row);
    from->pushViewController(reader);
}

QString OpenWebsite::teaser() const
{
    return Value::text(m_siteInfo.value(QStringLiteral("Description")));
}

QString OpenWebsite::price() const
{
    return Value::text(m_siteInfo.value(QStringLiteral("ChargeMoney")));
}

bool OpenWebsite::isWebAddress() const
{
    const QUrl url(m_urlString);
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https");
}

void OpenWebsite::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("钢铁资讯"));
    if (!isPaidArticle()) {
        showPage();
        return;
    }
    m_teaserShown = true;
    emit stateChanged();
    // Whether this user bought it is asked on every opening; nothing is kept on the device.
    Request::request()
        ->onSuccess(this, [this](const QVariant &data) {
            if (Value::intValue(data) == 0)
                showPage();
        })
        ->articleIsBuy(context().service<UserInfo>()->userId(), m_siteInfo.value(QStringLiteral("ArticleId")), this);
}

void OpenWebsite::toContinue()
{
    auto *choice = new AlertStyleValue1(this);
    choice->setDelegate(this);
    choice->showInView(this, QStringLiteral("本次支付 %1 元\n确认后，即可阅读全文！").arg(price()),
                       QStringLiteral("取消支付"), QStringLiteral("确认支付"));
}

void OpenWebsite::clickedButton(ButtonModel *button)
{
    if (!button || button->tag() != 1)
        return;
    Request *request = m_pay.start(this, [this](const ServiceReply &reply) {
        // The address that came with the purchase is the one that shows the whole article.
        const QString bought = Value::text(reply.value(QStringLiteral("url")));
        if (QUrl(bought).scheme().startsWith(u"http"))
            m_urlString = bought;
        showPage();
    });
    if (request)
        request->buyArtic(context().service<UserInfo>()->userId(), m_siteInfo.value(QStringLiteral("ArticleId")), this);
}

void OpenWebsite::showPage()
{
    if (m_urlString.isEmpty()) {
        Custom::messageWithString(badAddressText());
        return;
    }
    m_teaserShown = false;
    m_pageShown = true;
    emit stateChanged();
    if (!isWebAddress()) {
        // Not an address: a file shipped with the app, the terms of use.
        setTitle(QStringLiteral("使用条款和隐私政策"));
        QFile file(m_urlString);
        if (file.open(QIODevice::ReadOnly))
            setHtml(QString::fromUtf8(file.readAll()));
        else
            qCWarning(lcApp) << "reader: cannot open" << m_urlString;
        return;
    }
    QNetworkRequest request{QUrl(m_urlString)};
    request.setTransferTimeout(kPageTimeoutMs);
    showActivity();
    QNetworkReply *reply = context().network()->get(request);
    m_loading = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { pageArrived(reply); });
}

void OpenWebsite::pageArrived(QNetworkReply *reply)
{
    reply->deleteLater();
    hideActivity();
    // A page that does not load leaves the reader empty, with its browser button.
    if (reply->error() != QNetworkReply::NoError) {
        qCInfo(lcApp) << "reader: page failed" << reply->errorString();
        return;
    }
    setHtml(QString::fromUtf8(reply->readAll()));
}

void OpenWebsite::setHtml(const QString &html)
{
    m_html = html;
    emit htmlChanged();
}

void OpenWebsite::openInBrowser()
{
    if (isWebAddress())
        UrlOpener::opener()->openURL(QUrl(m_urlString));
}
