#include "screens/trade/UploadEvidence.h"

#include "app/CustomIOS7AlertView.h"
#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/ImagePickerPort.h"
#include "core/session/UserInfo.h"

#include <QUrl>

UploadEvidence::UploadEvidence(QObject *parent) : SuperController(parent) {}

void UploadEvidence::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("发票、提货单、汇款单据均可"));
}

bool UploadEvidence::hasCamera() const
{
    return context().service<ImagePickerPort>()->hasCamera();
}

QString UploadEvidence::cameraTitle() const
{
    return context().service<ImagePickerPort>()->cameraTitle(QStringLiteral("拍照"));
}

void UploadEvidence::openImagePickerOrOpenCamera(int tag)
{
    if (tag != 0)
        return setPicking(true);
    if (!hasCamera())
        return;
    context().service<ImagePickerPort>()->takePicture(this, [this](const QByteArray &png) {
        if (!png.isEmpty())
            setPicture(png, QString());
    });
}

void UploadEvidence::didFinishPickingFile(const QString &file)
{
    setPicking(false);
    const QString path = ImagePickerPort::localPath(file);
    if (path.isEmpty())
        return;
    // A file that is no picture changes nothing: the user is still choosing.
    const QByteArray png = context().service<ImagePickerPort>()->pngOfFile(path);
    if (!png.isEmpty())
        setPicture(png, QUrl::fromLocalFile(path).toString());
}

void UploadEvidence::setPicture(const QByteArray &png, const QString &file)
{
    m_png = png;
    m_imageFile = file;
    emit chosenChanged();
}

void UploadEvidence::setPicking(bool picking)
{
    if (m_picking == picking)
        return;
    m_picking = picking;
    emit pickingChanged();
}

void UploadEvidence::reSet()
{
    setPicture({}, {});
}

void UploadEvidence::sumbit()
{
    if (m_png.isEmpty() || m_sending)
        return;
    UserInfo *user = UserInfo::info();
    // Without an order (from the home page) the order number goes as the empty text.
    const QString orderId = m_orderId.isNull() ? QStringLiteral("") : m_orderId;
    // One upload at a time: a second tap while the first is on its way sends nothing.
    m_sending = true;
    Request::request()
        ->onReply(this, [this](const ServiceReply &reply) {
            m_sending = false;
            // A refusal keeps the picture, so the user can send it again.
            if (!reply.alertUnlessOk())
                return;
            auto *done = new CustomIOS7AlertView(QStringLiteral("好"), QStringLiteral("凭证已上传"), this);
            done->setDelegate(this);
            done->show();
        })
        ->onFailure(this, [this](const RequestError &) { m_sending = false; })
        ->uploadUntiyImage(user->userId(), m_png, 1, user->companyName(), orderId, this);
}

void UploadEvidence::customIOS7dialogButtonTouchUpInside(CustomIOS7AlertView *, int)
{
    reSet();
}
