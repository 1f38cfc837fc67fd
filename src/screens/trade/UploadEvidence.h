#pragma once

#include "app/CustomIOS7AlertViewDelegate.h"
#include "app/SuperController.h"

/// The payment voucher of an order (an invoice, a bill of lading or a remittance receipt): the
/// user takes or picks a picture and sends it as PNG. Two states: choosing (the source buttons)
/// and chosen (the picture with submit and reset). Opened from the home page no order is given
/// and the service decides what the voucher belongs to.
class UploadEvidence : public SuperController, public CustomIOS7AlertViewDelegate
{
    Q_OBJECT
    Q_PROPERTY(bool chosen READ chosen NOTIFY chosenChanged)
    /// The file the page shows while chosen (empty for a camera picture, shown from pngData).
    Q_PROPERTY(QString imageFile READ imageFile NOTIFY chosenChanged)
    Q_PROPERTY(bool hasCamera READ hasCamera CONSTANT)
    /// The camera button's text: what it does, or that there is no camera.
    Q_PROPERTY(QString cameraTitle READ cameraTitle CONSTANT)
    /// The page shows the file picker while this is true.
    Q_PROPERTY(bool picking READ picking NOTIFY pickingChanged)
public:
    explicit UploadEvidence(QObject *parent = nullptr);

    QString orderId() const { return m_orderId; }
    void setOrderId(const QString &orderId) { m_orderId = orderId; }

    bool chosen() const { return !m_png.isEmpty(); }
    QString imageFile() const { return m_imageFile; }
    QByteArray pngData() const { return m_png; }
    bool hasCamera() const;
    QString cameraTitle() const;
    bool picking() const { return m_picking; }

    /// Tag 0: the camera (when there is one); any other: the photo library.
    Q_INVOKABLE void openImagePickerOrOpenCamera(int tag);
    /// The file chosen in the photo library (a local path or file URL); empty: cancelled.
    Q_INVOKABLE void didFinishPickingFile(const QString &file);
    /// Back to choosing: the picture is dropped.
    Q_INVOKABLE void reSet();
    /// Sends the picture for the order.
    Q_INVOKABLE void sumbit();

    void customIOS7dialogButtonTouchUpInside(CustomIOS7AlertView *alertView, int buttonIndex) override;

signals:
    void chosenChanged();
    void pickingChanged();

protected:
    void viewDidLoad() override;

private:
    void setPicture(const QByteArray &png, const QString &file);
    void setPicking(bool picking);

    QString m_orderId;
    QByteArray m_png;
    QString m_imageFile;
    bool m_picking = false;
    bool m_sending = false;
};
