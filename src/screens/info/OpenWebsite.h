#pragma once

#include "app/AlertStyleValue1Delegate.h"
#include "app/SubmitGuard.h"
#include "app/SuperController.h"

#include <QPointer>
#include <QVariantMap>

class QNetworkReply;

/// The in-app reader: an article, an advert's page, or the terms of use. The page's HTML is
/// shown as rich text, with a button that opens the address in the browser. A paid article
/// (its row has a "Description") first shows its teaser and price, asks the service whether
/// this user bought it, and offers the purchase.
class OpenWebsite : public SuperController, public AlertStyleValue1Delegate
{
    Q_OBJECT
    Q_PROPERTY(QString urlString READ urlString CONSTANT)
    Q_PROPERTY(bool teaserShown READ teaserShown NOTIFY stateChanged)
    Q_PROPERTY(bool pageShown READ pageShown NOTIFY stateChanged)
    Q_PROPERTY(QString teaser READ teaser CONSTANT)
    Q_PROPERTY(QString priceLead MEMBER m_priceLead CONSTANT)
    Q_PROPERTY(QString price READ price CONSTANT)
    Q_PROPERTY(QString priceTail MEMBER m_priceTail CONSTANT)
    Q_PROPERTY(QString payTitle MEMBER m_payTitle CONSTANT)
    Q_PROPERTY(QString html READ html NOTIFY htmlChanged)
    Q_PROPERTY(QString browserTitle MEMBER m_browserTitle CONSTANT)
    Q_PROPERTY(bool browserShown READ browserShown NOTIFY stateChanged)
public:
    explicit OpenWebsite(QObject *parent = nullptr);

    /// The terms of use shipped with the app, a file path rather than an address.
    static QString termsPage() { return QStringLiteral(":/data/clause.html"); }
    static QString badAddressText() { return QStringLiteral("浏览器暂时不能打开您的地址，造成此意外的原因可能是地址无效"); }

    /// Opens an article row (its "url", the row as siteInfo) from a list screen, or tells the
    /// user that a row without an address cannot be opened.
    static void openRow(ViewController *from, const QVariantMap &row);

    QString urlString() const { return m_urlString; }
    void setUrlString(const QString &url) { m_urlString = url; }
    QVariantMap siteInfo() const { return m_siteInfo; }
    void setSiteInfo(const QVariantMap &row) { m_siteInfo = row; }

    bool isPaidArticle() const { return m_siteInfo.contains(QStringLiteral("Description")); }
    bool teaserShown() const { return m_teaserShown; }
    bool pageShown() const { return m_pageShown; }
    QString teaser() const;
    QString price() const;
    QString html() const { return m_html; }
    bool browserShown() const { return m_pageShown && isWebAddress(); }

    /// The pay button: asks before paying.
    Q_INVOKABLE void toContinue();
    /// Opens the address in the system browser.
    Q_INVOKABLE void openInBrowser();
    /// The pay question's answer: tag 1 pays.
    void clickedButton(ButtonModel *button) override;

signals:
    void stateChanged();
    void htmlChanged();

protected:
    void viewDidLoad() override;

private:
    bool isWebAddress() const;
    void showPage();
    void pageArrived(QNetworkReply *reply);
    void setHtml(const QString &html);

    QString m_urlString;
    QVariantMap m_siteInfo;
    bool m_teaserShown = false;
    bool m_pageShown = false;
    QString m_html;
    QPointer<QNetworkReply> m_loading;
    SubmitGuard m_pay;
    QString m_priceLead = QStringLiteral("以下内容只需要支付 ");
    QString m_priceTail = QStringLiteral(" 元，就能阅读");
    QString m_payTitle = QStringLiteral("立即购买");
    QString m_browserTitle = QStringLiteral("在浏览器中打开");
};
