#include "ui/FileImagePickerPort.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

QByteArray FileImagePickerPort::pngOfFile(const QString &path) const
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // A phone photo is far larger than a voucher needs: read it at most kMaxSide on its long side.
    const QSize size = reader.size();
    if (size.isValid() && std::max(size.width(), size.height()) > kMaxSide)
        reader.setScaledSize(size.scaled(kMaxSide, kMaxSide, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? png : QByteArray();
}
