#include "TestContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/datamodel.h"

#include <QTest>

namespace {

const QString kStranger = QStringLiteral("超市询盘");

QVariantMap message(const QVariant &sender, const QVariant &mobile, const QVariant &resource)
{
    QVariantMap m{{QStringLiteral("Type"), QStringLiteral("2")}, {QStringLiteral("Content"), QStringLiteral("你好")}};
    if (sender.isValid())
        m.insert(QStringLiteral("SenderID"), sender);
    if (mobile.isValid())
        m.insert(QStringLiteral("SenderMobileNumber"), mobile);
    if (resource.isValid())
        m.insert(QStringLiteral("ResourceID"), resource);
    return m;
}

QVariantMap reminder(const QVariant &id, const QString &name, const QVariant &resource, const QString &mobile)
{
    return {{QStringLiteral("LoginInfoID"), id}, {QStringLiteral("UserName"), name},
            {QStringLiteral("resourceID"), resource}, {QStringLiteral("MobilePhone"), mobile}};
}

QVariantMap friendRecord(const QString &id, const QString &name, const QString &mobile)
{
    QVariantMap f{{QStringLiteral("LoginInfoId"), id}, {QStringLiteral("MobilePhone"), mobile}};
    if (!name.isNull())
        f.insert(QStringLiteral("UserName"), name);
    return f;
}

} // namespace

class TestDatamodel : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_ctx = std::make_unique<TestContext>(); }
    void cleanup() { m_ctx.reset(); }

    void reminderStep_data()
    {
        QTest::addColumn<QVariantList>("friends");
        QTest::addColumn<QVariantMap>("message");
        QTest::addColumn<QVariantMap>("expected");   // empty: skipped
        const QString number = QStringLiteral("13900001111");
        const QVariantList friends{friendRecord("5", "老王", "13800000000"), friendRecord("21", "张三", number),
                                   friendRecord("22", "张三二号", number)};
        QTest::newRow("stranger about a resource") << friends << message("77", "13700001111", "15")
            << reminder("77", kStranger, "15", "13700001111");
        QTest::newRow("stranger, numbers as numbers") << QVariantList() << message(77, 13900001111ll, 15)
            << reminder(77, kStranger, 15, "13900001111");
        QTest::newRow("friend about a resource: masked") << friends << message("77", number, "15")
            << reminder("21", kStranger, "15", "139*****111");
        QTest::newRow("friend, no resource") << friends << message("77", number, "0")
            << reminder("21", "张三", "0", number);
        QTest::newRow("short number masked as far as it goes") << QVariantList{friendRecord("3", "李", "13901")}
            << message("77", "13901", "9") << reminder("3", kStranger, "9", "139**");
        QTest::newRow("no resource id") << friends << message("77", number, QVariant()) << QVariantMap();
        QTest::newRow("stranger without sender id") << friends << message(QVariant(), "1", "0") << QVariantMap();
        QTest::newRow("no sender number") << friends << message("77", QVariant(), "0") << QVariantMap();
        QTest::newRow("friend without a name") << QVariantList{friendRecord("3", QString(), number)}
            << message("77", number, "0") << QVariantMap();
        QTest::newRow("friend entry not a dictionary") << QVariantList{QStringLiteral("junk")}
            << message("77", number, "0") << reminder("77", kStranger, "0", number);
    }
    void reminderStep()
    {
        QFETCH(QVariantList, friends);
        QFETCH(QVariantMap, message);
        QFETCH(QVariantMap, expected);
        datamodel *model = datamodel::instance();
        model->xiequanbuhaoyou(friends);
        QObject observer;
        QVariantList posted;
        (*m_ctx)->notificationCenter()->addObserver(&observer, QStringLiteral("shoudaoliaotian4"),
                                                    [&](const Notification &n) { posted << n.object; });
        model->conversationReminder(message);
        model->conversationReminder(message);
        if (expected.isEmpty()) {
            QVERIFY(model->getData().isEmpty());
            QVERIFY(model->huoqutixingarr().isEmpty());
            QVERIFY(posted.isEmpty());
            return;
        }
        // Temporary chats hold the conversation once; reminders once per message.
        QCOMPARE(model->getData(), QVariantList({expected}));
        QCOMPARE(model->huoqutixingarr(), QVariantList({expected, expected}));
        QCOMPARE(posted, QVariantList({QStringLiteral("shoudaoliaotian4"), QStringLiteral("shoudaoliaotian4")}));
    }

    void reminderListDropsEveryCopy()
    {
        datamodel *model = datamodel::instance();
        const QVariantMap a = reminder("1", "a", "0", "1"), b = reminder("2", "b", "0", "2");
        const QVariantMap aByNumbers = reminder(1, "a", 0, "1");   // the same conversation, ids off the wire
        for (const QVariantMap &r : {a, b, aByNumbers})
            model->jiarutixing(r);
        QVERIFY(model->hasReminder(aByNumbers) && model->hasReminder(a));
        model->shanchuduoyu(a);
        QCOMPARE(model->huoqutixingarr(), QVariantList({b}));
        QVERIFY(model->addTemporaryChat(a));
        QVERIFY(!model->addTemporaryChat(aByNumbers));
        // Each context has its own model.
        TestContext other;
        QVERIFY(datamodel::instance()->huoqutixingarr().isEmpty());
    }

private:
    std::unique_ptr<TestContext> m_ctx;
};

QTEST_GUILESS_MAIN(TestDatamodel)
#include "tst_datamodel.moc"
