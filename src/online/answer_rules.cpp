#include "answer_rules.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vantorn::online {

namespace {

// Decimal digits with an optional leading "-"; nullopt when empty, not a number or too large.
std::optional<int64_t> parseInteger(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (text.front() == '+') return std::nullopt;
    return value;
}

std::vector<std::string> splitWords(std::string_view record, char separator) {
    std::vector<std::string> words;
    std::string padded;
    padded.reserve(record.size() + 2);
    padded.push_back(separator);
    padded.append(record);
    padded.push_back(separator);
    // Splitting " a b " at each separator yields "", "a", "b", "": word 0 is the empty text.
    std::size_t start = 0;
    for (std::size_t i = 0; i <= padded.size(); ++i) {
        if (i == padded.size() || padded[i] == separator) {
            words.emplace_back(padded.substr(start, i - start));
            start = i + 1;
        }
    }
    if (!words.empty()) words.pop_back();  // the empty text after the added trailing blank
    return words;
}

// Position of the last "$" that is not the answer's last character.
std::optional<std::size_t> lastOpeningDollar(std::string_view answer) {
    if (answer.size() < 2) return std::nullopt;
    std::size_t pos = answer.rfind('$', answer.size() - 2);
    if (pos == std::string_view::npos) return std::nullopt;
    return pos;
}

}  // namespace

bool hasMarker(std::string_view answer, std::string_view marker) {
    return !marker.empty() && answer.find(marker) != std::string_view::npos;
}

std::vector<std::string> recordWords(std::string_view answer, char separator) {
    std::size_t open = answer.find('$');
    if (open == std::string_view::npos || open + 1 >= answer.size()) return {};
    std::size_t close = answer.find('$', open + 1);
    if (close == std::string_view::npos) close = answer.size() - 1;
    return splitWords(answer.substr(open + 1, close - open - 1), separator);
}

std::vector<std::vector<std::string>> listRecords(std::string_view answer) {
    std::vector<std::vector<std::string>> records;
    for (std::size_t i = 0; i + 1 < answer.size() && records.size() < kMaxListRecords; ++i) {
        if (answer[i] != '$') continue;
        std::size_t close = answer.find('*', i + 1);
        if (close == std::string_view::npos) close = answer.size() - 1;
        records.push_back(splitWords(answer.substr(i + 1, close - i - 1), ' '));
    }
    return records;
}

std::optional<int64_t> numberAnswer(std::string_view answer) {
    auto open = lastOpeningDollar(answer);
    if (!open) return std::nullopt;
    // The answer's last character never becomes part of the value.
    std::size_t end = *open + 1;
    while (end < answer.size() - 1 && answer[end] >= '0' && answer[end] <= '9') ++end;
    return parseInteger(answer.substr(*open + 1, end - *open - 1));
}

bool statusAnswer(std::string_view answer) {
    auto open = lastOpeningDollar(answer);
    if (!open) return false;
    std::string_view rest = answer.substr(*open + 1);
    rest = rest.substr(0, rest.find('#'));
    return rest.substr(0, 2) == "ok";
}

std::optional<int64_t> balanceAnswer(std::string_view answer) {
    std::size_t open = answer.find('$');
    if (open == std::string_view::npos || open + 1 >= answer.size()) return std::nullopt;
    std::size_t close = answer.find('$', open + 1);
    if (close == std::string_view::npos) close = answer.size() - 1;
    return parseInteger(answer.substr(open + 1, close - open - 1));
}

int32_t wordToInt(std::string_view word, int32_t fallback) {
    auto v = parseInteger(word);
    if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
        return fallback;
    return static_cast<int32_t>(*v);
}

double readRating(std::string_view word) {
    // Rebuilt as "-digits.digits" and converted exactly; the separator may be any character.
    std::string text;
    std::size_t i = 0;
    while (i < word.size() && word[i] == ' ') ++i;
    if (i < word.size() && word[i] == '-') text.push_back(word[i++]);
    std::size_t digits = 0;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9' && digits < 40; ++i, ++digits)
        text.push_back(word[i]);
    if (digits == 0) text.push_back('0');
    if (i < word.size()) {
        ++i;  // the decimal separator, whatever character it is
        text.push_back('.');
        for (std::size_t n = 0; i < word.size() && word[i] >= '0' && word[i] <= '9' && n < 40; ++i, ++n)
            text.push_back(word[i]);
        if (text.back() == '.') text.push_back('0');
    }
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string formatRating(double value) {
    if (!std::isfinite(value) || std::fabs(value) < 0.00001) return "0";
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc()) return "0";
    return std::string(buffer, end);
}

}  // namespace vantorn::online
