#include "club_db.h"

#include <stdexcept>

namespace vantorn::club {

namespace {

// The schema of a new database. Text columns hold Windows-1251 bytes as they came.
const char* const kSchema = R"sql(
CREATE TABLE IF NOT EXISTS accounts (
  nick     TEXT PRIMARY KEY COLLATE NOCASE,
  pw_hash  TEXT NOT NULL,
  city TEXT NOT NULL, country1 TEXT NOT NULL, country2 TEXT NOT NULL, sex TEXT NOT NULL,
  email TEXT NOT NULL, dater TEXT NOT NULL, r01 TEXT NOT NULL, r02 TEXT NOT NULL, r03 TEXT NOT NULL,
  qexs INTEGER NOT NULL DEFAULT 0,            -- R04, the Qexs balance
  r05 INTEGER NOT NULL DEFAULT 0, r06 INTEGER NOT NULL DEFAULT 0,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
CREATE TABLE IF NOT EXISTS contact_cards (
  nick TEXT PRIMARY KEY COLLATE NOCASE REFERENCES accounts(nick),
  name1 TEXT, name2 TEXT, about TEXT, telephone TEXT, emailo TEXT, website TEXT, skype TEXT,
  ok TEXT, vk TEXT, telegram TEXT, facebook TEXT, twitter TEXT, instagramm TEXT, youtube TEXT
);
CREATE TABLE IF NOT EXISTS account_games (   -- per account and game prefix (crdvan...)
  nick TEXT NOT NULL COLLATE NOCASE REFERENCES accounts(nick),
  prefix TEXT NOT NULL,
  kon INTEGER NOT NULL, best INTEGER NOT NULL, rating REAL NOT NULL, ses INTEGER NOT NULL,
  konl INTEGER NOT NULL, score INTEGER NOT NULL, r1 INTEGER NOT NULL, r2 TEXT NOT NULL,
  PRIMARY KEY (nick, prefix)
);
CREATE INDEX IF NOT EXISTS account_games_by_rating ON account_games(prefix, rating DESC);
CREATE TABLE IF NOT EXISTS top_entries (
  rid INTEGER PRIMARY KEY AUTOINCREMENT,
  gid INTEGER NOT NULL, score INTEGER NOT NULL,
  nick TEXT NOT NULL, country TEXT NOT NULL, city TEXT NOT NULL,
  r07 TEXT NOT NULL, r08 TEXT NOT NULL, r09 TEXT NOT NULL, r10 TEXT NOT NULL,
  created INTEGER NOT NULL DEFAULT (strftime('%s','now'))
);
CREATE INDEX IF NOT EXISTS top_entries_by_score ON top_entries(gid, score DESC, rid);
CREATE INDEX IF NOT EXISTS top_entries_by_nick ON top_entries(gid, nick, city);
CREATE TABLE IF NOT EXISTS counters (
  gid INTEGER PRIMARY KEY,
  stat1 INTEGER NOT NULL DEFAULT 0, stat2 INTEGER NOT NULL DEFAULT 0,
  stat3 INTEGER NOT NULL DEFAULT 0, stat4 TEXT NOT NULL DEFAULT '',
  x1 INTEGER NOT NULL DEFAULT 0, x2 INTEGER NOT NULL DEFAULT 0, x3 INTEGER NOT NULL DEFAULT 0,
  x4 INTEGER NOT NULL DEFAULT 0, x5 INTEGER NOT NULL DEFAULT 0, x6 INTEGER NOT NULL DEFAULT 0,
  x7 INTEGER NOT NULL DEFAULT 0, x8 INTEGER NOT NULL DEFAULT 0, x9 INTEGER NOT NULL DEFAULT 0,
  x10 INTEGER NOT NULL DEFAULT 0, x11 INTEGER NOT NULL DEFAULT 0, x12 INTEGER NOT NULL DEFAULT 0,
  staty INTEGER NOT NULL DEFAULT 0, statz TEXT NOT NULL DEFAULT ''
);
CREATE TABLE IF NOT EXISTS seats (
  gid INTEGER NOT NULL, num INTEGER NOT NULL, seat INTEGER NOT NULL,
  nick TEXT NOT NULL, score INTEGER NOT NULL, kon INTEGER NOT NULL, rating INTEGER NOT NULL,
  country TEXT NOT NULL, city TEXT NOT NULL, sex TEXT NOT NULL, ip TEXT NOT NULL,
  PRIMARY KEY (gid, num, seat)
);
CREATE TABLE IF NOT EXISTS tour_players (
  gid INTEGER NOT NULL, nick TEXT NOT NULL COLLATE NOCASE,
  score INTEGER NOT NULL DEFAULT 0, games INTEGER NOT NULL DEFAULT 0,
  rating INTEGER NOT NULL DEFAULT 1000,
  country TEXT NOT NULL DEFAULT '#', city TEXT NOT NULL DEFAULT '#', sex TEXT NOT NULL DEFAULT 'M',
  PRIMARY KEY (gid, nick)
);
CREATE TABLE IF NOT EXISTS server_info (
  id INTEGER PRIMARY KEY CHECK (id = 1),
  state TEXT NOT NULL, message TEXT NOT NULL,
  news_number INTEGER NOT NULL, news_show TEXT NOT NULL,
  news_title TEXT NOT NULL, news_text TEXT NOT NULL, news_link TEXT NOT NULL
);
INSERT OR IGNORE INTO server_info VALUES
  (1, 'Y', 'Welcome_to_the_Vantorn_club!', 1, 'N', 'Vantorn', 'Welcome!', '');
)sql";

[[noreturn]] void fail(sqlite3* db, const char* what) {
    throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

}  // namespace

Database::Database(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw std::runtime_error("cannot open database " + path + ": " + message);
    }
    sqlite3_busy_timeout(db_, 5000);
    exec("PRAGMA journal_mode=WAL");
    exec("PRAGMA synchronous=FULL");
    exec("PRAGMA foreign_keys=ON");
    exec(kSchema);
}

Database::~Database() {
    for (auto& [sql, stmt] : cache_) sqlite3_finalize(stmt);
    sqlite3_close(db_);
}

void Database::exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(std::string("sql failed: ") + message);
    }
}

