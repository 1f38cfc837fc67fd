#pragma once

#include "core/platform/ImagePickerPort.h"

/// Picture sources without a dialog: the camera (when there is one) always takes one; only a
/// ".png" file is a picture.
struct FakeImagePickerPort : ImagePickerPort
{
    bool camera = true;
    bool hasCamera() const override { return camera; }
    void takePicture(QObject *, Picked picked) override { picked(QByteArrayLiteral("\x89PNG camera")); }
    QByteArray pngOfFile(const QString &path) const override
    {
        return path.endsWith(QLatin1String(".png")) ? QByteArrayLiteral("\x89PNG file") : QByteArray();
    }
};
