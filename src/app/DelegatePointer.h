#pragma once

#include "core/util/WeakDelegate.h"

/// A delegate held without ownership, with pointer syntax: assign it, test it, call through it.
/// When the delegate is a QObject (every screen is), it reads null once that object is gone.
template <class T>
class DelegatePointer
{
public:
    DelegatePointer() = default;
    DelegatePointer(T *delegate) { m_delegate.set(delegate); }
    DelegatePointer &operator=(T *delegate)
    {
        m_delegate.set(delegate);
        return *this;
    }
    T *get() const { return m_delegate.get(); }
    T *operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }

private:
    WeakDelegate<T> m_delegate;
};
