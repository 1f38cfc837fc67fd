#pragma once

#include "app/SuperController.h"

#include "app/PagedListModel.h"

/// The resources the user opened in the supermarket, the most recent first; a row opens the
/// buying screen again.
class WaitBuyFromSupermarket : public SuperController
{
    Q_OBJECT
    /// Rows as shown: "date" ("yy-MM-dd"), "nsortName", "spec", "price", "resourceId".
    Q_PROPERTY(PagedListModel *dataArray READ dataArray CONSTANT)
public:
    explicit WaitBuyFromSupermarket(QObject *parent = nullptr);

    PagedListModel *dataArray() const { return m_dataArray; }

    Q_INVOKABLE void didSelectRow(int row);

    /// "yy-MM-dd" of a time in seconds since 1970, local time.
    static QString dateText(const QVariant &seconds);

protected:
    void viewDidLoad() override;
    /// Shown again (from another tab or back from the buying screen): read the table afresh.
    void viewWillAppear() override;

private:
    void reload();

    PagedListModel *m_dataArray;
};
