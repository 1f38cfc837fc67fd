// Receiving chat messages into the table store, beside a raw prepared insert loop on the same
// machine and file system. Run: build/bench/bench_chatstore [messages]
#include "core/session/SQLITE.h"
#include "core/util/Value.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// The machine may be shared: report work per second of this process's own processor time
// beside the wall-clock figure.
double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

const QString kMe = QStringLiteral("1001");

QVariantMap receivedMessage(const QString &sender, int n)
{
    return {{QStringLiteral("Type"), QStringLiteral("2")},
            {QStringLiteral("SenderID"), sender},
            {QStringLiteral("ReceiverID"), kMe},
            {QStringLiteral("SendTime"), QStringLiteral("1700000000")},
            {QStringLiteral("Content"), QStringLiteral("您好，请问这批热轧卷板还有货吗？第%1条").arg(n)},
            {QStringLiteral("ResourceID"), QStringLiteral("15")},
            {QStringLiteral("SenderMobileNumber"), QStringLiteral("13900001111")}};
}

/// What the chat manager does with one incoming message: store it, read the conversation row,
/// write it back with the unread count raised, then sum the badge.
bool receive(SQLITE &store, QVariantMap message, qint64 now, QString *badge)
{
    const QString sender = message.value(QStringLiteral("SenderID")).toString();
    const QString history = QStringLiteral("historyMSG%1").arg(kMe);
    const QString time = QString::number(now);
    message.insert(QStringLiteral("SendTime"), time);
    const bool ok = store.transaction([&] {
        if (!store.addSQLObject(message, QStringLiteral("chat%1to%2").arg(kMe, sender)))
            return false;
        const QVariantList rows = store.selectSQLFromtable(history, QStringLiteral("LoginInfoID"), sender, 1, 0, 1);
        const int unread = rows.isEmpty() ? 1 : Value::intValue(rows.first().toMap().value(QStringLiteral("unread"))) + 1;
        const QVariantMap row{{QStringLiteral("LoginInfoID"), sender},
                              {QStringLiteral("SendTime"), time},
                              {QStringLiteral("message"), message.value(QStringLiteral("Content"))},
                              {QStringLiteral("ChatType"), message.value(QStringLiteral("Type"))},
                              {QStringLiteral("unread"), QString::number(unread)}};
        return store.setSQLObject(row, history, QStringLiteral("LoginInfoID"));
    });
    *badge = store.sumWithKey(QStringLiteral("unread"), history, QString(), QVariant());
    return ok;
}

double receivePath(const QString &dir, int peers, int messages)
{
    SQLITE store(dir + QStringLiteral("/peers%1.sqlite3").arg(peers));
    qint64 now = 1700000000;
    QString badge;
    // Every conversation exists before timing starts, as on a phone that has chatted a while.
    for (int p = 0; p < peers; ++p)
        receive(store, receivedMessage(QString::number(5000000 + p), 0), ++now, &badge);
    std::printf("  (%d conversations set up)\n", peers);
    std::fflush(stdout);
    QRandomGenerator rng(42);
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuSeconds();
    int failures = 0;
    for (int i = 0; i < messages; ++i) {
        const QString sender = QString::number(5000000 + int(rng.bounded(quint32(peers))));
        failures += !receive(store, receivedMessage(sender, i), ++now, &badge);
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuStart;
    const qint64 expected = qint64(peers) + messages;
    std::printf("  receive path, %5d peers: %8.0f messages/s wall, %8.0f per CPU second"
                " (badge %s of %lld expected, %d failures, SQLite memory %.1f MB)\n",
                peers, messages / seconds, messages / cpu, qPrintable(badge), static_cast<long long>(expected),
                failures, double(sqlite3_memory_used()) / 1e6);
    return messages / cpu;
}

/// The floor under the receive path: one prepared insert per message, autocommit, into one of
/// `tables` per-peer tables shaped as the store shapes them (AUTOINCREMENT ids, so SQLite looks
/// the table up in sqlite_sequence on every insert).
double rawInsertLoop(const QString &dir, int tables, int rows)
{
    sqlite3 *db = nullptr;
    const QByteArray path = (dir + QStringLiteral("/raw%1.sqlite3").arg(tables)).toUtf8();
    sqlite3_open(path.constData(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; begin", nullptr, nullptr, nullptr);
    std::vector<sqlite3_stmt *> inserts(size_t(tables), nullptr);
    for (int t = 0; t < tables; ++t) {
        const QByteArray name = "\"chat1001to" + QByteArray::number(5000000 + t) + '"';
        sqlite3_exec(db, ("create table " + name + " (id integer primary key autoincrement, Content text,"
                          " ReceiverID text, ResourceID text, SendTime text, SenderID text,"
                          " SenderMobileNumber text, Type text)").constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, ("insert into " + name + "(Content) values('first')").constData(), nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db, ("insert into " + name + "(Content,ReceiverID,ResourceID,SendTime,SenderID,"
                                "SenderMobileNumber,Type) values(?,?,?,?,?,?,?)").constData(),
                           -1, &inserts[size_t(t)], nullptr);
    }
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
    const QByteArray content = QStringLiteral("您好，请问这批热轧卷板还有货吗？").toUtf8();
    QRandomGenerator rng(42);
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuSeconds();
    for (int i = 0; i < rows; ++i) {
        sqlite3_stmt *stmt = inserts[rng.bounded(quint32(tables))];
        const QByteArray time = QByteArray::number(1700000000 + i);
        sqlite3_bind_text(stmt, 1, content.constData(), int(content.size()), SQLITE_STATIC);
        sqlite3_bind_text(stmt, 2, "1001", -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 3, "15", -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 4, time.constData(), int(time.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 5, "5000001", -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 6, "13900001111", -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 7, "2", -1, SQLITE_STATIC);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuStart;
    for (sqlite3_stmt *stmt : inserts)
        sqlite3_finalize(stmt);
    sqlite3_close(db);
    std::printf("  raw prepared insert, WAL autocommit, %5d tables: %8.0f rows/s wall, %8.0f per CPU second\n",
                tables, rows / seconds, rows / cpu);
    return rows / cpu;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int messages = argc > 1 ? std::max(1000, QByteArray(argv[1]).toInt()) : 20000;
    QTemporaryDir dir;
    std::printf("SQLite %s, %d messages per run\n", sqlite3_libversion(), messages);
    // A third argument runs only the receive path with that many peers (for profiling).
    if (argc > 2) {
        receivePath(dir.path(), std::max(1, QByteArray(argv[2]).toInt()), messages);
        return 0;
    }
    const double rawFew = rawInsertLoop(dir.path(), 50, messages);
    const double rawMany = rawInsertLoop(dir.path(), 5000, messages);
    std::printf("  raw insert, 5000 tables vs 50: %.2fx slower (per CPU second)\n", rawFew / rawMany);
    const double few = receivePath(dir.path(), 50, messages);
    const double many = receivePath(dir.path(), 5000, messages);
    std::printf("  receive path, 5000 peers vs 50: %.2fx slower (per CPU second)\n", few / many);
    // Rows of the table scripts/bench collects: processor time per message of a burst.
    const auto row = [](int peers, double perCpuSecond, double rawPerCpuSecond) {
        std::printf("| A burst of incoming messages, %d peers (CPU per message) | %.0f µs | %.0f µs, raw prepared insert |\n",
                    peers, 1e6 / perCpuSecond, 1e6 / rawPerCpuSecond);
    };
    row(50, few, rawFew);
    row(5000, many, rawMany);
    return 0;
}
