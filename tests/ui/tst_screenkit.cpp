#include "ScreenHarness.h"
#include "ServerProcess.h"
#include "SqlRows.h"
#include "WarningLog.h"
#include "WindowHarness.h"
#include "ui/Pages.h"
#include "app/Alerts.h"
#include "app/PagedListModel.h"
#include "core/session/UserInfo.h"
#include "screens/account/MyAccount.h"
#include "screens/account/UserLogin.h"
#include "screens/market/GoBuy.h"
#include "screens/market/RememberedResources.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QMetaType>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QRegularExpression>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {
/// Every class under src/screens whose base chain reaches a screen base class.
QStringList screenClasses()
{
    QHash<QString, QString> baseOf;
    static const QRegularExpression declaration(QStringLiteral(R"(class\s+(\w+)\s*(?:final\s*)?:\s*public\s+(\w+))"));
    QDirIterator it(QStringLiteral(VELMORA_SOURCE_DIR "/src/screens"), {QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        for (auto m = declaration.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();) {
            const auto match = m.next();
            baseOf.insert(match.captured(1), match.captured(2));
        }
    }
    static const QStringList roots{QStringLiteral("ViewController"), QStringLiteral("BaseScreen"),
                                   QStringLiteral("SuperController"), QStringLiteral("SuperTableViewController"),
                                   QStringLiteral("BusinessTabBar")};
    // A base of other screens is not a screen of its own: its screens are checked.
    const QList<QString> bases = baseOf.values();
    QStringList screens;
    for (auto i = baseOf.cbegin(); i != baseOf.cend(); ++i) {
        if (bases.contains(i.key()))
            continue;
        QString base = i.value();
        for (int depth = 0; depth < 16 && !roots.contains(base) && baseOf.contains(base); ++depth)
            base = baseOf.value(base);
        if (roots.contains(base))
            screens.append(i.key());
    }
    screens.sort(); // the same order in every run, whatever the hash's seed
    return screens;
}

const QString kTel = QStringLiteral("13800000001");
// Where the login and account pages put their controls, in window points.
const QPoint kMobile(200, 101), kPassword(200, 145), kLoginButton(160, 207), kAccountTab(280, 543);

/// One start of the app over a data folder: the real shell and window against the local market
/// service.
struct Start : WindowHarness
{
    Start(const QString &dataDir, const ServerProcess &server) : WindowHarness(dataDir)
    {
        ctx->mutableConfig().serviceBaseUrl = server.baseUrl();
        ctx->mutableConfig().sessionPort = server.sessionPort();
        open();
        window()->requestActivate();
        if (!QTest::qWaitForWindowActive(window()))
            qWarning("the window did not show");
    }
    template <class T>
    T *top() const
    {
        auto *screen = qobject_cast<T *>(shell->viewControllers().at(3)->topViewController());
        return screen && screen->isAppeared() ? screen : nullptr;
    }
    /// The number the account page shows, or nothing while another page is on top.
    QString shownTel() const { return top<MyAccount>() ? top<MyAccount>()->property("userTel").toString() : QString(); }
    PlatformAlert *alert() { return ctx->service<Alerts>()->topAlert(); }
    using WindowHarness::click;
    // A stack view ignores input while it moves: wait for it to stand still.
    void click(QPoint at)
    {
        QTRY_VERIFY(!busy());
        QTest::mouseClick(window(), Qt::LeftButton, {}, at);
    }
    void type(QPoint at, const QString &text)
    {
        click(at);
        for (const QChar c : text)
            QTest::keyClick(window(), c.toLatin1());
    }
    void login(const QString &password)
    {
        click(kAccountTab);
        QTRY_VERIFY(top<UserLogin>());
        type(kMobile, kTel);
        type(kPassword, password);
        shoot(QStringLiteral("login"));
        click(kLoginButton);
    }
    void shoot(const QString &name)
    {
        QTRY_VERIFY(!busy());
        keep(grab(), name);
    }
};
} // namespace

