#pragma once

#include <QString>

/// The market's tables. Created with IF NOT EXISTS so that reopening a data directory keeps it.
/// Ids are SQLite row ids; the wire carries them as decimal text.
class MarketSchema
{
public:
    static QString sql();
};
