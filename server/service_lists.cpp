// The games address (top lists 5, 105, 305 and the chat, list 100) and the statistics
// address (launches, likes, game counters).
#include "service_common.h"

namespace vantorn::club {

namespace {

// Largest value one counter request may add.
constexpr int64_t kMaxCounterStep = 100'000;
constexpr int64_t kMaxGid = 999;

bool knownList(int64_t gid) { return gid == 5 || gid == 105 || gid == 305 || gid == 100; }

int64_t listId(const Fields& f, const char* name) {
    int64_t gid = f.integer(name, 0, kMaxGid);
    if (!knownList(gid)) throw BadRequest("unknown list");
    return gid;
}

// The place of an entry: entries with a higher score, or the same score and entered
// earlier, stand before it.
int64_t placeOf(Database& db, int64_t gid, int64_t score, int64_t rid) {
    auto s = db.prepare("SELECT count(*) FROM top_entries WHERE gid = ?1 AND (score > ?2 OR (score = ?2 AND rid < ?3))");
    s.bind(1, gid).bind(2, score).bind(3, rid);
    s.step();
    return s.integer(0) + 1;
}

// One list row: place, rid, score, nick, country, city, R07..R10.
std::string listRow(int64_t place, const Statement& s) {
    std::string row = "$" + std::to_string(place) + " " + std::to_string(s.integer(0)) + " " +
                      std::to_string(s.integer(1));
    for (int c = 2; c < 9; ++c) row += " " + s.text(c);
    return row + "*";
}

std::string readTopList(Database& db, const Fields& f) {
    int64_t gid = listId(f, "gid");
    auto s = db.prepare("SELECT rid, score, nick, country, city, r07, r08, r09, r10 FROM top_entries "
                        "WHERE gid = ? ORDER BY score DESC, rid LIMIT 10");
    s.bind(1, gid);
    std::string answer;
    for (int64_t place = 1; s.step(); ++place) answer += listRow(place, s);
    return answer.empty() ? "#" : answer;
}

std::string readAround(Database& db, const Fields& f) {
    int64_t gid = listId(f, "gid");
    std::string nick = f.word("nick", 1, 12, Charset::Words);
    std::string city = f.word("city", 0, 15, Charset::Words);
    auto s = db.prepare("SELECT rid, score, nick, country, city, r07, r08, r09, r10 FROM top_entries "
                        "WHERE gid = ? AND nick = ? AND city = ? ORDER BY score DESC, rid LIMIT 10");
    s.bind(1, gid).bind(2, nick).bind(3, city);
    std::vector<std::pair<int64_t, int64_t>> own;  // score, rid
    std::vector<std::string> rows;
    while (s.step()) {
        own.emplace_back(s.integer(1), s.integer(0));
        rows.push_back(listRow(0, s));
    }
    std::string answer;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // Put the real place in front of the row written with a placeholder.
        answer += "$" + std::to_string(placeOf(db, gid, own[i].first, own[i].second)) + rows[i].substr(2);
    }
    return answer.empty() ? "#" : answer;
}

std::string countList(Database& db, const Fields& f) {
    auto s = db.prepare("SELECT count(*) FROM top_entries WHERE gid = ?");
    s.bind(1, listId(f, "rgid"));
    s.step();
    return numberAnswer(s.integer(0));
}

std::string submit(Database& db, const Fields& f) {
    int64_t gid = listId(f, "gid");
    std::string nick = f.word("nick", 2, 12, Charset::Words);
    std::string city = f.word("city", 2, 15, Charset::Words);
    std::string country = f.word("country", 0, 20, Charset::Words);
    int64_t score = f.integer("score", INT32_MIN, INT32_MAX);
    std::string r7 = f.word("R7", 1, 1, Charset::Latin);
    std::string r8 = f.word("R8", 0, 10, Charset::WordsHash);
    std::string r9 = f.word("R9", 1, 60, Charset::WordsHash);
    std::string r10 = f.word("R10", 1, 80, Charset::WordsHash);
    Transaction t(db);
    db.prepare("INSERT INTO top_entries (gid, score, nick, country, city, r07, r08, r09, r10) "
               "VALUES (?,?,?,?,?,?,?,?,?)")
        .bind(1, gid).bind(2, score).bind(3, nick).bind(4, country).bind(5, city).bind(6, r7).bind(7, r8)
        .bind(8, r9).bind(9, r10)
        .run();
    int64_t place = placeOf(db, gid, score, sqlite3_last_insert_rowid(db.handle()));
    t.commit();
    return numberAnswer(place);
}

void ensureCounters(Database& db, int64_t gid) {
    db.prepare("INSERT OR IGNORE INTO counters (gid) VALUES (?)").bind(1, gid).run();
}

std::string readStats(Database& db, int64_t gid) {
    auto s = db.prepare("SELECT stat1, stat2, stat3, stat4, x1, x2, x3, x4, x5, x6, x7, x8, x9, x10, x11, x12, "
                        "staty, statz FROM counters WHERE gid = ?");
    s.bind(1, gid);
    std::string answer = "$";
    if (s.step()) {
        for (int c = 0; c < 18; ++c) {
            if (c) answer += ' ';
            answer += (c == 3 || c == 17) ? s.text(c) : std::to_string(s.integer(c));
        }
    } else {
        answer += "0 0 0  0 0 0 0 0 0 0 0 0 0 0 0 0 ";
    }
    return answer + "*";
}

}  // namespace

