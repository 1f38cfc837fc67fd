#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "core/platform/NotificationCenter.h"

/// A screen's item in the tab shell. Its title names the tab's button; a badge value set on
/// any item is posted as "setBadgeValue", so the shell shows every item badge on the
/// messages button.
class TabBarItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
public:
    TabBarItem(NotificationCenter *center, QObject *parent) : QObject(parent), m_center(center) {}

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    void setBadgeValue(const QString &value);

signals:
    void titleChanged();

private:
    QPointer<NotificationCenter> m_center;
    QString m_title;
};
