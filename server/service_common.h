// Shared pieces of the request handlers: reading and checking form fields, and writing
// answers in the service's grammar.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "club_db.h"
#include "club_service.h"
#include "online/forms.h"
#include "password_cache.h"

namespace vantorn::club {

// A request whose fields are missing, oversized or malformed: answered with an error and
// nothing changed.
struct BadRequest : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Charset {
    Latin,      // Latin letters, digits and ! ( ) , - . @ _
    Words,      // the same plus the Cyrillic letters (Windows-1251)
    WordsHash,  // Words plus "#", the preset of empty values
    Card,       // contact-card text: any printable byte but the separators "$", "~", "&"
};

class Fields {
public:
    explicit Fields(online::FormFields f);
    bool has(std::string_view key) const;
    // The key that begins with prefix, if any.
    std::optional<std::string> keyStartingWith(std::string_view prefix) const;
    std::string word(std::string_view key, std::size_t minLen, std::size_t maxLen, Charset charset) const;
    int64_t integer(std::string_view key, int64_t min, int64_t max) const;
    double rating(std::string_view key) const;

private:
    const std::string& raw(std::string_view key) const;
    online::FormFields fields_;
};

// Request handlers by address; each returns the answer body.
std::string handleAccount(Database& db, PasswordCache& logins, const Fields& f);
std::string handleGames(Database& db, const Fields& f);
std::string handleStats(Database& db, const Fields& f);
std::string handleTournament(Database& db, const ClubConfig& config, const std::string& relayHost,
                             const Fields& f);
HttpReply handleDocument(Database& db, const ClubConfig& config, const HttpRequest& request,
                         const std::string& base);

bool allowedByte(unsigned char c, Charset charset);

// Answer pieces.
std::string numberAnswer(int64_t n);  // "$n#"
inline constexpr std::string_view kOk = "ok";
inline constexpr std::string_view kNo = "no";
inline constexpr std::string_view kTaken = "is";

}  // namespace vantorn::club
