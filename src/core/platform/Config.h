#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QUrl>

class QCommandLineParser;

/// Where the client finds its servers and keeps its files. Defaults point at the local market
/// service on loopback; the environment (VELMORA_*) and then the command line override them.
struct Config
{
    QUrl serviceBaseUrl;   ///< absolute http URL ending with "/"
    QUrl adviceBaseUrl;    ///< absolute http URL ending with "/"
    QString sessionHost;
    quint16 sessionPort = 3014;
    QString dataDir;       ///< holds Documents/, tmp/ and Preferences/
    QString osVersion;     ///< the operating-system version string the service is told
    QString listsDir = QStringLiteral(":/data"); ///< folder of the app's JSON list resources (Province, ...)
    QString contactsDir;   ///< folder of the address book's .vcf files; empty: "Contacts" in dataDir
    /// The market's call centre, through which buyers reach a seller's extension.
    QString callCentreNumber = QStringLiteral("4008208820");
    /// The application store's lookup address the version check asks (GET, JSON "results");
    /// empty: "lookup" under the service base URL, where the local market service answers.
    QUrl versionLookupUrl;
    /// This build's version, compared as text with the store's.
    QString appVersion = QStringLiteral("1.0.0");

    static Config defaults();
    /// Applies VELMORA_SERVICE_URL, VELMORA_ADVICE_URL, VELMORA_SESSION_HOST,
    /// VELMORA_SESSION_PORT, VELMORA_DATA_DIR, VELMORA_CONTACTS_DIR, VELMORA_CALL_CENTRE,
    /// VELMORA_VERSION_URL, then --service-url, --advice-url, --session-host, --session-port,
    /// --data-dir, --contacts-dir, --call-centre and --version-url (as "--opt value" or "--opt=value").
    static Config fromArguments(const QStringList &arguments,
                                const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());
    /// The options above, for the program's one command-line parser, and the settings they give.
    static void addOptions(QCommandLineParser &parser);
    static Config fromParser(const QCommandLineParser &parser,
                             const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());

    /// A URL made absolute and given its trailing "/".
    static QUrl normalisedBase(const QString &text);
};
