// Which password last proved right for each nick during this run, kept as a keyed hash
// (BLAKE2b under a key made at start, never stored), so that the requests of one login
// (ReadUser, ReadGame, WriteGame ...) pay the slow password hash only once.
#pragma once

#include <sodium.h>

#include <array>
#include <string>
#include <unordered_map>

namespace vantorn::club {

// At most this many logins are remembered; then the memory starts afresh.
inline constexpr std::size_t kMaxRememberedLogins = 10000;

class PasswordCache {
public:
    PasswordCache();  // needs sodium_init() before
    bool knows(const std::string& nick, const std::string& pw) const;
    void remember(const std::string& nick, const std::string& pw);

private:
    using Digest = std::array<unsigned char, crypto_generichash_BYTES>;
    Digest digest(const std::string& pw) const;
    static std::string folded(const std::string& nick);  // nicks compare without case

    std::array<unsigned char, crypto_generichash_KEYBYTES> key_;
    std::unordered_map<std::string, Digest> verified_;
};

}  // namespace vantorn::club
