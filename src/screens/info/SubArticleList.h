#pragma once

#include "app/SuperTableViewController.h"

class PagedListModel;

/// One group of a regional price list in full, paged, opened by its "更多 >>".
class SubArticleList : public SuperTableViewController
{
    Q_OBJECT
    /// "title", "image", "url".
    Q_PROPERTY(PagedListModel *mainlist READ mainlist CONSTANT)
public:
    explicit SubArticleList(QObject *parent = nullptr);

    /// The price list (sub-category id), the group and the region.
    void setIds(const QString &pid, const QString &cid, const QString &provinceId);
    PagedListModel *mainlist() const { return m_mainlist; }

    Q_INVOKABLE void didSelectRow(int row);

protected:
    void viewDidLoad() override;

private:
    QString m_pid;
    QString m_cid;
    QString m_provinceId;
    PagedListModel *m_mainlist;
};
