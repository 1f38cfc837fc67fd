#pragma once

#include "core/platform/ImagePickerPort.h"

/// The desktop's picture sources: picture files read with the platform's image codecs. A
/// desktop has no camera the app can take a voucher with, so the camera button says so.
class FileImagePickerPort : public ImagePickerPort
{
public:
    QByteArray pngOfFile(const QString &path) const override;

    /// The longest side a voucher is sent with; larger pictures are scaled down.
    static constexpr int kMaxSide = 1600;
};
