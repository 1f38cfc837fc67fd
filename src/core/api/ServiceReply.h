#pragma once

#include <QString>
#include <QVariant>

/// The service's answer, unwrapped once: {"errorCode", "message", "data"}. "errorCode" is read
/// as an integer (number or numeric text; missing counts as 0), so a body that is not JSON
/// reads as errorCode 0 with no data, which lists take as "nothing changed".
struct ServiceReply
{
    int errorCode = 0;
    QString message;
    QVariant data;
    /// The whole decoded reply, for the few screens that read members beside "data".
    QVariant result;

    bool ok() const { return errorCode == 0; }
    /// A member of "data" when it is a dictionary (none otherwise).
    QVariant value(const QString &key) const;

    static ServiceReply unwrap(const QVariant &result);
    /// When the reply is a refusal, shows its "message" in the shared message alert. Returns ok().
    bool alertUnlessOk() const;
};
