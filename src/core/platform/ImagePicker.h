#pragma once

#include <QByteArray>
#include <functional>

class AppContext;

/// The platform's picture picker: the photo library or the camera. The picture comes back as
/// PNG bytes (core has no image codecs); empty when the user cancelled. The app installs the
/// desktop implementation (a file dialog); the default picks nothing, so headless runs and
/// tests that install no fake never wait on a dialog.
class ImagePicker
{
public:
    enum Source { PhotoLibrary, Camera };
    using Picked = std::function<void(const QByteArray &png)>;

    ImagePicker() = default;
    explicit ImagePicker(AppContext &) {}
    virtual ~ImagePicker() = default;

    /// Opens the picker; picked runs once, later, with the picture or nothing.
    virtual void pickImage(Source source, Picked picked);

    /// The context's picker (the default when none was installed).
    static ImagePicker *picker();
};
