#pragma once

#include "app/SuperController.h"

#include <QVariantList>

/// The company's certificates: four kinds, each uploaded as a picture from the photo library (a
/// file dialog on the page) or the camera, and marked once the service has it.
class SubmitCer : public SuperController
{
    Q_OBJECT
    /// One row per certificate: "caption", "uploaded".
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
    /// The page shows the file picker while this is true.
    Q_PROPERTY(bool picking READ picking NOTIFY pickingChanged)
public:
    explicit SubmitCer(QObject *parent = nullptr) : SuperController(parent) {}

    QVariantList rows() const;
    bool picking() const { return m_pickingRow >= 0; }
    /// The upload type the service files a row's picture under.
    static int uploadType(int row);
    static constexpr int kRows = 4;

    /// A row's upload button: asks where the picture comes from.
    Q_INVOKABLE void uploadPressed(int row);
    /// The file chosen in the photo library (a local path or file URL); empty: cancelled.
    Q_INVOKABLE void didFinishPickingFile(const QString &file);

signals:
    void rowsChanged();
    void pickingChanged();

protected:
    void viewDidLoad() override;

private:
    void setPickingRow(int row);
    void upload(int row, const QByteArray &png);

    bool m_uploaded[kRows] = {};
    int m_uploading = 0;
    int m_pickingRow = -1;   // the row the file picker is open for
};
