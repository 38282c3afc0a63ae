#include "service_client.h"

#include "answer_rules.h"

namespace vantorn::online {

namespace {

std::string num(int64_t v) { return std::to_string(v); }
std::string prefixed(std::string_view key) { return std::string(kKeyPrefix) + std::string(key); }

// Word i of a record, or nothing when the record is shorter.
const std::string* word(const std::vector<std::string>& words, std::size_t i) {
    return i < words.size() ? &words[i] : nullptr;
}
void setText(std::string& field, const std::vector<std::string>& w, std::size_t i) {
    if (auto p = word(w, i)) field = *p;
}
void setChar(char& field, const std::vector<std::string>& w, std::size_t i) {
    if (auto p = word(w, i); p && !p->empty()) field = p->front();
}
void setInt(int32_t& field, const std::vector<std::string>& w, std::size_t i) {
    if (auto p = word(w, i)) field = wordToInt(*p, field);
}
void setRating(double& field, const std::vector<std::string>& w, std::size_t i) {
    if (auto p = word(w, i)) field = readRating(*p);
}

// A list answer: fill(i, words) for record i of those read (at most the array's size).
template <class Array, class Fill>
void fillList(Reply<Array>& r, const std::optional<std::string>& answer, Fill fill) {
    if (!answer) return;
    r.ok = true;
    auto records = listRecords(*answer);
    for (std::size_t i = 0; i < records.size() && i < r.value.size(); ++i) fill(i, records[i]);
}

using Words = std::vector<std::string>;

template <class T>
Reply<T> numberReply(const std::optional<std::string>& answer) {
    Reply<T> r;
    if (!answer) return r;
    if (auto n = numberAnswer(*answer)) {
        r.ok = true;
        r.value = *n;
    }
    return r;
}

}  // namespace

std::optional<std::string> ServiceClient::send(const std::string& url, FormKind kind,
                                               const FormFields& fields, bool withTimeout) {
    if (withTimeout) transport_.setReadTimeout(kReadTimeoutMs);
    return transport_.post(url, formBody(kind, fields));
}

RegisterOutcome ServiceClient::RegisterUser(const std::string& url, const TQexUser& u) {
    auto answer = send(url, FormKind::Plain,
                       {{"nick", u.Nick}, {"pw", u.Pw}, {"city", u.City}, {"country1", u.Country1},
                        {"country2", u.Country2}, {"sex", std::string(1, u.Sex)}, {"email", u.EMail},
                        {"dater", u.DateR}, {"R01", u.R01}, {"R02", u.R02}, {"R03", u.R03},
                        {"R04", num(u.R04)}, {"R05", num(u.R05)}, {"R06", num(u.R06)}});
    if (!answer) return RegisterOutcome::Failed;
    if (hasMarker(*answer, "is")) return RegisterOutcome::NickExists;
    if (hasMarker(*answer, "ok")) return RegisterOutcome::Created;
    return RegisterOutcome::Failed;
}

Reply<TQexUser> ServiceClient::ReadUser(const std::string& url, const std::string& nick,
                                        const std::string& pw) {
    Reply<TQexUser> r;
    r.value.Nick = nick;
    r.value.Pw = pw;
    auto answer = send(url, FormKind::Encoded, {{"nick", nick}, {"pw", pw}, {"label0", "0"}});
    if (!answer || hasMarker(*answer, "no")) return r;
    r.ok = true;
    auto w = recordWords(*answer);
    TQexUser& u = r.value;
    setText(u.City, w, 1);
    setText(u.Country1, w, 2);
    setText(u.Country2, w, 3);
    setChar(u.Sex, w, 4);
    setText(u.EMail, w, 5);
    setText(u.DateR, w, 6);
    setText(u.R01, w, 7);
    setText(u.R02, w, 8);
    setText(u.R03, w, 9);
    setInt(u.R04, w, 10);
    setInt(u.R05, w, 11);
    setInt(u.R06, w, 12);
    return r;
}

Reply<std::array<TQexTop10, 10>> ServiceClient::ReadRatingTop10(const std::string& url) {
    Reply<std::array<TQexTop10, 10>> r;
    fillList(r, send(url, FormKind::Encoded, {{prefixed("kon"), "0"}}), [&](std::size_t i, const Words& w) {
        TQexTop10& t = r.value[i];
        setText(t.Nick, w, 2);
        setText(t.City, w, 3);
        setText(t.Country, w, 4);
        setText(t.Country, w, 5);  // the fifth word is the one kept
        setChar(t.Sex, w, 6);
        setRating(t.Rating, w, 7);
    });
    return r;
}

Reply<int64_t> ServiceClient::ReadRatingPlace(const std::string& url, double rating) {
    return numberReply<int64_t>(send(url, FormKind::Plain, {{prefixed("rating"), formatRating(rating)}}));
}

Reply<int64_t> ServiceClient::ReadClubSize(const std::string& url) {
    return numberReply<int64_t>(send(url, FormKind::Plain, {{"label1", "0"}}));
}

Reply<int64_t> ServiceClient::ReadQexs(const std::string& url, const std::string& nick) {
    Reply<int64_t> r;
    auto answer = send(url, FormKind::Encoded, {{"nick", nick}, {"labelqexread", "0"}});
    if (!answer || hasMarker(*answer, "no")) return r;
    if (auto n = balanceAnswer(*answer)) {
        r.ok = true;
        r.value = *n;
    }
    return r;
}

bool ServiceClient::AddQexs(const std::string& url, const std::string& nick, int64_t amount) {
    auto answer = send(url, FormKind::Plain, {{"nick", nick}, {"labelqexsave", "0"}, {"R04", num(amount)}});
    return answer && hasMarker(*answer, "ok");
}

TInfo14 ServiceClient::ReadInfo(const std::string& url, const std::string& nick) {
    TInfo14 info;
    auto answer = send(url, FormKind::Encoded, {{"nick", nick}, {"labelinforead", "0"}});
    if (!answer || hasMarker(*answer, "no")) return info;
    auto w = recordWords(*answer, '~');
    std::string* fields[] = {&info.Name1,    &info.Name2,    &info.About,   &info.Telephone,
                             &info.EMailO,   &info.WebSite,  &info.Skype,   &info.OK,
                             &info.VK,       &info.Telegram, &info.FaceBook, &info.Twitter,
                             &info.Instagramm, &info.YouTube};
    for (std::size_t i = 0; i < 14; ++i) setText(*fields[i], w, i + 1);
    return info;
}

bool ServiceClient::SaveInfo(const std::string& url, const std::string& nick, const TInfo14& i) {
    // "namei" is the service's key for the first name.
    auto answer = send(url, FormKind::Plain,
                       {{"nick", nick}, {"labelinfosave", "0"}, {"namei", i.Name1}, {"name2", i.Name2},
                        {"about", i.About}, {"telephone", i.Telephone}, {"emailo", i.EMailO},
                        {"website", i.WebSite}, {"skype", i.Skype}, {"ok", i.OK}, {"vk", i.VK},
                        {"telegram", i.Telegram}, {"facebook", i.FaceBook}, {"twitter", i.Twitter},
                        {"instagramm", i.Instagramm}, {"youtube", i.YouTube}});
    return answer && hasMarker(*answer, "ok");
}

Reply<TQexGame> ServiceClient::ReadGame(const std::string& url, const std::string& nick,
                                        const std::string& pw) {
    Reply<TQexGame> r;
    auto answer = send(url, FormKind::Encoded, {{"nick", nick}, {"pw", pw}, {prefixed("best"), "0"}});
    if (!answer) return r;
    r.ok = true;  // the exchange completed, whether or not a record was found
    auto w = recordWords(*answer);
    TQexGame& g = r.value;
    setInt(g.Kon, w, 1);
    setInt(g.Best, w, 2);
    setRating(g.Rating, w, 3);
    setInt(g.Sessions, w, 4);
    setInt(g.KonL, w, 5);
    setInt(g.Score, w, 6);
    setInt(g.R1, w, 7);
    setText(g.R2, w, 8);
    return r;
}

bool ServiceClient::WriteGame(const std::string& url, const std::string& nick, const std::string& pw,
                              const TQexGame& g) {
    auto answer = send(url, FormKind::Plain,
                       {{"nick", nick}, {"pw", pw}, {prefixed("kon"), num(g.Kon)},
                        {prefixed("best"), num(g.Best)}, {prefixed("rating"), formatRating(g.Rating)},
                        {prefixed("ses"), num(g.Sessions)}, {prefixed("konl"), num(g.KonL)},
                        {prefixed("score"), num(g.Score)}, {prefixed("R1"), num(g.R1)},
                        {prefixed("R2"), g.R2}});
    return answer && hasMarker(*answer, "ok");
}

Reply<TopList> ServiceClient::readTopListAnswer(const std::optional<std::string>& answer, int gid) {
    Reply<TopList> r;
    for (auto& row : r.value) row.GID = gid;
    fillList(r, answer, [&](std::size_t i, const Words& w) {
        TQexRecord& row = r.value[i];
        setInt(row.Place, w, 1);
        setInt(row.Score, w, 3);
        setText(row.Nick, w, 4);
        setText(row.Country, w, 5);
        setText(row.City, w, 6);
        setText(row.R07, w, 7);
        setText(row.R08, w, 8);
        setText(row.R09, w, 9);
        setText(row.R10, w, 10);
    });
    return r;
}

Reply<TopList> ServiceClient::ReadTopList(const std::string& url, int gid) {
    return readTopListAnswer(send(url, FormKind::Encoded, {{"gid", num(gid)}}, true), gid);
}

Reply<TopList> ServiceClient::ReadTopListAround(const std::string& url, int gid, const std::string& nick,
                                                const std::string& city) {
    return readTopListAnswer(
        send(url, FormKind::Plain, {{"gid", num(gid)}, {"nick", nick}, {"city", city}}, true), gid);
}

Reply<int64_t> ServiceClient::ReadTopListCount(const std::string& url, int gid) {
    return numberReply<int64_t>(send(url, FormKind::Encoded, {{"rgid", num(gid)}}));
}

Reply<int64_t> ServiceClient::SubmitTopList(const std::string& url, const TopListEntry& e) {
    FormFields fields = {{"gid", num(e.gid)},   {"nick", e.nick},
                         {"city", e.city},      {"country", e.country},
                         {"score", num(e.score)}, {"R7", e.R7},
                         {"R8", std::string(kProgramVersion)}, {"R9", e.R9},
                         {"R10", e.R10}};
    // The body ends with "*" right after the R10 value.
    auto answer = transport_.post(url, plainBody(fields) + "*");
    return numberReply<int64_t>(answer);
}

Reply<Tables> ServiceClient::ReadTables(const std::string& url, int game) {
    Reply<Tables> r;
    auto answer = send(url, FormKind::Encoded, {{"readtable10", num(game)}, {"gid", num(game)}}, true);
    // The first record is table 10, the next table 9, and so on.
    fillList(r, answer, [&](std::size_t i, const Words& w) {
        TQexTable& t = r.value[9 - i];
        setText(t.IP, w, 2);
        setInt(t.Port, w, 3);
        setText(t.Free, w, 4);
        setInt(t.R1, w, 5);
        setText(t.R2, w, 6);
        for (int s = 0; s < 2; ++s) {
            TQexSeat& seat = s == 0 ? t.Seat1 : t.Seat2;
            std::size_t b = 7 + 8 * s;
            setText(seat.Nick, w, b);
            setInt(seat.Score, w, b + 1);
            setInt(seat.Kon, w, b + 2);
            setInt(seat.Rating, w, b + 3);
            setText(seat.Country, w, b + 4);
            setText(seat.City, w, b + 5);
            setChar(seat.Sex, w, b + 6);
            setText(seat.IP, w, b + 7);
        }
    });
    return r;
}

SeatOutcome ServiceClient::SetSeat(const std::string& url, int table, int seat, SeatChange can,
                                   const TQexClient& c, int game) {
    std::string s = num(seat);
    auto answer = send(url, FormKind::Plain,
                       {{"clienton" + s, "0"}, {"gid", num(game)}, {"num", num(table)},
                        {"can", num(static_cast<int>(can))}, {"nick" + s, c.Nick},
                        {"score" + s, num(c.Score)}, {"kon" + s, num(c.Kon)},
                        {"rating" + s, num(c.Rating)}, {"country" + s, c.Country},
                        {"city" + s, c.City}, {"sex" + s, std::string(1, c.Sex)}, {"ip" + s, c.IP}});
    if (!answer) return SeatOutcome::Failed;
    if (hasMarker(*answer, "is")) return SeatOutcome::Taken;
    if (hasMarker(*answer, "ok")) return SeatOutcome::Done;
    return SeatOutcome::Failed;
}

Reply<TQexClient> ServiceClient::ReadSeat(const std::string& url, int table, int seat, int game) {
    Reply<TQexClient> r;
    auto answer = send(url, FormKind::Encoded,
                       {{"readclient" + num(seat), "0"}, {"gid", num(game)}, {"num", num(table)}});
    if (!answer) return r;
    r.ok = true;
    auto w = recordWords(*answer);
    TQexClient& c = r.value;
    setText(c.Nick, w, 1);
    setInt(c.Score, w, 2);
    setInt(c.Kon, w, 3);
    setInt(c.Rating, w, 4);
    setText(c.Country, w, 5);
    setText(c.City, w, 6);
    setChar(c.Sex, w, 7);
    setText(c.IP, w, 8);
    return r;
}

Reply<ServerInfo> ServiceClient::ReadServerInfo(const std::string& url, int game) {
    Reply<ServerInfo> r;
    auto answer = send(url, FormKind::Encoded, {{"serverinforead", "0"}, {"gid", num(game)}});
    if (!answer) return r;
    r.ok = true;
    auto w = recordWords(*answer);
    setText(r.value.state, w, 1);
    setText(r.value.message, w, 2);
    return r;
}

Reply<TourRating> ServiceClient::ReadTourRating(const std::string& url, const std::string& nick, int game) {
    Reply<TourRating> r;
    auto answer = send(url, FormKind::Plain, {{"readrating" + num(game), "0"}, {"nick", nick}});
    if (!answer) return r;
    r.ok = true;
    auto w = recordWords(*answer);
    setInt(r.value.score, w, 1);
    setInt(r.value.games, w, 2);
    setInt(r.value.rating, w, 3);
    return r;
}

Reply<TopList> ServiceClient::ReadTourTop10(const std::string& url, char order, int game) {
    Reply<TopList> r;
    auto answer = send(url, FormKind::Encoded,
                       {{"top10" + std::string(1, order) + num(game), "0"}, {"nick", "z"}});
    fillList(r, answer, [&](std::size_t i, const Words& w) {
        TQexRecord& row = r.value[i];
        setInt(row.Place, w, 1);
        setText(row.Nick, w, 2);
        setText(row.City, w, 3);
        setText(row.Country, w, 4);
        setText(row.R07, w, 5);
        setInt(row.Score, w, 6);
    });
    return r;
}

Reply<int64_t> ServiceClient::ReadTourPlace(const std::string& url, char order, int64_t value, int game) {
    const char* valueKey = order == 's' ? "score1" : order == 'r' ? "rating1" : "kon1";
    return numberReply<int64_t>(send(
        url, FormKind::Plain, {{"place" + std::string(1, order) + num(game), "0"}, {valueKey, num(value)}}));
}

Reply<TQexStat> ServiceClient::ReadStats(const std::string& url, int gid) {
    Reply<TQexStat> r;
    r.value.GID = gid;
    auto answer = send(url, FormKind::Encoded, {{"gid", num(gid)}}, true);
    if (!answer) return r;
    r.ok = true;
    auto records = listRecords(*answer);  // one record from "$" to "*"
    if (records.empty()) return r;
    const auto& w = records.front();
    TQexStat& s = r.value;
    setInt(s.Stat1, w, 1);
    setInt(s.Stat2, w, 2);
    setInt(s.Stat3, w, 3);
    setText(s.Stat4, w, 4);
    for (std::size_t i = 0; i < 12; ++i) setInt(s.StatX[i], w, 5 + i);
    setInt(s.StatY, w, 17);
    setText(s.StatZ, w, 18);
    return r;
}

bool ServiceClient::SendLaunch(const std::string& url, int32_t stat1, int32_t stat2, int gid) {
    auto answer = send(url, FormKind::Plain, {{"gid", num(gid)}, {"stat1", num(stat1)}, {"stat2", num(stat2)}});
    return answer && statusAnswer(*answer);
}

bool ServiceClient::SendStats34(const std::string& url, int32_t stat3, const std::string& stat4, int gid) {
    auto answer = send(url, FormKind::Plain, {{"gid", num(gid)}, {"stat3", num(stat3)}, {"stat4", stat4}});
    return answer && statusAnswer(*answer);
}

bool ServiceClient::SendGameStats(const std::string& url, const std::array<int32_t, 12>& counters, int gid) {
    FormFields fields = {{"gid", num(gid)}};
    for (std::size_t i = 0; i < 12; ++i) fields.emplace_back("R" + num(i + 1), num(counters[i]));
    auto answer = send(url, FormKind::Plain, fields);
    return answer && statusAnswer(*answer);
}

std::optional<std::string> ServiceClient::FetchDocument(const std::string& url) { return transport_.get(url); }

std::optional<std::string> ServiceClient::FetchPicture(const ServiceAddresses& addresses,
                                                       const std::string& nick) {
    auto bytes = transport_.get(addresses.avatarUrl(nick));
    if (!bytes || !looksLikeJpeg(*bytes)) return std::nullopt;
    return bytes;
}

bool ServiceClient::UploadPicture(const FtpTarget& target, const std::string& nick, std::string_view jpeg) {
    return transport_.ftpUpload(target, nick + ".jpg", jpeg);
}

bool looksLikeJpeg(std::string_view b) {
    return b.size() >= 4 && static_cast<unsigned char>(b[0]) == 0xFF &&
           static_cast<unsigned char>(b[1]) == 0xD8 && static_cast<unsigned char>(b[b.size() - 2]) == 0xFF &&
           static_cast<unsigned char>(b[b.size() - 1]) == 0xD9;
}

}  // namespace vantorn::online
