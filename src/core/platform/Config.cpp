#include "core/platform/Config.h"

#include <QCommandLineParser>
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

void Config::addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {QStringLiteral("service-url"), QStringLiteral("Base URL of the HTTP service."), QStringLiteral("url")},
        {QStringLiteral("advice-url"), QStringLiteral("Base URL of the advice service."), QStringLiteral("url")},
        {QStringLiteral("session-host"), QStringLiteral("Host of the session server."), QStringLiteral("host")},
        {QStringLiteral("session-port"), QStringLiteral("Port of the session server."), QStringLiteral("port")},
        {QStringLiteral("data-dir"), QStringLiteral("Folder for the user's data."), QStringLiteral("dir")},
        {QStringLiteral("contacts-dir"), QStringLiteral("Folder of the address book's vCard files."), QStringLiteral("dir")},
        {QStringLiteral("call-centre"), QStringLiteral("The market's call-centre number."), QStringLiteral("number")},
        {QStringLiteral("version-url"), QStringLiteral("Lookup address of the version check."), QStringLiteral("url")},
    });
}

Config Config::fromParser(const QCommandLineParser &parser, const QProcessEnvironment &env)
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
        } else if (key == u"version-url") {
            c.versionLookupUrl = QUrl(value.trimmed());
        }
    };
    const struct { const char *env; const char *key; } vars[] = {
        {"VELMORA_SERVICE_URL", "service-url"}, {"VELMORA_ADVICE_URL", "advice-url"},
        {"VELMORA_SESSION_HOST", "session-host"}, {"VELMORA_SESSION_PORT", "session-port"},
        {"VELMORA_DATA_DIR", "data-dir"}, {"VELMORA_CONTACTS_DIR", "contacts-dir"},
        {"VELMORA_CALL_CENTRE", "call-centre"}, {"VELMORA_VERSION_URL", "version-url"},
    };
    // The environment first, then the command line over it.
    for (const auto &v : vars) {
        const QString value = env.value(QString::fromLatin1(v.env));
        if (!value.isEmpty())
            apply(QString::fromLatin1(v.key), value);
    }
    for (const auto &v : vars) {
        const QString key = QString::fromLatin1(v.key);
        // An option given without its value changes nothing.
        if (parser.isSet(key) && !parser.value(key).isEmpty())
            apply(key, parser.value(key));
    }
    return c;
}

Config Config::fromArguments(const QStringList &arguments, const QProcessEnvironment &env)
{
    QCommandLineParser parser;
    addOptions(parser);
    // Options of other parts of the program are not this parser's business.
    (void)parser.parse(arguments);
    return fromParser(parser, env);
}
