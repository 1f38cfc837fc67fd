#pragma once

#include <QByteArray>

/// Tells picture bytes from anything else (an HTML error page, a truncated reply) without a
/// graphics library: PNG, JPEG, GIF, BMP and WebP, by their signature and a header that names
/// a picture of non-zero size.
class ImageSignature
{
public:
    static bool isPicture(const QByteArray &bytes);

private:
    static bool isPng(const QByteArray &b);
    static bool isJpeg(const QByteArray &b);
    static bool isGif(const QByteArray &b);
    static bool isBmp(const QByteArray &b);
    static bool isWebp(const QByteArray &b);
};
