#include "TestContext.h"
#include "core/platform/UserDefaults.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"

#include <QProcess>
#include <QTest>
#include <csignal>
#include <cstring>

namespace {

QVariantMap fullReply()
{
    return {
        {QStringLiteral("LoginInfoID"), 7},
        {QStringLiteral("UserName"), QStringLiteral("张三")},
        {QStringLiteral("MobilePhone"), QStringLiteral("13900001111")},
        {QStringLiteral("QIBValue"), 12.5},
        {QStringLiteral("RealMoney"), QStringLiteral("100")},
        {QStringLiteral("UsefulMoney"), QStringLiteral("80")},
        {QStringLiteral("FreezeMoney"), QStringLiteral("20")},
        {QStringLiteral("UserIcon"), QStringLiteral("http://x/icon.png")},
        {QStringLiteral("CompanyName"), QStringLiteral("钢铁公司")},
        {QStringLiteral("CompanyUrl"), QStringLiteral("http://x")},
        {QStringLiteral("Sorts"), QStringLiteral("热轧")},
        {QStringLiteral("Address"), QStringLiteral("路1号")},
        {QStringLiteral("Province"), QStringLiteral("上海")},
        {QStringLiteral("City"), QStringLiteral("上海")},
        {QStringLiteral("Email"), QStringLiteral("a@b.c")},
        {QStringLiteral("Phone"), QStringLiteral("021-1")},
        {QStringLiteral("LicenseId"), QStringLiteral("L-9")},
        {QStringLiteral("IsVal"), QStringLiteral("3")},
        {QStringLiteral("CertState"), 2},
        {QStringLiteral("IsSuperUser"), QStringLiteral("1")},
    };
}

// Run in a child process: a login reply, a password and a switch written, then killed before the event
// loop turns again.
int writeAndKill(const char *dataDir)
{
    TestContext ctx{QString::fromLocal8Bit(dataDir)};
    UserInfo::info()->setBaseInfo(fullReply());
    UserInfo::info()->setUserPass(QStringLiteral("secret"));
    UserInfo::info()->setSoundSwitch(true);
    std::raise(SIGKILL);
    return 0;
}

} // namespace

class TestUserInfo : public QObject
{
    Q_OBJECT
private slots:
    void applyingAReply()
    {
        TestContext ctx;
        UserInfo *u = UserInfo::info();
        const QVariantMap reply = fullReply();
        u->setBaseInfo(reply);
        QCOMPARE(u->userId(), QStringLiteral("7"));
        QCOMPARE(u->userSource(), QStringLiteral("12.5"));
        QCOMPARE(u->licenseId(), QStringLiteral("L-9"));
        QCOMPARE(u->fax(), QStringLiteral("(null)"));   // no "Fax" in the reply
        QVERIFY(u->userPass().isNull());                  // never in a reply
        QCOMPARE(u->isVal(), 3);
        QCOMPARE(u->certState(), 2);
        QCOMPARE(u->isSuper(), true);
        QCOMPARE(u->isOnline(), true);
        UserDefaults *d = ctx->userDefaults();
        QCOMPARE(d->stringForKey(QStringLiteral("Fax")), QStringLiteral("(null)"));
        // Every member is stored at once, under its own key but for the licence number.
        for (auto it = reply.cbegin(); it != reply.cend(); ++it) {
            const QString key = it.key() == u"LicenseId" ? QStringLiteral("LicenseID") : it.key();
            QCOMPARE(d->stringForKey(key), Value::text(it.value()));
        }
    }

    void sameDictionaryIsNotAppliedTwice()
    {
        TestContext ctx;
        UserInfo *u = UserInfo::info();
        const QVariant reply = fullReply();
        u->setBaseInfo(reply);
        u->setUserName(QStringLiteral("changed"));
        u->setBaseInfo(reply);   // a second observer of the same notification
        QCOMPARE(u->userName(), QStringLiteral("changed"));
        u->destroy();
        u->setBaseInfo(QVariant(fullReply()));   // an equal reply of a later login
        QCOMPARE(u->userName(), QStringLiteral("张三"));
        QCOMPARE(u->isOnline(), true);
    }

    void repliesWithoutARecordAreIgnored_data()
    {
        QTest::addColumn<QVariant>("reply");
        QTest::newRow("none") << QVariant();
        QTest::newRow("text") << QVariant(QStringLiteral("oops"));
        QTest::newRow("list") << QVariant(QVariantList{1, 2});
    }
    void repliesWithoutARecordAreIgnored()
    {
        QFETCH(QVariant, reply);
        TestContext ctx;
        UserInfo *u = UserInfo::info();
        u->setBaseInfo(reply);
        QCOMPARE(u->isOnline(), false);
        QVERIFY(u->userId().isNull());
        // The fresh record as loaded: a missing key is written back as "", complete on disk.
        QCOMPARE(ctx->userDefaults()->objectForKey(QStringLiteral("LicenseID")), QVariant(QStringLiteral("")));
    }

    void destroyClearsTheStoredRecord()
    {
        TestContext ctx;
        UserInfo *u = UserInfo::info();
        u->setBaseInfo(fullReply());
        u->setUserPass(QStringLiteral("secret"));
        u->setZdSwitch(true);
        u->setOnCity(QStringLiteral("上海"));
        u->destroy();
        QVERIFY(u->userTel().isNull());
        QCOMPARE(u->isOnline(), false);
        QCOMPARE(u->isVal(), 0);
        QCOMPARE(u->baseInfo().value(QStringLiteral("UserName")).toString(), QStringLiteral("张三"));
        QCOMPARE(u->onCity(), QStringLiteral("上海"));
        ctx.restart();
        u = UserInfo::info();
        QCOMPARE(u->userTel(), QStringLiteral(""));
        QCOMPARE(u->userPass(), QStringLiteral(""));
        QCOMPARE(u->zdSwitch(), false);
    }

    // Killed right after the writes, the record is whole at the next start, but it is no login.
    void writtenRecordSurvivesSigkill()
    {
        TestContext ctx;
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-and-kill"), ctx.dataDir()});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        ctx.restart();
        UserInfo *u = UserInfo::info();
        QCOMPARE(u->userTel(), QStringLiteral("13900001111"));
        QCOMPARE(u->userPass(), QStringLiteral("secret"));
        QCOMPARE(u->licenseId(), QStringLiteral("L-9"));
        QCOMPARE(u->soundSwitch(), true);
        QCOMPARE(u->isSuper(), true);
        QCOMPARE(u->isOnline(), false);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "--write-and-kill") == 0)
        return writeAndKill(argv[2]);
    TestUserInfo test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_userinfo.moc"
