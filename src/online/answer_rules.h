// The five ways of reading a service answer, and the number formats that travel in them.
// Every reader works on the answer bytes alone and never fails by exception: a reading that
// does not apply reports "nothing" and the caller keeps its presets.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorn::online {

// At most this many records are read from a list answer; later ones are ignored.
inline constexpr std::size_t kMaxListRecords = 10;

// Marker test: the two-letter marker occurs anywhere in the answer (case-sensitive).
bool hasMarker(std::string_view answer, std::string_view marker);

// Record answer: the words of the record opened by the first "$" that is not the last
// character. Index 0 is the empty word before the added separator, so words[i] is word i.
// Empty when the answer holds no record.
std::vector<std::string> recordWords(std::string_view answer, char separator = ' ');

// List answer: the words of each record (at most kMaxListRecords), same indexing.
std::vector<std::vector<std::string>> listRecords(std::string_view answer);

// Number answer: the digits after the last "$" that is not the last character.
std::optional<int64_t> numberAnswer(std::string_view answer);

// Status answer: the text after the last "$" (not the last character) begins with "ok".
bool statusAnswer(std::string_view answer);

// The balance answer of ReadQexs: the text from the first "$" to the next "$" (or to the last
// character) is a whole decimal number.
std::optional<int64_t> balanceAnswer(std::string_view answer);

// A word read as a decimal integer; words that are not one give the fallback.
int32_t wordToInt(std::string_view word, int32_t fallback = 0);

// A rating word: leading blanks, "-" and digits as they are, the first other character is the
// decimal separator, then the fraction digits; an empty word gives 0.
double readRating(std::string_view word);

// A rating as sent: the shortest decimal text with "." as separator; below 0.00001 in
// magnitude it is "0".
std::string formatRating(double value);

}  // namespace vantorn::online
