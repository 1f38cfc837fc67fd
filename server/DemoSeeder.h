#pragma once

#include <QHash>
#include <QList>
#include <QRandomGenerator>
#include <QString>

class MarketDatabase;

/// Fills an empty database with a believable demo market: the demo accounts, traders and their
/// companies, the category tree and places, hundreds of resources across categories and
/// provinces, orders in every state, tenders and bids, auctions, articles (some paid), adverts,
/// recent deals, mills with logos, friendships. A fixed seed makes every demo market the same.
class DemoSeeder
{
public:
    DemoSeeder(MarketDatabase &db, const QString &pictureDir);

    /// Seeds only when there are no users yet, so restarting with --demo keeps earlier changes.
    /// `scale` multiplies the market (resources, orders, tenders, auctions, articles) for
    /// measurements at size; the demo accounts and the reference data stay the same.
    bool seedIfEmpty(int scale = 1);
    /// Adds `count` plain accounts 14000000000 + i (password "demo123") for load tests;
    /// numbers that exist already are kept.
    void addLoadUsers(int count);

    static constexpr int kResources = 420;
    static constexpr char kDemoPassword[] = "demo123";

private:
    void seedReference();
    void seedPictures();
    void seedUsers();
    void seedResources();
    void seedOrders();
    void seedTenders();
    void seedAuctions();
    void seedArticles();
    void seedHome();
    void seedFriends();

    /// The stored form of a demo password (hashed once per distinct password: hashing is slow
    /// by design).
    QString stored(const QString &password);

    int pick(int n) { return int(m_rng.bounded(n)); }
    qint64 ago(int maxDays);
    void writePicture(const QString &name, int width, int height, quint32 colour);

    MarketDatabase &m_db;
    QString m_pictureDir;
    QRandomGenerator m_rng{20261206};
    QList<qint64> m_demo;     ///< the three demo accounts
    QList<qint64> m_traders;  ///< every user, demo accounts included
    qint64 m_now = 0;
    int m_scale = 1;
    QHash<QString, QString> m_hashes;
};
