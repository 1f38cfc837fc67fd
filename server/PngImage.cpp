#include "PngImage.h"

#include <QtEndian>
#include <array>

quint32 PngImage::crc32(const QByteArray &bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xffffffffu;
    for (char byte : bytes)
        c = table[(c ^ quint8(byte)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void PngImage::appendChunk(QByteArray &png, const char type[4], const QByteArray &data)
{
    char length[4];
    qToBigEndian<quint32>(quint32(data.size()), length);
    png.append(length, 4);
    const QByteArray typed = QByteArray(type, 4) + data;
    png.append(typed);
    char crc[4];
    qToBigEndian<quint32>(crc32(typed), crc);
    png.append(crc, 4);
}

QByteArray PngImage::banded(int width, int height, quint32 background, quint32 band)
{
    QByteArray raw;
    raw.reserve((width * 3 + 1) * height);
    for (int y = 0; y < height; ++y) {
        raw.append('\0'); // filter type: none
        for (int x = 0; x < width; ++x) {
            const quint32 c = ((x + y) / 24) % 3 == 0 ? band : background;
            raw.append(char((c >> 16) & 0xff));
            raw.append(char((c >> 8) & 0xff));
            raw.append(char(c & 0xff));
        }
    }
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(width), header.data());
    qToBigEndian<quint32>(quint32(height), header.data() + 4);
    header[8] = 8;  // bit depth
    header[9] = 2;  // colour type: RGB
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    // qCompress prefixes the zlib stream with its own 4-byte length; PNG wants the bare stream.
    appendChunk(png, "IDAT", qCompress(raw, 9).mid(4));
    appendChunk(png, "IEND", QByteArray());
    return png;
}
