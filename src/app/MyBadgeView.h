#pragma once

#include <QObject>
#include <QString>

/// The red badge near the top right of a tab button. Its label shows the value as given; the
/// whole badge hides while the value's integer value is below 1 (empty, "0", "abc", "-1").
class MyBadgeView : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString number READ number NOTIFY numberChanged)
    Q_PROPERTY(bool hidden READ isHidden NOTIFY hiddenChanged)
public:
    explicit MyBadgeView(QObject *parent = nullptr) : QObject(parent) {}

    QString number() const { return m_number; }
    bool isHidden() const { return m_hidden; }
    Q_INVOKABLE void setBadgeValue(const QString &value);

signals:
    void numberChanged();
    void hiddenChanged();

private:
    QString m_number;
    bool m_hidden = true;
};
