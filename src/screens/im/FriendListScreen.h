#pragma once

#include "app/SuperTableViewController.h"
#include "screens/im/ContactRowsModel.h"

#include <QPointer>

class LoadingView;

/// What the all-friends and pending-requests pages share: one list loaded from the service
/// with the form envelope, a labelled progress overlay while it loads, and the failure rule
/// (tell the user to check the connection only when the network is down).
class FriendListScreen : public SuperTableViewController
{
    Q_OBJECT
    Q_PROPERTY(ContactRowsModel *shujuArr READ shujuArr CONSTANT)
    Q_PROPERTY(bool refreshing READ refreshing NOTIFY refreshingChanged)
public:
    explicit FriendListScreen(QObject *parent = nullptr);

    ContactRowsModel *shujuArr() const { return m_rows; }
    /// The progress overlay while a load runs, or null.
    LoadingView *hud() const { return m_hud; }
    bool refreshing() const { return false; }

    /// Pull down or up: loads the list again.
    Q_INVOKABLE void refresh() { load(); }
    /// Selecting a row.
    Q_INVOKABLE virtual void didSelectRowAtIndex(int index) = 0;

    /// Starts loading the list (nothing without a logged-in user).
    void load();

    static constexpr int kHudWidth = 132;
    static constexpr int kHudHeight = 108;

signals:
    void refreshingChanged();

protected:
    /// The service path and the overlay's label.
    virtual QString path() const = 0;
    virtual QString hudLabel() const = 0;
    /// The rows of a reply's "data"; subclasses map them and may keep them elsewhere too.
    virtual void didLoad(const QVariantList &data) = 0;

private:
    void hideHud();

    ContactRowsModel *m_rows;
    QPointer<LoadingView> m_hud;
};
