#pragma once

#include <QByteArray>

/// A small PNG encoder for the demo pictures (adverts, mill logos, article images), so the
/// service can serve real pictures without linking a GUI library.
class PngImage
{
public:
    /// A width × height picture in `background` with diagonal bands of `band` (0xRRGGBB).
    static QByteArray banded(int width, int height, quint32 background, quint32 band);

private:
    static void appendChunk(QByteArray &png, const char type[4], const QByteArray &data);
    static quint32 crc32(const QByteArray &bytes);
};
