#include "DemoSeeder.h"

#include "MarketDatabase.h"

bool DemoSeeder::seedIfEmpty()
{
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM users")).toLongLong() > 0)
        return false;
    m_db.begin();
    const QStringList mobiles{QStringLiteral("13800000001"), QStringLiteral("13800000002"),
                              QStringLiteral("13800000003")};
    const QStringList names{QStringLiteral("张伟"), QStringLiteral("李娜"), QStringLiteral("王强")};
    for (int i = 0; i < mobiles.size(); ++i)
        m_db.run(QStringLiteral("INSERT INTO users(mobile, password, user_name) VALUES(?,?,?)"),
                 {mobiles[i], QStringLiteral("demo123"), names[i]});
    return m_db.commit();
}
