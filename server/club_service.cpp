#include "club_service.h"

#include <cmath>
#include <set>

#include "online/transport.h"
#include "service_common.h"

namespace vantorn::club {

// ---- Fields ----------------------------------------------------------------------------

Fields::Fields(online::FormFields f) : fields_(std::move(f)) {
    std::set<std::string> seen;
    for (const auto& [key, value] : fields_)
        if (!seen.insert(key).second) throw BadRequest("duplicate key " + key);
}

bool Fields::has(std::string_view key) const {
    for (const auto& [k, v] : fields_)
        if (k == key) return true;
    return false;
}

std::optional<std::string> Fields::keyStartingWith(std::string_view prefix) const {
    for (const auto& [k, v] : fields_)
        if (std::string_view(k).substr(0, prefix.size()) == prefix) return k;
    return std::nullopt;
}

const std::string& Fields::raw(std::string_view key) const {
    for (const auto& [k, v] : fields_)
        if (k == key) return v;
    throw BadRequest("missing " + std::string(key));
}

bool allowedByte(unsigned char c, Charset charset) {
    if (charset == Charset::Card) return c >= 0x20 && c != 0x7F && c != '$' && c != '~' && c != '&';
    bool latin = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '!' ||
                 c == '(' || c == ')' || c == ',' || c == '-' || c == '.' || c == '@' || c == '_';
    if (latin) return true;
    if (charset == Charset::Latin) return false;
    bool cyrillic = c >= 0xC0 || c == 0xA8 || c == 0xB8;
    if (cyrillic) return true;
    return charset == Charset::WordsHash && c == '#';
}

std::string Fields::word(std::string_view key, std::size_t minLen, std::size_t maxLen, Charset charset) const {
    const std::string& v = raw(key);
    if (v.size() < minLen || v.size() > maxLen) throw BadRequest("bad length of " + std::string(key));
    for (unsigned char c : v)
        if (!allowedByte(c, charset)) throw BadRequest("bad character in " + std::string(key));
    return v;
}

int64_t Fields::integer(std::string_view key, int64_t min, int64_t max) const {
    const std::string& v = raw(key);
    if (v.empty() || v.size() > 20) throw BadRequest("bad number " + std::string(key));
    std::size_t i = v[0] == '-' ? 1 : 0;
    if (i == v.size()) throw BadRequest("bad number " + std::string(key));
    int64_t n = 0;
    for (; i < v.size(); ++i) {
        if (v[i] < '0' || v[i] > '9') throw BadRequest("bad number " + std::string(key));
        if (n > (INT64_MAX - 9) / 10) throw BadRequest("number too large " + std::string(key));
        n = n * 10 + (v[i] - '0');
    }
    if (v[0] == '-') n = -n;
    if (n < min || n > max) throw BadRequest("number out of range " + std::string(key));
    return n;
}

double Fields::rating(std::string_view key) const {
    const std::string& v = raw(key);
    // Sent as "-digits.digits" (or "0"); any other text is not a rating.
    if (v.empty() || v.size() > 40) throw BadRequest("bad rating");
    std::size_t i = v[0] == '-' ? 1 : 0, digits = 0, points = 0;
    for (; i < v.size(); ++i) {
        if (v[i] == '.') {
            ++points;
        } else if (v[i] >= '0' && v[i] <= '9') {
            ++digits;
        } else {
            throw BadRequest("bad rating");
        }
    }
    if (digits == 0 || points > 1) throw BadRequest("bad rating");
    double r = std::stod(v);
    if (!std::isfinite(r) || std::fabs(r) > 1e9) throw BadRequest("rating out of range");
    return r;
}

std::string numberAnswer(int64_t n) { return "$" + std::to_string(n) + "#"; }

// ---- ClubService -------------------------------------------------------------------------

namespace {

// The host part of a Host header, when it is a plain host name or address.
std::string hostOf(const std::string& header) {
    std::string host = header.substr(0, header.rfind(':') == std::string::npos ? header.size() : header.rfind(':'));
    if (host.empty() || host.size() > 253) return {};
    for (char c : host)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-'))
            return {};
    return host;
}

bool anyAddress(const std::string& host) { return host == "0.0.0.0" || host == "::" || host.empty(); }

}  // namespace

ClubService::ClubService(Database& db, ClubConfig config) : db_(db), config_(std::move(config)) {}

HttpReply ClubService::handle(const HttpRequest& request) {
    // The address that callers reached us by: the listening address, or, when that is every
    // interface, the host the caller named.
    std::string host = config_.httpHost;
    if (anyAddress(host)) host = hostOf(request.host);
    if (host.empty()) host = "127.0.0.1";
    if (request.method == "POST") return post(request, host);
    HttpReply reply;
    try {
        if (request.method == "GET")
            return handleDocument(db_, config_, request,
                                  "http://" + (host.find(':') != std::string::npos ? "[" + host + "]" : host) + ":" +
                                      std::to_string(config_.httpPort));
        reply.status = 405;
        reply.body = std::string(kNo);
    } catch (const std::exception&) {
        reply.status = 500;
        reply.body = std::string(kNo);
    }
    return reply;
}

namespace {

// True for the reads whose answers may be kept: ReadTopList and ReadTables.
bool cacheable(const HttpRequest& request) {
    const std::string& b = request.body;
    if (request.path == "/games") return b.size() <= 7 && b.rfind("gid=", 0) == 0 && b.find('&') == std::string::npos;
    if (request.path == "/tournament") return b.size() <= 30 && b.rfind("readtable10=", 0) == 0;
    return false;
}

}  // namespace

HttpReply ClubService::post(const HttpRequest& request, const std::string& host) {
    HttpReply reply;
    if (request.userAgent != online::kUserAgent) {
        reply.status = 403;
        reply.body = std::string(kNo);
        return reply;
    }
    const bool keep = cacheable(request);
    std::string cacheKey;
    if (keep) {
        cacheKey = request.path + '\n' + host + '\n' + request.body;
        if (auto it = cache_.find(cacheKey); it != cache_.end()) {
            reply.body = it->second;
            return reply;
        }
    } else {
        cache_.clear();
    }
    try {
        if (request.body.size() > kMaxBodyBytes) throw BadRequest("body too large");
        std::string_view body = request.body;
        // A top-list entry ends with "*" right after its last value.
        if (request.path == "/games" && !body.empty() && body.back() == '*') body.remove_suffix(1);
        auto parsed = online::parseFormBody(body, kMaxFormFields);
        if (!parsed) throw BadRequest("not a form");
        Fields fields(std::move(*parsed));
        if (request.path == "/account") {
            reply.body = handleAccount(db_, logins_, fields);
        } else if (request.path == "/games") {
            reply.body = handleGames(db_, fields);
        } else if (request.path == "/stats") {
            reply.body = handleStats(db_, fields);
        } else if (request.path == "/tournament") {
            reply.body = handleTournament(db_, config_, host, fields);
        } else {
            reply.status = 404;
            reply.body = std::string(kNo);
            return reply;
        }
        if (keep) {
            if (cache_.size() >= kMaxCachedAnswers) cache_.clear();
            cache_.emplace(std::move(cacheKey), reply.body);
        }
    } catch (const BadRequest&) {
        reply.status = 400;
        reply.body = std::string(kNo);
    } catch (const std::exception&) {
        reply.status = 500;
        reply.body = std::string(kNo);
    }
    return reply;
}

}  // namespace vantorn::club
