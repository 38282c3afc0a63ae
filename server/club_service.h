// The club's web service, free of any HTTP library: a request (method, path, body and the
// few headers it reads) goes in, an answer in the service's grammar comes out. Every request
// of the client's request table is served here, plus the documents, pictures and downloads.
// Runs on the server's one thread; each request is one database transaction.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <unordered_map>

#include "club_db.h"
#include "password_cache.h"

namespace vantorn::club {

// Bodies longer than this are refused before they are read.
inline constexpr std::size_t kMaxBodyBytes = 8192;
// A form with more pairs than this is not one of ours.
inline constexpr std::size_t kMaxFormFields = 32;
// At most this many answers of the hot reads are kept (see ClubService).
inline constexpr std::size_t kMaxCachedAnswers = 64;
// The tournament has this many tables of two seats.
inline constexpr int kTables = 10;

struct HttpRequest {
    std::string method;     // "GET" or "POST"
    std::string path;       // percent-encoded, without the query
    std::string body;
    std::string peer;       // caller's address
    std::string host;       // Host header
    std::string userAgent;
};

struct HttpReply {
    int status = 200;
    std::string contentType = "text/plain; charset=windows-1251";
    std::string body;
    std::string filePath;   // when set, the answer is this file (body unused)
};

struct ClubConfig {
    std::string httpHost = "127.0.0.1";
    int httpPort = 8080;
    int relayBase = 5000;        // table t listens on relayBase + t
    std::string ftpDir;          // players' pictures, <nick>.jpg (where FTP uploads land)
    std::string staticDir;       // musik/, downloads/progr/cards/, progr/cards.html
    bool pauseTopLists = false;
    bool pauseChat = false;
};

class ClubService {
public:
    ClubService(Database& db, ClubConfig config);

    HttpReply handle(const HttpRequest& request);

    // For the tournament relay.
    std::array<std::string, 2> seatNicks(int table);
    // Seat 1 reported the result a (seat 2's is -a): scores, games and ratings of both.
    void recordTourResult(int table, int a);
    void freeSeat(int table, int seat);

    const ClubConfig& config() const { return config_; }

private:
    HttpReply post(const HttpRequest& request, const std::string& host);

    Database& db_;
    ClubConfig config_;
    PasswordCache logins_;
    // Answers of the two hot reads (ReadTopList, ReadTables) by request; any other request
    // may write, so it empties the cache, as do the relay's writes.
    std::unordered_map<std::string, std::string> cache_;
};

}  // namespace vantorn::club
