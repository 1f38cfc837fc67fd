#pragma once

#include "app/SuperController.h"

#include <QVariantList>

/// The company's certificates: four kinds, each uploaded as a picture from the photo library or
/// the camera, and marked once the service has it.
class SubmitCer : public SuperController
{
    Q_OBJECT
    /// One row per certificate: "caption", "uploaded".
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
public:
    explicit SubmitCer(QObject *parent = nullptr) : SuperController(parent) {}

    QVariantList rows() const;
    /// The upload type the service files a row's picture under.
    static int uploadType(int row);
    static constexpr int kRows = 4;

    /// A row's upload button: asks where the picture comes from.
    Q_INVOKABLE void uploadPressed(int row);

signals:
    void rowsChanged();

protected:
    void viewDidLoad() override;

private:
    void upload(int row, const QByteArray &png);

    bool m_uploaded[kRows] = {};
    int m_uploading = 0;
};
