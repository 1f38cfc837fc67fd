#pragma once

#include "app/SubmitGuard.h"
#include "app/SuperController.h"
#include "screens/account/AccountInfoEditTextDelegate.h"
#include "screens/market/InfoSelectorDelegate.h"

#include <QVariantList>

/// The company profile: mobile number, contact person, company name, place and standing
/// supply/demand. "编辑" (only for a company not yet certified) makes rows 1 to 4 editable;
/// "保存" sends the working copy, which reaches the user record once the service accepted it.
class AccountInfo : public SuperController, public InfoSelectorDelegate, public AccountInfoEditTextDelegate
{
    Q_OBJECT
    Q_PROPERTY(bool editShown READ editShown CONSTANT)
    Q_PROPERTY(bool editing READ editing NOTIFY editingChanged)
    Q_PROPERTY(QString editTitle READ editTitle NOTIFY editingChanged)
    /// One row per value: "caption", "value", "height", "section", "selectable".
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
public:
    explicit AccountInfo(QObject *parent = nullptr);

    enum Row { Mobile, Contact, Company, Place, Products, RowCount };

    bool editShown() const;
    bool editing() const { return m_editing; }
    QString editTitle() const;
    QVariantList rows() const;
    QString value(int index) const { return m_values.value(index); }

    /// "编辑" / "保存".
    Q_INVOKABLE void editPressed();
    /// A row by its index (0 to 4); only while editing, and never the mobile number.
    Q_INVOKABLE void didSelectRow(int index);
    /// The text editor's "完成": the typed text (possibly empty) replaces the row's value.
    void infoEditDidFinish(const QString &text, int index) override;

    /// A place as shown: "province city", or the city alone when the two are the same.
    static QString placeText(const QString &province, const QString &city);

    bool implements(Operation operation) const override;
    void didSeletedCity(const QVariantMap &result) override;
    void didSeletedProducts(const QString &products) override;

signals:
    void editingChanged();
    void rowsChanged();

protected:
    void viewDidLoad() override;

private:
    void loadFromRecord();
    void save();
    void saved();

    QStringList m_values;
    QString m_selectProvince;
    QString m_selectCity;
    bool m_editing = false;
    SubmitGuard m_submit;
};
