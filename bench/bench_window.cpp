// Figures for a person's waits in the window, each beside its reference measured in the same run:
//  - a list page of 1,000 rows through PagedListModel and PagedListView: time from the reply
//    arriving to its first frame, and the process's peak memory; reference: a plain ListView
//    over the same 1,000 texts, and a minimal Qt Quick window;
//  - start-up to the first frame of `velmora --screenshot` against a minimal Qt Quick window
//    that also writes its PNG (median of several runs each).
//
//     build/bench/bench_window [runs]
#include "ScreenHarness.h"
#include "app/PagedListModel.h"
#include "ui/Frontend.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <algorithm>
#include <cstdio>
#include <memory>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

std::unique_ptr<QQuickWindow> window(QQmlEngine &engine, const QByteArray &qml, const QVariantMap &properties)
{
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nimport Velmora\n" + qml, QUrl());
    QObject *object = component.createWithInitialProperties(properties);
    if (!object)
        qFatal("%s", qPrintable(component.errorString()));
    return std::unique_ptr<QQuickWindow>(qobject_cast<QQuickWindow *>(object));
}

/// Milliseconds to lay out and draw the window after a change (a grab polishes, syncs and renders
/// at once, so an animation's frame in flight does not count as the change's).
double layoutAndDraw(QQuickWindow *w, const std::function<void()> &change)
{
    QElapsedTimer timer;
    timer.start();
    change();
    (void)w->grabWindow();
    return timer.nsecsElapsed() / 1e6;
}

const char *kWindow = "Window { width: 320; height: 568; visible: true\n";

// One mode per process, so that each peak is its own.
int listMode(bool plain)
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    double ms = 0;
    if (plain) {
        QStringList texts;
        for (int i = 0; i < 1000; ++i)
            texts.append(QStringLiteral("行 %1").arg(i));
        auto w = window(engine, QByteArray(kWindow) + "property var rows: []\n"
                       "ListView { anchors.fill: parent; model: rows; delegate: Text { required property var modelData; width: 320; height: 40; text: modelData } } }",
                       {});
        (void)QTest::qWaitForWindowExposed(w.get());
        ms = layoutAndDraw(w.get(), [&] { w->setProperty("rows", texts); });
    } else {
        ScreenHarness h;
        PagedListModel model({QStringLiteral("name")});
        h.serveNamedRows(QStringLiteral("rows"), 1000, model);
        auto w = window(engine, QByteArray(kWindow) + "required property PagedListModel rows\n"
                       "PagedListView { anchors.fill: parent; paged: rows; delegate: Text { required property string name; width: 320; height: 40; text: name } } }",
                       {{QStringLiteral("rows"), QVariant::fromValue<QObject *>(&model)}});
        (void)QTest::qWaitForWindowExposed(w.get());
        // From the moment the page is in the model to the window drawn with it.
        bool done = false;
        QObject::connect(&model, &PagedListModel::pageArrived, w.get(), [&] {
            ms = layoutAndDraw(w.get(), [] {});
            done = true;
        });
        model.refresh();
        (void)QTest::qWaitFor([&] { return done; }, 10000);
    }
    std::printf("%.2f %ld\n", ms, peakKiB());
    return 0;
}

int minimalMode(const QString &png)
{
    QQmlEngine engine;
    auto w = window(engine, QByteArray(kWindow) + "Text { text: \"首页\" } }", {});
    QObject::connect(w.get(), &QQuickWindow::frameSwapped, w.get(), [&] {
        w->grabWindow().save(png, "PNG");
        std::printf("- %ld\n", peakKiB());
        QCoreApplication::quit();
    }, Qt::SingleShotConnection);
    return QCoreApplication::exec();
}

struct Run
{
    double ms = 0;
    long peak = 0;
};

Run child(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    p.waitForFinished(60000);
    Run r;
    r.ms = t.nsecsElapsed() / 1e6;
    const QList<QByteArray> out = p.readAllStandardOutput().trimmed().split(' ');
    if (out.size() == 2) {
        if (out[0] != "-")
            r.ms = out[0].toDouble();
        r.peak = out[1].toLong();
    }
    return r;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    Frontend::prepareProcess();
    QGuiApplication app(argc, argv);
    Frontend::prepareApplication();
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--list")))
        return listMode(false);
    if (args.contains(QStringLiteral("--plain-list")))
        return listMode(true);
    if (args.contains(QStringLiteral("--minimal")))
        return minimalMode(args.last());

    const int runs = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 5;
    const QString self = QCoreApplication::applicationFilePath();
    const QString app_ = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/ui/velmora");
    QTemporaryDir tmp;
    QList<double> list, plain, start, minimal;
    long listPeak = 0, plainPeak = 0, minimalPeak = 0;
    for (int i = 0; i < runs; ++i) {
        Run r = child(self, {QStringLiteral("--list")});
        list.append(r.ms), listPeak = std::max(listPeak, r.peak);
        r = child(self, {QStringLiteral("--plain-list")});
        plain.append(r.ms), plainPeak = std::max(plainPeak, r.peak);
        r = child(app_, {QStringLiteral("--data-dir"), tmp.path() + QStringLiteral("/data"),
                         QStringLiteral("--screenshot"), tmp.path() + QStringLiteral("/app.png")});
        start.append(r.ms);
        r = child(self, {QStringLiteral("--minimal"), tmp.path() + QStringLiteral("/minimal.png")});
        minimal.append(r.ms), minimalPeak = std::max(minimalPeak, r.peak);
    }
    std::printf("list page of 1,000 rows, laid out and drawn after the page arrives: %.1f ms (plain ListView of the same texts: %.1f ms)\n",
                median(list), median(plain));
    std::printf("peak memory with that page: %.1f MB (plain list: %.1f MB; minimal window: %.1f MB)\n",
                listPeak / 1024.0, plainPeak / 1024.0, minimalPeak / 1024.0);
    std::printf("start-up to first frame: velmora %.0f ms, minimal Qt Quick window %.0f ms: %.2fx (median of %d)\n",
                median(start), median(minimal), median(start) / std::max(1.0, median(minimal)), runs);
    // Rows of the table scripts/bench collects.
    std::printf("| Start-up to the first frame (median of %d) | %.0f ms | %.0f ms, bare Qt Quick window |\n", runs,
                median(start), median(minimal));
    std::printf("| A 1,000-row list page drawn after its reply arrives | %.1f ms | %.1f ms, plain ListView |\n",
                median(list), median(plain));
    std::printf("| Peak memory with that page | %.1f MB | %.1f MB, plain ListView |\n", listPeak / 1024.0,
                plainPeak / 1024.0);
    return 0;
}
