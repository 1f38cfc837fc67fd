#pragma once

#include "app/SuperController.h"
#include "screens/market/InfoSelectorDelegate.h"

#include <QVariantList>

class PagedListModel;

/// The information centre: five main categories (bottom bar), each with its fixed
/// sub-categories (top bar, swiped through). Category 1, prices by region, is one list of
/// groups with a region choice; the others are paged lists of articles, category 2 the paid
/// analyses. A row opens in the reader.
class ArticleList : public SuperController, public InfoSelectorDelegate
{
    Q_OBJECT
    Q_PROPERTY(int style READ style NOTIFY categoryChanged)
    Q_PROPERTY(int headButtonIdx READ headButtonIdx NOTIFY categoryChanged)
    /// The main-category buttons: "title", "selected".
    Q_PROPERTY(QVariantList mainButtons READ mainButtons NOTIFY categoryChanged)
    /// The sub-category buttons of the current category: "title", "width", "selected".
    Q_PROPERTY(QVariantList subButtons READ subButtons NOTIFY categoryChanged)
    Q_PROPERTY(bool subBarShown READ subBarShown NOTIFY categoryChanged)
    Q_PROPERTY(bool regionShown READ regionShown NOTIFY categoryChanged)
    Q_PROPERTY(QString regionTitle READ regionTitle NOTIFY regionChanged)
    /// The articles of a paged category: "title", "image", "url".
    Q_PROPERTY(PagedListModel *mainlist READ mainlist CONSTANT)
    /// The price lists by region, flattened: a "group" row (its name, "更多 >>") before its
    /// "news" rows.
    Q_PROPERTY(PagedListModel *groups READ groups CONSTANT)
    Q_PROPERTY(QString moreTitle READ moreTitle CONSTANT)
public:
    explicit ArticleList(QObject *parent = nullptr);

    enum Category { News, Prices, Analyses, Mills, Research, CategoryCount };

    int style() const { return m_style; }
    int headButtonIdx() const { return m_headButtonIdx; }
    QString provinceId() const { return m_provinceId; }
    QVariantList mainButtons() const;
    QVariantList subButtons() const;
    bool subBarShown() const { return m_style != Analyses; }
    bool regionShown() const { return m_style == Prices; }
    QString regionTitle() const { return m_regionTitle; }
    PagedListModel *mainlist() const { return m_mainlist; }
    PagedListModel *groups() const { return m_groups; }
    static QString moreTitle() { return QStringLiteral("更多 >>"); }
    /// The sub-category id being shown ("" in category 2, which has none).
    QString currentId() const;

    /// A main-category button (0 to 4).
    Q_INVOKABLE void mainButtonPressed(int index);
    /// A sub-category button, by its tag (10 + index).
    Q_INVOKABLE void subButtonPressed(int tag);
    /// A swipe to the left shows the next sub-category, to the right the previous one.
    Q_INVOKABLE void swipeLeft();
    Q_INVOKABLE void swipeRight();
    /// A row of mainlist / an article row of groups.
    Q_INVOKABLE void didSelectRow(int row);
    Q_INVOKABLE void didSelectGroupRow(int row);
    /// The "更多 >>" of a group row: the group's whole list.
    Q_INVOKABLE void moreInGroup(int row);
    /// The region button of category 1: the province picker.
    Q_INVOKABLE void regionPressed();
    /// Back closes the information centre, which is presented on its own.
    Q_INVOKABLE void popViewController() override;

    bool implements(Operation operation) const override { return operation == DidSeletedCity; }
    void didSeletedCity(const QVariantMap &result) override;

signals:
    void categoryChanged();
    void regionChanged();

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;

private:
    void selectSub(int index);
    void reload();
    void open(const QVariantMap &row);
    bool online() const;

    int m_style = News;
    int m_headButtonIdx = 0;
    QString m_provinceId = QStringLiteral("0");
    QString m_regionTitle;
    bool m_listedOnline = false;
    PagedListModel *m_mainlist;
    PagedListModel *m_groups;
};
