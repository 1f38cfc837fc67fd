#include "DemoSeeder.h"
#include "ServerLog.h"

#include "DemoCatalog.h"
#include "MarketDatabase.h"
#include "PasswordHash.h"
#include "PngImage.h"

#include <QDateTime>
#include <algorithm>
#include <QDebug>
#include <QDir>
#include <QFile>

DemoSeeder::DemoSeeder(MarketDatabase &db, const QString &pictureDir) : m_db(db), m_pictureDir(pictureDir) {}

qint64 DemoSeeder::ago(int maxDays)
{
    return m_now - qint64(m_rng.bounded(maxDays * 86400 + 1));
}

void DemoSeeder::writePicture(const QString &name, int width, int height, quint32 colour)
{
    QFile file(QDir(m_pictureDir).filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(PngImage::banded(width, height, colour, 0xf0f0f0));
}

QString DemoSeeder::stored(const QString &password)
{
    auto it = m_hashes.find(password);
    if (it == m_hashes.end())
        it = m_hashes.insert(password, PasswordHash::make(password));
    return it.value();
}

bool DemoSeeder::seedIfEmpty(int scale)
{
    m_scale = std::max(1, scale);
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM users")).toLongLong() > 0)
        return false;
    m_now = QDateTime::currentSecsSinceEpoch();
    QDir().mkpath(m_pictureDir);
    m_db.begin();
    seedReference();
    seedPictures();
    seedUsers();
    seedResources();
    seedOrders();
    seedTenders();
    seedAuctions();
    seedArticles();
    seedHome();
    seedFriends();
    const bool ok = m_db.commit();
    qCInfo(lcServer).noquote() << "demo market seeded:"
                      << m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM resources")).toLongLong() << "resources,"
                      << m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM tenders")).toLongLong() << "tenders,"
                      << m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM auctions")).toLongLong() << "auctions,"
                      << m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM articles")).toLongLong() << "articles";
    return ok;
}

void DemoSeeder::addLoadUsers(int count)
{
    m_db.begin();
    for (int i = 0; i < count; ++i)
        m_db.run(QStringLiteral("INSERT OR IGNORE INTO users(mobile, password, user_name) VALUES(?,?,?)"),
                 {QString::number(14000000000LL + i), stored(QString::fromLatin1(kDemoPassword)), QStringLiteral("测试用户%1").arg(i)});
    m_db.commit();
}

void DemoSeeder::seedReference()
{
    for (const auto &p : DemoCatalog::provinces()) {
        m_db.run(QStringLiteral("INSERT INTO provinces(id, name) VALUES(?,?)"), {p.id, p.name});
        for (const auto &c : p.cities)
            m_db.run(QStringLiteral("INSERT INTO cities(id, province_id, name) VALUES(?,?,?)"), {c.id, p.id, c.name});
    }
    int position = 0;
    for (const auto &c : DemoCatalog::categories()) {
        m_db.run(QStringLiteral("INSERT INTO categories(name, position) VALUES(?,?)"), {c.name, ++position});
        const qint64 categoryId = m_db.lastInsertId();
        for (const auto &k : c.kinds) {
            m_db.run(QStringLiteral("INSERT INTO kinds(category_id, name, hot) VALUES(?,?,?)"), {categoryId, k.name, k.hot ? 1 : 0});
            const qint64 kindId = m_db.lastInsertId();
            for (const QString &m : k.materials)
                m_db.run(QStringLiteral("INSERT INTO kind_materials(kind_id, name) VALUES(?,?)"), {kindId, m});
        }
    }
    int n = 0;
    for (const auto &m : DemoCatalog::mills()) {
        ++n;
        m_db.run(QStringLiteral("INSERT INTO mills(name, logo, tel) VALUES(?,?,?)"),
                 {m.name, QStringLiteral("mill-%1.png").arg(n), QStringLiteral("4008%1").arg(200 + n)});
    }
    for (const QString &region : DemoCatalog::regions())
        m_db.run(QStringLiteral("INSERT INTO region_groups(name) VALUES(?)"), {region});
}

void DemoSeeder::seedPictures()
{
    int n = 0;
    for (const auto &m : DemoCatalog::mills())
        writePicture(QStringLiteral("mill-%1.png").arg(++n), 120, 120, m.colour);
    const quint32 advertColours[] = {0x1f4e8c, 0xb03a2e, 0x1e8449, 0x7d3c98};
    for (int i = 0; i < 4; ++i)
        writePicture(QStringLiteral("ad-%1.png").arg(i + 1), 640, 366, advertColours[i]);
    const quint32 articleColours[] = {0x2e86c1, 0xca6f1e, 0x148f77, 0x884ea0, 0x717d7e, 0xa93226};
    for (int i = 0; i < 6; ++i)
        writePicture(QStringLiteral("art-%1.png").arg(i + 1), 120, 90, articleColours[i]);
}

void DemoSeeder::seedUsers()
{
    struct Account { const char *mobile; const char *name; int company; int isVal; int certState; double real, useful, freeze; };
    const Account demo[] = {
        {"13800000001", "张伟", 0, 1, 2, 158000, 2000, 32000},
        {"13800000002", "李娜", 1, 1, 2, 96500, 800, 12000},
        {"13800000003", "王强", 2, 0, 0, 12000, 50, 0},
    };
    auto addUser = [this](const QString &mobile, const QString &password, const QString &name, int company,
                          int isVal, int certState, double real, double useful, double freeze) {
        const auto &province = DemoCatalog::provinces().at(company % DemoCatalog::provinces().size());
        const QString companyName = DemoCatalog::companies().at(company % DemoCatalog::companies().size());
        m_db.run(QStringLiteral("INSERT INTO users(mobile, password, user_name, company_name, company_url, sorts, address,"
                                " province, city, email, fax, phone, license_id, qib_value, real_money, useful_money,"
                                " freeze_money, user_icon, is_val, cert_state) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 {mobile, stored(password), name, companyName, QStringLiteral("http://www.example.com/c%1").arg(company),
                  QStringLiteral("板卷类/建材类"), QStringLiteral("%1路%2号").arg(province.cities.first().name).arg(100 + company),
                  province.name, province.cities.first().name, QStringLiteral("sales%1@example.com").arg(company),
                  QStringLiteral("021-5%1").arg(6000000 + company), QStringLiteral("021-6%1").arg(6000000 + company),
                  QStringLiteral("91310000MA1%1").arg(1000000 + company), QString::number(60 + company * 3), real, useful,
                  freeze, QString(), isVal, certState});
        m_traders.append(m_db.lastInsertId());
        return m_db.lastInsertId();
    };
    for (const auto &a : demo)
        m_demo.append(addUser(QString::fromLatin1(a.mobile), QString::fromLatin1(kDemoPassword), QString::fromUtf8(a.name),
                              a.company, a.isVal, a.certState, a.real, a.useful, a.freeze));
    for (int i = 0; i < DemoCatalog::people().size(); ++i)
        addUser(QStringLiteral("1390000%1").arg(1001 + i), QStringLiteral("trader123"), DemoCatalog::people().at(i),
                i + 3, i % 3 == 0 ? 0 : 1, i % 3 == 0 ? 1 : 2, 50000 + i * 1000, 300 + i * 10, i * 500);
}

void DemoSeeder::seedResources()
{
    const auto &provinces = DemoCatalog::provinces();
    const auto &mills = DemoCatalog::mills();
    const QStringList warehouses{QStringLiteral("中储库"), QStringLiteral("物流园库"), QStringLiteral("港口库"), QStringLiteral("钢材城库")};
    const QStringList countTypes{QStringLiteral("理计"), QStringLiteral("过磅"), QStringLiteral("抄码")};
    const auto kinds = m_db.query(QStringLiteral("SELECT id, category_id, name FROM kinds ORDER BY id"));
    QList<const DemoCatalog::Kind *> kindInfo;
    for (const auto &c : DemoCatalog::categories())
        for (const auto &k : c.kinds)
            kindInfo.append(&k);
    for (int i = 0; i < kResources * m_scale; ++i) {
        const int kindIndex = pick(int(kinds.size()));
        const auto &kind = *kindInfo.at(kindIndex);
        const auto &province = provinces.at(pick(int(provinces.size())));
        const auto &city = province.cities.at(pick(int(province.cities.size())));
        const qint64 owner = m_traders.at(pick(int(m_traders.size())));
        // Most lots are listed; some wait unpublished, a few are directed to one buyer.
        const int roll = pick(100);
        int status = roll < 82 ? 2 : (roll < 92 ? 1 : 3);
        QVariant directedTo;
        if (status == 3) {
            qint64 buyer = m_demo.at(pick(2));
            if (buyer == owner)
                buyer = m_traders.last();
            directedTo = buyer;
        }
        const qint64 created = ago(30);
        const double price = kind.basePrice + pick(41) * 10 - 200;
        m_db.run(QStringLiteral("INSERT INTO resources(owner_id, category_id, kind_id, spec, materials, yieldly, province_id,"
                                " city_id, cangku, count_type, weight, price, discount, negotiable, quality_index, status,"
                                " directed_to, directed_at, published_at, created) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 {owner, kinds.at(kindIndex).value(QStringLiteral("category_id")), kinds.at(kindIndex).value(QStringLiteral("id")),
                  kind.specs.at(pick(int(kind.specs.size()))), kind.materials.at(pick(int(kind.materials.size()))),
                  mills.at(pick(int(mills.size()))).name, province.id, city.id, city.name + warehouses.at(pick(4)),
                  countTypes.at(pick(3)), 20 + pick(48) * 10 + pick(4) * 0.25, price, 0, pick(4) == 0 ? 1 : 0,
                  QStringLiteral("%1").arg(90 + pick(10)), status, directedTo,
                  status == 3 ? QVariant(created + 3600) : QVariant(), status == 2 ? QVariant(created + 600) : QVariant(),
                  created});
    }
}

void DemoSeeder::seedOrders()
{
    // Orders in every state for the first two demo accounts, on both sides.
    const auto listed = m_db.query(QStringLiteral("SELECT id, owner_id, price, weight FROM resources WHERE status = 2 ORDER BY id"));
    int made = 0;
    for (const auto &r : listed) {
        if (made >= 36 * m_scale)
            break;
        const qint64 owner = r.value(QStringLiteral("owner_id")).toLongLong();
        const qint64 buyer = made % 2 == 0 ? m_demo.at(0) : m_traders.at(3 + made % 12);
        if (owner == buyer)
            continue;
        const qint64 seller = made % 2 == 0 ? owner : m_demo.at(1);
        if (seller == buyer)
            continue;
        const int state = 1 + (made / 2) % 3;                          // waiting, confirmed, given up
        const int tradeStatus = state == 2 ? 4 + (made / 6) % 6 : 4;  // 4..9
        const qint64 booked = ago(20);
        m_db.run(QStringLiteral("INSERT INTO orders(order_no, resource_id, buyer_id, seller_id, price, weight, trade_type,"
                                " state, trade_status, buyer_outcome, seller_outcome, booked, traded)"
                                " VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 {QStringLiteral("VM%1%2").arg(QDateTime::fromSecsSinceEpoch(booked).toString(QStringLiteral("yyyyMMddHHmmss")))
                      .arg(made + 1, 5, 10, QLatin1Char('0')),
                  r.value(QStringLiteral("id")), buyer, seller, r.value(QStringLiteral("price")),
                  qMin(r.value(QStringLiteral("weight")).toDouble(), 50.0), QStringLiteral("自主提货"), state, tradeStatus,
                  (tradeStatus == 6 || tradeStatus == 9) ? QVariant(QStringLiteral("1")) : (tradeStatus == 8 ? QVariant(QStringLiteral("0")) : QVariant()),
                  (tradeStatus == 5 || tradeStatus == 9) ? QVariant(QStringLiteral("1")) : (tradeStatus == 7 ? QVariant(QStringLiteral("0")) : QVariant()),
                  booked, state == 1 ? QVariant() : QVariant(booked + 7200)});
        ++made;
    }
}

void DemoSeeder::seedTenders()
{
    const auto kinds = m_db.query(QStringLiteral("SELECT k.id, k.category_id, m.name AS material FROM kinds k"
                                                 " JOIN kind_materials m ON m.kind_id = k.id ORDER BY k.id"));
    QList<const DemoCatalog::Kind *> kindInfo;
    for (const auto &c : DemoCatalog::categories())
        for (const auto &k : c.kinds)
            kindInfo.append(&k);
    const auto kindIds = m_db.query(QStringLiteral("SELECT id FROM kinds ORDER BY id"));
    for (int i = 0; i < 80 * m_scale; ++i) {
        const auto &row = kinds.at(pick(int(kinds.size())));
        const int kindIndex = int(std::find_if(kindIds.begin(), kindIds.end(), [&row](const QVariantMap &k) {
                                      return k.value(QStringLiteral("id")) == row.value(QStringLiteral("id"));
                                  }) - kindIds.begin());
        const auto &kind = *kindInfo.at(kindIndex);
        const auto &province = DemoCatalog::provinces().at(pick(int(DemoCatalog::provinces().size())));
        const auto &city = province.cities.at(pick(int(province.cities.size())));
        // The first demo account owns a handful in each state, the other two one in each, so
        // every demo user finds the others' tenders in the market; traders hold the rest.
        const int demoOwned = 9 + 3 * int(m_demo.size() - 1);
        const qint64 owner = i < 9 ? m_demo.at(0) : i < demoOwned ? m_demo.at(1 + (i - 9) / 3)
                                                   : m_traders.at(3 + pick(int(m_traders.size()) - 3));
        const int status = i < demoOwned ? 1 + i % 3 : (pick(10) == 0 ? 3 : 2);
        const qint64 created = ago(15);
        m_db.run(QStringLiteral("INSERT INTO tenders(owner_id, category_id, kind_id, spec, materials, province_id, city_id,"
                                " cangku, maxnum, price, weight, paytype, status, created, published_at)"
                                " VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 {owner, row.value(QStringLiteral("category_id")), row.value(QStringLiteral("id")),
                  kind.specs.at(pick(int(kind.specs.size()))), row.value(QStringLiteral("material")), province.id, city.id,
                  city.name + QStringLiteral("中储库"), pick(2) ? 5 : 10, kind.basePrice - 100 + pick(20) * 10,
                  100 + pick(30) * 50, QString::number(pick(2)), status, created, status == 1 ? QVariant() : QVariant(created + 900)});
        const qint64 tender = m_db.lastInsertId();
        if (status == 2 && pick(3) == 0) {
            const qint64 bidder = m_demo.at(1) == owner ? m_demo.at(2) : m_demo.at(1);
            m_db.run(QStringLiteral("INSERT INTO bids(tender_id, bidder_id, province_id, city_id, yieldly, price, created)"
                                    " VALUES(?,?,?,?,?,?,?)"),
                     {tender, bidder, province.id, city.id, DemoCatalog::mills().at(pick(int(DemoCatalog::mills().size()))).name,
                      kind.basePrice + pick(10) * 10, created + 7200});
        }
    }
}

void DemoSeeder::seedAuctions()
{
    const auto kinds = m_db.query(QStringLiteral("SELECT k.id, k.category_id FROM kinds k ORDER BY k.id"));
    QList<const DemoCatalog::Kind *> kindInfo;
    for (const auto &c : DemoCatalog::categories())
        for (const auto &k : c.kinds)
            kindInfo.append(&k);
    for (int i = 0; i < 48 * m_scale; ++i) {
        const int kindIndex = pick(int(kinds.size()));
        const auto &kind = *kindInfo.at(kindIndex);
        const auto &province = DemoCatalog::provinces().at(pick(int(DemoCatalog::provinces().size())));
        const auto &mill = DemoCatalog::mills().at(pick(int(DemoCatalog::mills().size())));
        // From three days ago to a week ahead, on the hour.
        const qint64 begin = (m_now / 3600) * 3600 + (qint64(pick(240)) - 72) * 3600;
        m_db.run(QStringLiteral("INSERT INTO auctions(code, category_id, kind_id, spec, materials, yieldly, province_id, place,"
                                " weight, jilling_type, begin_time, price, fudu, fukuan_days, quality_index)"
                                " VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 {QStringLiteral("PM%1").arg(2026120 + i * 7, 8, 10, QLatin1Char('0')), kinds.at(kindIndex).value(QStringLiteral("category_id")),
                  kinds.at(kindIndex).value(QStringLiteral("id")), kind.specs.at(pick(int(kind.specs.size()))),
                  kind.materials.at(pick(int(kind.materials.size()))), mill.name, province.id,
                  province.cities.first().name + QStringLiteral("物流园库"), 50 + pick(20) * 25,
                  pick(2) ? QStringLiteral("理计") : QStringLiteral("过磅"), begin, kind.basePrice - 300 + pick(20) * 10,
                  pick(2) ? 10 : 20, 3 + pick(3), QString::number(85 + pick(15))});
    }
}

void DemoSeeder::seedArticles()
{
    struct Channel { const char *channel; QList<int> types; int count; };
    const Channel channels[] = {
        {"zixun", {12, 23}, 36}, {"hangqing", {4, 3, 32, 267}, 84}, {"fxs", {2, 266, 30, 281}, 30},
        {"gangchang", {8, 9, 10}, 30}, {"yanjiu", {240}, 14},
    };
    const QStringList subjects{QStringLiteral("螺纹钢"), QStringLiteral("热轧板卷"), QStringLiteral("冷轧板卷"), QStringLiteral("中厚板"),
                               QStringLiteral("H型钢"), QStringLiteral("无缝管"), QStringLiteral("铁矿石"), QStringLiteral("焦炭")};
    const QStringList moves{QStringLiteral("小幅上涨"), QStringLiteral("窄幅震荡"), QStringLiteral("稳中偏弱"), QStringLiteral("明显回落"),
                            QStringLiteral("企稳回升")};
    const int regionCount = int(DemoCatalog::regions().size());
    int n = 0;
    for (const auto &ch : channels) {
        const QString channel = QString::fromLatin1(ch.channel);
        for (int i = 0; i < ch.count * m_scale; ++i, ++n) {
            const QString subject = subjects.at(pick(int(subjects.size())));
            const QString move = moves.at(pick(int(moves.size())));
            const int type = ch.types.at(i % ch.types.size());
            const auto &province = DemoCatalog::provinces().at(pick(int(DemoCatalog::provinces().size())));
            QString title;
            if (channel == QLatin1String("hangqing"))
                title = QStringLiteral("%1%2市场价格%3").arg(province.name, subject, move);
            else if (channel == QLatin1String("gangchang"))
                title = QStringLiteral("%1%2出厂价格调整通知").arg(DemoCatalog::mills().at(pick(12)).name, subject);
            else if (channel == QLatin1String("fxs"))
                title = QStringLiteral("分析师观点：%1后市%2").arg(subject, move);
            else if (channel == QLatin1String("yanjiu"))
                title = QStringLiteral("研究报告：%1供需格局与价格展望").arg(subject);
            else
                title = QStringLiteral("%1市场%2，成交%3").arg(subject, move, pick(2) ? QStringLiteral("尚可") : QStringLiteral("偏淡"));
            const QString body = QStringLiteral("今日国内%1市场价格%2，主流成交价格在%3元/吨左右。\n"
                                                "从需求端看，下游采购以按需为主，贸易商心态谨慎。\n"
                                                "预计短期内价格以震荡为主，建议关注库存变化与钢厂调价动态。")
                                     .arg(subject, move).arg(3500 + pick(100) * 10);
            // About a third of the analyst articles are paid.
            const bool paid = channel == QLatin1String("fxs") && i % 3 == 0;
            m_db.run(QStringLiteral("INSERT INTO articles(channel, news_type, region_group, province_id, title, image, body,"
                                    " description, charge, created) VALUES(?,?,?,?,?,?,?,?,?,?)"),
                     {channel, type, channel == QLatin1String("hangqing") ? 1 + i % regionCount : 0, province.id, title,
                      QStringLiteral("art-%1.png").arg(1 + n % 6), body,
                      paid ? QVariant(QStringLiteral("本文深入分析%1近期走势及后市判断，购买后可阅读全文。").arg(subject)) : QVariant(),
                      paid ? 5 + pick(4) * 5 : 0, ago(10)});
        }
    }
}

void DemoSeeder::seedHome()
{
    for (int i = 0; i < 4; ++i)
        m_db.run(QStringLiteral("INSERT INTO adverts(picture, link, position) VALUES(?,?,?)"),
                 {QStringLiteral("ad-%1.png").arg(i + 1), QStringLiteral("articles/%1").arg(1 + i * 5), i});
    const QStringList kinds{QStringLiteral("螺纹钢"), QStringLiteral("热轧板卷"), QStringLiteral("冷轧板卷"), QStringLiteral("H型钢"),
                            QStringLiteral("中厚板"), QStringLiteral("无缝管")};
    for (int i = 0; i < 40; ++i)
        m_db.run(QStringLiteral("INSERT INTO deals(phone, price, weight, kind_name, traded) VALUES(?,?,?,?,?)"),
                 {QStringLiteral("13%1").arg(100000000 + qint64(m_rng.bounded(899999999)), 9, 10, QLatin1Char('0')),
                  3500 + pick(80) * 10, 10 + pick(30) * 5, kinds.at(pick(int(kinds.size()))), ago(3)});
}

void DemoSeeder::seedFriends()
{
    const QString add = QStringLiteral("INSERT OR IGNORE INTO friends(user_id, friend_id) VALUES(?,?)");
    auto befriend = [&](qint64 a, qint64 b) {
        m_db.run(add, {a, b});
        m_db.run(add, {b, a});
    };
    befriend(m_demo.at(0), m_demo.at(1));
    for (int i = 3; i < 8; ++i)
        befriend(m_demo.at(0), m_traders.at(i));
    for (int i = 8; i < 11; ++i)
        befriend(m_demo.at(1), m_traders.at(i));
    // Requests waiting for the first demo account's answer.
    for (int i = 12; i < 14; ++i)
        m_db.run(QStringLiteral("INSERT INTO friend_requests(inviter_id, invitee_id, remark) VALUES(?,?,' ')"),
                 {m_traders.at(i), m_demo.at(0)});
}
