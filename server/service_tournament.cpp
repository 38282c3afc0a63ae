// The tournament address: the ten tables and their seats, the server state and message, the
// tournament rating, top ten and places; and the bookkeeping the relay asks for.
#include <cmath>

#include "service_common.h"

namespace vantorn::club {

namespace {

constexpr int64_t kMaxGame = 99;
constexpr int64_t kMaxValue = 1'000'000'000;
// Tournament ratings start here and move by the Elo rule with this factor.
constexpr int kStartRating = 1000;
constexpr double kEloFactor = 32;

struct Seat {
    std::string nick = "X";
    int64_t score = 0, kon = 0, rating = 0;
    std::string country = "X", city = "X", sex = "M", ip = "X";
    bool free() const { return nick == "X"; }
};

// A seat from the columns nick, score, kon, rating, country, city, sex, ip from column c on.
Seat seatFromRow(const Statement& s, int c) {
    Seat r;
    r.nick = s.text(c);
    r.score = s.integer(c + 1);
    r.kon = s.integer(c + 2);
    r.rating = s.integer(c + 3);
    r.country = s.text(c + 4);
    r.city = s.text(c + 5);
    r.sex = s.text(c + 6);
    r.ip = s.text(c + 7);
    return r;
}

Seat readSeat(Database& db, int64_t gid, int64_t table, int seat) {
    auto s = db.prepare("SELECT nick, score, kon, rating, country, city, sex, ip FROM seats "
                        "WHERE gid = ? AND num = ? AND seat = ?");
    s.bind(1, gid).bind(2, table).bind(3, seat);
    return s.step() ? seatFromRow(s, 0) : Seat{};
}

void writeSeat(Database& db, int64_t gid, int64_t table, int seat, const Seat& v) {
    db.prepare("INSERT OR REPLACE INTO seats (gid, num, seat, nick, score, kon, rating, country, city, sex, ip) "
               "VALUES (?,?,?,?,?,?,?,?,?,?,?)")
        .bind(1, gid).bind(2, table).bind(3, seat).bind(4, v.nick).bind(5, v.score).bind(6, v.kon)
        .bind(7, v.rating).bind(8, v.country).bind(9, v.city).bind(10, v.sex).bind(11, v.ip)
        .run();
}

std::string seatWords(const Seat& s) {
    return s.nick + " " + std::to_string(s.score) + " " + std::to_string(s.kon) + " " + std::to_string(s.rating) +
           " " + s.country + " " + s.city + " " + s.sex + " " + s.ip;
}

int64_t gameOf(const Fields& f) { return f.integer("gid", 1, kMaxGame); }

int64_t tableOf(const Fields& f) { return f.integer("num", 1, kTables); }

std::string readTables(Database& db, const ClubConfig& config, const std::string& relayHost, const Fields& f) {
    int64_t gid = gameOf(f);
    if (f.integer("readtable10", 1, kMaxGame) != gid) throw BadRequest("game numbers differ");
    std::array<std::array<Seat, 2>, kTables> seats;
    auto s = db.prepare("SELECT num, seat, nick, score, kon, rating, country, city, sex, ip FROM seats "
                        "WHERE gid = ? AND num BETWEEN 1 AND 10 AND seat IN (1, 2)");
    s.bind(1, gid);
    while (s.step()) seats[s.integer(0) - 1][s.integer(1) - 1] = seatFromRow(s, 2);
    std::string answer;
    answer.reserve(1024);
    // Table 10 first, down to table 1.
    for (int64_t t = kTables; t >= 1; --t) {
        const Seat& a = seats[t - 1][0];
        const Seat& b = seats[t - 1][1];
        const char* free = a.free() || b.free() ? "Y" : "N";
        answer += "$" + std::to_string(t) + " " + relayHost + " " + std::to_string(config.relayBase + t) + " " +
                  free + " 0 X " + seatWords(a) + " " + seatWords(b) + "*";
    }
    return answer;
}

bool seatedAnywhere(Database& db, int64_t gid, const std::string& nick) {
    auto s = db.prepare("SELECT 1 FROM seats WHERE gid = ? AND nick = ? COLLATE NOCASE");
    s.bind(1, gid).bind(2, nick);
    return s.step();
}

std::string setSeat(Database& db, const Fields& f, const std::string& seatKey) {
    const std::string s = seatKey.substr(std::string("clienton").size());
    if (s != "1" && s != "2") throw BadRequest("seat");
    const int seat = s[0] - '0';
    int64_t gid = gameOf(f), table = tableOf(f), can = f.integer("can", 0, 2);
    Seat v;
    v.nick = f.word("nick" + s, 1, 12, Charset::Latin);
    v.score = f.integer("score" + s, -kMaxValue, kMaxValue);
    v.kon = f.integer("kon" + s, 0, kMaxValue);
    v.rating = f.integer("rating" + s, -kMaxValue, kMaxValue);
    v.country = f.word("country" + s, 0, 20, Charset::Words);
    v.city = f.word("city" + s, 1, 15, Charset::Words);
    v.sex = f.word("sex" + s, 1, 1, Charset::Latin);
    v.ip = f.word("ip" + s, 0, 45, Charset::Latin);
    Transaction t(db);
    if (can == 1) {
        if (v.free() || v.nick.size() < 2) throw BadRequest("nick");
        if (!readSeat(db, gid, table, seat).free() || seatedAnywhere(db, gid, v.nick)) return std::string(kTaken);
        // Seat 2 is taken only where somebody waits in seat 1.
        if (seat == 2 && readSeat(db, gid, table, 1).free()) return std::string(kNo);
        writeSeat(db, gid, table, seat, v);
        db.prepare("INSERT INTO tour_players (gid, nick, country, city, sex) VALUES (?1,?2,?3,?4,?5) "
                   "ON CONFLICT (gid, nick) DO UPDATE SET country = ?3, city = ?4, sex = ?5")
            .bind(1, gid).bind(2, v.nick).bind(3, v.country).bind(4, v.city).bind(5, v.sex)
            .run();
    } else {
        // Leaving (2) or freed by the program (0): the seat takes the free-seat entry.
        Seat freeSeat;
        freeSeat.sex = v.sex;
        writeSeat(db, gid, table, seat, freeSeat);
    }
    t.commit();
    return std::string(kOk);
}

std::string readSeatAnswer(Database& db, const Fields& f, const std::string& seatKey) {
    const std::string s = seatKey.substr(std::string("readclient").size());
    if (s != "1" && s != "2") throw BadRequest("seat");
    return "$" + seatWords(readSeat(db, gameOf(f), tableOf(f), s[0] - '0')) + "#";
}

std::string serverInfo(Database& db) {
    auto s = db.prepare("SELECT state, message FROM server_info WHERE id = 1");
    if (!s.step()) return "$N Server_off#";
    return "$" + s.text(0) + " " + s.text(1) + "#";
}

// The game number written after a key's fixed text.
int64_t gameSuffix(const std::string& key, std::size_t fixedLength) {
    if (key.size() <= fixedLength) throw BadRequest("game number");
    std::string digits = key.substr(fixedLength);
    if (digits.empty() || digits.size() > 2) throw BadRequest("game number");
    for (char c : digits)
        if (c < '0' || c > '9') throw BadRequest("game number");
    return std::stoll(digits);
}

std::string tourRating(Database& db, const Fields& f, const std::string& k) {
    int64_t gid = gameSuffix(k, std::string("readrating").size());
    auto s = db.prepare("SELECT score, games, rating FROM tour_players WHERE gid = ? AND nick = ?");
    s.bind(1, gid).bind(2, f.word("nick", 1, 12, Charset::Latin));
    if (!s.step()) return "$0 0 " + std::to_string(kStartRating) + "#";
    return "$" + std::to_string(s.integer(0)) + " " + std::to_string(s.integer(1)) + " " +
           std::to_string(s.integer(2)) + "#";
}

const char* orderColumn(char m) {
    return m == 's' ? "score" : m == 'r' ? "rating" : m == 'k' ? "games" : nullptr;
}

std::string tourTop10(Database& db, const std::string& k) {
    char m = k.size() > 5 ? k[5] : '?';
    int64_t gid = gameSuffix(k, 6);
    if (!orderColumn(m)) throw BadRequest("order");
    // One statement per order: the column is chosen here, never taken from the request.
    const char* sql = m == 's'   ? "SELECT nick, city, country, sex, score FROM tour_players WHERE gid = ? AND games > 0 "
                                   "ORDER BY score DESC, nick LIMIT 10"
                      : m == 'r' ? "SELECT nick, city, country, sex, rating FROM tour_players WHERE gid = ? AND games > 0 "
                                   "ORDER BY rating DESC, nick LIMIT 10"
                                 : "SELECT nick, city, country, sex, games FROM tour_players WHERE gid = ? AND games > 0 "
                                   "ORDER BY games DESC, nick LIMIT 10";
    auto s = db.prepare(sql);
    s.bind(1, gid);
    std::string answer;
    for (int place = 1; s.step(); ++place)
        answer += "$" + std::to_string(place) + " " + s.text(0) + " " + s.text(1) + " " + s.text(2) + " " +
                  s.text(3) + " " + std::to_string(s.integer(4)) + "*";
    return answer.empty() ? "#" : answer;
}

std::string tourPlace(Database& db, const Fields& f, const std::string& k) {
    char m = k.size() > 5 ? k[5] : '?';
    int64_t gid = gameSuffix(k, 6);
    const char* sql = nullptr;
    int64_t value = 0;
    if (m == 's') {
        value = f.integer("score1", -kMaxValue, kMaxValue);
        sql = "SELECT count(*) FROM tour_players WHERE gid = ? AND games > 0 AND score > ?";
    } else if (m == 'r') {
        value = f.integer("rating1", -kMaxValue, kMaxValue);
        sql = "SELECT count(*) FROM tour_players WHERE gid = ? AND games > 0 AND rating > ?";
    } else if (m == 'k') {
        value = f.integer("kon1", -kMaxValue, kMaxValue);
        sql = "SELECT count(*) FROM tour_players WHERE gid = ? AND games > 0 AND games > ?";
    } else {
        throw BadRequest("order");
    }
    auto s = db.prepare(sql);
    s.bind(1, gid).bind(2, value);
    s.step();
    return numberAnswer(s.integer(0) + 1);
}

}  // namespace

std::string handleTournament(Database& db, const ClubConfig& config, const std::string& relayHost,
                             const Fields& f) {
    if (f.has("readtable10")) return readTables(db, config, relayHost, f);
    if (auto k = f.keyStartingWith("clienton")) return setSeat(db, f, *k);
    if (auto k = f.keyStartingWith("readclient")) return readSeatAnswer(db, f, *k);
    if (f.has("serverinforead")) return serverInfo(db);
    if (auto k = f.keyStartingWith("readrating")) return tourRating(db, f, *k);
    if (auto k = f.keyStartingWith("top10")) return tourTop10(db, *k);
    if (auto k = f.keyStartingWith("place")) return tourPlace(db, f, *k);
    throw BadRequest("unknown tournament request");
}

// ---- relay bookkeeping -------------------------------------------------------------------

namespace {
constexpr int64_t kRelayGame = 5;
}

std::array<std::string, 2> ClubService::seatNicks(int table) {
    return {readSeat(db_, kRelayGame, table, 1).nick, readSeat(db_, kRelayGame, table, 2).nick};
}

void ClubService::recordTourResult(int table, int a) {
    cache_.clear();
    Transaction t(db_);
    Seat s1 = readSeat(db_, kRelayGame, table, 1), s2 = readSeat(db_, kRelayGame, table, 2);
    if (s1.free() || s2.free()) return;
    auto ratingOf = [&](const std::string& nick) {
        auto s = db_.prepare("SELECT rating FROM tour_players WHERE gid = ? AND nick = ?");
        s.bind(1, kRelayGame).bind(2, nick);
        return s.step() ? s.integer(0) : kStartRating;
    };
    int64_t r1 = ratingOf(s1.nick), r2 = ratingOf(s2.nick);
    double expected1 = 1 / (1 + std::pow(10.0, static_cast<double>(r2 - r1) / 400));
    double actual1 = a > 0 ? 1 : a < 0 ? 0 : 0.5;
    int64_t change = std::llround(kEloFactor * (actual1 - expected1));
    auto update = [&](const Seat& seat, int result, int64_t ratingChange) {
        db_.prepare("INSERT INTO tour_players (gid, nick, country, city, sex) VALUES (?1,?2,?3,?4,?5) "
                    "ON CONFLICT (gid, nick) DO NOTHING")
            .bind(1, kRelayGame).bind(2, seat.nick).bind(3, seat.country).bind(4, seat.city).bind(5, seat.sex)
            .run();
        db_.prepare("UPDATE tour_players SET score = score + ?, games = games + 1, rating = rating + ? "
                    "WHERE gid = ? AND nick = ?")
            .bind(1, static_cast<int64_t>(result)).bind(2, ratingChange).bind(3, kRelayGame).bind(4, seat.nick)
            .run();
    };
    update(s1, a, change);
    update(s2, -a, -change);
    t.commit();
}

void ClubService::freeSeat(int table, int seat) {
    cache_.clear();
    Transaction t(db_);
    writeSeat(db_, kRelayGame, table, seat, Seat{});
    t.commit();
}

}  // namespace vantorn::club