class TestScreenKit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Frontend::prepareApplication();
        WarningLog::install();
    }
    void init() { WarningLog::clear(); }
    void cleanup() { QVERIFY2(WarningLog::isEmpty(), qPrintable(WarningLog::text())); }

    // Each screen has its own page, typed with its class, and QML knows the class.
    void everyScreenHasItsPage()
    {
        const QStringList screens = screenClasses();
        QVERIFY(screens.contains(QStringLiteral("UserLogin")));
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        QStringList missing;
        for (const QString &screen : screens) {
            QQmlComponent probe(&engine);
            // QML type names start with a capital; a class named in lower case registers so.
            const QString qmlName = screen.at(0).toUpper() + screen.mid(1);
            probe.setData(QStringLiteral("import QtQml\nimport Velmora\nQtObject { property %1 c }").arg(qmlName).toUtf8(),
                          QUrl());
            if (probe.isError()) {
                missing.append(screen + QStringLiteral(": not registered for QML"));
                continue;
            }
            // Its own page, or the page its family shares, takes it (or its family's base) as controller.
            const QMetaObject *meta = QMetaType::fromName((screen + u'*').toUtf8()).metaObject();
            QFile page(Pages::pageFileOf(meta));
            const QString taker = QFileInfo(page.fileName()).completeBaseName();
            bool takes = false;
            for (const QMetaObject *m = meta; m && !takes; m = m->superClass())
                takes = taker == QString::fromLatin1(m->className());
            if (!takes || !page.open(QIODevice::ReadOnly)
                || !page.readAll().contains(
                    QStringLiteral("required property %1%2 controller").arg(taker.at(0).toUpper(), taker.mid(1)).toUtf8()))
                missing.append(screen + QStringLiteral(": no page taking it as its controller"));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    // A thousand rows in the shared list view, scrolled to the end and back.
    void thousandRowsScroll()
    {
        ScreenHarness h;
        PagedListModel model({QStringLiteral("name")});
        h.serveNamedRows(QStringLiteral("rows"), 1000, model);
        model.refresh();
        QVERIFY(h.settle());
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nimport Velmora\nWindow { required property PagedListModel rows\n"
                          "property alias list: view; width: 320; height: 480; visible: true\n"
                          "PagedListView { id: view; anchors.fill: parent; paged: rows\n"
                          "delegate: Text { required property string name; width: 320; height: 40; text: name } } }",
                          QUrl());
        std::unique_ptr<QObject> window(
            component.createWithInitialProperties({{QStringLiteral("rows"), QVariant::fromValue<QObject *>(&model)}}));
        QVERIFY2(window, qPrintable(component.errorString()));
        auto *view = window->property("list").value<QQuickItem *>();
        QVERIFY(QTest::qWaitForWindowExposed(qobject_cast<QQuickWindow *>(window.get())));
        QMetaObject::invokeMethod(view, "positionViewAtEnd");
        QTRY_VERIFY(view->property("contentY").toDouble() > 40000 - 480 - 40);
        QMetaObject::invokeMethod(view, "positionViewAtBeginning");
        QTRY_COMPARE(view->property("contentY").toDouble(), 0.0);

        // It writes nothing of its own: a refused first page leaves only the retry button's title
        // (the refusal's message was the alert's).
        model.clear();
        h.reply(QStringLiteral("rows"), R"({"errorCode":"1","message":"暂无权限"})");
        model.refresh();
        QVERIFY(h.settle());
        QStringList shown;
        for (QQuickItem *item : view->findChildren<QQuickItem *>())
            if (item->isVisible() && !item->property("text").toString().isEmpty())
                shown << item->property("text").toString();
        QCOMPARE(shown, QStringList{PagedListModel::retryTitle()});
        WindowHarness::keep(qobject_cast<QQuickWindow *>(window.get())->grabWindow(), QStringLiteral("list-failed"));
    }

    // Through the window against the local market service: letters typed into the weight field
    // never appear; Return in the last field orders, Return closes the message, and the buy
    // button pressed again orders nothing more.
    void buyOnce()
    {
        ServerProcess server(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(server.start({QStringLiteral("--demo")}), qPrintable(server.errorText()));
        QTemporaryDir data;
        Start s(data.path(), server);
        s.login(QStringLiteral("demo123"));
        QTRY_COMPARE(s.shownTel(), kTel);
        s.shell->pressedItemFromButtonTag(0);
        // Opened as the list opens it: remembered first.
        RememberedResources::remember(s.ctx->service<UserInfo>()->userId(), {{"resourceId", "1"}});
        auto *buy = new GoBuy;
        buy->setOrderId(QStringLiteral("1"));
        s.home()->pushViewController(buy);
        QTRY_VERIFY(!buy->fields().isEmpty() && !s.busy());
        const auto input = [&](const char *key) {
            FormField *field = buy->form()->field(QString::fromLatin1(key));
            return s.find(s.window()->contentItem(), [field](QQuickItem *i) { return i->property("field").value<FormField *>() == field; });
        };
        const auto keys = [&](const char *text) {
            for (; *text; ++text)
                QTest::keyClick(s.window(), *text);
        };
        input("weight")->forceActiveFocus();
        keys("abc");
        QCOMPARE(s.window()->activeFocusItem()->property("text").toString(), QString());
        keys("2.5");
        if (buy->discuss()) {
            input("price")->forceActiveFocus();
            keys("3500");
        }
        const auto orders = [&] {
            sqlite3 *db = nullptr;
            sqlite3_open_v2(qPrintable(server.dataDir() + QStringLiteral("/market.sqlite3")), &db, SQLITE_OPEN_READONLY, nullptr);
            const QStringList n = sqlRows(db, "SELECT count(*) FROM orders WHERE resource_id = 1");
            sqlite3_close(db);
            return n.value(0).toInt();
        };
        const int before = orders();
        QTest::keyClick(s.window(), Qt::Key_Return);
        QTRY_COMPARE(s.alert() ? s.alert()->message() : QString(), GoBuy::orderPlacedText());
        QTest::keyClick(s.window(), Qt::Key_Return);
        QTRY_VERIFY(!s.alert());
        QQuickItem *button = s.find(s.window()->contentItem(), [](QQuickItem *i) { return i->property("text").toString() == u"订单已提交"; });
        QVERIFY(button && !button->isEnabled());
        s.click(button);
        s.shoot(QStringLiteral("buying-ordered"));
        QCOMPARE(orders(), before + 1);
    }
};

QTEST_MAIN(TestScreenKit)
#include "tst_screenkit.moc"
