#include "core/util/ImageSignature.h"

#include <QtEndian>

namespace {
quint32 be32(const QByteArray &b, qsizetype at)
{
    return qFromBigEndian<quint32>(b.constData() + at);
}
quint16 le16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
qint32 le32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<qint32>(b.constData() + at);
}
quint8 byte(const QByteArray &b, qsizetype at)
{
    return quint8(b.at(at));
}
} // namespace

bool ImageSignature::isPicture(const QByteArray &bytes)
{
    return isPng(bytes) || isJpeg(bytes) || isGif(bytes) || isBmp(bytes) || isWebp(bytes);
}

bool ImageSignature::isPng(const QByteArray &b)
{
    // Signature, then the IHDR chunk (13 bytes of data) with a non-zero width and height.
    return b.size() >= 33 && b.startsWith("\x89PNG\r\n\x1a\n") && be32(b, 8) == 13 && b.mid(12, 4) == "IHDR"
           && be32(b, 16) != 0 && be32(b, 20) != 0;
}

bool ImageSignature::isJpeg(const QByteArray &b)
{
    // Start-of-image, then another marker (application data, tables, frame or comment).
    return b.size() >= 4 && byte(b, 0) == 0xFF && byte(b, 1) == 0xD8 && byte(b, 2) == 0xFF && byte(b, 3) >= 0xC0
           && byte(b, 3) != 0xFF;
}

bool ImageSignature::isGif(const QByteArray &b)
{
    // Header and the logical screen descriptor with its size.
    return b.size() >= 13 && (b.startsWith("GIF87a") || b.startsWith("GIF89a")) && le16(b, 6) != 0 && le16(b, 8) != 0;
}

bool ImageSignature::isBmp(const QByteArray &b)
{
    if (b.size() < 26 || !b.startsWith("BM"))
        return false;
    const qint32 infoSize = le32(b, 14);
    if (infoSize == 12) // the old core header: 16-bit sizes
        return le16(b, 18) != 0 && le16(b, 20) != 0;
    const bool knownInfo = infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 || infoSize == 108
                           || infoSize == 124;
    return knownInfo && le32(b, 18) > 0 && le32(b, 22) != 0; // a negative height is top-down
}

bool ImageSignature::isWebp(const QByteArray &b)
{
    if (b.size() < 20 || !b.startsWith("RIFF") || b.mid(8, 4) != "WEBP")
        return false;
    const QByteArray chunk = b.mid(12, 4);
    return chunk == "VP8 " || chunk == "VP8L" || chunk == "VP8X";
}
