#pragma once

#include "app/SuperTableViewController.h"

#include <QPointer>

class LoadingView;
#include "app/PagedListModel.h"
class Request;

/// What the all-friends and pending-requests pages share (and their one page): one list loaded
/// from the service, pulled down or up to load again, a labelled progress overlay while it
/// loads, and the failure rule (tell the user to check the connection only when the network is
/// down). Rows: "title", "subtitle", "marked" over the service's record.
class FriendListScreen : public SuperTableViewController
{
    Q_OBJECT
    Q_CLASSINFO("familyPage", "FriendListScreen")
    Q_PROPERTY(PagedListModel *shujuArr READ shujuArr CONSTANT)
public:
    explicit FriendListScreen(QObject *parent = nullptr);

    PagedListModel *shujuArr() const { return m_rows; }
    /// The progress overlay while a load runs, or null.
    LoadingView *hud() const { return m_hud; }

    /// Selecting a row.
    Q_INVOKABLE virtual void didSelectRowAtIndex(int index) = 0;

    /// Starts loading the list (nothing without a logged-in user).
    void load();

    static constexpr int kHudWidth = 132;
    static constexpr int kHudHeight = 108;

protected:
    /// The catalogue call for the list, and the overlay's label.
    virtual void fetch(Request *request) = 0;
    virtual QString hudLabel() const = 0;
    /// The row shown for a service record.
    virtual QVariantMap rowFor(const QVariantMap &record) const = 0;
    /// Every list that arrived, as the service sent it.
    virtual void didLoad(const QVariantList &) {}

private:
    void showHud(bool shown);

    PagedListModel *m_rows;
    QPointer<LoadingView> m_hud;
};
