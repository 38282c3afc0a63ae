// Build-time generator of the Words table.
//
// Reads the translators' table (tab-separated: one row per entry, one column per language)
// and writes a header with the entry enumeration and a source file with the texts. The
// build fails with a message naming the entry whenever a row is malformed: a missing or
// empty language, an identifier that is not a C++ name, a duplicate identifier, a bad
// escape or a text that is not valid UTF-8.
//
// Usage: vantorn-words-gen TABLE.tsv OUTPUT_DIR
//   writes OUTPUT_DIR/words/entries.h and OUTPUT_DIR/words_table.cpp
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kLanguages = 10;
const char* const kColumns[1 + kLanguages] = {"id", "en", "ru", "de", "fr", "es",
                                              "zh", "it", "cs", "ja", "ko"};
const char* const kLanguageNames[kLanguages] = {"English", "Russian",  "German",  "French",
                                                "Spanish", "Chinese",  "Italian", "Czech",
                                                "Japanese", "Korean"};

struct Row {
  std::string id;
  std::string texts[kLanguages];
  int line = 0;
};

std::vector<std::string> splitTabs(const std::string& s) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : s) {
    if (c == '\t') {
      out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  out.push_back(cur);
  return out;
}

bool validUtf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + extra >= s.size() + (extra == 0)) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
    i += 1 + extra;
  }
  return true;
}

// Escapes understood in a cell: \n line feed, \r carriage return, \t tab, \\ backslash.
bool unescape(const std::string& in, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '\\') {
      out += in[i];
      continue;
    }
    if (++i == in.size()) return false;
    switch (in[i]) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case '\\': out += '\\'; break;
      default: return false;
    }
  }
  return true;
}

bool validIdentifier(const std::string& s) {
  if (s.empty() || !(std::isupper(static_cast<unsigned char>(s[0])))) return false;
  for (char c : s)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return s != "Count";
}

// Every byte outside printable ASCII goes out as a three-digit octal escape, which never
// runs into the following character.
std::string cLiteral(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F && c != '?') {
      out += static_cast<char>(c);
    } else {
      char buf[5];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    }
  }
  return out + "\"";
}

int fail(const std::string& table, int line, const std::string& message) {
  std::cerr << table << ":" << line << ": error: " << message << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: vantorn-words-gen TABLE.tsv OUTPUT_DIR\n";
    return 2;
  }
  const std::string table = argv[1];
  const std::string outDir = argv[2];
  std::ifstream in(table, std::ios::binary);
  if (!in) {
    std::cerr << table << ": error: cannot open the Words table\n";
    return 1;
  }
  std::vector<Row> rows;
  std::set<std::string> ids;
  std::string raw;
  int lineNo = 0;
  bool headerSeen = false;
  while (std::getline(in, raw)) {
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (raw.empty() || raw[0] == '#') continue;
    std::vector<std::string> cells = splitTabs(raw);
    if (!headerSeen) {
      headerSeen = true;
      bool ok = cells.size() == 1 + kLanguages;
      for (int i = 0; ok && i <= kLanguages; ++i) ok = cells[i] == kColumns[i];
      if (!ok)
        return fail(table, lineNo, "the header must be: id en ru de fr es zh it cs ja ko (tab-separated)");
      continue;
    }
    Row row;
    row.id = cells[0];
    row.line = lineNo;
    if (!validIdentifier(row.id))
      return fail(table, lineNo, "entry '" + row.id + "': the id must be a CamelCase C++ name");
    if (!ids.insert(row.id).second)
      return fail(table, lineNo, "entry '" + row.id + "' is defined twice");
    if (cells.size() > 1 + kLanguages)
      return fail(table, lineNo, "entry '" + row.id + "' has more than ten texts (a stray tab?)");
    for (int l = 0; l < kLanguages; ++l) {
      if (static_cast<std::size_t>(l + 1) >= cells.size() || cells[l + 1].empty())
        return fail(table, lineNo,
                    "entry '" + row.id + "' lacks its " + kLanguageNames[l] + " text");
      if (!unescape(cells[l + 1], row.texts[l]))
        return fail(table, lineNo,
                    "entry '" + row.id + "': bad escape in its " + kLanguageNames[l] + " text");
      if (!validUtf8(row.texts[l]))
        return fail(table, lineNo,
                    "entry '" + row.id + "': its " + kLanguageNames[l] + " text is not UTF-8");
    }
    rows.push_back(std::move(row));
  }
  if (!headerSeen || rows.empty()) return fail(table, lineNo, "the Words table has no entries");

  std::ostringstream h;
  h << "// Generated from src/words/data/words.tsv by vantorn-words-gen. Do not edit.\n"
       "#pragma once\n#include <cstddef>\n#include <cstdint>\n\n"
       "namespace vantorn::words {\n\n"
       "// One entry per user-visible text; the table holds its ten translations.\n"
       "enum class Entry : std::uint16_t {\n";
  for (const Row& r : rows) h << "  " << r.id << ",\n";
  h << "};\n\ninline constexpr std::size_t kEntryCount = " << rows.size() << ";\n\n"
       "}  // namespace vantorn::words\n";

  std::ostringstream c;
  c << "// Generated from src/words/data/words.tsv by vantorn-words-gen. Do not edit.\n"
       "#include <string_view>\n\n#include \"words/entries.h\"\n\n"
       "namespace vantorn::words::detail {\n\n"
       "extern const std::string_view kTexts[kEntryCount][10];\n"
       "extern const std::string_view kEntryNames[kEntryCount];\n\n"
       "const std::string_view kTexts[kEntryCount][10] = {\n";
  for (const Row& r : rows) {
    c << "  {";
    for (int l = 0; l < kLanguages; ++l) c << (l ? ", " : "") << cLiteral(r.texts[l]);
    c << "},\n";
  }
  c << "};\n\nconst std::string_view kEntryNames[kEntryCount] = {\n";
  for (const Row& r : rows) c << "  \"" << r.id << "\",\n";
  c << "};\n\n}  // namespace vantorn::words::detail\n";

  // Write only when the content changed, so an unchanged table rebuilds nothing.
  auto writeIfChanged = [](const std::string& path, const std::string& content) {
    std::ifstream old(path, std::ios::binary);
    std::stringstream buf;
    buf << old.rdbuf();
    if (old && buf.str() == content) return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out.flush());
  };
  if (!writeIfChanged(outDir + "/words/entries.h", h.str()) ||
      !writeIfChanged(outDir + "/words_table.cpp", c.str())) {
    std::cerr << "vantorn-words-gen: cannot write into " << outDir << "\n";
    return 1;
  }
  return 0;
}
