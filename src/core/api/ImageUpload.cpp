#include "core/api/ImageUpload.h"

namespace {

const QByteArray kCrLf("\r\n");

QByteArray boundaryLine()
{
    return QByteArray("--") + ImageUpload::kBoundary;
}

} // namespace

QByteArray ImageUpload::body(const JsonMembers &auth, const JsonMembers &info, const QByteArray &png)
{
    QByteArray out;
    out += boundaryLine() + kCrLf;
    out += "Content-Disposition: form-data; name=\"auth\"\r\n\r\n";
    out += JsonWriter::write(auth) + kCrLf;
    out += boundaryLine() + kCrLf;
    out += "Content-Disposition: form-data; name=\"info\"\r\n\r\n";
    out += JsonWriter::write(info) + kCrLf;
    out += boundaryLine() + kCrLf;
    out += QByteArray("Content-Disposition: form-data; name=\"file\"; filename=\"") + kFileName + "\"\r\n";
    out += "Content-Type: image/png\r\n\r\n";
    out += png;
    out += kCrLf + boundaryLine() + "--";
    return out;
}

QByteArray ImageUpload::contentType()
{
    return QByteArray("multipart/form-data; boundary=") + kBoundary;
}
