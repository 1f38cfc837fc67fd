#include "app/MyBadgeView.h"

#include "core/util/Value.h"

void MyBadgeView::setBadgeValue(const QString &value)
{
    if (m_number != value) {
        m_number = value;
        emit numberChanged();
    }
    const bool hidden = Value::intValue(value) < 1;
    if (m_hidden != hidden) {
        m_hidden = hidden;
        emit hiddenChanged();
    }
}
