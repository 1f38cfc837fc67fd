#pragma once

#include "app/DelegatePointer.h"
#include "app/SuperTableViewController.h"
#include "screens/market/InfoSelectorDelegate.h"

#include <QPointer>

#include "app/PagedListModel.h"
#include <QVariantList>
#include <QVariantMap>

/// The place picker and the base of the other filter pickers: a list of entries, one row each,
/// whose choice goes back to the screen that opened it through InfoSelectorDelegate. A place
/// with "citys" opens a second level listing them.
class InfoSelector : public SuperTableViewController
{
    Q_OBJECT
    Q_CLASSINFO("familyPage", "InfoSelector")
    /// What each row shows: "text", "disclosure" (a place with cities), "header" (the category
    /// head above a kind picker's first kind of a category), and the row's "entry"; a chosen
    /// row is selected (its check mark).
    Q_PROPERTY(PagedListModel *list READ list CONSTANT)
    /// The row to bring to the top; -1: stay. Announced once the picker has decided.
    Q_PROPERTY(int scrollRow READ scrollRow NOTIFY scrollRowChanged)
    Q_PROPERTY(QString rightButtonTitle READ rightButtonTitle NOTIFY rightButtonChanged)
    Q_PROPERTY(bool rightButtonShown READ rightButtonShown NOTIFY rightButtonChanged)
    /// Each row's height in points.
    Q_PROPERTY(int rowHeight READ rowHeight CONSTANT)
public:
    explicit InfoSelector(QObject *parent = nullptr);
    /// The city picker of a form: what it records lies in one city, so there is no "全国" (it
    /// would record a place without province or city).
    static InfoSelector *oneCity(InfoSelectorDelegate *delegate, ViewController *caller);

    /// The delegate and the screen to return to (the delegate's screen).
    void setDelegate(InfoSelectorDelegate *delegate, ViewController *caller);
    InfoSelectorDelegate *delegate() const { return m_delegate.get(); }
    ViewController *caller() const { return m_caller; }

    /// The entries shown, one row each, as the caller or the service gave them.
    QVariantList mainlist() const;
    /// Shows the entries; those whose row says "checked" start selected.
    void setList(const QVariantList &list);
    /// Plain texts, one row each (entries {"name": text}).
    void setTexts(const QStringList &texts);
    PagedListModel *list() const { return m_list; }
    int rowHeight() const { return m_rowHeight; }
    int count() const;
    int scrollRow() const { return m_scrollRow; }

    QVariantMap provenice() const { return m_provenice; }
    void setProvenice(const QVariantMap &province) { m_provenice = province; }
    bool hideRightView() const { return m_hideRightView; }
    void setHideRightView(bool hide);
    bool hideHotCalss() const { return m_hideHotCalss; }
    void setHideHotCalss(bool hide) { m_hideHotCalss = hide; }

    QString rightButtonTitle() const { return m_rightButtonTitle; }
    bool rightButtonShown() const { return !m_hideRightView && !m_rightButtonTitle.isEmpty(); }

    Q_INVOKABLE virtual void didSelectRow(int row);
    Q_INVOKABLE virtual void rightButtonPressed();
    /// The back button.
    Q_INVOKABLE void popViewController() override;

signals:
    void rightButtonChanged();
    void scrollRowChanged();

protected:
    /// The row shown for an entry.
    virtual QVariantMap rowFor(const QVariantMap &entry) const;
    QVariantMap entryAt(int row) const;
    /// The text a row shows.
    QString textAt(int row) const;
    void setRowHeight(int height) { m_rowHeight = height; }
    void setScrollRow(int row) { m_scrollRow = row; }
    bool delegateImplements(InfoSelectorDelegate::Operation operation) const;
    void setRightButtonTitle(const QString &title);
    /// Leaves this picker only (one level).
    void leave();
    /// Pops back to the screen that opened the picker (past a city level too).
    void returnToCaller();

private:
    DelegatePointer<InfoSelectorDelegate> m_delegate;
    QPointer<ViewController> m_caller;
    PagedListModel *m_list;
    int m_scrollRow = -1;
    int m_rowHeight = 44;
    QVariantMap m_provenice;
    bool m_hideRightView = false;
    bool m_hideHotCalss = false;
    QString m_rightButtonTitle;
};
