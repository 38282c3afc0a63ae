// GET documents: the directory and news documents, players' pictures, the IP echo, the music
// playlist and tracks, the downloads and the help page.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "online/text_cipher.h"
#include "service_common.h"

namespace fs = std::filesystem;

namespace vantorn::club {

namespace {

// Files larger than this are not served (packs are a few megabytes).
constexpr std::uintmax_t kMaxServedFile = 256ull * 1024 * 1024;
constexpr std::size_t kMaxFileName = 128;

HttpReply notFound() {
    HttpReply r;
    r.status = 404;
    r.body = "not found";
    return r;
}

// A single file name from the path: no folders, no hidden files, no control bytes.
std::optional<std::string> safeName(std::string_view encoded) {
    std::string name = online::percentDecode(encoded);
    if (name.empty() || name.size() > kMaxFileName || name[0] == '.') return std::nullopt;
    for (unsigned char c : name)
        if (c < 0x20 || c == '/' || c == '\\' || c == 0x7F) return std::nullopt;
    return name;
}

HttpReply serveFile(const fs::path& folder, std::string_view encodedName, const char* type) {
    auto name = safeName(encodedName);
    if (!name || folder.empty()) return notFound();
    fs::path file = folder / *name;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec) || fs::file_size(file, ec) > kMaxServedFile || ec) return notFound();
    HttpReply r;
    r.contentType = type;
    r.filePath = file.string();
    return r;
}

const char* typeOf(std::string_view name) {
    auto ends = [&](std::string_view ext) {
        return name.size() >= ext.size() && name.substr(name.size() - ext.size()) == ext;
    };
    if (ends(".mp3")) return "audio/mpeg";
    if (ends(".jpg")) return "image/jpeg";
    if (ends(".html")) return "text/html; charset=utf-8";
    if (ends(".rad") || ends(".txt")) return "text/plain; charset=windows-1251";
    return "application/octet-stream";
}

HttpReply directory(Database& db, const ClubConfig& config, const std::string& base) {
    auto enc = [](const std::string& address) { return online::encipher(address, online::kAddressKey); };
    std::string doc;
    if (config.pauseTopLists) doc += "WTGamesPause=1#";
    else doc += "WTGamesPatt=" + enc(base + "/games") + "#";
    if (config.pauseChat) doc += "CTGamesPause=1#";
    doc += "StatPath=" + enc(base + "/stats") + "#";
    doc += "AccPath=" + enc(base + "/account") + "#";
    std::error_code ec;
    fs::path apk = fs::path(config.staticDir) / "downloads" / "progr" / "cards" / "Vantorn.apk";
    if (!config.staticDir.empty() && fs::is_regular_file(apk, ec))
        doc += "DownLoad_Link_Vantorn=" + base + "/downloads/progr/cards/Vantorn.apk#";
    auto s = db.prepare("SELECT news_show, news_title, news_text, news_link, news_number FROM server_info WHERE id = 1");
    if (s.step())
        doc += "NewsVantorn5.3=" + s.text(0) + "#" + s.text(1) + "#" + s.text(2) + "#" + s.text(3) + "#" +
               std::to_string(s.integer(4)) + "#";
    HttpReply r;
    r.contentType = "text/plain; charset=utf-8";
    r.body = doc + "\n";
    return r;
}

HttpReply news(Database& db) {
    auto s = db.prepare("SELECT news_number, news_title, news_text FROM server_info WHERE id = 1");
    int64_t number = 0;
    std::string title, text;
    if (s.step()) {
        number = s.integer(0);
        title = s.text(1);
        text = s.text(2);
    }
    char key[32];
    std::snprintf(key, sizeof key, "QexNews%05lld", static_cast<long long>(number % 100000));
    HttpReply r;
    r.contentType = "text/html; charset=utf-8";
    r.body = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Vantorn club news</title></head>\n"
             "<body><!-- " + std::string(key) + " -->\n<h1>" + title + "</h1>\n<p>" + text + "</p></body></html>\n";
    return r;
}

// "artist~title.mp3" lines of the mp3 files in the music folder.
HttpReply playlist(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_regular_file(folder / "_playlist.html", ec)) return serveFile(folder, "_playlist.html", typeOf(".html"));
    std::vector<std::string> lines;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && name.find('~') != std::string::npos && name.size() > 4 &&
            name.substr(name.size() - 4) == ".mp3")
            lines.push_back(name);
    }
    if (lines.empty()) return notFound();
    std::sort(lines.begin(), lines.end());
    HttpReply r;
    r.contentType = "text/html; charset=utf-8";
    for (const auto& line : lines) r.body += line + "\n";
    return r;
}

const char* const kHelpPage =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Vantorn</title></head><body>\n"
    "<h1 id=\"Label_Vantorn\">Vantorn</h1>\n"
    "<p>Shed your five cards by matching the face-up card's suit or rank. A joker goes on anything and orders "
    "a suit; your own jack makes the opponent take two cards, your own queen one; after your own jack, queen "
    "or king you move again. The first player out of cards wins the deal; the other pays for the cards left "
    "in hand. The game ends when a total reaches 100.</p>\n</body></html>\n";

}  // namespace

HttpReply handleDocument(Database& db, const ClubConfig& config, const HttpRequest& request, const std::string& base) {
    const std::string& path = request.path;
    auto under = [&](std::string_view prefix) { return std::string_view(path).substr(0, prefix.size()) == prefix; };
    const fs::path statics = config.staticDir;
    if (path == "/directory.txt") return directory(db, config, base);
    if (path == "/news.txt") return news(db);
    if (path == "/get_ip.php") {
        HttpReply r;
        std::string ip = request.peer;
        if (ip.rfind("::ffff:", 0) == 0) ip = ip.substr(7);
        r.body = ip;
        return r;
    }
    if (under("/avatars/")) {
        std::string_view name = std::string_view(path).substr(9);
        if (name.size() < 5 || name.substr(name.size() - 4) != ".jpg") return notFound();
        return serveFile(config.ftpDir, name, "image/jpeg");
    }
    if (path == "/musik/_playlist.html") return statics.empty() ? notFound() : playlist(statics / "musik");
    if (under("/musik/") && !statics.empty()) {
        std::string_view name = std::string_view(path).substr(7);
        return serveFile(statics / "musik", name, typeOf(name));
    }
    if (under("/downloads/progr/cards/") && !statics.empty()) {
        std::string_view name = std::string_view(path).substr(23);
        return serveFile(statics / "downloads" / "progr" / "cards", name, typeOf(name));
    }
    if (path == "/progr/cards.html") {
        std::error_code ec;
        if (!statics.empty() && fs::is_regular_file(statics / "progr" / "cards.html", ec))
            return serveFile(statics / "progr", "cards.html", typeOf(".html"));
        HttpReply r;
        r.contentType = "text/html; charset=utf-8";
        r.body = kHelpPage;
        return r;
    }
    return notFound();
}

}  // namespace vantorn::club
