#pragma once

#include <QString>

class AppContext;

/// Where the total of unread chat messages shows. The app shell installs the port that puts it
/// on the messages tab's button; without a shell (headless runs, core tests) it goes nowhere.
class BadgePort
{
public:
    BadgePort() = default;
    explicit BadgePort(AppContext &) {}
    virtual ~BadgePort() = default;

    /// Shows value as the badge text; the badge hides itself for values below 1.
    virtual void setBadgeValue(const QString &value) { Q_UNUSED(value) }
};
