// The account address: registration, login, the contact card, Qexs, the per-game statistics
// of an account, its rating top ten and places, the club size.
#include <sodium.h>

#include "online/answer_rules.h"
#include "service_common.h"

namespace vantorn::club {

namespace {

// The per-game key prefix of this club's game.
constexpr std::string_view kPrefix = "crdvan";
// Largest amount of Qexs one AddQexs may move.
constexpr int64_t kMaxQexsStep = 1'000'000;
constexpr int64_t kMaxCount = 1'000'000'000;

// The client reads "no" anywhere in the answer of a login or a contact card as a refusal, so
// data that would put those two letters into such an answer is refused when it is written:
// an account that could never log in, or a card that could never be read, is worse than an
// honest "no" at the start.
bool breaksMarkerAnswer(const std::string& text) { return text.find(kNo) != std::string::npos; }

std::string key(std::string_view name) { return std::string(kPrefix) + std::string(name); }

std::string nickOf(const Fields& f) { return f.word("nick", 2, 12, Charset::Latin); }

std::string hashPassword(const std::string& pw) {
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, pw.data(), pw.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("password hashing failed");
    return out;
}

// True when nick is an account and pw its password.
bool passwordMatches(Database& db, PasswordCache& logins, const std::string& nick, const std::string& pw) {
    auto s = db.prepare("SELECT pw_hash FROM accounts WHERE nick = ?");
    s.bind(1, nick);
    if (!s.step()) return false;
    if (logins.knows(nick, pw)) return true;
    std::string hash = s.text(0);
    if (crypto_pwhash_str_verify(hash.c_str(), pw.data(), pw.size()) != 0) return false;
    logins.remember(nick, pw);
    return true;
}

bool accountExists(Database& db, const std::string& nick) {
    auto s = db.prepare("SELECT 1 FROM accounts WHERE nick = ?");
    s.bind(1, nick);
    return s.step();
}

std::string registerUser(Database& db, const Fields& f) {
    std::string nick = nickOf(f);
    std::string pw = f.word("pw", 4, 12, Charset::Latin);
    std::string city = f.word("city", 2, 15, Charset::Words);
    std::string country1 = f.word("country1", 0, 20, Charset::Words);
    std::string country2 = f.word("country2", 5, 5, Charset::Latin);
    std::string sex = f.word("sex", 1, 1, Charset::Latin);
    std::string email = f.word("email", 0, 30, Charset::Latin);
    std::string dater = f.word("dater", 0, 12, Charset::Latin);
    std::string r01 = f.word("R01", 0, 20, Charset::WordsHash);
    std::string r02 = f.word("R02", 0, 20, Charset::WordsHash);
    std::string r03 = f.word("R03", 0, 20, Charset::WordsHash);
    f.integer("R04", INT32_MIN, INT32_MAX);  // a new account's balance is always 0
    int64_t r05 = f.integer("R05", INT32_MIN, INT32_MAX);
    int64_t r06 = f.integer("R06", INT32_MIN, INT32_MAX);
    if (sex != "M" && sex != "W") throw BadRequest("sex");
    if (country2[1] != '-') throw BadRequest("country code");
    if (!email.empty()) {
        auto at = email.find('@');
        if (at == std::string::npos || at == 0 || at + 1 == email.size()) throw BadRequest("email");
    }
    for (const std::string* v : {&city, &country1, &country2, &email, &dater, &r01, &r02, &r03})
        if (breaksMarkerAnswer(*v)) return std::string(kNo);
    Transaction t(db);
    if (accountExists(db, nick)) return std::string(kTaken);
    std::string hash = hashPassword(pw);
    db.prepare("INSERT INTO accounts (nick, pw_hash, city, country1, country2, sex, email, dater, "
               "r01, r02, r03, qexs, r05, r06) VALUES (?,?,?,?,?,?,?,?,?,?,?,0,?,?)")
        .bind(1, nick).bind(2, hash).bind(3, city).bind(4, country1).bind(5, country2).bind(6, sex)
        .bind(7, email).bind(8, dater).bind(9, r01).bind(10, r02).bind(11, r03).bind(12, r05).bind(13, r06)
        .run();
    t.commit();
    return std::string(kOk);
}

std::string readUser(Database& db, PasswordCache& logins, const Fields& f) {
    std::string nick = nickOf(f);
    std::string pw = f.word("pw", 1, 64, Charset::Card);
    if (!passwordMatches(db, logins, nick, pw)) return std::string(kNo);
    auto s = db.prepare("SELECT city, country1, country2, sex, email, dater, r01, r02, r03, qexs, r05, r06 "
                        "FROM accounts WHERE nick = ?");
    s.bind(1, nick);
    if (!s.step()) return std::string(kNo);
    std::string answer = "$";
    for (int c = 0; c < 12; ++c) {
        if (c) answer += ' ';
        answer += c >= 9 ? std::to_string(s.integer(c)) : s.text(c);
    }
    return answer + "#";
}

std::string ratingTop10(Database& db) {
    auto s = db.prepare("SELECT a.nick, a.city, a.country1, a.country2, a.sex, g.rating FROM account_games g "
                        "JOIN accounts a ON a.nick = g.nick WHERE g.prefix = ? AND g.kon > 0 "
                        "ORDER BY g.rating DESC, a.nick LIMIT 10");
    s.bind(1, kPrefix);
    std::string answer;
    for (int place = 1; s.step(); ++place) {
        answer += "$" + std::to_string(place);
        for (int c = 0; c < 5; ++c) answer += " " + s.text(c);
        answer += " " + online::formatRating(s.real(5)) + "*";
    }
    return answer.empty() ? "#" : answer;
}

std::string ratingPlace(Database& db, const Fields& f) {
    double rating = f.rating(key("rating"));
    // Accounts without a game of their own have rating 0.
    auto s = db.prepare("SELECT count(*) FROM accounts a LEFT JOIN account_games g "
                        "ON g.nick = a.nick AND g.prefix = ? WHERE coalesce(g.rating, 0) > ?");
    s.bind(1, kPrefix).bind(2, rating);
    s.step();
    return numberAnswer(s.integer(0) + 1);
}

std::string clubSize(Database& db) {
    auto s = db.prepare("SELECT count(*) FROM accounts");
    s.step();
    return numberAnswer(s.integer(0));
}

std::string readQexs(Database& db, const Fields& f) {
    auto s = db.prepare("SELECT qexs FROM accounts WHERE nick = ?");
    s.bind(1, nickOf(f));
    if (!s.step()) return std::string(kNo);
    return "$" + std::to_string(s.integer(0)) + "$";
}

std::string addQexs(Database& db, const Fields& f) {
    std::string nick = nickOf(f);
    int64_t amount = f.integer("R04", -kMaxQexsStep, kMaxQexsStep);
    Transaction t(db);
    // A debit never takes a balance below zero.
    auto s = db.prepare("UPDATE accounts SET qexs = qexs + ?1 WHERE nick = ?2 AND qexs + ?1 >= 0");
    s.bind(1, amount).bind(2, nick).run();
    if (sqlite3_changes(db.handle()) != 1) return std::string(kNo);
    t.commit();
    return std::string(kOk);
}

// Form keys of the contact card in the order of the card's answer, with their lengths.
struct CardField {
    const char* key;
    std::size_t maxLen;
};
constexpr CardField kCardFields[14] = {
    {"namei", 20},  {"name2", 20}, {"about", 50}, {"telephone", 20}, {"emailo", 50},
    {"website", 50}, {"skype", 50}, {"ok", 50},  {"vk", 50},         {"telegram", 50},
    {"facebook", 60}, {"twitter", 50}, {"instagramm", 50}, {"youtube", 50}};

std::string readInfo(Database& db, const Fields& f) {
    std::string nick = nickOf(f);
    if (!accountExists(db, nick)) return std::string(kNo);
    auto s = db.prepare("SELECT name1, name2, about, telephone, emailo, website, skype, ok, vk, telegram, "
                        "facebook, twitter, instagramm, youtube FROM contact_cards WHERE nick = ?");
    s.bind(1, nick);
    bool found = s.step();
    std::string answer = "$";
    for (int c = 0; c < 14; ++c) {
        if (c) answer += '~';
        if (found) answer += s.text(c);
    }
    return answer + "#";
}

std::string saveInfo(Database& db, const Fields& f) {
    std::string nick = nickOf(f);
    std::string values[14];
    for (int i = 0; i < 14; ++i) {
        values[i] = f.word(kCardFields[i].key, 0, kCardFields[i].maxLen, Charset::Card);
        if (breaksMarkerAnswer(values[i])) return std::string(kNo);
    }
    Transaction t(db);
    if (!accountExists(db, nick)) return std::string(kNo);
    auto s = db.prepare("INSERT OR REPLACE INTO contact_cards (nick, name1, name2, about, telephone, emailo, "
                        "website, skype, ok, vk, telegram, facebook, twitter, instagramm, youtube) "
                        "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    s.bind(1, nick);
    for (int i = 0; i < 14; ++i) s.bind(i + 2, values[i]);
    s.run();
    t.commit();
    return std::string(kOk);
}

std::string readGame(Database& db, PasswordCache& logins, const Fields& f) {
    std::string nick = nickOf(f);
    if (!passwordMatches(db, logins, nick, f.word("pw", 1, 64, Charset::Card))) return std::string(kNo);
    auto s = db.prepare("SELECT kon, best, rating, ses, konl, score, r1, r2 FROM account_games "
                        "WHERE nick = ? AND prefix = ?");
    s.bind(1, nick).bind(2, kPrefix);
    if (!s.step()) return "$0 0 0 0 0 0 0 ##";
    return "$" + std::to_string(s.integer(0)) + " " + std::to_string(s.integer(1)) + " " +
           online::formatRating(s.real(2)) + " " + std::to_string(s.integer(3)) + " " +
           std::to_string(s.integer(4)) + " " + std::to_string(s.integer(5)) + " " +
           std::to_string(s.integer(6)) + " " + s.text(7) + "#";
}

std::string writeGame(Database& db, PasswordCache& logins, const Fields& f) {
    std::string nick = nickOf(f);
    std::string pw = f.word("pw", 1, 64, Charset::Card);
    int64_t kon = f.integer(key("kon"), 0, kMaxCount);
    int64_t best = f.integer(key("best"), INT32_MIN, INT32_MAX);
    double rating = f.rating(key("rating"));
    int64_t ses = f.integer(key("ses"), 0, kMaxCount);
    int64_t konl = f.integer(key("konl"), 0, kMaxCount);
    int64_t score = f.integer(key("score"), INT32_MIN, INT32_MAX);
    int64_t r1 = f.integer(key("R1"), INT32_MIN, INT32_MAX);
    std::string r2 = f.word(key("R2"), 0, 20, Charset::WordsHash);
    Transaction t(db);
    if (!passwordMatches(db, logins, nick, pw)) return std::string(kNo);
    db.prepare("INSERT OR REPLACE INTO account_games (nick, prefix, kon, best, rating, ses, konl, score, r1, r2) "
               "VALUES ((SELECT nick FROM accounts WHERE nick = ?),?,?,?,?,?,?,?,?,?)")
        .bind(1, nick).bind(2, kPrefix).bind(3, kon).bind(4, best).bind(5, rating).bind(6, ses)
        .bind(7, konl).bind(8, score).bind(9, r1).bind(10, r2)
        .run();
    t.commit();
    return std::string(kOk);
}

}  // namespace

std::string handleAccount(Database& db, PasswordCache& logins, const Fields& f) {
    if (f.has("label0")) return readUser(db, logins, f);
    if (f.has("label1")) return clubSize(db);
    if (f.has("labelqexread")) return readQexs(db, f);
    if (f.has("labelqexsave")) return addQexs(db, f);
    if (f.has("labelinforead")) return readInfo(db, f);
    if (f.has("labelinfosave")) return saveInfo(db, f);
    if (f.has(key("kon"))) return f.has("nick") ? writeGame(db, logins, f) : ratingTop10(db);
    if (f.has(key("best"))) return readGame(db, logins, f);
    if (f.has(key("rating"))) return ratingPlace(db, f);
    if (f.has("dater")) return registerUser(db, f);
    throw BadRequest("unknown account request");
}

}  // namespace vantorn::club
