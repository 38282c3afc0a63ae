#include "text_cipher.h"

#include <cstdint>

namespace vantorn::online {

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int alphabetIndex(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// A hash of the whole key, so that every byte depends on all of it (FNV-1a).
uint8_t keyHash(std::string_view key) {
    uint32_t h = 2166136261u;
    for (char c : key) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
    return static_cast<uint8_t>(h ^ (h >> 8) ^ (h >> 16) ^ (h >> 24));
}

// Stream byte i: the key byte, the key hash, a position term and the previous cipher byte.
uint8_t streamByte(std::string_view key, uint8_t hash, std::size_t i, uint8_t previous) {
    uint8_t k = key.empty() ? 0x5A : static_cast<uint8_t>(key[i % key.size()]);
    return static_cast<uint8_t>((k ^ hash) + 31 * i + previous * 7 + 0x3C);
}

}  // namespace

std::string base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t chunk = static_cast<uint8_t>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) chunk |= static_cast<uint8_t>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) chunk |= static_cast<uint8_t>(bytes[i + 2]);
        out.push_back(kAlphabet[(chunk >> 18) & 63]);
        out.push_back(kAlphabet[(chunk >> 12) & 63]);
        out.push_back(i + 1 < bytes.size() ? kAlphabet[(chunk >> 6) & 63] : '=');
        out.push_back(i + 2 < bytes.size() ? kAlphabet[chunk & 63] : '=');
    }
    return out;
}

std::optional<std::string> base64Decode(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        int v[4];
        int pad = 0;
        for (int j = 0; j < 4; ++j) {
            char c = text[i + j];
            if (c == '=' && i + 4 == text.size() && j >= 2) {
                v[j] = 0;
                ++pad;
            } else {
                if (pad > 0) return std::nullopt;  // data after padding
                v[j] = alphabetIndex(c);
                if (v[j] < 0) return std::nullopt;
            }
        }
        uint32_t chunk = (v[0] << 18) | (v[1] << 12) | (v[2] << 6) | v[3];
        out.push_back(static_cast<char>((chunk >> 16) & 0xFF));
        if (pad < 2) out.push_back(static_cast<char>((chunk >> 8) & 0xFF));
        if (pad < 1) out.push_back(static_cast<char>(chunk & 0xFF));
    }
    return out;
}

std::string encipher(std::string_view plain, std::string_view key) {
    std::string bytes(plain.size(), '\0');
    const uint8_t hash = keyHash(key);
    uint8_t previous = 0;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        uint8_t c = static_cast<uint8_t>(plain[i]) ^ streamByte(key, hash, i, previous);
        bytes[i] = static_cast<char>(c);
        previous = c;
    }
    return base64Encode(bytes);
}

std::optional<std::string> decipher(std::string_view text, std::string_view key) {
    auto bytes = base64Decode(text);
    if (!bytes) return std::nullopt;
    const uint8_t hash = keyHash(key);
    uint8_t previous = 0;
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        uint8_t c = static_cast<uint8_t>((*bytes)[i]);
        (*bytes)[i] = static_cast<char>(c ^ streamByte(key, hash, i, previous));
        previous = c;
    }
    return bytes;
}

}  // namespace vantorn::online
