#pragma once

#include <QNetworkReply>
#include <QString>
#include <QVariant>

class Request;

/// The platform error object handed to requestDidFail.
struct RequestError
{
    QNetworkReply::NetworkError code = QNetworkReply::UnknownNetworkError;
    QString message;
};

/// Receives the callbacks of a Request. The four request callbacks are optional (default no-ops);
/// showActivity / hideActivity are called on every delegate and so must be provided.
/// A delegate that is a QObject is held weakly: when it is destroyed the callbacks go nowhere.
class RequestDelegate
{
public:
    virtual ~RequestDelegate() = default;

    virtual void requestWillStart(Request *request) { Q_UNUSED(request) }
    virtual void requestProgress(Request *request, double progress) { Q_UNUSED(request) Q_UNUSED(progress) }
    /// result is the decoded JSON value, or an invalid QVariant when the body was not UTF-8 JSON.
    virtual void requestDidFinish(Request *request, const QVariant &result) { Q_UNUSED(request) Q_UNUSED(result) }
    virtual void requestDidFail(Request *request, const RequestError &error) { Q_UNUSED(request) Q_UNUSED(error) }

    virtual void showActivity() = 0;
    virtual void hideActivity() = 0;
};
