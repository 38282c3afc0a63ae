#include "charsets.h"

#include <cstdint>

namespace vantorn::online {

namespace {

// Windows-1251 byte of a code point outside ASCII, or 0 when it has none.
char cp1251Of(uint32_t cp) {
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<char>(0xC0 + (cp - 0x0410));  // А..я
    switch (cp) {
        case 0x0401: return '\xA8';  // Ё
        case 0x0451: return '\xB8';  // ё
        case 0x00A0: return '\xA0';
        case 0x00AB: return '\xAB';
        case 0x00BB: return '\xBB';
        case 0x2116: return '\xB9';  // №
        case 0x2013: return '\x96';
        case 0x2014: return '\x97';
        case 0x20AC: return '\x88';  // €
        default: return 0;
    }
}

}  // namespace

std::string utf8ToCp1251(std::string_view in) {
    std::string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size();) {
        unsigned char c = static_cast<unsigned char>(in[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
        uint32_t cp = length == 4 ? c & 0x07 : length == 3 ? c & 0x0F : c & 0x1F;
        bool valid = length > 0 && i + length <= in.size();
        for (int k = 1; valid && k < length; ++k) {
            unsigned char next = static_cast<unsigned char>(in[i + k]);
            if ((next & 0xC0) != 0x80) valid = false;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid) {
            out.push_back('?');
            ++i;
            continue;
        }
        char mapped = cp1251Of(cp);
        out.push_back(mapped ? mapped : '?');
        i += length;
    }
    return out;
}

bool declaresUtf8(std::string_view type) {
    std::string lower;
    for (char c : type) lower.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    auto pos = lower.find("charset=");
    if (pos == std::string::npos) return false;
    std::string_view cs = std::string_view(lower).substr(pos + 8);
    if (!cs.empty() && cs.front() == '"') cs.remove_prefix(1);
    return cs.substr(0, 5) == "utf-8" || cs.substr(0, 4) == "utf8";
}

}  // namespace vantorn::online
