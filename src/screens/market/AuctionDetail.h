#pragma once

#include "app/SuperController.h"

#include <QVariantMap>

/// One auction lot with its terms; the favourites button bookmarks it (bidding happens on a
/// computer).
class AuctionDetail : public SuperController
{
    Q_OBJECT
    /// The detail as shown, by the service's keys, each with its unit text.
    Q_PROPERTY(QVariantMap fields READ fields NOTIFY fieldsChanged)
public:
    explicit AuctionDetail(QObject *parent = nullptr);

    QString pmCode() const { return m_pmCode; }
    void setPmCode(const QString &code) { m_pmCode = code; }
    QVariantMap fields() const { return m_fields; }

    /// The favourites button.
    Q_INVOKABLE void addFavorites();

    /// The detail's members as shown ("weight" → "…吨（理计重量）", "price" → "…元", ...).
    static QVariantMap fieldsFor(const QVariantMap &detail);
    static QString bookmarkedText()
    {
        return QStringLiteral("您已成功收藏本场次拍卖，您可以在电脑上直接参加本场拍卖！");
    }

signals:
    void fieldsChanged();

protected:
    void viewDidLoad() override;

private:
    QString m_pmCode;
    QVariantMap m_fields;
};
