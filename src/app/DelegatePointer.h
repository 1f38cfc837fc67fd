#pragma once

#include <QObject>
#include <QPointer>

/// A delegate held without ownership. When the delegate is a QObject (every screen is), the
/// pointer reads null once that object is destroyed, so a late callback goes nowhere.
template <class T>
class DelegatePointer
{
public:
    DelegatePointer() = default;
    DelegatePointer(T *delegate) { *this = delegate; }
    DelegatePointer &operator=(T *delegate)
    {
        m_delegate = delegate;
        m_guard = dynamic_cast<QObject *>(delegate);
        m_guarded = !m_guard.isNull();
        return *this;
    }
    T *get() const { return m_guarded && m_guard.isNull() ? nullptr : m_delegate; }
    T *operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }

private:
    T *m_delegate = nullptr;
    QPointer<QObject> m_guard;
    bool m_guarded = false;
};
