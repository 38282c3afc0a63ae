// The requests of the club service, one blocking call each. Every operation takes the
// address to use and its own fields and returns its result with a success flag; nothing
// throws. Failed or unparsable answers leave the results at their presets.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "forms.h"
#include "service_records.h"
#include "transport.h"

namespace vantorn::online {

// Per-game key prefix of the account requests' game keys.
inline constexpr std::string_view kKeyPrefix = "crdvan";
// This program's game number on the service and the ids derived from it.
inline constexpr int kGameNumber = 5;
inline constexpr int kDesktopListId = 5;
inline constexpr int kMobileListId = 105;
inline constexpr int kAccountListId = 305;
inline constexpr int kChatListId = 100;
// Program version sent as R8 of every top-list entry.
inline constexpr std::string_view kProgramVersion = "5.7f";

template <class T>
struct Reply {
    bool ok = false;
    T value{};
};

enum class RegisterOutcome { Created = 0, NickExists = 1, Failed = 2 };
enum class SeatOutcome { Done = 0, Failed = 1, Taken = 2 };
// Why a seat changes (the can field of SetSeat).
enum class SeatChange { Free = 0, Take = 1, Leave = 2 };

struct TopListEntry {
    int gid = kDesktopListId;
    std::string nick, city, country;
    int32_t score = 0;
    std::string R7, R9 = "#", R10 = "#";
};

struct ServerInfo {
    std::string state = "X";  // "Y" when the tournament server is on
    std::string message;      // "_" stands for blanks
};

struct TourRating {
    int32_t score = -1, games = 0, rating = 0;
};

using TopList = std::array<TQexRecord, 10>;
using Tables = std::array<TQexTable, 10>;  // index 0 is table 1

class ServiceClient {
public:
    explicit ServiceClient(Transport& transport) : transport_(transport) {}

    // Accounts
    RegisterOutcome RegisterUser(const std::string& url, const TQexUser& user);
    Reply<TQexUser> ReadUser(const std::string& url, const std::string& nick, const std::string& pw);
    Reply<std::array<TQexTop10, 10>> ReadRatingTop10(const std::string& url);
    Reply<int64_t> ReadRatingPlace(const std::string& url, double rating);
    Reply<int64_t> ReadClubSize(const std::string& url);
    Reply<int64_t> ReadQexs(const std::string& url, const std::string& nick);
    bool AddQexs(const std::string& url, const std::string& nick, int64_t amount);
    // Reports no success flag of its own: a failure leaves the card empty.
    TInfo14 ReadInfo(const std::string& url, const std::string& nick);
    bool SaveInfo(const std::string& url, const std::string& nick, const TInfo14& info);
    Reply<TQexGame> ReadGame(const std::string& url, const std::string& nick, const std::string& pw);
    bool WriteGame(const std::string& url, const std::string& nick, const std::string& pw,
                   const TQexGame& game);

    // Top lists and chat
    Reply<TopList> ReadTopList(const std::string& url, int gid);
    Reply<TopList> ReadTopListAround(const std::string& url, int gid, const std::string& nick,
                                     const std::string& city);
    Reply<int64_t> ReadTopListCount(const std::string& url, int gid);
    Reply<int64_t> SubmitTopList(const std::string& url, const TopListEntry& entry);

    // Tournament
    Reply<Tables> ReadTables(const std::string& url, int game = kGameNumber);
    SeatOutcome SetSeat(const std::string& url, int table, int seat, SeatChange can,
                        const TQexClient& client, int game = kGameNumber);
    Reply<TQexClient> ReadSeat(const std::string& url, int table, int seat, int game = kGameNumber);
    Reply<ServerInfo> ReadServerInfo(const std::string& url, int game = kGameNumber);
    Reply<TourRating> ReadTourRating(const std::string& url, const std::string& nick,
                                     int game = kGameNumber);
    // order: 's' by score, 'r' by rating, 'k' by games
    Reply<TopList> ReadTourTop10(const std::string& url, char order, int game = kGameNumber);
    Reply<int64_t> ReadTourPlace(const std::string& url, char order, int64_t value,
                                 int game = kGameNumber);

    // Statistics
    Reply<TQexStat> ReadStats(const std::string& url, int gid = kGameNumber);
    bool SendLaunch(const std::string& url, int32_t stat1, int32_t stat2, int gid = kGameNumber);
    bool SendStats34(const std::string& url, int32_t stat3, const std::string& stat4,
                     int gid = kGameNumber);
    bool SendGameStats(const std::string& url, const std::array<int32_t, 12>& counters,
                       int gid = kGameNumber);

    // Documents and pictures
    std::optional<std::string> FetchDocument(const std::string& url);
    // The JPEG bytes of nick's picture; nullopt unless a JPEG picture arrived.
    std::optional<std::string> FetchPicture(const ServiceAddresses& addresses, const std::string& nick);
    bool UploadPicture(const FtpTarget& target, const std::string& nick, std::string_view jpeg);

private:
    std::optional<std::string> send(const std::string& url, FormKind kind, const FormFields& fields,
                                    bool withTimeout = false);
    Reply<TopList> readTopListAnswer(const std::optional<std::string>& answer, int gid);

    Transport& transport_;
};

// The relay of the tournament: its address is table 1's IP, and table t is on table 1's
// Port - 1 + t.
inline const std::string& relayAddress(const Tables& tables) { return tables[0].IP; }
inline int relayPort(const Tables& tables, int table) { return tables[0].Port - 1 + table; }

// True when bytes look like a whole JPEG file (start and end markers).
bool looksLikeJpeg(std::string_view bytes);

}  // namespace vantorn::online
