#pragma once

class MarketDatabase;

/// Fills an empty database with a believable demo market and the demo accounts.
class DemoSeeder
{
public:
    explicit DemoSeeder(MarketDatabase &db) : m_db(db) {}
    /// Seeds only when there are no users yet, so restarting with --demo keeps earlier changes.
    bool seedIfEmpty();

private:
    MarketDatabase &m_db;
};
