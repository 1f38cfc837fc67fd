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

-- The category tree: categories ("sortID"), kinds ("nsortID"), materials and common specs.
CREATE TABLE IF NOT EXISTS categories (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  position INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS kinds (
  id INTEGER PRIMARY KEY,
  category_id INTEGER NOT NULL REFERENCES categories(id),
  name TEXT NOT NULL,
  hot INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS kind_materials (
  kind_id INTEGER NOT NULL REFERENCES kinds(id),
  name TEXT NOT NULL,
  PRIMARY KEY (kind_id, name)
);
CREATE TABLE IF NOT EXISTS provinces (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS cities (
  id INTEGER PRIMARY KEY,
  province_id INTEGER NOT NULL REFERENCES provinces(id),
  name TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS mills (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL UNIQUE,
  logo TEXT NOT NULL DEFAULT '',
  tel TEXT NOT NULL DEFAULT ''
);
-- Resource states: 1 unpublished (also after a withdrawal), 2 listed in the supermarket,
-- 3 directed to one buyer (directed_to).
CREATE TABLE IF NOT EXISTS resources (
  id INTEGER PRIMARY KEY,
  owner_id INTEGER NOT NULL REFERENCES users(id),
  category_id INTEGER NOT NULL,
  kind_id INTEGER NOT NULL,
  spec TEXT NOT NULL,
  materials TEXT NOT NULL DEFAULT '',
  yieldly TEXT NOT NULL DEFAULT '',
  province_id INTEGER NOT NULL DEFAULT 0,
  city_id INTEGER NOT NULL DEFAULT 0,
  cangku TEXT NOT NULL DEFAULT '',
  count_type TEXT NOT NULL DEFAULT '理计',
  weight REAL NOT NULL DEFAULT 0,
  price REAL NOT NULL DEFAULT 0,
  discount REAL NOT NULL DEFAULT 0,
  negotiable INTEGER NOT NULL DEFAULT 0,
  quality_index TEXT NOT NULL DEFAULT '',
  status INTEGER NOT NULL DEFAULT 1,
  directed_to INTEGER,
  directed_at INTEGER,
  published_at INTEGER,
  withdrawn_at INTEGER,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
-- Supermarket pages: one index per combination of filters, each ending in the listing order,
-- so a page is read in order from the index (no sort of the whole market) and counted there.
-- Each also holds the spec, so a spec filter is checked without reading the rows.
CREATE INDEX IF NOT EXISTS market_by_time ON resources(published_at, id, spec) WHERE status = 2;
CREATE INDEX IF NOT EXISTS market_by_category ON resources(category_id, published_at, id, spec) WHERE status = 2;
CREATE INDEX IF NOT EXISTS market_by_kind ON resources(kind_id, published_at, id, spec) WHERE status = 2;
CREATE INDEX IF NOT EXISTS market_by_province ON resources(province_id, published_at, id, spec) WHERE status = 2;
CREATE INDEX IF NOT EXISTS market_by_city ON resources(city_id, province_id, published_at, id, spec) WHERE status = 2;
CREATE INDEX IF NOT EXISTS market_by_category_province ON resources(category_id, province_id, published_at, id, spec) WHERE status = 2;
CREATE INDEX IF NOT EXISTS market_by_kind_province ON resources(kind_id, province_id, published_at, id, spec) WHERE status = 2;
CREATE INDEX IF NOT EXISTS market_by_mill ON resources(yieldly, published_at, id, spec) WHERE status = 2;
CREATE INDEX IF NOT EXISTS market_by_spec ON resources(spec, published_at, id) WHERE status = 2;
DROP INDEX IF EXISTS listed_by_time;
DROP INDEX IF EXISTS listed_by_category;
DROP INDEX IF EXISTS listed_by_kind;
DROP INDEX IF EXISTS listed_by_province;
DROP INDEX IF EXISTS listed_by_category_province;
DROP INDEX IF EXISTS listed_by_kind_province;
DROP INDEX IF EXISTS listed_by_mill;
-- Every spec text a resource has had. A search for part of a spec looks through these few
-- texts and then asks the indexes for listings whose spec is one of the texts found.
CREATE TABLE IF NOT EXISTS spec_texts (
  spec TEXT PRIMARY KEY
) WITHOUT ROWID;
CREATE TRIGGER IF NOT EXISTS spec_text_added AFTER INSERT ON resources
BEGIN INSERT OR IGNORE INTO spec_texts(spec) VALUES (NEW.spec); END;
CREATE TRIGGER IF NOT EXISTS spec_text_changed AFTER UPDATE OF spec ON resources
BEGIN INSERT OR IGNORE INTO spec_texts(spec) VALUES (NEW.spec); END;
CREATE INDEX IF NOT EXISTS resources_by_owner_time ON resources(owner_id, status, COALESCE(directed_at, published_at, created), id);
CREATE INDEX IF NOT EXISTS resources_directed_to ON resources(directed_to, COALESCE(directed_at, published_at, created), id) WHERE status = 3;
DROP INDEX IF EXISTS resources_by_status;
DROP INDEX IF EXISTS resources_by_owner;
DROP INDEX IF EXISTS orders_by_buyer;
DROP INDEX IF EXISTS orders_by_seller;
-- Orders: state 1 waiting for the seller, 2 confirmed, 3 given up. A confirmed order is in
-- trade; trade_status then follows the outcomes each side reports: 4 nobody yet, 5/7 the seller
-- reported success/failure, 6/8 the buyer did, 9 both did (awaiting review).
CREATE TABLE IF NOT EXISTS orders (
  id INTEGER PRIMARY KEY,
  order_no TEXT NOT NULL UNIQUE,
  resource_id INTEGER NOT NULL REFERENCES resources(id),
  buyer_id INTEGER NOT NULL REFERENCES users(id),
  seller_id INTEGER NOT NULL REFERENCES users(id),
  price REAL NOT NULL,
  weight REAL NOT NULL,
  trade_type TEXT NOT NULL DEFAULT '',
  state INTEGER NOT NULL DEFAULT 1,
  trade_status INTEGER NOT NULL DEFAULT 4,
  buyer_outcome TEXT,
  seller_outcome TEXT,
  booked INTEGER NOT NULL DEFAULT (strftime('%s','now')),
  traded INTEGER
);
CREATE INDEX IF NOT EXISTS orders_by_buyer_booked ON orders(buyer_id, state, booked, id);
CREATE INDEX IF NOT EXISTS orders_by_seller_booked ON orders(seller_id, state, booked, id);
CREATE INDEX IF NOT EXISTS orders_by_buyer_traded ON orders(buyer_id, state, traded, id);
CREATE INDEX IF NOT EXISTS orders_by_seller_traded ON orders(seller_id, state, traded, id);
CREATE TABLE IF NOT EXISTS vouchers (
  id INTEGER PRIMARY KEY,
  user_id INTEGER NOT NULL,
  order_id INTEGER,
  picture TEXT NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
CREATE INDEX IF NOT EXISTS vouchers_by_order ON vouchers(order_id);
CREATE TABLE IF NOT EXISTS certificates (
  id INTEGER PRIMARY KEY,
  user_id INTEGER NOT NULL,
  type INTEGER NOT NULL,
  company TEXT NOT NULL DEFAULT '',
  picture TEXT NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
-- Tender states: 1 unpublished, 2 published, 3 under review.
CREATE TABLE IF NOT EXISTS tenders (
  id INTEGER PRIMARY KEY,
  owner_id INTEGER NOT NULL REFERENCES users(id),
  category_id INTEGER NOT NULL,
  kind_id INTEGER NOT NULL,
  spec TEXT NOT NULL DEFAULT '',
  materials TEXT NOT NULL DEFAULT '',
  province_id INTEGER NOT NULL DEFAULT 0,
  city_id INTEGER NOT NULL DEFAULT 0,
  cangku TEXT NOT NULL DEFAULT '',
  maxnum INTEGER NOT NULL DEFAULT 5,
  price REAL NOT NULL DEFAULT 0,
  weight REAL NOT NULL DEFAULT 0,
  paytype TEXT NOT NULL DEFAULT '0',
  status INTEGER NOT NULL DEFAULT 1,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now')),
  published_at INTEGER
);
CREATE TABLE IF NOT EXISTS bids (
  id INTEGER PRIMARY KEY,
  tender_id INTEGER NOT NULL REFERENCES tenders(id),
  bidder_id INTEGER NOT NULL REFERENCES users(id),
  province_id INTEGER NOT NULL DEFAULT 0,
  city_id INTEGER NOT NULL DEFAULT 0,
  yieldly TEXT NOT NULL DEFAULT '',
  price REAL NOT NULL DEFAULT 0,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now')),
  UNIQUE (tender_id, bidder_id)
);
CREATE TABLE IF NOT EXISTS auctions (
  code TEXT PRIMARY KEY,
  category_id INTEGER NOT NULL,
  kind_id INTEGER NOT NULL,
  spec TEXT NOT NULL DEFAULT '',
  materials TEXT NOT NULL DEFAULT '',
  yieldly TEXT NOT NULL DEFAULT '',
  province_id INTEGER NOT NULL DEFAULT 0,
  place TEXT NOT NULL DEFAULT '',
  weight REAL NOT NULL DEFAULT 0,
  jilling_type TEXT NOT NULL DEFAULT '理计',
  begin_time INTEGER NOT NULL,
  price REAL NOT NULL DEFAULT 0,
  fudu REAL NOT NULL DEFAULT 10,
  fukuan_days INTEGER NOT NULL DEFAULT 3,
  quality_index TEXT NOT NULL DEFAULT ''
);
-- Auction and tender lists: newest first, each filter with an index that ends in that order.
CREATE INDEX IF NOT EXISTS auctions_by_time ON auctions(begin_time DESC, code);
CREATE INDEX IF NOT EXISTS auctions_by_category ON auctions(category_id, begin_time DESC, code);
CREATE INDEX IF NOT EXISTS auctions_by_kind ON auctions(kind_id, begin_time DESC, code);
CREATE INDEX IF NOT EXISTS auctions_by_province ON auctions(province_id, begin_time DESC, code);
CREATE INDEX IF NOT EXISTS tenders_listed ON tenders(published_at, id) WHERE status = 2;
CREATE INDEX IF NOT EXISTS tenders_by_category ON tenders(category_id, published_at, id) WHERE status = 2;
CREATE INDEX IF NOT EXISTS tenders_by_kind ON tenders(kind_id, published_at, id) WHERE status = 2;
CREATE INDEX IF NOT EXISTS tenders_by_province ON tenders(province_id, published_at, id) WHERE status = 2;
CREATE INDEX IF NOT EXISTS tenders_by_owner ON tenders(owner_id, created, id);
CREATE INDEX IF NOT EXISTS bids_by_bidder ON bids(bidder_id, created, id);
CREATE TABLE IF NOT EXISTS auction_bookmarks (
  user_id INTEGER NOT NULL,
  code TEXT NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now')),
  PRIMARY KEY (user_id, code)
);
-- Articles of the information centre; channel is the path family (zixun, hangqing, fxs,
-- gangchang, yanjiu); region_group groups the regional price lists.
CREATE TABLE IF NOT EXISTS articles (
  id INTEGER PRIMARY KEY,
  channel TEXT NOT NULL,
  news_type INTEGER NOT NULL DEFAULT 0,
  region_group INTEGER NOT NULL DEFAULT 0,
  province_id INTEGER NOT NULL DEFAULT 0,
  title TEXT NOT NULL,
  image TEXT NOT NULL DEFAULT '',
  body TEXT NOT NULL DEFAULT '',
  description TEXT,
  charge REAL NOT NULL DEFAULT 0,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
-- Article lists by channel, optionally by type and region group, newest first.
CREATE INDEX IF NOT EXISTS articles_in_channel ON articles(channel, created, id);
CREATE INDEX IF NOT EXISTS articles_by_type ON articles(channel, news_type, created, id);
CREATE INDEX IF NOT EXISTS articles_by_group ON articles(channel, news_type, region_group, created, id);
DROP INDEX IF EXISTS articles_by_channel;
CREATE TABLE IF NOT EXISTS region_groups (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS article_purchases (
  user_id INTEGER NOT NULL,
  article_id INTEGER NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now')),
  PRIMARY KEY (user_id, article_id)
);
CREATE TABLE IF NOT EXISTS adverts (
  id INTEGER PRIMARY KEY,
  picture TEXT NOT NULL,
  link TEXT NOT NULL DEFAULT '',
  position INTEGER NOT NULL DEFAULT 0
);
-- Recent deals of the home ticker; confirmed orders add one each.
CREATE TABLE IF NOT EXISTS deals (
  id INTEGER PRIMARY KEY,
  phone TEXT NOT NULL,
  price REAL NOT NULL,
  weight REAL NOT NULL,
  kind_name TEXT NOT NULL,
  traded INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
-- Verification codes by mobile number and purpose ("register", "reset").
CREATE TABLE IF NOT EXISTS captchas (
  mobile TEXT NOT NULL,
  purpose TEXT NOT NULL,
  code TEXT NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now')),
  PRIMARY KEY (mobile, purpose)
);
CREATE TABLE IF NOT EXISTS advice (
  id INTEGER PRIMARY KEY,
  content TEXT NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
CREATE TABLE IF NOT EXISTS crash_reports (
  id INTEGER PRIMARY KEY,
  info TEXT NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
CREATE TABLE IF NOT EXISTS find_requests (
  id INTEGER PRIMARY KEY,
  user_id INTEGER NOT NULL DEFAULT 0,
  content TEXT NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
CREATE TABLE IF NOT EXISTS invitations (
  id INTEGER PRIMARY KEY,
  user_id INTEGER NOT NULL,
  mobile TEXT NOT NULL DEFAULT '',
  invite_list TEXT NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
-- Resources with the names of their category, kind and place, as every list shows them.
CREATE VIEW IF NOT EXISTS resource_view AS
SELECT r.*, c.name AS sort_name, k.name AS nsort_name,
       COALESCE(p.name, '') AS province_name, COALESCE(ci.name, '') AS city_name,
       u.mobile AS owner_mobile, COALESCE(m.tel, '') AS mill_tel
FROM resources r
JOIN categories c ON c.id = r.category_id
JOIN kinds k ON k.id = r.kind_id
JOIN users u ON u.id = r.owner_id
LEFT JOIN provinces p ON p.id = r.province_id
LEFT JOIN cities ci ON ci.id = r.city_id
LEFT JOIN mills m ON m.name = r.yieldly;
-- Orders with the lot's names and the number of payment vouchers uploaded for them.
CREATE VIEW IF NOT EXISTS order_view AS
SELECT o.*, r.spec, r.materials, r.yieldly, r.cangku, r.count_type, r.province_id, r.city_id,
       k.name AS nsort_name, COALESCE(p.name, '') AS province_name, COALESCE(ci.name, '') AS city_name,
       (SELECT COUNT(*) FROM vouchers v WHERE v.order_id = o.id) AS vouchers
FROM orders o
JOIN resources r ON r.id = o.resource_id
JOIN kinds k ON k.id = r.kind_id
LEFT JOIN provinces p ON p.id = r.province_id
LEFT JOIN cities ci ON ci.id = r.city_id;
)SQL");
}
