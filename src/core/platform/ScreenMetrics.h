#pragma once

class AppContext;

/// The phone screen the client lays itself out for, in points. Screens size their overlays
/// from it (the busy overlay, the notices); the window scales these points to the desktop.
class ScreenMetrics
{
public:
    ScreenMetrics() = default;
    explicit ScreenMetrics(AppContext &) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    void setSize(int width, int height)
    {
        m_width = width;
        m_height = height;
    }

    static constexpr int kNavigationBarHeight = 44;
    static constexpr int kStatusBarHeight = 20;
    static constexpr int kTabBarHeight = 49;

private:
    int m_width = 320;
    int m_height = 568;
};
