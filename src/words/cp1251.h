// Windows-1251, the 8-bit code page of the files and the wire.
//
// Every byte string round-trips: cp1251ToUtf8 then utf8ToCp1251 gives the same bytes back
// (the one unassigned byte 0x98 travels as U+0098). A character that Windows-1251 cannot
// hold, and every byte of malformed UTF-8, becomes '?' (the code page's usual replacement).
#pragma once

#include <string>
#include <string_view>

namespace vantorn::words {

inline constexpr char kCp1251Replacement = '?';

std::string cp1251ToUtf8(std::string_view bytes);
std::string utf8ToCp1251(std::string_view utf8);

}  // namespace vantorn::words
