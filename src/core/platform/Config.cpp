#include "core/platform/Config.h"

#include <QDir>
#include <QStandardPaths>
#include <QSysInfo>

Config Config::defaults()
{
    Config c;
    c.serviceBaseUrl = QUrl(QStringLiteral("http://127.0.0.1:8080/"));
    c.adviceBaseUrl = QUrl(QStringLiteral("http://127.0.0.1:8080/advice/"));
    c.sessionHost = QStringLiteral("127.0.0.1");
    c.sessionPort = 3014;
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    c.dataDir = base + QStringLiteral("/velmora");
    c.osVersion = QSysInfo::productVersion();
    return c;
}

QUrl Config::normalisedBase(const QString &text)
{
    QString t = text.trimmed();
    if (!t.endsWith(u'/'))
        t.append(u'/');
    return QUrl(t);
}

Config Config::fromArguments(const QStringList &arguments, const QProcessEnvironment &env)
{
    Config c = defaults();
    auto apply = [&c](const QString &key, const QString &value) {
        if (key == u"service-url")
            c.serviceBaseUrl = normalisedBase(value);
        else if (key == u"advice-url")
            c.adviceBaseUrl = normalisedBase(value);
        else if (key == u"session-host")
            c.sessionHost = value;
        else if (key == u"session-port") {
            bool ok = false;
            const uint p = value.toUInt(&ok);
            if (ok && p > 0 && p < 65536)
                c.sessionPort = quint16(p);
        } else if (key == u"data-dir") {
            c.dataDir = QDir(value).absolutePath();
        } else if (key == u"contacts-dir") {
            c.contactsDir = QDir(value).absolutePath();
        } else if (key == u"call-centre") {
            c.callCentreNumber = value.trimmed();
        }
    };
    const struct { const char *env; const char *key; } vars[] = {
        {"VELMORA_SERVICE_URL", "service-url"}, {"VELMORA_ADVICE_URL", "advice-url"},
        {"VELMORA_SESSION_HOST", "session-host"}, {"VELMORA_SESSION_PORT", "session-port"},
        {"VELMORA_DATA_DIR", "data-dir"}, {"VELMORA_CONTACTS_DIR", "contacts-dir"},
        {"VELMORA_CALL_CENTRE", "call-centre"},
    };
    for (const auto &v : vars) {
        const QString value = env.value(QString::fromLatin1(v.env));
        if (!value.isEmpty())
            apply(QString::fromLatin1(v.key), value);
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (!arg.startsWith(QStringLiteral("--")))
            continue;
        const QString body = arg.mid(2);
        const qsizetype eq = body.indexOf(u'=');
        if (eq >= 0) {
            apply(body.left(eq), body.mid(eq + 1));
        } else if (i + 1 < arguments.size()) {
            const QString key = body;
            if (key == u"service-url" || key == u"advice-url" || key == u"session-host"
                || key == u"session-port" || key == u"data-dir" || key == u"contacts-dir"
                || key == u"call-centre")
                apply(key, arguments.at(++i));
        }
    }
    return c;
}
