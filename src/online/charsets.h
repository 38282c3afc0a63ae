// Answers whose declared character set is UTF-8 are turned into the Windows-1251 bytes the
// program works with. Only what Windows-1251 can hold survives: ASCII, the Cyrillic letters
// (with Ё and ё) and a few symbols; everything else becomes "?".
#pragma once

#include <string>
#include <string_view>

namespace vantorn::online {

std::string utf8ToCp1251(std::string_view utf8);
// True when a Content-Type value declares UTF-8 ("text/plain; charset=UTF-8").
bool declaresUtf8(std::string_view contentType);

}  // namespace vantorn::online
