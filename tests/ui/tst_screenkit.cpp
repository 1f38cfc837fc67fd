#include "ScreenHarness.h"
#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "ui/Frontend.h"

#include <QDirIterator>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {
QStringList g_warnings;

void recordWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings.append(message);
}

/// Every class under src/screens whose base chain reaches a screen base class.
QStringList screenClasses()
{
    QHash<QString, QString> baseOf;
    static const QRegularExpression declaration(QStringLiteral(R"(class\s+(\w+)\s*(?:final\s*)?:\s*public\s+(\w+))"));
    QDirIterator it(QStringLiteral(VELMORA_SOURCE_DIR "/src/screens"), {QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = declaration.globalMatch(text); m.hasNext();) {
            const auto match = m.next();
            baseOf.insert(match.captured(1), match.captured(2));
        }
    }
    static const QStringList roots{QStringLiteral("ViewController"), QStringLiteral("BaseScreen"),
                                   QStringLiteral("SuperController"), QStringLiteral("SuperTableViewController"),
                                   QStringLiteral("BusinessTabBar")};
    QStringList screens;
    for (auto i = baseOf.cbegin(); i != baseOf.cend(); ++i) {
        QString base = i.value();
        for (int depth = 0; depth < 16 && !roots.contains(base) && baseOf.contains(base); ++depth)
            base = baseOf.value(base);
        if (roots.contains(base))
            screens.append(i.key());
    }
    screens.sort();
    return screens;
}
} // namespace

class TestScreenKit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Frontend::prepareApplication();
        qInstallMessageHandler(recordWarnings);
    }
    void init() { g_warnings.clear(); }
    void cleanup() { QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(u'\n'))); }

    // Each screen has its own page, typed with its class, and QML knows the class.
    void everyScreenHasItsPage()
    {
        const QStringList screens = screenClasses();
        QVERIFY(screens.contains(QStringLiteral("UserLogin")));
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        QStringList missing;
        for (const QString &screen : screens) {
            QFile page(QStringLiteral(":/Velmora/pages/%1.qml").arg(screen));
            if (!page.open(QIODevice::ReadOnly)) {
                missing.append(screen + QStringLiteral(": no page"));
                continue;
            }
            if (!page.readAll().contains(QStringLiteral("required property %1 controller").arg(screen).toUtf8()))
                missing.append(screen + QStringLiteral(": page does not take its controller as ") + screen);
            QQmlComponent probe(&engine);
            probe.setData(QStringLiteral("import QtQml\nimport Velmora\nQtObject { property %1 c }").arg(screen).toUtf8(),
                          QUrl());
            if (probe.isError())
                missing.append(screen + QStringLiteral(": not registered for QML"));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    // A thousand rows in the shared list view, scrolled to the end and back.
    void thousandRowsScroll()
    {
        ScreenHarness h;
        QByteArray rows;
        for (int i = 0; i < 1000; ++i)
            rows += (i ? ",{\"name\":\"行" : "{\"name\":\"行") + QByteArray::number(i) + "\"}";
        h.reply(QStringLiteral("rows"), R"({"errorCode":0,"data":[)" + rows + "]}");
        PagedListModel model({QStringLiteral("name")});
        model.setPageSize(1000);
        model.setFetch([](Request *r, int, int) { r->startConnection(QStringLiteral("rows")); });
        model.refresh();
        QVERIFY(h.settle());
        QCOMPARE(model.count(), 1000);

        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        QQmlComponent component(&engine);
        component.setData(R"(import QtQuick
import Velmora
Window {
    required property PagedListModel rows
    property alias list: view
    width: 320; height: 480; visible: true
    PagedListView {
        id: view
        anchors.fill: parent
        paged: rows
        delegate: Text { required property string name; width: 320; height: 40; text: name }
    }
})",
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
    }
};

QTEST_MAIN(TestScreenKit)
#include "tst_screenkit.moc"