Statement Database::prepare(const char* sql) {
    auto it = cache_.find(sql);
    if (it == cache_.end()) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr) != SQLITE_OK) fail(db_, "prepare");
        it = cache_.emplace(sql, stmt).first;
    }
    return Statement(it->second);
}

Statement::~Statement() {
    if (s_) {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
}

Statement& Statement::bind(int index, int64_t value) {
    sqlite3_bind_int64(s_, index, value);
    return *this;
}

Statement& Statement::bind(int index, double value) {
    sqlite3_bind_double(s_, index, value);
    return *this;
}

Statement& Statement::bind(int index, std::string_view value) {
    sqlite3_bind_text(s_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    return *this;
}

bool Statement::step() {
    int rc = sqlite3_step(s_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    fail(sqlite3_db_handle(s_), "step");
}

void Statement::run() {
    while (step()) {
    }
}

int64_t Statement::integer(int column) const { return sqlite3_column_int64(s_, column); }
double Statement::real(int column) const { return sqlite3_column_double(s_, column); }
bool Statement::isNull(int column) const { return sqlite3_column_type(s_, column) == SQLITE_NULL; }

std::string Statement::text(int column) const {
    const unsigned char* p = sqlite3_column_text(s_, column);
    return p ? std::string(reinterpret_cast<const char*>(p), sqlite3_column_bytes(s_, column)) : std::string();
}

Transaction::Transaction(Database& db) : db_(db) { db_.prepare("BEGIN IMMEDIATE").run(); }

Transaction::~Transaction() {
    if (!done_) {
        try {
            db_.prepare("ROLLBACK").run();
        } catch (...) {
        }
    }
}

void Transaction::commit() {
    db_.prepare("COMMIT").run();
    done_ = true;
}

}  // namespace vantorn::club
