#pragma once

#include "core/platform/ImagePickerPort.h"

/// Picture sources without a dialog: the camera always takes one; only a ".png" file is a picture.
struct FakeImagePickerPort : ImagePickerPort
{
    bool hasCamera() const override { return true; }
    void takePicture(QObject *, Picked picked) override { picked(QByteArrayLiteral("\x89PNG camera")); }
    QByteArray pngOfFile(const QString &path) const override
    {
        return path.endsWith(QLatin1String(".png")) ? QByteArrayLiteral("\x89PNG file") : QByteArray();
    }
};
