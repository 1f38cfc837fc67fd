#include "MarketSchema.h"

QString MarketSchema::sql()
{
    return QStringLiteral(R"SQL(
CREATE TABLE IF NOT EXISTS users (
  id INTEGER PRIMARY KEY,
  mobile TEXT NOT NULL UNIQUE,
  password TEXT NOT NULL,
  user_name TEXT NOT NULL DEFAULT '',
  company_name TEXT NOT NULL DEFAULT '',
  company_url TEXT NOT NULL DEFAULT '',
  sorts TEXT NOT NULL DEFAULT '',
  address TEXT NOT NULL DEFAULT '',
  province TEXT NOT NULL DEFAULT '',
  city TEXT NOT NULL DEFAULT '',
  email TEXT NOT NULL DEFAULT '',
  fax TEXT NOT NULL DEFAULT '',
  phone TEXT NOT NULL DEFAULT '',
  license_id TEXT NOT NULL DEFAULT '',
  qib_value TEXT NOT NULL DEFAULT '0',
  real_money REAL NOT NULL DEFAULT 0,
  useful_money REAL NOT NULL DEFAULT 0,
  freeze_money REAL NOT NULL DEFAULT 0,
  user_icon TEXT NOT NULL DEFAULT '',
  is_val INTEGER NOT NULL DEFAULT 0,
  cert_state INTEGER NOT NULL DEFAULT 0,
  is_super INTEGER NOT NULL DEFAULT 0,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
CREATE TABLE IF NOT EXISTS friends (
  user_id INTEGER NOT NULL,
  friend_id INTEGER NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now')),
  PRIMARY KEY (user_id, friend_id)
);
CREATE TABLE IF NOT EXISTS friend_requests (
  inviter_id INTEGER NOT NULL,
  invitee_id INTEGER NOT NULL,
  remark TEXT NOT NULL DEFAULT '',
  created INTEGER NOT NULL DEFAULT (strftime('%s','now')),
  PRIMARY KEY (inviter_id, invitee_id)
);
-- Chat messages to a receiver who was offline, kept until delivered at the next login.
CREATE TABLE IF NOT EXISTS offline_messages (
  id INTEGER PRIMARY KEY,
  receiver_id INTEGER NOT NULL,
  body TEXT NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
CREATE INDEX IF NOT EXISTS offline_by_receiver ON offline_messages(receiver_id);
)SQL");
}
