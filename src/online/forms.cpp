#include "forms.h"

namespace vantorn::online {

namespace {

std::string joinPairs(const FormFields& fields, bool encode) {
    std::string body;
    for (const auto& [key, value] : fields) {
        if (!body.empty()) body.push_back('&');
        body += encode ? percentEncode(key) : key;
        body.push_back('=');
        body += encode ? percentEncode(value) : value;
    }
    return body;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string plainBody(const FormFields& fields) { return joinPairs(fields, false); }
std::string encodedBody(const FormFields& fields) { return joinPairs(fields, true); }

std::string formBody(FormKind kind, const FormFields& fields) {
    return kind == FormKind::Plain ? plainBody(fields) : encodedBody(fields);
}

std::string percentEncode(std::string_view text) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '.' || c == '_' || c == '~';
        if (keep) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(digits[c >> 4]);
            out.push_back(digits[c & 15]);
        }
    }
    return out;
}

std::string percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::optional<FormFields> parseFormBody(std::string_view body, std::size_t maxFields) {
    FormFields fields;
    if (body.empty()) return fields;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find('&', start);
        if (end == std::string_view::npos) end = body.size();
        std::string_view pair = body.substr(start, end - start);
        std::size_t eq = pair.find('=');
        if (eq == std::string_view::npos || eq == 0) return std::nullopt;
        if (fields.size() == maxFields) return std::nullopt;
        fields.emplace_back(percentDecode(pair.substr(0, eq)), percentDecode(pair.substr(eq + 1)));
        start = end + 1;
    }
    return fields;
}

}  // namespace vantorn::online
