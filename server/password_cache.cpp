#include "password_cache.h"

namespace vantorn::club {

PasswordCache::PasswordCache() { crypto_generichash_keygen(key_.data()); }

PasswordCache::Digest PasswordCache::digest(const std::string& pw) const {
    Digest d;
    crypto_generichash(d.data(), d.size(), reinterpret_cast<const unsigned char*>(pw.data()), pw.size(), key_.data(),
                       key_.size());
    return d;
}

std::string PasswordCache::folded(const std::string& nick) {
    std::string f = nick;
    for (char& c : f)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return f;
}

bool PasswordCache::knows(const std::string& nick, const std::string& pw) const {
    auto it = verified_.find(folded(nick));
    if (it == verified_.end()) return false;
    Digest d = digest(pw);
    return sodium_memcmp(d.data(), it->second.data(), d.size()) == 0;
}

void PasswordCache::remember(const std::string& nick, const std::string& pw) {
    if (verified_.size() >= kMaxRememberedLogins) verified_.clear();
    verified_[folded(nick)] = digest(pw);
}

}  // namespace vantorn::club
