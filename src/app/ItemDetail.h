#pragma once

#include "app/FerroxAlertDelegate.h"
#include "app/SubmitGuard.h"
#include "app/SuperController.h"

#include <QVariantMap>

#include <functional>
#include <initializer_list>

/// The detail of one of the user's own items (a resource, a tender): asked for by id, shown as
/// field lines, and moved between states (published, withdrawn) by one call at a time whose
/// outcome shows in a notice; closing the notice calls steelViewWillDisappear.
class ItemDetail : public SuperController, public FerroxAlertDelegate
{
    Q_OBJECT
    /// The detail as shown, by key: the page names its lines by these keys.
    Q_PROPERTY(QVariantMap fields READ fields NOTIFY fieldsChanged)
public:
    explicit ItemDetail(QObject *parent = nullptr);

    QVariantMap fields() const { return m_fields; }

signals:
    void fieldsChanged();

protected:
    /// Asks for the detail (again); its data goes to showDetail.
    void load(int tag);
    virtual void askDetail(Request *request) = 0;
    virtual void showDetail(const QVariantMap &detail) = 0;
    void setFields(const QVariantMap &fields);
    /// The detail's values under keys as texts, by the same keys.
    static QVariantMap texts(const QVariantMap &detail, std::initializer_list<const char *> keys);
    /// The request to send a state change on, or null while one is on its way. Once accepted,
    /// `accepted` runs and gives the notice's text.
    Request *changeState(int tag, std::function<QString(const ServiceReply &)> accepted);

private:
    QVariantMap m_fields;
    SubmitGuard m_sending;
};
