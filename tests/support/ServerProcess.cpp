#include "ServerProcess.h"

#include <QDebug>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSignalSpy>
#include <memory>
#include <sys/resource.h>

ServerProcess::ServerProcess(const QString &program) : m_program(program) {}

ServerProcess::~ServerProcess()
{
    stop();
}

bool ServerProcess::start(const QStringList &extraArguments, int timeoutMs)
{
    QStringList args{QStringLiteral("--http-port"), QStringLiteral("0"),
                     QStringLiteral("--session-port"), QStringLiteral("0"),
                     QStringLiteral("--data-dir"), m_dir.path(), QStringLiteral("--print-codes")};
    args << extraArguments;
    // A restart must read the new process's ports, not the old line.
    m_stdout.clear();
    m_stderr.clear();
    m_httpPort = m_sessionPort = 0;
    const rlim_t limit = rlim_t(m_fileLimit);
    m_process.setChildProcessModifier([limit] {
        const rlimit l{limit, limit};
        if (limit)
            setrlimit(RLIMIT_NOFILE, &l);
    });
    m_process.start(m_program, args);
    if (!m_process.waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(m_program, m_process.errorString());
        return false;
    }
    static const QRegularExpression line(
        QStringLiteral("velmora-server listening http=(\\d+) session=(\\d+)"));
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        m_stdout += m_process.readAllStandardOutput();
        const auto match = line.match(QString::fromUtf8(m_stdout));
        if (match.hasMatch()) {
            m_httpPort = quint16(match.captured(1).toUInt());
            m_sessionPort = quint16(match.captured(2).toUInt());
            return true;
        }
        if (m_process.state() != QProcess::Running) {
            m_error = QStringLiteral("server exited: %1").arg(QString::fromUtf8(m_process.readAllStandardError()));
            return false;
        }
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    m_error = QStringLiteral("no listening line within %1 ms").arg(timeoutMs);
    return false;
}

void ServerProcess::stop()
{
    // A checked build's server stops at its first finding and says why only on its standard error;
    // show it, or the test fails with nothing but a connection refused.
    const QString text = log();
    if (text.contains(QLatin1String("runtime error:")) || text.contains(QLatin1String("Sanitizer")))
        qWarning().noquote() << "velmora-server reported:\n" << text.right(6000);
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QUrl ServerProcess::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_httpPort));
}

ServerProcess::Reply ServerProcess::send(const QString &path, const QByteArray &body, const QByteArray &contentType,
                                         const QByteArray &method, const QByteArray &sessionKey) const
{
    QNetworkAccessManager nam;
    QNetworkRequest req(baseUrl().resolved(QUrl(path)));
    req.setHeader(QNetworkRequest::ContentTypeHeader,
                  contentType.isEmpty() ? QByteArray("application/x-www-form-urlencoded") : contentType);
    if (!sessionKey.isEmpty())
        req.setRawHeader("X-Velmora-Session", sessionKey);
    const std::unique_ptr<QNetworkReply> reply(nam.sendCustomRequest(req, method, body));
    QSignalSpy done(reply.get(), &QNetworkReply::finished);
    if (!reply->isFinished())
        done.wait(15000);
    Reply r;
    r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    r.body = reply->readAll();
    r.json = QJsonDocument::fromJson(r.body).object().toVariantMap();
    return r;
}

QString ServerProcess::log()
{
    m_stderr += m_process.readAllStandardError();
    return QString::fromUtf8(m_stderr);
}

QString ServerProcess::lastCode(const QString &mobile)
{
    const QRegularExpression re(QStringLiteral("verification code for %1: (\\d+)")
                                    .arg(QRegularExpression::escape(mobile)));
    QString code;
    auto it = re.globalMatch(log());
    while (it.hasNext())
        code = it.next().captured(1);
    return code;
}
