#pragma once

#include "app/AlertStyleValue1Delegate.h"
#include "app/DelegatePointer.h"
#include "app/FerroxAlertDelegate.h"
#include "app/SuperController.h"
#include "screens/account/AccountInfoEditTextDelegate.h"
#include "screens/market/CategoryTree.h"
#include "screens/market/InfoSelectorDelegate.h"
#include "screens/trade/AddBiddingDelegate.h"

#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

/// The tender form: nine rows, each filled by a picker or the text editor, never typed in
/// place. Entries live in `dataDict` by row ("0" to "8"), each {"id": value sent, "name":
/// text shown} (row 7: "provinceID", "cityID", "name"). A new category empties kind and
/// material, a new kind the material, as soon as their picker opens. Saved tenders are
/// unpublished; an edit offers to publish at once.
class AddBidding : public SuperController,
                   public InfoSelectorDelegate,
                   public AccountInfoEditTextDelegate,
                   public AlertStyleValue1Delegate,
                   public FerroxAlertDelegate
{
    Q_OBJECT
    /// One per row: "caption", "text" (the entry's name), "note" (the price row's "(卖家不可见)").
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
    Q_PROPERTY(QString saveTitle READ saveTitle CONSTANT)
public:
    explicit AddBidding(QObject *parent = nullptr);

    QVariantMap dataDict() const { return m_dataDict; }
    /// An edit's entries (BiddingDetail::formEntries); set before the form opens.
    void setDataDict(const QVariantMap &entries) { m_dataDict = entries; }
    QString resourceid() const { return m_resourceid; }
    void setResourceid(const QString &id) { m_resourceid = id; }
    void setDelegate(AddBiddingDelegate *delegate) { m_delegate = delegate; }
    /// The category tree ("data" of the query conditions), once loaded.
    QVariantList shuju() const { return m_tree->tree(); }
    bool isEdit() const { return !m_resourceid.isEmpty() && m_resourceid != QLatin1String("0"); }

    QVariantList rows() const;
    QString saveTitle() const { return isEdit() ? QStringLiteral("保存修改") : QStringLiteral("保存新增"); }
    static QStringList captions();
    static QString incompleteText() { return QStringLiteral("所有信息必须填写，请填写完整信息"); }

    /// A row: its picker or the text editor.
    Q_INVOKABLE void didSelectRow(int row);
    /// The save button.
    Q_INVOKABLE void addBtnDidClicked();

    bool implements(Operation operation) const override;
    void didSeletedClass(const QVariantMap &category) override;
    void didSeletedClass(const QVariantMap &category, const QVariantMap &subClassInfo) override;
    void didSeletedFormat(const QString &format) override;
    void changeCaizhi(const QString &material) override;
    void numberSelected(const QString &number) override;
    void changeLabelText(const QString &text) override;
    void didSeletedCity(const QVariantMap &result) override;
    void infoEditDidFinish(const QString &text, int idx) override;
    void clickedButton(ButtonModel *button) override;
    void steelViewWillDisappear(FerroxAlert *alert) override;

signals:
    void rowsChanged();

protected:
    void viewDidLoad() override;

private:
    void setEntry(int row, const QString &id, const QString &name);
    void emptyEntry(int row);
    QString entryText(int row, const char *key = "id") const;
    bool complete() const;

    QVariantMap m_dataDict;
    QString m_resourceid;
    DelegatePointer<AddBiddingDelegate> m_delegate;
    CategoryTree *m_tree;
    QStringList m_caizhi;
    bool m_saving = false;
};
