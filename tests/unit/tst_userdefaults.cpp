#include "core/platform/UserDefaults.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestUserDefaults : public QObject
{
    Q_OBJECT
private slots:
    void keysAreVerbatimAndSurviveReopening_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("plain") << "LoginInfoID";
        QTest::newRow("slash") << "a/b";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("percent escapes look-alike") << "a%2Fb";
        QTest::newRow("chinese") << "选中城市";
    }
    void keysAreVerbatimAndSurviveReopening()
    {
        QFETCH(QString, key);
        QTemporaryDir dir;
        {
            UserDefaults d(dir.path() + QStringLiteral("/prefs"));
            d.setObject(QStringLiteral("v1"), key);
            d.setObject(QStringLiteral("other"), key + QStringLiteral("x"));
            QCOMPARE(d.stringForKey(key), QStringLiteral("v1"));   // visible before any flush
        }
        UserDefaults reopened(dir.path() + QStringLiteral("/prefs"));
        QCOMPARE(reopened.stringForKey(key), QStringLiteral("v1"));
        QCOMPARE(reopened.stringForKey(key + QStringLiteral("x")), QStringLiteral("other"));
    }

    void flushesAtTheNextEventLoopTurn()
    {
        QTemporaryDir dir;
        UserDefaults d(dir.path());
        d.setObject(QStringLiteral("1"), QStringLiteral("SoundSwitch"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile(d.filePath()).size() > 0, 5000);
        UserDefaults other(dir.path());
        QCOMPARE(other.boolForKey(QStringLiteral("SoundSwitch")), true);
    }

    void missingAndRemovedKeys()
    {
        QTemporaryDir dir;
        UserDefaults d(dir.path());
        QVERIFY(d.stringForKey(QStringLiteral("none")).isNull());
        QCOMPARE(d.integerForKey(QStringLiteral("none")), 0);
        d.setObject(QStringLiteral("12abc"), QStringLiteral("n"));
        QCOMPARE(d.integerForKey(QStringLiteral("n")), 12);
        d.removeObjectForKey(QStringLiteral("n"));
        QVERIFY(!d.contains(QStringLiteral("n")));
    }

    void fileAndFolderAreOwnerOnly()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/p");
        UserDefaults d(folder);
        d.setObject(QStringLiteral("secret"), QStringLiteral("UserPass"));
        d.synchronize();
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                            | QFile::WriteOther | QFile::ExeOther;
        QVERIFY(!(QFile::permissions(d.filePath()) & others));
        QVERIFY(!(QFile::permissions(folder) & others));
    }
};

QTEST_GUILESS_MAIN(TestUserDefaults)
#include "tst_userdefaults.moc"
