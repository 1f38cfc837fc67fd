#pragma once

#include "core/util/JsonWriter.h"

#include <QByteArray>

/// The multipart form of the picture upload: the authentication block, the info block and the
/// PNG file, each as one part, in that order.
class ImageUpload
{
public:
    static constexpr const char *kBoundary = "AaB03x";
    static constexpr const char *kFileName = "unity.png";

    /// The body, byte for byte. It ends with the closing boundary and nothing after it: the
    /// service reads the last part up to there.
    static QByteArray body(const JsonMembers &auth, const JsonMembers &info, const QByteArray &png);

    /// The value of the Content-Type header: "multipart/form-data; boundary=AaB03x".
    static QByteArray contentType();
};
