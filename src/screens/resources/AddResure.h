#pragma once

#include "app/AlertStyleValue1Delegate.h"
#include "app/DelegatePointer.h"
#include "app/SuperController.h"
#include "screens/market/CategoryTree.h"
#include "screens/market/InfoSelectorDelegate.h"
#include "screens/resources/AddResureDelegate.h"

#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

/// The resource form: a new steel lot, or a change to an unpublished one, saved to the service
/// (saving does not publish). Four picks live in `dataDict`: "0" category and "1" kind as
/// {"id", "name"}, "2" the weighing method's text, "3" the city {"provinceID", "cityID", "name"};
/// the material comes from the kind's list (or is typed when it has none); the rest is typed.
class AddResure : public SuperController, public InfoSelectorDelegate, public AlertStyleValue1Delegate
{
    Q_OBJECT
    Q_PROPERTY(QString saveTitle READ saveTitle CONSTANT)
    /// The titles of the pick buttons and the material label.
    Q_PROPERTY(QString categoryTitle READ categoryTitle NOTIFY picksChanged)
    Q_PROPERTY(QString kindTitle READ kindTitle NOTIFY picksChanged)
    Q_PROPERTY(QString countTypeTitle READ countTypeTitle NOTIFY picksChanged)
    Q_PROPERTY(QString cityTitle READ cityTitle NOTIFY picksChanged)
    Q_PROPERTY(QString material READ material NOTIFY picksChanged)
public:
    explicit AddResure(QObject *parent = nullptr);

    /// The form changing the resource shown by a detail (its "Market/Details" data).
    static AddResure *toEdit(const QString &resourceId, const QVariantMap &detail);

    void setDelegate(AddResureDelegate *delegate) { m_delegate = delegate; }
    bool isAddStyle() const { return m_isAddStyle; }
    QString resourceid() const { return m_resourceid; }
    QVariantMap dataDict() const { return m_dataDict; }
    /// The category tree, once loaded, and the category names offered from it.
    QVariantList shuju() const { return m_tree->tree(); }
    QStringList dalei() const { return m_tree->categoryNames(); }
    /// Hidden start values, kept as the resource had them and never sent.
    QString youhui() const { return m_youhui; }

    QString saveTitle() const { return m_isAddStyle ? QStringLiteral("保存新增") : QStringLiteral("保存修改"); }
    QString categoryTitle() const { return m_categoryTitle; }
    QString kindTitle() const { return m_kindTitle; }
    QString countTypeTitle() const { return m_countTypeTitle; }
    QString cityTitle() const { return m_cityTitle; }
    QString material() const { return m_material; }
    static QString incompleteText() { return QStringLiteral("所有信息必须填写，请填写完整信息"); }

    Q_INVOKABLE void chooseCategory();
    Q_INVOKABLE void chooseKind();
    Q_INVOKABLE void chooseMaterial();
    Q_INVOKABLE void chooseCountType();
    Q_INVOKABLE void chooseCity();
    /// The save button (and Return in the last field).
    Q_INVOKABLE void save();
    /// Back: an opener not yet told of a save hears of it now.
    Q_INVOKABLE void popViewController() override;

    bool implements(Operation operation) const override;
    void changedalei(const QString &name, const QVariantList &tree) override;
    void changepingming(const QString &name, const QVariantList &tree) override;
    void changeCaizhi(const QString &material) override;
    void didSeletedWeight(const QString &weight) override;
    void didSeletedCity(const QVariantMap &result) override;
    void clickedButton(ButtonModel *button) override;

signals:
    void picksChanged();

protected:
    void viewDidLoad() override;

private:
    QString pick(const char *entry, const char *key) const;
    void tellDelegate();
    /// "继续添加": every field, pick and title empty, ready for the next resource.
    void clearAll();

    bool m_isAddStyle = true;
    QString m_resourceid;
    DelegatePointer<AddResureDelegate> m_delegate;
    QVariantMap m_dataDict;
    CategoryTree *m_tree;
    QString m_categoryTitle;
    QString m_kindTitle;
    QString m_countTypeTitle;
    QString m_cityTitle;
    QString m_material;
    QString m_youhui;
    bool m_saving = false;
    bool m_savedUntold = false;
};
