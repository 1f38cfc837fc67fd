#pragma once

#include "app/SuperController.h"

#include <QVariantList>
#include <QVariantMap>
#include <functional>

/// Root of the business tab (我的业务): the user's order, tender, bid and resource lists in two
/// groups of five rows, the buyer's side and the seller's. Three rows carry an unread mark,
/// lit by the chat manager when the service pushes an order-state change ("orderstate" +
/// userId in the table store, one row per type) and cleared when the user opens the row.
/// Nobody logged in: the login screen covers the tab.
class MyBusiness : public SuperController
{
    Q_OBJECT
    /// Two sections of {"header", "headerTitle", "rows"}; a row is {"title", "icon", "markText", "marked",
    /// "enabled"}. A row whose list is not part of the app yet is not enabled.
    Q_PROPERTY(QVariantList sections READ sections NOTIFY sectionsChanged)
public:
    explicit MyBusiness(QObject *parent = nullptr);

    QVariantList sections() const;
    /// Whether the row shows its mark now.
    bool isMarked(int section, int row) const;

    /// Opens the row's list, after noting the side ("buyorsell") and clearing the row's mark.
    Q_INVOKABLE void didSelectRow(int section, int row);
    /// Reads the marks afresh from the table store and redraws.
    void refreshTableView();

    static constexpr int kRowsPerSection = 5;

signals:
    void sectionsChanged();

protected:
    void viewDidLoad() override;

private:
    struct Entry
    {
        const char *title;
        const char *markType;   ///< "" when the row has no mark
        const char *markText;
        std::function<ViewController *()> open; ///< empty while the list is not in the app
    };
    static const QList<Entry> &entries();
    QString table() const;

    QVariantMap m_dataDict;   ///< type -> its stored row {"type", "unread"}
};
