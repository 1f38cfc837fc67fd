#include "screens/account/SubmitCer.h"

#include "app/Alerts.h"
#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/ImagePickerPort.h"
#include "core/platform/Logging.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"

#include <QPointer>

void SubmitCer::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("提交公司认证资料"));
}

int SubmitCer::uploadType(int row)
{
    static const int types[kRows] = {2, 3, 4, 8};
    return row >= 0 && row < kRows ? types[row] : 0;
}

QVariantList SubmitCer::rows() const
{
    static const char *const captions[kRows] = {"工商营业执照（副本）:", "税务登记证 :", "组织机构代码证 :", "身份证:"};
    QVariantList out;
    for (int row = 0; row < kRows; ++row)
        out.append(QVariantMap{{QStringLiteral("caption"), QString::fromUtf8(captions[row])},
                               {QStringLiteral("uploaded"), m_uploaded[row]}});
    return out;
}

void SubmitCer::uploadPressed(int row)
{
    if (row < 0 || row >= kRows)
        return;
    // Without a camera its choice stays in the sheet, greyed and saying so, as on the voucher screen.
    const ImagePickerPort *picker = context().service<ImagePickerPort>();
    context().service<Alerts>()->showActionSheet(
        QStringLiteral("选择证件来源..."), QStringLiteral("取消"), {},
        {QStringLiteral("从本地相册"), picker->cameraTitle(QStringLiteral("摄像头拍摄"))},
        [self = QPointer<SubmitCer>(this), row](int index) {
            if (!self || index > 1)
                return;
            if (index == 0)
                return self->setPickingRow(row);
            self->context().service<ImagePickerPort>()->takePicture(self, [self, row](const QByteArray &png) {
                if (self && !png.isEmpty())
                    self->upload(row, png);
            });
        },
        picker->hasCamera() ? QList<int>{} : QList<int>{1});
}

void SubmitCer::didFinishPickingFile(const QString &file)
{
    const int row = m_pickingRow;
    setPickingRow(-1);
    // A cancelled dialog or a file that is no picture sends nothing.
    const QByteArray png = context().service<ImagePickerPort>()->pngOfFile(ImagePickerPort::localPath(file));
    if (row >= 0 && !png.isEmpty())
        upload(row, png);
}

void SubmitCer::setPickingRow(int row)
{
    if (m_pickingRow == row)
        return;
    m_pickingRow = row;
    emit pickingChanged();
}

void SubmitCer::upload(int row, const QByteArray &png)
{
    const UserInfo *user = context().service<UserInfo>();
    // The upload shows no busy indicator of its own; the screen's stays up while any is on its way.
    ++m_uploading;
    showActivity();
    const auto ended = [this] {
        if (--m_uploading == 0)
            hideActivity();
    };
    Request::request()
        ->onReply(this, [this, row, ended](const ServiceReply &reply) {
            ended();
            if (!reply.alertUnlessOk())
                return;
            m_uploaded[row] = true;
            emit rowsChanged();
            Custom::messageWithString(QStringLiteral("证书已上传"));
        })
        ->onFailure(this, [ended](const RequestError &) {
            ended();
            qCInfo(lcApp) << "certificate upload failed";
        })
        ->uploadUntiyImage(user->userId(), png, uploadType(row), user->companyName(), QStringLiteral(""), this);
}
