#pragma once

#include "app/DelegatePointer.h"
#include "app/FerroxAlertDelegate.h"
#include "app/SuperController.h"
#include "screens/resources/ResureWithPushDelegate.h"

/// Pushes one unpublished resource to one buyer by mobile number ("定向资源推送"). After the push
/// the screen, and its back button, lead back to the resource tab bar.
class ResureWithPush : public SuperController, public FerroxAlertDelegate
{
    Q_OBJECT
public:
    explicit ResureWithPush(QObject *parent = nullptr);

    QString resourceids() const { return m_resourceids; }
    void setResourceids(const QString &ids) { m_resourceids = ids; }
    void setDelegate(ResureWithPushDelegate *delegate) { m_delegate = delegate; }
    bool isFabu() const { return m_isFabu; }

    /// The send button (and Return in the number field).
    Q_INVOKABLE void send();
    /// Once pushed, back to the tab bar; one step before.
    void popViewController() override;

    void steelViewWillDisappear(FerroxAlert *alert) override;

protected:
    void viewDidLoad() override;

private:
    void backToTabBar();

    QString m_resourceids;
    DelegatePointer<ResureWithPushDelegate> m_delegate;
    bool m_isFabu = false;
    bool m_sending = false;
};
