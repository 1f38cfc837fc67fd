#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QString>

/// One HTTP request as the service sees it: the body is complete and within the cap.
struct HttpRequest
{
    QByteArray method;
    QString path;                          ///< percent-decoded, without the leading "/"
    QByteArray query;                      ///< what followed "?" in the target, as sent
    QHash<QByteArray, QByteArray> headers; ///< names in lower case
    QByteArray body;
    QHostAddress peer;

    QByteArray header(const QByteArray &lowerName) const { return headers.value(lowerName); }
};

struct HttpResponse
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
};
