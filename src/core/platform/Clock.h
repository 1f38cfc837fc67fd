#pragma once

#include <optional>

/// The wall clock, in seconds since 1970-01-01 UTC with a fraction. Tests fix it.
class Clock
{
public:
    double now() const;
    void setFixed(double secondsSince1970) { m_fixed = secondsSince1970; }
    void advance(double seconds);
    void release() { m_fixed.reset(); }
    bool isFixed() const { return m_fixed.has_value(); }

private:
    std::optional<double> m_fixed;
};
