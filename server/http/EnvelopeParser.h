#pragma once

#include "ServiceCall.h"

#include <QByteArray>

/// Reads the body of a service call into a ServiceCall. Three shapes arrive:
/// - the raw envelope "auth=<JSON>&info=<JSON>" (JSON not encoded, so it may hold '&' and '=');
/// - an URL-encoded form with the fields "auth" and (optionally) "info";
/// - a multipart form with the parts "auth", "info" and "file" (picture upload).
class EnvelopeParser
{
public:
    /// Fills `call.auth`, `call.info` (and the file for multipart). Returns an empty string on
    /// success, otherwise a short reason for the log.
    static QString parse(const QByteArray &body, const QByteArray &contentType, ServiceCall &call);

    /// Percent-decoding of a form value, '+' meaning a space.
    static QByteArray formDecode(QByteArray value);

private:
    static QString parseRaw(const QByteArray &body, ServiceCall &call);
    static QString parseForm(const QByteArray &body, ServiceCall &call);
    static QString parseMultipart(const QByteArray &body, const QByteArray &boundary,
                                  ServiceCall &call);
    static QString readBlocks(const QByteArray &auth, const QByteArray &info, bool hasInfo,
                              ServiceCall &call);
};
