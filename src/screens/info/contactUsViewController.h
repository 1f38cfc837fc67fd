#pragma once

#include "app/SuperController.h"

#include <QVariantList>

class QNetworkReply;

/// "关于我们": the operator's contact points (each opens its address), this build's version with
/// a check against the application store, and the way to the feedback screen.
class contactUsViewController : public SuperController
{
    Q_OBJECT
    /// "title", "value" per contact point: telephone, web site, two microblogs.
    Q_PROPERTY(QVariantList contacts READ contacts CONSTANT)
    Q_PROPERTY(QString edition READ edition CONSTANT)
    Q_PROPERTY(QString checkTitle MEMBER m_checkTitle CONSTANT)
    Q_PROPERTY(QString feedbackTitle MEMBER m_feedbackTitle CONSTANT)
public:
    explicit contactUsViewController(QObject *parent = nullptr) : SuperController(parent) {}

    QVariantList contacts() const;
    QString edition() const;

    /// A contact point: dials the number or opens the page in the browser.
    Q_INVOKABLE void openContact(int index);
    /// Asks the store's lookup address for the latest version.
    Q_INVOKABLE void Checknewversion();
    Q_INVOKABLE void Feedback();

    /// The store's answer: its first result's "version" compared as text with this build's;
    /// none when the answer holds no version.
    static QString storeVersion(const QByteArray &reply);

protected:
    void viewDidLoad() override;

private:
    void versionArrived(QNetworkReply *reply);

    bool m_checking = false;
    QString m_checkTitle = QStringLiteral("检查新版本");
    QString m_feedbackTitle = QStringLiteral("意见反馈");
};
