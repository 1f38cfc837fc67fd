#pragma once

#include <QObject>
#include <QPointer>

/// A delegate reference that never keeps its target alive. Delegates are normally screens
/// (QObjects): those are watched, so a screen that went away reads as no delegate. A delegate
/// that is not a QObject is the caller's to keep alive for the whole exchange.
template <class T>
class WeakDelegate
{
public:
    void set(T *delegate)
    {
        m_delegate = delegate;
        QObject *object = dynamic_cast<QObject *>(delegate);
        m_guard = object;
        m_isObject = object != nullptr;
    }
    T *get() const { return (m_isObject && !m_guard) ? nullptr : m_delegate; }

private:
    T *m_delegate = nullptr;
    QPointer<QObject> m_guard;
    bool m_isObject = false;
};
