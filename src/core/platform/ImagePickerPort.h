#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class AppContext;

/// The phone's picture sources for a voucher: the photo library (a picture file the user chose)
/// and the camera. The port turns what was chosen into PNG bytes ready for upload. The default
/// port has no camera and cannot read pictures (the core has no image codecs); the window's
/// port reads files with the platform's codecs and looks for a camera where it can.
class ImagePickerPort
{
public:
    using Picked = std::function<void(const QByteArray &png)>;

    ImagePickerPort() = default;
    explicit ImagePickerPort(AppContext &) {}
    virtual ~ImagePickerPort() = default;

    /// Whether a camera can take the picture; when not, the camera button says so.
    virtual bool hasCamera() const { return false; }
    /// A camera button's title: what it does when there is a camera, else that there is none
    /// (the button is then greyed).
    QString cameraTitle(const QString &whenThere) const
    {
        return hasCamera() ? whenThere : QStringLiteral("没有可用的相机");
    }
    /// Takes one picture; picked runs once with its PNG bytes, or empty when none was taken.
    virtual void takePicture(QObject *receiver, Picked picked)
    {
        Q_UNUSED(receiver)
        if (picked)
            picked({});
    }
    /// The picture in the file as PNG, scaled down to a size fit for upload; empty when the
    /// file is not a picture.
    virtual QByteArray pngOfFile(const QString &path) const
    {
        Q_UNUSED(path)
        return {};
    }

    /// The local path of what a file dialog returned (a path or a file URL); empty when cancelled.
    static QString localPath(const QString &fileOrUrl)
    {
        const QUrl url(fileOrUrl);
        return url.isLocalFile() ? url.toLocalFile() : fileOrUrl;
    }
};