std::string handleGames(Database& db, const Fields& f) {
    if (f.has("rgid")) return countList(db, f);
    if (f.has("score")) return submit(db, f);
    if (f.has("nick")) return readAround(db, f);
    if (f.has("gid")) return readTopList(db, f);
    throw BadRequest("unknown games request");
}

std::string handleStats(Database& db, const Fields& f) {
    int64_t gid = f.integer("gid", 1, kMaxGid);
    if (f.has("stat1")) {
        int64_t stat1 = f.integer("stat1", 0, kMaxCounterStep), stat2 = f.integer("stat2", 0, kMaxCounterStep);
        Transaction t(db);
        ensureCounters(db, gid);
        db.prepare("UPDATE counters SET stat1 = stat1 + ?, stat2 = stat2 + ? WHERE gid = ?")
            .bind(1, stat1).bind(2, stat2).bind(3, gid).run();
        t.commit();
        return "$ok#";
    }
    if (f.has("stat3")) {
        int64_t stat3 = f.integer("stat3", 0, kMaxCounterStep);
        std::string stat4 = f.word("stat4", 0, 12, Charset::Words);
        Transaction t(db);
        ensureCounters(db, gid);
        db.prepare("UPDATE counters SET stat3 = stat3 + ?, stat4 = CASE WHEN ?2 = '' THEN stat4 ELSE ?2 END "
                   "WHERE gid = ?3")
            .bind(1, stat3).bind(2, stat4).bind(3, gid).run();
        t.commit();
        return "$ok#";
    }
    if (f.has("R1")) {
        int64_t r[12];
        for (int i = 0; i < 12; ++i) r[i] = f.integer("R" + std::to_string(i + 1), -kMaxCounterStep, kMaxCounterStep);
        Transaction t(db);
        ensureCounters(db, gid);
        auto s = db.prepare("UPDATE counters SET x1 = x1 + ?, x2 = x2 + ?, x3 = x3 + ?, x4 = x4 + ?, x5 = x5 + ?, "
                            "x6 = x6 + ?, x7 = x7 + ?, x8 = x8 + ?, x9 = x9 + ?, x10 = x10 + ?, x11 = x11 + ?, "
                            "x12 = x12 + ? WHERE gid = ?");
        for (int i = 0; i < 12; ++i) s.bind(i + 1, r[i]);
        s.bind(13, gid).run();
        t.commit();
        return "$ok#";
    }
    if (f.has("gid")) return readStats(db, gid);
    throw BadRequest("unknown statistics request");
}

}  // namespace vantorn::club
