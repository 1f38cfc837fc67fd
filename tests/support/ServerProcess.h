#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariantMap>

/// Runs velmora-server as a child process on ephemeral ports over a temporary data directory,
/// for integration tests and benchmarks. start() waits for the server's "listening" line.
class ServerProcess
{
public:
    explicit ServerProcess(const QString &program);
    ~ServerProcess();

    /// Starts the server (extra arguments such as "--demo" are appended); false with a reason
    /// in errorText() when it did not come up within the time-out. After stop(), starting again
    /// reuses the same data directory (a restart).
    bool start(const QStringList &extraArguments = {}, int timeoutMs = 20000);
    void stop();

    quint16 httpPort() const { return m_httpPort; }
    quint16 sessionPort() const { return m_sessionPort; }
    /// "http://127.0.0.1:PORT/"
    QUrl baseUrl() const;
    QString dataDir() const { return m_dir.path(); }
    QString errorText() const { return m_error; }
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 processId() const { return m_process.processId(); }
    /// Starts the next server with this many file descriptors at most (0: inherited).
    void setFileLimit(int limit) { m_fileLimit = limit; }

    struct Reply
    {
        int status = 0;     ///< 0 when no answer came within 15 s
        QByteArray body;
        QVariantMap json;   ///< the body's JSON object, empty when it is none
    };
    /// Sends body to path with that content type (a form when empty) and method.
    Reply send(const QString &path, const QByteArray &body, const QByteArray &contentType = {},
               const QByteArray &method = "POST", const QByteArray &sessionKey = {}) const;
    /// Posts the info block with the client's token (and the session key, when given); the
    /// reply's JSON object.
    QVariantMap post(const QString &path, const QByteArray &info, const QByteArray &sessionKey = {}) const
    {
        return send(path, "auth={\"os\":\"iOS\",\"tokenKey\":\"A3C9E1F07B2D4C6E8F1A0B3D5C7E\"}&info=" + info, {}, "POST", sessionKey).json;
    }

    /// Everything the server logged so far (its standard error).
    QString log();
    /// The last verification code logged for a mobile number, empty when none.
    QString lastCode(const QString &mobile);

private:
    QString m_program;
    QTemporaryDir m_dir;
    QProcess m_process;
    QByteArray m_stdout;
    QByteArray m_stderr;
    int m_fileLimit = 0;
    quint16 m_httpPort = 0;
    quint16 m_sessionPort = 0;
    QString m_error;
};
